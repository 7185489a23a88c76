#include "commands/DividedShapes.h"

#include "commands/CreationSupport.h"
#include "model/Geometry.h"

#include <cmath>

double DivisionCount(double sweep, double angleStep, bool closed)
{
    const double whole = std::trunc(std::fabs(sweep) / angleStep);
    const double minimum = closed ? 2.0 : 1.0;
    return whole >= minimum ? whole : minimum;
}

int CreateDividedEllipticCurve(CSectModel& model, const char* kind, const double centre[2], double xRadius,
                               double yRadius, double startAngle, double sweep, bool closed, int alignment,
                               double width)
{
    const double segments = DivisionCount(sweep, model.m_angleStep, closed);
    const double vertexCount = closed ? segments : segments + 1.0;
    // Asked before sampling, so a tiny angle step cannot run away.
    if (!model.CheckIdLimit(IdKind::Point, CountForIdCheck(vertexCount)))
        return 0;

    const T_UCS_D* ucs = model.GetCurrentUcs();
    const double increment = sweep / segments;
    std::vector<XyPosition> samples;
    samples.reserve(static_cast<size_t>(vertexCount));
    for (int i = 0; i < static_cast<int>(vertexCount); ++i) {
        const double t = DegToRad(startAngle + i * increment);
        const double local[2] = {centre[0] + xRadius * std::cos(t), centre[1] + yRadius * std::sin(t)};
        XyPosition global;
        ucs->ToGlobal(local, global.data());
        samples.push_back(global);
    }
    PlannedPoints planned(model);
    const std::vector<int> pointIds = PlanSampledPointIds(planned, samples, closed);
    return CreatePlannedCurve(model, planned, pointIds, alignment, width,
                              CurveRefusal(kind, "Given points are too close."));
}
