// Curve > Fillet: joining two lines by an arc tangent to both, or at a sharp
// corner where their lines cross.

#include "commands/CreationSupport.h"
#include "commands/DividedShapes.h"
#include "model/Geometry.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <array>
#include <cmath>

namespace {

using Xy = std::array<double, 2>;

// Two lines as the fillet sees them: the near ends face each other.
struct LinePair {
    const T_CURVE_D* line1;
    const T_CURVE_D* line2;
    int near1 = 0;
    int near2 = 0;
    int far1 = 0;
    int far2 = 0;
};

// The arc of a round fillet, worked out before anything changes.
struct FilletArc {
    Xy tangent1{};
    Xy tangent2{};
    Xy centre{};
    double startAngle = 0.0;  // degrees, of tangent1 seen from the centre
    double sweep = 0.0;       // signed, degrees
    double parts = 1.0;  // whole angle steps in the sweep, at least one
};

const double* XyOf(const CSectModel& model, int pointId)
{
    return model.FindPoint(pointId)->xy;
}

bool IsLine(const T_CURVE_D& curve)
{
    return curve.pointIds.size() == 2;
}

// The closest pair of end points, the earlier pair winning a tie.
bool FindNearEnds(const CSectModel& model, LinePair& pair, double* gap)
{
    const std::vector<int>& ids1 = pair.line1->pointIds;
    const std::vector<int>& ids2 = pair.line2->pointIds;
    for (int id : {ids1.front(), ids1.back(), ids2.front(), ids2.back()}) {
        if (!model.FindPoint(id))
            return model.m_reporter.ShowError("Cannot find some sub-point of the selected curves.");
    }
    const std::array<std::array<int, 2>, 4> candidates = {{{ids1.front(), ids2.front()},
                                                           {ids1.back(), ids2.back()},
                                                           {ids1.front(), ids2.back()},
                                                           {ids1.back(), ids2.front()}}};
    *gap = 1e35;
    for (const auto& [end1, end2] : candidates) {
        const double distance = Distance(XyOf(model, end1), XyOf(model, end2));
        if (distance < *gap) {
            *gap = distance;
            pair.near1 = end1;
            pair.near2 = end2;
        }
    }
    pair.far1 = pair.near1 == ids1.front() ? ids1.back() : ids1.front();
    pair.far2 = pair.near2 == ids2.front() ? ids2.back() : ids2.front();
    return true;
}

bool IsNear(const CSectModel& model, const Xy& position, int pointId)
{
    return Distance(position.data(), XyOf(model, pointId)) < model.m_tolerance;
}

// The arc of the given radius tangent to both lines; false when its tangent
// points would lie beyond a line's far end.
bool PlanArc(const CSectModel& model, const LinePair& pair, const Xy& corner, double radius, FilletArc& arc)
{
    const Xy e1{XyOf(model, pair.far1)[0] - corner[0], XyOf(model, pair.far1)[1] - corner[1]};
    const Xy e2{XyOf(model, pair.far2)[0] - corner[0], XyOf(model, pair.far2)[1] - corner[1]};
    const double length1 = VectorLength(e1.data());
    const double length2 = VectorLength(e2.data());
    const double theta = SignedAngle(e1.data(), e2.data());
    const double halfTheta = DegToRad(std::fabs(theta) / 2.0);
    const double tangentDistance = radius / std::tan(halfTheta);
    if (!(tangentDistance <= length1 && tangentDistance <= length2))
        return false;

    // The centre lies on the bisector of the corner.
    Xy bisector = e1;
    RotatePoint(bisector.data(), theta / 2.0);
    const double centreDistance = radius / std::sin(halfTheta);
    for (int i = 0; i < 2; ++i) {
        arc.centre[i] = corner[i] + bisector[i] * centreDistance / length1;
        arc.tangent1[i] = corner[i] + e1[i] * tangentDistance / length1;
        arc.tangent2[i] = corner[i] + e2[i] * tangentDistance / length2;
    }
    const Xy radius1{arc.tangent1[0] - arc.centre[0], arc.tangent1[1] - arc.centre[1]};
    const Xy radius2{arc.tangent2[0] - arc.centre[0], arc.tangent2[1] - arc.centre[1]};
    arc.sweep = SignedAngle(radius1.data(), radius2.data());
    arc.parts = DivisionCount(arc.sweep, model.m_angleStep, false);
    arc.startAngle = RadToDeg(std::atan2(radius1[1], radius1[0]));
    return true;
}

void MovePoint(CSectModel& model, int pointId, const Xy& position)
{
    CopyPoint2(position.data(), model.FindPoint(pointId)->xy);
}

// A line whose ends now lie closer than the tolerance is gone; its copy is
// already in the action.
void DeleteCollapsedLines(CSectModel& model, const std::array<int, 2>& lineIds)
{
    for (int lineId : lineIds) {
        const T_CURVE_D* line = model.FindCurve(lineId);
        if (Distance(XyOf(model, line->pointIds.front()), XyOf(model, line->pointIds.back())) < model.m_tolerance)
            model.m_curves.erase(lineId);
    }
}

// The arc's points from the first line's end to the second's: the existing
// point at each division, else a new one, never the same point twice in a row.
std::vector<int> PlaceArcPoints(CSectModel& model, const FilletArc& arc, double radius, int near1, int near2,
                                std::vector<int>& newPoints)
{
    std::vector<int> pointIds{near1};
    const auto append = [&pointIds](int id) {
        if (pointIds.back() != id)
            pointIds.push_back(id);
    };
    for (int k = 1; k < arc.parts; ++k) {
        const double angle = DegToRad(arc.startAngle + k * arc.sweep / arc.parts);
        const double position[2] = {arc.centre[0] + radius * std::cos(angle),
                                    arc.centre[1] + radius * std::sin(angle)};
        int pointId = model.FindPointAt(position);
        if (pointId == 0) {
            pointId = AddNewPoint(model, position);
            model.RecordCreatedPoint(pointId, false);
            newPoints.push_back(pointId);
        }
        append(pointId);
    }
    append(near2);
    return pointIds;
}

} // namespace

