// Curve > Create > Shortest Path Line: a line from a base point to the
// nearest point of each given curve, which is then put into the curve or
// splits it.

#include "commands/CreationSupport.h"
#include "model/Geometry.h"
#include "model/TextFormat.h"
#include "model/UnchangedActionGuard.h"

namespace {

// The point of a curve nearest to a position, and where it lies along the curve.
struct CurveFoot {
    double xy[2] = {0.0, 0.0};
    double segmentStart[2] = {0.0, 0.0};
    double segmentEnd[2] = {0.0, 0.0};
    double ratio = 0.0;  // fraction of the curve's length
};

// The foot on the nearest segment (the first of equally near ones); false
// when the curve has no segment of any length.
bool FindCurveFoot(const std::vector<XyPosition>& positions, const double base[2], CurveFoot* foot)
{
    double best = 1e35;  // what DistanceToSegment gives a zero-length segment
    size_t nearest = positions.size();
    for (size_t i = 0; i + 1 < positions.size(); ++i) {
        const double distance = DistanceToSegment(positions[i].data(), positions[i + 1].data(), base);
        if (distance < best) {
            best = distance;
            nearest = i;
        }
    }
    if (nearest == positions.size())
        return false;

    const double* a = positions[nearest].data();
    const double* b = positions[nearest + 1].data();
    CopyPoint2(a, foot->segmentStart);
    CopyPoint2(b, foot->segmentEnd);
    const double dx = b[0] - a[0], dy = b[1] - a[1];
    const double lengthSquared = dx * dx + dy * dy;
    const double t = IsZero(lengthSquared) ? 0.0 : (dx * (base[0] - a[0]) + dy * (base[1] - a[1])) / lengthSquared;
    if (IsZero(lengthSquared) || t <= -1e-6 || t >= 1.000001) {
        const bool startIsNearer = DistanceXY(base[0], base[1], a[0], a[1]) < DistanceXY(base[0], base[1], b[0], b[1]);
        CopyPoint2(startIsNearer ? a : b, foot->xy);
    } else {
        foot->xy[0] = a[0] + t * dx;
        foot->xy[1] = a[1] + t * dy;
    }

    double before = 0.0;
    for (size_t i = 0; i < nearest; ++i)
        before += Distance(positions[i].data(), positions[i + 1].data());
    const double length = PolylineLength(positions);
    foot->ratio = length > 0.0 ? (before + Distance(a, foot->xy)) / length : 0.0;
    return true;
}

// The line from the base point to a foot, made and reported.
void AddPathLine(CSectModel& model, int baseId, int footId, int alignment, double width)
{
    auto line = NewCurveRecord(model, alignment, width);
    line->pointIds = {baseId, footId};
    const int lineId = line->id;
    model.m_curves[lineId] = std::move(line);
    model.AddNewcomerCurve(lineId, false);
    model.RecordCreatedCurve(lineId, false);
    model.m_reporter.PrintOutput(FormatText("New curve (line) [%d] is created by connecting points [%d] and [%d].",
                                            lineId, baseId, footId));
}

// Why no path was drawn and no curve took the foot: a curve of no length has no
// foot, every other one has the base point at one of its points already.
const char* NoPathReason(int curveCount, int curvesOfNoLength)
{
    if (curveCount == 0)
        return "no curve is given";
    if (curvesOfNoLength == 0)
        return "the base point already lies on each curve at one of its points";
    if (curvesOfNoLength == curveCount)
        return curveCount == 1 ? "the curve has no length" : "every curve has no length";
    return "each curve has no length or has the base point at one of its points";
}

} // namespace

bool CSectModel::CreateShortestPathLines(const std::vector<int>& curveIds, const double basePoint[2],
                                         bool splitCurve, int alignment, double width)
{
    if (!CurvesAndTheirPointsExist(*this, curveIds))
        return false;
    // Per curve: a foot point and a line, and a split piece or an inserted point.
    const int curveCount = static_cast<int>(curveIds.size());
    if (!CheckIdLimit(IdKind::Point, CountForIdCheck(1.0 + 2.0 * curveCount))
        || !CheckIdLimit(IdKind::Curve, CountForIdCheck((splitCurve ? 2.0 : 1.0) * curveCount)))
        return false;

    const UnchangedActionGuard noEmptyStep(*this);
    BeginUndoAction();
    SetUndoActionTitle(curveCount == 1 ? std::string("Create the shortest path line to 1 curve")
                                       : FormatText("Create the shortest path lines to %d curves", curveCount));
    ClearNewcomerCurves();
    ClearNewcomerPoints();

    double base[2];
    GetCurrentUcs()->ToGlobal(basePoint, base);
    int baseId = FindPointAt(base);
    if (baseId == 0) {
        baseId = AddNewPoint(*this, base);
        AddNewcomerPoint(baseId, false);
        RecordCreatedPoint(baseId, false);
        m_reporter.PrintOutput(FormatText("Base point [%d] is created as a new point at (%.3lf, %.3lf).", baseId,
                                          basePoint[0], basePoint[1]));
    }

    int curvesOfNoLength = 0;
    for (int curveId : curveIds) {
        T_CURVE_D* curve = FindCurve(curveId);
        SaveCurveForUndo(curve, false);
        std::vector<XyPosition> positions;
        GatherCurvePositions(*this, *curve, positions);
        CurveFoot foot;
        if (!FindCurveFoot(positions, base, &foot)) {
            ++curvesOfNoLength;
            continue;
        }
        int footId = FindPointAt(foot.xy);
        if (footId == 0) {
            footId = AddNewPoint(*this, foot.xy);
            AddNewcomerPoint(footId, false);
            RecordCreatedPoint(footId, false);
        }
        // A base point on the curve has no path to draw, yet the curve still
        // takes it as a vertex or is split there.
        if (footId != baseId)
            AddPathLine(*this, baseId, footId, alignment, width);

        const bool inside = IsNonZero(foot.ratio) && IsNonZero(1.0 - foot.ratio);
        const bool clearOfVertices = Distance(foot.xy, foot.segmentStart) > m_tolerance
                                     && Distance(foot.xy, foot.segmentEnd) > m_tolerance;
        if (!inside || (!splitCurve && !clearOfVertices))
            continue;
        std::vector<double> ratios{foot.ratio};
        if (splitCurve)
            SplitCurveAtPoints(curve, ratios);
        else
            InsertPointsIntoCurve(curve, ratios);
    }
    noEmptyStep.ReportIfNothingChanged(NoPathReason(curveCount, curvesOfNoLength));
    return true;
}
