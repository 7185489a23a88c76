// Curve > Extend: lengthening curves at their end nearer to a base curve
// until it meets the line of the base's nearest segment, and putting the
// meeting points into the base (or cutting it there).

#include "commands/CreationSupport.h"
#include "commands/IdLists.h"
#include "model/Geometry.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "model/UnchangedActionGuard.h"

#include <cmath>
#include <optional>

namespace {

// The cosine tolerance of "lies on a segment" in this command.
constexpr double kOnSegment = 0.1;

struct NearestSegment {
    size_t index = 0;
    double distance = 1e35;
};

// The first segment with the strictly smallest distance to the position.
NearestSegment FindNearestSegment(const std::vector<XyPosition>& base, const double* position)
{
    NearestSegment nearest;
    for (size_t i = 0; i + 1 < base.size(); ++i) {
        const double distance = DistanceToSegment(base[i].data(), base[i + 1].data(), position);
        if (distance < nearest.distance)
            nearest = {i, distance};
    }
    return nearest;
}

bool LiesOnPolyline(const std::vector<XyPosition>& polyline, const double* position)
{
    for (size_t i = 0; i + 1 < polyline.size(); ++i) {
        if (IsPointOnSegment(polyline[i].data(), polyline[i + 1].data(), position, kOnSegment))
            return true;
    }
    return false;
}

// The base curve as the extended ends see it; its shape does not change
// until the meeting points go in at the end.
class ExtensionBase {
public:
    ExtensionBase(const CSectModel& model, const T_CURVE_D& base) : model_(model)
    {
        GatherCurvePositions(model, base, positions_);
        length_ = PolylineLength(positions_);
    }

    double DistanceTo(const double* position) const { return FindNearestSegment(positions_, position).distance; }

    // Where the line through the end and its inner neighbour crosses the line
    // of the base segment nearest to the end.
    bool CrossingOf(const double* end, const double* inner, double crossing[2]) const
    {
        if (positions_.size() < 2)
            return false;
        const size_t i = FindNearestSegment(positions_, end).index;
        return IntersectLines(positions_[i].data(), positions_[i + 1].data(), end, inner, crossing);
    }

    // The place of the position along the base, as a fraction of its length,
    // on the first segment it lies on; none when it lies on none, at either
    // end of the base or, when inserting, at one of the base's points.
    std::optional<double> FractionAt(const double* position, bool split) const
    {
        if (!(length_ > 0.0))
            return std::nullopt;
        double before = 0.0;
        for (size_t i = 0; i + 1 < positions_.size(); ++i) {
            const double* r = positions_[i].data();
            const double* s = positions_[i + 1].data();
            if (IsPointOnSegment(r, s, position, kOnSegment)) {
                const double fraction = (before + Distance(r, position)) / length_;
                const bool atVertex =
                    Distance(position, r) <= model_.m_tolerance || Distance(position, s) <= model_.m_tolerance;
                if (IsNonZero(fraction) && IsNonZero(fraction - 1.0) && (split || !atVertex))
                    return fraction;
                return std::nullopt;
            }
            before += Distance(r, s);
        }
        return std::nullopt;
    }

private:
    const CSectModel& model_;
    std::vector<XyPosition> positions_;
    double length_ = 0.0;
};

// What the extension of every listed curve leaves for the end of the command.
struct ExtendResult {
    std::vector<double> fractions;
    std::vector<int> replacedPoints;
};

// Extends one end of the curve: the first end when atStart, else the last.
void ExtendEnd(CSectModel& model, T_CURVE_D& curve, bool atStart, const ExtensionBase& base, bool split,
               ExtendResult& result)
{
    std::vector<int>& ids = curve.pointIds;
    const int end = atStart ? ids.front() : ids.back();
    const int inner = atStart ? ids[1] : ids[ids.size() - 2];
    const double* endXy = model.FindPoint(end)->xy;
    const double* innerXy = model.FindPoint(inner)->xy;
    double crossing[2];
    if (!base.CrossingOf(endXy, innerXy, crossing))
        return;
    std::vector<XyPosition> shape;
    GatherCurvePositions(model, curve, shape);
    if (LiesOnPolyline(shape, crossing))
        return;
    // Only lengthened: the crossing must lie beyond the end, away from its
    // inner neighbour.
    const double outward = (crossing[0] - endXy[0]) * (endXy[0] - innerXy[0])
                         + (crossing[1] - endXy[1]) * (endXy[1] - innerXy[1]);
    if (outward <= 0.0)
        return;

    const int found = model.FindPointAt(crossing);
    if (found == 0) {
        model.DetachPointsFromOtherCurves({curve.id}, {end});
        T_POINT_D* point = model.FindPoint(end);
        model.SavePointForUndo(point, false);
        CopyPoint2(crossing, point->xy);
        double local[2];
        model.GetCurrentUcs()->ToLocal(crossing, local);
        model.m_reporter.PrintOutput(FormatText("Point [%d] of the curve [%d] is moved to (%.3lf, %.3lf).", end,
                                                curve.id, local[0], local[1]));
    } else if (found != end) {
        (atStart ? ids.front() : ids.back()) = found;
        result.replacedPoints.push_back(end);
        model.m_reporter.PrintOutput(
            FormatText("Point [%d] of the curve [%d] is replaced by the point [%d].", end, curve.id, found));
    }
    // An end found at the crossing lies within the tolerance of it and stays.
    if (const std::optional<double> fraction = base.FractionAt(crossing, split))
        result.fractions.push_back(*fraction);
}

// Extends the end or ends of the open curve nearer to the base.
void ExtendCurve(CSectModel& model, T_CURVE_D& curve, const ExtensionBase& base, bool split, ExtendResult& result)
{
    const std::vector<int>& ids = curve.pointIds;
    if (ids.size() < 2 || ids.front() == ids.back())
        return;
    model.SaveCurveForUndo(&curve, false);
    const double distanceA = base.DistanceTo(model.FindPoint(ids.front())->xy);
    const double distanceB = base.DistanceTo(model.FindPoint(ids.back())->xy);
    const bool alike = std::fabs(distanceA - distanceB) < model.m_tolerance;
    if (distanceA < distanceB || alike)
        ExtendEnd(model, curve, true, base, split, result);
    if (distanceB < distanceA || alike)
        ExtendEnd(model, curve, false, base, split, result);
}

bool IsUsedByACurveOrCentroid(const CSectModel& model, int pointId)
{
    for (const auto& [id, curve] : model.m_curves) {
        if (ContainsId(curve->pointIds, pointId))
            return true;
    }
    for (const auto& [id, section] : model.m_sections) {
        if (section->propertiesCalculated && section->centroidPointId == pointId)
            return true;
    }
    return false;
}

} // namespace

