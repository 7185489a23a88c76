#include "commands/CurveOverlapCheck.h"

#include "model/Geometry.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <string>

namespace {

constexpr double kWithinSegmentEpsilon = 1e-6;

// The coordinates of every point of the curve, in order; false after
// reporting the first missing point.
bool CollectPoints(const CSectModel& model, const T_CURVE_D& curve, std::vector<const T_POINT_D*>& points)
{
    points.clear();
    for (int pointId : curve.pointIds) {
        const T_POINT_D* point = model.FindPoint(pointId);
        if (!point)
            return model.m_reporter.ReportPointNotFound(pointId);
        points.push_back(point);
    }
    return true;
}

int CountEndsInside(const double a[2], const double b[2], const double c[2], const double d[2])
{
    return int{IsPointWithinSegment(a, b, c, kWithinSegmentEpsilon)} +
           int{IsPointWithinSegment(a, b, d, kWithinSegmentEpsilon)} +
           int{IsPointWithinSegment(c, d, a, kWithinSegmentEpsilon)} +
           int{IsPointWithinSegment(c, d, b, kWithinSegmentEpsilon)};
}

} // namespace

bool CheckCurvesNeitherCoincideNorOverlap(const CSectModel& model, const std::vector<int>& curveIds,
                                          const char* refusalLead)
{
    const double tolerance = model.m_tolerance;
    std::vector<const T_POINT_D*> pointsA;
    std::vector<const T_POINT_D*> pointsB;
    for (int idA : curveIds) {
        const T_CURVE_D* curveA = model.FindCurve(idA);
        if (!curveA)
            return model.m_reporter.ReportCurveNotFound(idA);
        if (!CollectPoints(model, *curveA, pointsA))
            return false;
        for (int idB : curveIds) {
            if (idB == idA)
                continue;
            const T_CURVE_D* curveB = model.FindCurve(idB);
            if (!curveB)
                return model.m_reporter.ReportCurveNotFound(idB);
            if (!CollectPoints(model, *curveB, pointsB))
                return false;
            for (size_t i = 0; i + 1 < pointsA.size(); ++i) {
                const double* a = pointsA[i]->xy;
                const double* b = pointsA[i + 1]->xy;
                for (size_t j = 0; j + 1 < pointsB.size(); ++j) {
                    const double* c = pointsB[j]->xy;
                    const double* d = pointsB[j + 1]->xy;
                    const bool coincide = (Distance(a, c) < tolerance && Distance(b, d) < tolerance) ||
                                          (Distance(a, d) < tolerance && Distance(b, c) < tolerance);
                    if (coincide) {
                        return model.m_reporter.ShowWarning(
                            refusalLead + FormatText("Curves [%d] and [%d] coincide.", idA, idB));
                    }
                    if (CountEndsInside(a, b, c, d) >= 2) {
                        return model.m_reporter.ShowWarning(
                            refusalLead + FormatText("Curves [%d] and [%d] overlap.", idA, idB));
                    }
                }
            }
        }
    }
    return true;
}
