#pragma once

// The mesh size of a plane section, from its density level or given, and the
// even number of divisions of every curve of the section, which the mesher
// follows along the boundary.

#include <string>
#include <vector>

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
    // A mesh size that puts the level's elements through that wall, and
    // whose mesh the mesher takes within the element limit; 0 when none does.
    double resolvingSize = 0.0;
};

// The thinnest wall of the section's used domains that is too thin beside
// the section's extent for the calculation to solve; 0 when there is none.
// Quick enough to ask before meshing.
double UnsolvableWallOf(const T_SECTION_D& section);

// What the user is told of such a wall: which section, how thick, and what to do.
std::string UnsolvableWallText(const std::string& sectionName, double thickness);

// Level 1 (coarse) to 5 (fine) sizes the mesh unless |meshSize| > 1e-6. Under
// a level the curves of a thin wall take a finer size, so that the level's
// number of elements goes through the wall whatever its length, up to a limit
// on the elements the walls bring; a given size is used as it is. Every
// curve's mesh node list is emptied; twins get the same count. Under a level a
// short curve of one segment may keep 0 divisions, which the mesher settles.
// The limit on the elements is the machine's (MeshElementLimit).
MeshSizingNote AssignMeshDivisions(T_SECTION_D& section, int level, double meshSize);

// The output lines that tell the user of the note, the advice on a line of
// its own; none for no note.
std::vector<std::string> MeshSizingNoteLines(const MeshSizingNote& note, const std::string& sectionName);
