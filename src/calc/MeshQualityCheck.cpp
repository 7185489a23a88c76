// Rejection of a mesh holding a badly distorted element, before the
// calculation relies on it.

#include <cmath>
#include <vector>

#include "calc/CalculationCancel.h"
#include "calc/SectionMoments.h"
#include "model/Geometry.h"

namespace {

constexpr double kQualityThreshold = 1.0 / 15.0;

// Edge length × √3/2 over the opposite vertex's height, folded into (0, 1];
// an equilateral triangle gives 1, a zero height 0.
double EdgeRatio(const double a[2], const double b[2], const double opposite[2])
{
    const double ratio = Distance(a, b) * std::sqrt(3.0) / 2.0 / DistanceToLine(a, b, opposite);
    if (std::isnan(ratio))  // a collapsed triangle
        return 0.0;
    return ratio > 1.0 ? 1.0 / ratio : ratio;
}

bool TriangleIsUsable(const double* p[3])
{
    const double best =
        Max3(EdgeRatio(p[0], p[1], p[2]), EdgeRatio(p[1], p[2], p[0]), EdgeRatio(p[2], p[0], p[1]));
    return !(best < kQualityThreshold);
}

bool CornerTurnsLeft(const double from[2], const double a[2], const double b[2])
{
    const double u[2] = {a[0] - from[0], a[1] - from[1]};
    const double v[2] = {b[0] - from[0], b[1] - from[1]};
    return !(CrossProduct(u, v) < 0.0);
}

bool QuadrilateralIsUsable(const double* p[4])
{
    const double centre[2] = {(p[0][0] + p[1][0] + p[2][0] + p[3][0]) / 4.0,
                              (p[0][1] + p[1][1] + p[2][1] + p[3][1]) / 4.0};
    const double mid34[2] = {(p[2][0] + p[3][0]) / 2.0, (p[2][1] + p[3][1]) / 2.0};
    const double mid23[2] = {(p[1][0] + p[2][0]) / 2.0, (p[1][1] + p[2][1]) / 2.0};
    const double d1 = Distance(centre, mid34);
    const double d2 = Distance(centre, mid23);
    const double ratio = d1 <= d2 ? d1 / d2 : d2 / d1;
    if (!(ratio >= kQualityThreshold))
        return false;
    return CornerTurnsLeft(p[0], p[1], p[2]) && CornerTurnsLeft(p[0], p[2], p[3]) &&
           CornerTurnsLeft(p[0], p[1], p[3]) && CornerTurnsLeft(p[1], p[2], p[3]);
}

}  // namespace

bool CSectModel::CheckMeshQuality() const
{
    std::size_t checked = 0;
    for (const auto& [id, element] : m_feElements) {
        if (CancelWatch::RequestedAt(checked++))
            return false;
        const double* corner[4] = {};
        const int count = ElementCorners(*this, *element, corner);
        if (count != 0 && !(count == 3 ? TriangleIsUsable(corner) : QuadrilateralIsUsable(corner)))
            return false;
    }
    return true;
}
