#pragma once

// The mesh size of a plane section, from its density level or given, and the
// even number of divisions of every curve of the section, which the mesher
// follows along the boundary.

#include <string>

#include "model/SectionRecords.h"

// What the user should know of a sizing that leaves a wall with fewer
// elements through it than it needs.
struct MeshSizingNote {
    enum Kind {
        None,
        HeldAtElementLimit,  // under a level, the walls would have brought more elements than the limit
        GivenSizeTooCoarse,  // a given size puts fewer than two elements through a wall
    };
    Kind kind = None;
    int elementLimit = 0;       // HeldAtElementLimit
    double givenSize = 0.0;     // GivenSizeTooCoarse
    double thinnestWall = 0.0;  // the thinnest wall of the section
    double resolvingSize = 0.0;  // a mesh size that puts the level's elements through it
};

// Level 1 (coarse) to 5 (fine) sizes the mesh unless |meshSize| > 1e-6. Under
// a level the curves of a thin wall take a finer size, so that the level's
// number of elements goes through the wall whatever its length, up to a limit
// on the elements the walls bring; a given size is used as it is. Every
// curve's mesh node list is emptied; twins get the same count. Under a level a
// short curve of one segment may keep 0 divisions, which the mesher settles.
MeshSizingNote AssignMeshDivisions(T_SECTION_D& section, int level, double meshSize);

// The output line that tells the user of the note; empty for none.
std::string MeshSizingNoteLine(const MeshSizingNote& note, const std::string& sectionName);
