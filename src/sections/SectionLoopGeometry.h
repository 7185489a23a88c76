#pragma once
// Winding of a section's loops, shared by the plane builder, the faceting and
// the domain building. A lookup that fails throws, so that each caller decides
// whether that is corruption to report.

#include "model/SectionRecords.h"

struct MissingSectionCurve {};
struct MissingSectionPoint {};

// The section point's coordinates; throws MissingSectionPoint.
const double* SectionPointXY(const T_SECTION_D& section, int pointId);

// The section curve of a loop entry, whatever its sign; throws MissingSectionCurve.
T_SCURVE_D& SectionCurveOf(const T_SECTION_D& section, int signedCurveId);

// The sum, in degrees, of the angles at pt from one end to the other of every
// segment of the loop's curves (each in its own point order). About 360 in
// magnitude for a point inside a closed loop, about 0 outside.
double LoopAngleSum(const T_SECTION_D& section, const T_LOOP_D& loop, const double pt[2]);
