#pragma once
// The four corners of the band one segment of a curve with a width covers:
// the one way to ask the width outline for a curve's band.

struct T_CURVE_D;

// Global coordinates in order around the band, as the width outline gives
// them: an alignment it does not know gives the band of no width along the
// segment, never what the corners held before.
void CurveBandCorners(const double a[2], const double b[2], const T_CURVE_D& curve, double corners[4][2]);
