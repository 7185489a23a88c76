// Curve > Create > Circle and Arc, each in three definitions.

#include "commands/CreationSupport.h"
#include "commands/DividedShapes.h"
#include "commands/SmallLinearSystems.h"
#include "model/Geometry.h"
#include "model/TextFormat.h"

#include <cmath>

namespace {

// Texts of the three-point definitions, which differ between circle and arc.
struct ThreePointTexts {
    const char* kind;
    const char* identical[3];  // pairs (1, 2), (1, 3), (2, 3)
};

const ThreePointTexts kCircleTexts = {
    "circle", {"Point 1 and 2 are identical.", "Point 1 and 3 are identical.", "Point 2 and 3 are identical."}};
const ThreePointTexts kArcTexts = {"arc",
                                   {"Start and second point are identical.", "Start and end point are identical.",
                                    "Second and end point are identical."}};

// The circle through three points, after the checks that refuse it; false
// once a warning has been shown.
bool CircleThroughThreePoints(const CSectModel& model, const ThreePointTexts& texts, const double p1[2],
                              const double p2[2], const double p3[2], double centre[2], double* radius)
{
    const double* pairs[3][2] = {{p1, p2}, {p1, p3}, {p2, p3}};
    for (int i = 0; i < 3; ++i) {
        if (IsZero(Distance(pairs[i][0], pairs[i][1])))
            return model.m_reporter.ShowWarning(CurveRefusal(texts.kind, texts.identical[i]));
    }
    if (DistanceToLine(p1, p2, p3) < 1e-6)
        return model.m_reporter.ShowWarning(CurveRefusal(texts.kind, "Given three points are collinear."));

    // x^2 + y^2 + a x + b y + c = 0 through the three points.
    const double matrix[9] = {p1[0], p1[1], 1.0, p2[0], p2[1], 1.0, p3[0], p3[1], 1.0};
    const double rhs[3] = {-(std::pow(p1[0], 2.0) + std::pow(p1[1], 2.0)),
                           -(std::pow(p2[0], 2.0) + std::pow(p2[1], 2.0)),
                           -(std::pow(p3[0], 2.0) + std::pow(p3[1], 2.0))};
    double abc[3];
    if (!SolveByCramer(matrix, rhs, 3, abc))
        return model.m_reporter.ShowWarning(CurveRefusal(texts.kind, "Condition seems quite improper."));
    centre[0] = abc[0] / -2.0;
    centre[1] = abc[1] / -2.0;
    *radius = std::sqrt(centre[0] * centre[0] + centre[1] * centre[1] - abc[2]);
    if (*radius < model.m_tolerance)
        return model.m_reporter.ShowWarning(CurveRefusal(texts.kind, "Radius.is less than the tolerance"));
    return true;
}

// Direction of the point seen from the centre, degrees from the x-axis.
double AngleFromCentre(const double centre[2], const double point[2])
{
    return AngleAtVertexXY(centre[0], centre[1], centre[0] + 1.0, centre[1], point[0], point[1]);
}

// Counter-clockwise angle from direction a to direction b, in [0, 360).
double CounterClockwiseTurn(double a, double b)
{
    const double turn = std::fmod(b - a, 360.0);
    return turn < 0.0 ? turn + 360.0 : turn;
}

// Checks a radius against 1e-6 and the tolerance; false once refused.
bool CheckRadius(const CSectModel& model, const char* kind, double radius)
{
    if (radius < 1e-6)
        return model.m_reporter.ShowWarning(CurveRefusal(kind, "Radius should be greater than 0."));
    if (radius < model.m_tolerance)
        return model.m_reporter.ShowWarning(CurveRefusal(kind, "Radius is too small. It is less than the tolerance."));
    return true;
}

} // namespace