bool CSectModel::FilletCurves(int curveId1, int curveId2, double radius, int alignment, double width)
{
    if (radius < 0.0)
        return m_reporter.ShowWarning("Fillet radius should be greater than 0.");
    LinePair pair{FindCurve(curveId1), FindCurve(curveId2)};
    if (!pair.line1)
        return m_reporter.ReportCurveNotFound(curveId1);
    if (!pair.line2)
        return m_reporter.ReportCurveNotFound(curveId2);
    if (pair.line1->sectionId != 0 || pair.line2->sectionId != 0)
        return m_reporter.ShowWarning("Curve belonging to the section cannot be filleted.");
    if (!pair.line1->closedLoopIds.empty() || !pair.line2->closedLoopIds.empty())
        return m_reporter.ShowWarning("Curve belonging to the closed loop cannot be filleted.");
    if (!IsLine(*pair.line1) || !IsLine(*pair.line2))
        return m_reporter.ShowWarning("Both curves should be lines (They should have only two end points).");
    double gap = 0.0;
    if (!FindNearEnds(*this, pair, &gap))
        return false;
    const bool sharp = radius < 1e-6;
    if (!sharp && 2.0 * radius < gap) {
        return m_reporter.ShowWarning(FormatText("Cannot create a fillet between these two curves with this "
                                                 "radius.\n\nFillet radius should be greather than %.3lf.",
                                                 gap / 2.0));
    }
    Xy corner{};
    if (!IntersectLines(XyOf(*this, pair.near1), XyOf(*this, pair.far1), XyOf(*this, pair.near2),
                        XyOf(*this, pair.far2), corner.data()))
        return m_reporter.ShowWarning("There is no adequate intersection point between these two curves.");
    // Lines that already meet at their corner need nothing.
    if (sharp && (IsNear(*this, corner, pair.near1) || IsNear(*this, corner, pair.far1))
        && (IsNear(*this, corner, pair.near2) || IsNear(*this, corner, pair.far2)))
        return false;
    // The arc follows from the corner, the far ends and the radius, which the
    // detaching below leaves alone, so a radius too large is refused here.
    FilletArc arc;
    if (!sharp && !PlanArc(*this, pair, corner, radius, arc))
        return m_reporter.ShowWarning("Radius seems too large.\n\nIt is greater than the length of curve.");
    // A copy for a shared near end, one for each near end that other curves
    // use, and the arc's points.
    const double mostNewPoints = 3.0 + (sharp ? 0.0 : arc.parts - 1.0);
    if (!CheckIdLimit(IdKind::Point, CountForIdCheck(mostNewPoints)) || (!sharp && !CheckIdLimit(IdKind::Curve, 1)))
        return false;

    BeginUndoAction();
    SetUndoActionTitle(FormatText("Fillet curves [%d] and [%d]", curveId1, curveId2));
    SaveCurveForUndo(pair.line1, false);
    SaveCurveForUndo(pair.line2, false);
    SavePointForUndo(FindPoint(pair.near1), false);
    SavePointForUndo(FindPoint(pair.near2), false);
    std::vector<int> newPoints;
    // Lines meeting at their near ends part there, the second taking a copy.
    if (pair.near1 == pair.near2) {
        pair.near2 = DetachPointsOfMovingCurves({curveId2}, {}, {pair.near2}).front().copyId;
        newPoints.push_back(pair.near2);
    }
    for (const PointCopy& copy : DetachPointsFromOtherCurves({curveId1, curveId2}, {pair.near1, pair.near2}))
        newPoints.push_back(copy.copyId);

    if (sharp) {
        MovePoint(*this, pair.near1, corner);
        MovePoint(*this, pair.near2, corner);
        double local[2];
        GetCurrentUcs()->ToLocal(corner.data(), local);
        m_reporter.PrintOutput(FormatText("Two curves [%d] and [%d] are connected at (%.3lf, %.3lf).", curveId1,
                                          curveId2, local[0], local[1]));
        DeleteCollapsedLines(*this, {curveId1, curveId2});
        return true;
    }

    MovePoint(*this, pair.near1, arc.tangent1);
    MovePoint(*this, pair.near2, arc.tangent2);
    const double sameWidth = std::fabs(pair.line1->width - pair.line2->width) < 1e-6 ? pair.line1->width : 0.0;
    auto arcCurve = NewCurveRecord(*this, alignment, width > 0.0 ? width : sameWidth);
    arcCurve->pointIds = PlaceArcPoints(*this, arc, radius, pair.near1, pair.near2, newPoints);
    const int arcId = arcCurve->id;
    m_curves[arcId] = std::move(arcCurve);
    RecordCreatedCurve(arcId, false);
    AddNewcomerCurves({arcId}, true);
    if (!newPoints.empty())
        AddNewcomerPoints(newPoints, true);
    m_reporter.PrintOutput(FormatText("Fillet curve [%d] is inserted between curves [%d] and [%d] with a radius %.3lf.",
                                      arcId, curveId1, curveId2, radius));
    DeleteCollapsedLines(*this, {curveId1, curveId2});
    return true;
}
