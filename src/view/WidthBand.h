#pragma once
// The four corners of the band one segment of a curve with a width covers.

struct T_CURVE_D;

// Global coordinates in order around the band; an alignment the geometry does
// not know gives a band of no width along the segment.
void CurveBandCorners(const double a[2], const double b[2], const T_CURVE_D& curve, double corners[4][2]);
