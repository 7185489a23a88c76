#pragma once

// The mesh size of a plane section, from its density level or given, and the
// even number of divisions of every curve of the section, which the mesher
// follows along the boundary.

#include "model/SectionRecords.h"

// Level 1 (coarse) to 5 (fine) sizes the mesh unless |meshSize| > 1e-6. Under
// a level the curves of a thin wall take a finer size, so that the level's
// number of elements goes through the wall; a given size is used as it is.
// Every curve's mesh node list is emptied; twins get the same count. Under a
// level a short curve of one segment may keep 0 divisions, which the mesher
// settles.
void AssignMeshDivisions(T_SECTION_D& section, int level, double meshSize);