bool CSectModel::ExtendCurves(int baseCurveId, std::vector<int> curveIds, bool splitCurve)
{
    T_CURVE_D* base = FindCurve(baseCurveId);
    if (!base)
        return m_reporter.ReportCurveNotFound(baseCurveId);
    DropRepeatedIds(curveIds);
    const bool skippedSection = RemoveSectionCurves(curveIds);
    const bool skippedLoop = RemoveClosedLoopCurves(curveIds);
    if (skippedSection || skippedLoop)
        m_reporter.ShowInfo("Curve belonging to the section or the closed loop will be skipped in this operation.");
    if (curveIds.empty())
        return false;
    if (!CurvesAndTheirPointsExist(*this, {baseCurveId}) || !CurvesAndTheirPointsExist(*this, curveIds))
        return false;
    // Each treated end may take a copy and put a new point into the base,
    // and cut one more piece off it.
    const int count = static_cast<int>(curveIds.size());
    if (!CheckIdLimit(IdKind::Point, CountForIdCheck(4.0 * count))
        || (splitCurve && !CheckIdLimit(IdKind::Curve, CountForIdCheck(2.0 * count))))
        return false;

    const UnchangedActionGuard noEmptyStep(*this);
    SaveCurveForUndo(base, true);
    SetUndoActionTitle(count == 1 ? FormatText("Extend 1 curve to curve [%d]", baseCurveId)
                                  : FormatText("Extend %d curves to curve [%d]", count, baseCurveId));
    const ExtensionBase extensionBase(*this, *base);
    ExtendResult result;
    for (int curveId : curveIds)
        ExtendCurve(*this, *FindCurve(curveId), extensionBase, splitCurve, result);

    if (splitCurve)
        ClearNewcomerCurves();
    ClearNewcomerPoints();
    if (!result.fractions.empty()) {
        if (splitCurve)
            SplitCurveAtPoints(base, result.fractions);
        else
            InsertPointsIntoCurve(base, result.fractions);
    }
    // A replaced end goes only when nothing holds it any more.
    std::erase_if(result.replacedPoints, [this](int id) { return IsUsedByACurveOrCentroid(*this, id); });
    if (!result.replacedPoints.empty())
        DeletePoints(result.replacedPoints, false);
    noEmptyStep.ReportIfNothingChanged("no curve end can be lengthened to meet the base curve");
    return true;
}
