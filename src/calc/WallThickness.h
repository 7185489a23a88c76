#pragma once

// How thin the walls of a plane section are, so that the mesh can put enough
// elements through each of them.
//
// A wall lies between two boundary segments of one used domain (outline or
// hole, any curve) that face each other with material between them: their
// inward normals point against each other (within 45 degrees), and the
// shortest line between them leaves each segment into the material (within
// 60 degrees of its normal). Its thickness is that line's length. Segments
// meeting at a point of their loop never form a wall, so a corner, a notch
// or a circle's neighbouring chords are no walls, while the opposite faces
// of a web, a flange or a tube are, whichever curves draw them. Segments of
// different domains never form one either: each domain is meshed on its own.

#include <map>

#include "model/SectionRecords.h"

// The thinnest wall each curve of the section's used domains bounds, for
// the curves bounding one thinner than `limit`. A curve ending on the face of
// such a wall, and not longer than twice its thickness, closes the wall (the
// end face of a flange) and takes its thickness too. Only walls thinner than
// the limit are looked for, among the segments filed near each other, so the
// work grows with the number of segments, not with its square.
std::map<int, double> WallsOfCurves(const T_SECTION_D& section, double limit);
