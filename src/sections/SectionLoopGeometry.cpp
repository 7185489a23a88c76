#include "sections/SectionLoopGeometry.h"

#include "model/Geometry.h"

#include <climits>
#include <cstdlib>

const double* SectionPointXY(const T_SECTION_D& section, int pointId)
{
    const T_POINT_D* point = section.FindPoint(pointId);
    if (!point)
        throw MissingSectionPoint{};
    return point->xy;
}

T_SCURVE_D& SectionCurveOf(const T_SECTION_D& section, int signedCurveId)
{
    T_SCURVE_D* curve = section.FindCurve(signedCurveId == INT_MIN ? 0 : std::abs(signedCurveId));
    if (!curve)
        throw MissingSectionCurve{};
    return *curve;
}

double LoopAngleSum(const T_SECTION_D& section, const T_LOOP_D& loop, const double pt[2])
{
    double sum = 0.0;
    for (int entry : loop.curveIds) {
        const T_SCURVE_D& curve = SectionCurveOf(section, entry);
        for (size_t k = 0; k + 1 < curve.pointIds.size(); ++k)
            sum += AngleAtVertex(pt, SectionPointXY(section, curve.pointIds[k]),
                                 SectionPointXY(section, curve.pointIds[k + 1]));
    }
    return sum;
}
