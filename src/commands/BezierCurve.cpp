// Curve > Create > Bezier Curve: the cubic Bezier curve of four control points.

#include "commands/CreationSupport.h"
#include "model/TextFormat.h"

#include <cmath>

namespace {

constexpr int kBezierSamples = 21;

double BezierValue(double t, double v1, double v2, double v3, double v4)
{
    const double s = 1.0 - t;
    return std::pow(s, 3.0) * v1 + 3.0 * t * std::pow(s, 2.0) * v2 + 3.0 * std::pow(t, 2.0) * s * v3
           + std::pow(t, 3.0) * v4;
}

} // namespace

bool CSectModel::CreateBezierCurve(const double p1[2], const double p2[2], const double p3[2], const double p4[2],
                                   int alignment, double width)
{
    const T_UCS_D* ucs = GetCurrentUcs();
    double g[4][2];
    ucs->ToGlobal(p1, g[0]);
    ucs->ToGlobal(p2, g[1]);
    ucs->ToGlobal(p3, g[2]);
    ucs->ToGlobal(p4, g[3]);

    std::vector<XyPosition> samples;
    for (int i = 0; i < kBezierSamples; ++i) {
        const double t = i * 0.05;
        samples.push_back({BezierValue(t, g[0][0], g[1][0], g[2][0], g[3][0]),
                           BezierValue(t, g[0][1], g[1][1], g[2][1], g[3][1])});
    }
    PlannedPoints planned(*this);
    const std::vector<int> pointIds = PlanSampledPointIds(planned, samples, false);
    const int curveId = CreatePlannedCurve(*this, planned, pointIds, alignment, width,
                                           CurveRefusal("cubic Bezier curve", "Given points are too close."));
    if (curveId == 0)
        return false;
    SetUndoActionTitle(FormatText("Create new curve (cubic Bezier curve) [%d]", curveId));
    m_reporter.PrintOutput(FormatText("New curve (cubic Bezier curve) [%d] is created.", curveId));
    return true;
}
