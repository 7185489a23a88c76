// Curve > Convert Curve-Width: the band that a curve's width stands for,
// drawn as plain lines segment by segment, optionally in place of the curve.

#include "commands/CreationSupport.h"
#include "commands/IdLists.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "model/UnchangedActionGuard.h"
#include "model/WidthBand.h"

#include <array>
#include <string>

namespace {

// Below this a curve has no width to convert.
constexpr double kNoWidth = 1e-6;

// The band of one segment has four corners, 1 and 4 on the left of its
// direction, 2 and 3 on the right; side k runs from corner k + 1 to the next
// one: 0 the start end, 1 the right side, 2 the far end, 3 the left side.
constexpr int kBandSides = 4;

bool IsSideChosen(int side, bool startEndSides, bool leftRightSides)
{
    return side % 2 == 0 ? startEndSides : leftRightSides;
}

// Whether a curve other than `except` is the two-point line between the
// points, either way round.
bool IsSideDrawn(const CSectModel& model, int except, int pointA, int pointB)
{
    for (const auto& [id, curve] : model.m_curves) {
        if (id == except || curve->pointIds.size() != 2)
            continue;
        const int first = curve->pointIds[0], second = curve->pointIds[1];
        if ((first == pointA && second == pointB) || (first == pointB && second == pointA))
            return true;
    }
    return false;
}

// The work of one call, inside its open undo action.
class WidthConversion {
public:
    WidthConversion(CSectModel& model, bool startEndSides, bool leftRightSides)
        : model_(model), startEndSides_(startEndSides), leftRightSides_(leftRightSides)
    {
    }

    void ConvertSegments(const T_CURVE_D& curve)
    {
        for (size_t k = 1; k < curve.pointIds.size(); ++k) {
            const double* a = model_.FindPoint(curve.pointIds[k - 1])->xy;
            const double* b = model_.FindPoint(curve.pointIds[k])->xy;
            double corners[kBandSides][2];
            CurveBandCorners(a, b, curve, corners);
            std::array<int, kBandSides> cornerIds{};
            for (int c = 0; c < kBandSides; ++c)
                cornerIds[c] = PointAt(corners[c]);
            for (int side = 0; side < kBandSides; ++side) {
                if (IsSideChosen(side, startEndSides_, leftRightSides_))
                    DrawSide(curve.id, cornerIds[side], cornerIds[(side + 1) % kBandSides]);
            }
        }
    }

    // Deletes the curve and those of its points that nothing else needs.
    void DeleteSource(int curveId)
    {
        const auto found = model_.m_curves.find(curveId);
        const std::vector<int> pointIds = found->second->pointIds;
        model_.SaveCurveForUndo(found->second.get(), false);
        model_.m_curves.erase(found);
        const std::set<int> stillNeeded = PointsStillNeeded(model_);
        for (int pointId : pointIds) {
            const auto point = model_.m_points.find(pointId);
            if (point == model_.m_points.end() || stillNeeded.contains(pointId))
                continue;
            model_.SavePointForUndo(point->second.get(), false);
            model_.m_points.erase(point);
        }
    }

    const std::vector<int>& NewPoints() const { return newPoints_; }
    const std::vector<int>& NewLines() const { return newLines_; }

private:
    // An existing point within the tolerance, else a new one.
    int PointAt(const double xy[2])
    {
        if (const int existing = model_.FindPointAt(xy))
            return existing;
        const int id = AddNewPoint(model_, xy);
        model_.RecordCreatedPoint(id, false);
        newPoints_.push_back(id);
        return id;
    }

    // Corners that fell on one point (a width below the tolerance, a
    // zero-length segment) make no line.
    void DrawSide(int sourceCurveId, int from, int to)
    {
        if (from == to || IsSideDrawn(model_, sourceCurveId, from, to))
            return;
        auto line = NewCurveRecord(model_, ALIGN_CENTER, 0.0);
        line->pointIds = {from, to};
        const int id = line->id;
        model_.m_curves[id] = std::move(line);
        model_.RecordCreatedCurve(id, false);
        newLines_.push_back(id);
    }

    CSectModel& model_;
    bool startEndSides_;
    bool leftRightSides_;
    std::vector<int> newPoints_;
    std::vector<int> newLines_;
};

} // namespace

bool CSectModel::ConvertCurveWidths(std::vector<int> curveIds, bool startEndSides, bool leftRightSides,
                                    bool deleteSourceCurve)
{
    if (!startEndSides && !leftRightSides)
        return false;
    DropRepeatedIds(curveIds);
    std::vector<int> withWidth;
    for (int curveId : curveIds) {
        const T_CURVE_D* curve = FindCurve(curveId);
        if (!curve)
            return m_reporter.ReportCurveNotFound(curveId);
        if (curve->width < kNoWidth)
            continue;
        if (!AllPointsExist(*this, curve->pointIds))
            return false;
        withWidth.push_back(curveId);
    }
    const bool sectionCurvesSkipped = RemoveSectionCurves(withWidth);
    const bool loopCurvesSkipped = RemoveClosedLoopCurves(withWidth);
    if (sectionCurvesSkipped || loopCurvesSkipped)
        m_reporter.ShowInfo("Curve belonging to the section or the closed loop will be skipped in this operation.");
    if (withWidth.empty())
        return false;

    // At most four new corners and as many sides as are chosen per segment.
    double segmentCount = 0.0;
    for (int curveId : withWidth)
        segmentCount += static_cast<double>(FindCurve(curveId)->pointIds.size()) - 1.0;
    const double sidesPerSegment = (startEndSides ? 2.0 : 0.0) + (leftRightSides ? 2.0 : 0.0);
    if (!CheckIdLimit(IdKind::Point, CountForIdCheck(kBandSides * segmentCount))
        || !CheckIdLimit(IdKind::Curve, CountForIdCheck(sidesPerSegment * segmentCount)))
        return false;

    const int count = static_cast<int>(withWidth.size());
    const UnchangedActionGuard noEmptyStep(*this);
    BeginUndoAction();
    SetUndoActionTitle(count == 1 ? std::string("Convert 1 curve to rectangluar curve group")
                                  : FormatText("Convert %d curves to rectangluar curve group", count));
    WidthConversion conversion(*this, startEndSides, leftRightSides);
    for (int curveId : withWidth) {
        conversion.ConvertSegments(*FindCurve(curveId));
        if (deleteSourceCurve)
            conversion.DeleteSource(curveId);
    }
    if (!conversion.NewLines().empty())
        AddNewcomerCurves(conversion.NewLines(), true);
    if (!conversion.NewPoints().empty())
        AddNewcomerPoints(conversion.NewPoints(), true);

    if (noEmptyStep.ReportIfNothingChanged("every side of the widths' outlines is already drawn or has no length"))
        return true;
    const int lineCount = static_cast<int>(conversion.NewLines().size());
    m_reporter.PrintOutput(
        lineCount == 1
            ? FormatText("1 new curve (line) is created by converting the width of %d curve(s).", count)
            : FormatText("%d new curves (lines) are created by converting the widths of %d curve(s).", lineCount,
                         count));
    return true;
}
