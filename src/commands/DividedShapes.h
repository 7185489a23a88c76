#pragma once
// Circles, arcs and ellipses are polylines whose vertices divide the shape by
// the project's angle step; this is that division, shared by their commands.

#include "model/SectModel.h"

// Segments of a sweep (degrees): the whole angle steps it holds, at least one
// for an arc and at least two for a closed shape, so every shape is a real
// polyline. A count that is no number takes the minimum too.
double DivisionCount(double sweep, double angleStep, bool closed);

// Makes the curve through the vertices at parameter angles startAngle + i *
// sweep / n (degrees, work UCS) of the ellipse about centre, where n divides
// the sweep by the angle step: n + 1 vertices for an arc, n for a closed
// shape (sweep 360), which then ends on its first point again. Checks the id
// limits and refuses a curve of fewer than two distinct points with kind's
// message. Returns the new curve id, 0 after a refusal; the caller titles the
// action and prints the result.
int CreateDividedEllipticCurve(CSectModel& model, const char* kind, const double centre[2], double xRadius,
                               double yRadius, double startAngle, double sweep, bool closed, int alignment,
                               double width);
