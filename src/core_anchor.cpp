// Gives the library an object file while folders are still empty.
namespace klx { int coreAnchor = 0; }
