#include "sections/PlaneSectionChecks.h"

#include "model/Geometry.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "sections/SectionCurveChecks.h"

#include <algorithm>

const char* const kOuterLoopNotFoundText =
    "Cannot construct a closed outer loop of the plane section.\n\nConnect all curves correctly and then try again.";
const char* const kOuterLoopNotClosedText =
    "Cannot construct a closed outer loop of the plane section.\n\nConnect all curves or exclude the outside curves "
    "of the closed loop in selection.";

namespace {

constexpr double kWithinSegmentEpsilon = 1e-6;

const char* const kPlaneRefusalLead = "Cannot generate a new plane section.\n\n";

// The listed curves with their points, looked up once.
struct CheckedCurve {
    const T_CURVE_D* curve = nullptr;
    std::vector<const T_POINT_D*> points;
};

bool SameSegment(int a1, int a2, int b1, int b2)
{
    return (a1 == b1 && a2 == b2) || (a1 == b2 && a2 == b1);
}

bool SegmentsTouchInside(const double a1[2], const double a2[2], const double b1[2], const double b2[2])
{
    return IsPointWithinSegment(a1, a2, b1, kWithinSegmentEpsilon) ||
           IsPointWithinSegment(a1, a2, b2, kWithinSegmentEpsilon) ||
           IsPointWithinSegment(b1, b2, a1, kWithinSegmentEpsilon) ||
           IsPointWithinSegment(b1, b2, a2, kWithinSegmentEpsilon) ||
           // Two segments crossing at a point inside both would cut the
           // region without a shared point to trace along.
           SegmentsCross(a1, a2, b1, b2);
}

// Pairwise segment tests and the tolerance rule, curve by curve.
bool CheckPairsAndLengths(const CSectModel& model, const std::vector<CheckedCurve>& curves)
{
    for (const CheckedCurve& a : curves) {
        double length = 0.0;
        for (size_t i = 0; i + 1 < a.points.size(); ++i) {
            const T_POINT_D& a1 = *a.points[i];
            const T_POINT_D& a2 = *a.points[i + 1];
            length += Distance(a1.xy, a2.xy);
            for (const CheckedCurve& b : curves) {
                if (b.curve->id == a.curve->id)
                    continue;
                for (size_t j = 0; j + 1 < b.points.size(); ++j) {
                    const T_POINT_D& b1 = *b.points[j];
                    const T_POINT_D& b2 = *b.points[j + 1];
                    if (SameSegment(a1.id, a2.id, b1.id, b2.id)) {
                        return model.m_reporter.ShowWarning(
                            kPlaneRefusalLead +
                            FormatText("Curves [%d] and [%d] coincide.", a.curve->id, b.curve->id));
                    }
                    if (SegmentsTouchInside(a1.xy, a2.xy, b1.xy, b2.xy)) {
                        return model.m_reporter.ShowWarning(
                            kPlaneRefusalLead +
                            FormatText("Curves [%d] and [%d] overlap or cross each other.", a.curve->id, b.curve->id));
                    }
                }
            }
        }
        if (length / 2.0 < model.m_tolerance + 1e-6) {
            return model.m_reporter.ShowWarning(
                FormatText("Tolerance [%.3lf] is too large.\n\nIt should be less than the half of the length [%.3lf] "
                           "of the shortest curve [%d].",
                           model.m_tolerance, length, a.curve->id));
        }
    }
    return true;
}

bool IsCurveEnd(const T_CURVE_D& curve, int pointId)
{
    return !curve.pointIds.empty() && (curve.pointIds.front() == pointId || curve.pointIds.back() == pointId);
}

// Every open curve must share both its ends with ends of other curves.
bool CheckConnections(const CSectModel& model, const std::vector<CheckedCurve>& curves)
{
    if (curves.size() < 2)
        return true;
    for (const CheckedCurve& checked : curves) {
        const T_CURVE_D& curve = *checked.curve;
        const int first = curve.pointIds.front();
        const int last = curve.pointIds.back();
        if (first == last)
            continue;
        bool firstJoined = false;
        bool lastJoined = false;
        for (const CheckedCurve& other : curves) {
            if (other.curve->id == curve.id)
                continue;
            firstJoined = firstJoined || IsCurveEnd(*other.curve, first);
            lastJoined = lastJoined || IsCurveEnd(*other.curve, last);
            if (firstJoined && lastJoined)
                break;
        }
        if (!firstJoined || !lastJoined) {
            return model.m_reporter.ShowWarning(
                kPlaneRefusalLead + FormatText("Curve [%d] is not connected with other curve(s) at point [%d].",
                                               curve.id, firstJoined ? last : first));
        }
    }
    return true;
}

} // namespace

bool MeasureCurvesExtent(const CSectModel& model, const std::vector<int>& curveIds, double& width, double& height)
{
    double lower[2] = {1e35, 1e35};
    double upper[2] = {-1e35, -1e35};
    for (int curveId : curveIds) {
        const T_CURVE_D* curve = model.FindCurve(curveId);
        if (!curve)
            return model.m_reporter.ReportCurveNotFound(curveId);
        for (int pointId : curve->pointIds) {
            const T_POINT_D* point = model.FindPoint(pointId);
            if (!point)
                return model.m_reporter.ReportPointNotFound(pointId);
            for (int axis = 0; axis < 2; ++axis) {
                lower[axis] = std::min(lower[axis], point->xy[axis]);
                upper[axis] = std::max(upper[axis], point->xy[axis]);
            }
        }
    }
    width = upper[0] - lower[0];
    height = upper[1] - lower[1];
    return true;
}

bool CheckExtentNotFlat(const CSectModel& model, double width, double height)
{
    if (width > 0.0 && height > 0.0)
        return true;
    return model.m_reporter.ShowWarning(kOuterLoopNotFoundText);
}

bool CheckPlaneSectionCurves(const CSectModel& model, const std::vector<int>& curveIds, double& width, double& height)
{
    if (!CheckCurvesFreeForSection(model, curveIds) || !MeasureCurvesExtent(model, curveIds, width, height))
        return false;
    if (!CheckExtentNotFlat(model, width, height))
        return false;

    std::vector<CheckedCurve> curves;
    for (int curveId : curveIds) {
        CheckedCurve checked;
        checked.curve = model.FindCurve(curveId);
        for (int pointId : checked.curve->pointIds)
            checked.points.push_back(model.FindPoint(pointId));
        // A curve without points has no ends to join or length to measure.
        if (checked.points.empty())
            return model.m_reporter.ShowWarning(kOuterLoopNotFoundText);
        curves.push_back(std::move(checked));
    }
    return CheckPairsAndLengths(model, curves) && CheckConnections(model, curves);
}