bool CSectModel::CreateCircle(const double center[2], double radius, int alignment, double width, double startAngle)
{
    if (!CheckRadius(*this, "circle", radius))
        return false;
    const int curveId =
        CreateDividedEllipticCurve(*this, "circle", center, radius, radius, startAngle, 360.0, true, alignment, width);
    if (curveId == 0)
        return false;
    SetUndoActionTitle(FormatText("Create new curve (circle) [%d]", curveId));
    m_reporter.PrintOutput(FormatText("New curve (circle) [%d] is created with a radius %.3lf.", curveId, radius));
    return true;
}

bool CSectModel::CreateCircleByTwoPoints(const double point1[2], const double point2[2], int alignment, double width)
{
    if (IsZero(Distance(point1, point2)))
        return m_reporter.ShowWarning(CurveRefusal("circle", "Point 1 and 2 are identical."));
    const double centre[2] = {(point1[0] + point2[0]) / 2.0, (point1[1] + point2[1]) / 2.0};
    return CreateCircle(centre, Distance(point1, point2) / 2.0, alignment, width, AngleFromCentre(centre, point1));
}

bool CSectModel::CreateCircleByThreePoints(const double p1[2], const double p2[2], const double p3[2], int alignment,
                                           double width)
{
    double centre[2], radius = 0.0;
    if (!CircleThroughThreePoints(*this, kCircleTexts, p1, p2, p3, centre, &radius))
        return false;
    return CreateCircle(centre, radius, alignment, width, 0.0);
}

bool CSectModel::CreateArc(const double center[2], double radius, double angle, int alignment, double width,
                           double startAngle)
{
    if (!CheckRadius(*this, "arc", radius))
        return false;
    if (IsZero(angle))
        return m_reporter.ShowWarning(CurveRefusal("arc", "Angle cannot be 0."));
    const int curveId =
        CreateDividedEllipticCurve(*this, "arc", center, radius, radius, startAngle, angle, false, alignment, width);
    if (curveId == 0)
        return false;
    SetUndoActionTitle(FormatText("Create new curve (arc) [%d]", curveId));
    m_reporter.PrintOutput(FormatText("New curve (arc) [%d] is created with a radius %.3lf and an angle %.2lf degree..",
                                      curveId, radius, angle));
    return true;
}

bool CSectModel::CreateArcByCenterStartEnd(const double center[2], const double start[2], const double end[2],
                                           int alignment, double width)
{
    const double startRadius = Distance(center, start);
    const double endRadius = Distance(center, end);
    if (IsZero(startRadius))
        return m_reporter.ShowWarning(CurveRefusal("arc", "Center and start points are identical."));
    if (IsZero(endRadius))
        return m_reporter.ShowWarning(CurveRefusal("arc", "Center and end points are identical."));
    if (std::fabs(startRadius - endRadius) > m_tolerance)
        return m_reporter.ShowWarning(FormatText("Cennot create a new curve (arc).\n\nDistances from the center to the "
                                                 "start [%.3lf] and to the end [%.3lf] are different.",
                                                 startRadius, endRadius));

    double sweep = AngleAtVertexXY(center[0], center[1], start[0], start[1], end[0], end[1]);
    if (sweep < 1e-6)
        sweep = 360.0 - std::fabs(sweep);
    return CreateArc(center, startRadius, sweep, alignment, width, AngleFromCentre(center, start));
}

bool CSectModel::CreateArcByThreePoints(const double start[2], const double second[2], const double end[2],
                                        int alignment, double width)
{
    double centre[2], radius = 0.0;
    if (!CircleThroughThreePoints(*this, kArcTexts, start, second, end, centre, &radius))
        return false;

    // The arc runs from start to end the way that passes the second point.
    const double startAngle = AngleFromCentre(centre, start);
    double toEnd = CounterClockwiseTurn(startAngle, AngleFromCentre(centre, end));
    if (toEnd < 1e-6)
        toEnd = 360.0;
    const double toSecond = CounterClockwiseTurn(startAngle, AngleFromCentre(centre, second));
    const double sweep = toSecond < toEnd ? toEnd : toEnd - 360.0;
    return CreateArc(centre, radius, sweep, alignment, width, startAngle);
}
