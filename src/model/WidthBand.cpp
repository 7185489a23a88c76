#include "model/WidthBand.h"

#include "model/Geometry.h"
#include "model/ModelRecords.h"

void CurveBandCorners(const double a[2], const double b[2], const T_CURVE_D& curve, double corners[4][2])
{
    GetWidthOutline(a, b, curve.alignment, curve.width, corners[0], corners[1], corners[2], corners[3]);
}
