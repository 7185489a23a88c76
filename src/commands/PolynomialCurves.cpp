// Curve > Create > Quadratic Curve and Cubic Curve: the graph of a polynomial
// through the given points, solved and sampled in the work UCS.

#include "commands/CreationSupport.h"
#include "commands/SmallLinearSystems.h"
#include "model/Geometry.h"
#include "model/TextFormat.h"

#include <algorithm>
#include <cmath>

namespace {

// Refuses the first pair of given points closer than 1e-6, in the order
// (1, 2), (1, 3), ..., (n-1, n); false once refused.
bool CheckDistinctPoints(const CSectModel& model, const char* kind, const double* const* points, int count)
{
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (IsZero(Distance(points[i], points[j]))) {
                const std::string reason = FormatText("Point %d and %d are identical.", i + 1, j + 1);
                return model.m_reporter.ShowWarning(CurveRefusal(kind, reason.c_str()));
            }
        }
    }
    return true;
}

// The polynomial sum of coefficients[k] x^(degree - k) through the points,
// by Cramer's rule; false when the system is singular.
bool FitPolynomial(const double (*points)[2], int count, double* coefficients)
{
    double matrix[16];
    double rhs[4];
    for (int row = 0; row < count; ++row) {
        for (int column = 0; column < count; ++column)
            matrix[row * count + column] = std::pow(points[row][0], static_cast<double>(count - 1 - column));
        rhs[row] = points[row][1];
    }
    return SolveByCramer(matrix, rhs, count, coefficients);
}

double EvaluatePolynomial(const double* coefficients, int count, double x)
{
    double y = 0.0;
    for (int k = 0; k < count; ++k)
        y += coefficients[k] * std::pow(x, static_cast<double>(count - 1 - k));
    return y;
}

// Sample x positions over sorted x values, shared among the spans in
// proportion to their lengths so that every given x is a sample. The first
// span takes at least 2 samples (its ends), every later one at least 1.
std::vector<double> SpanSamples(const std::vector<double>& sortedX, int total)
{
    const double range = sortedX.back() - sortedX.front();
    std::vector<double> xs;
    int used = 0;
    const size_t spans = sortedX.size() - 1;
    for (size_t s = 0; s < spans; ++s) {
        const double from = sortedX[s], to = sortedX[s + 1];
        const bool last = s + 1 == spans;
        if (s == 0) {
            const int k = std::max(static_cast<int>(std::trunc(total * (to - from) / range)), 2);
            const double h = (to - from) / (k - 1);
            for (int i = 0; i < k; ++i)
                xs.push_back(from + i * h);
            used = k;
            continue;
        }
        const int share = last ? total - used : static_cast<int>(std::trunc(total * (to - from) / range));
        const int k = std::max(share, 1);
        const double h = (to - from) / k;
        for (int i = 0; i < k; ++i)
            xs.push_back(from + (i + 1) * h);
        used += k;
    }
    return xs;
}

// Resolves the samples (work UCS) and makes the curve; 0 after a refusal.
int CreatePolynomialCurve(CSectModel& model, const char* kind, const std::vector<XyPosition>& localSamples,
                          int alignment, double width)
{
    const T_UCS_D* ucs = model.GetCurrentUcs();
    std::vector<XyPosition> samples;
    for (const XyPosition& local : localSamples) {
        XyPosition global;
        ucs->ToGlobal(local.data(), global.data());
        samples.push_back(global);
    }
    PlannedPoints planned(model);
    const std::vector<int> pointIds = PlanSampledPointIds(planned, samples, false);
    return CreatePlannedCurve(model, planned, pointIds, alignment, width,
                              CurveRefusal(kind, "Given points are too close."));
}

} // namespace

bool CSectModel::CreateQuadraticCurve(const double p1[2], const double p2[2], const double p3[2], int alignment,
                                      double width)
{
    const char* kind = "quadratic curve";
    const double* given[3] = {p1, p2, p3};
    if (!CheckDistinctPoints(*this, kind, given, 3))
        return false;
    if (DistanceToLine(p1, p2, p3) < m_tolerance)
        return m_reporter.ShowWarning(CurveRefusal(kind, "Given three points are collinear."));
    const double points[3][2] = {{p1[0], p1[1]}, {p2[0], p2[1]}, {p3[0], p3[1]}};
    double abc[3];
    if (!FitPolynomial(points, 3, abc))
        return m_reporter.ShowWarning(CurveRefusal(kind, "Condition seems quite improper."));

    std::vector<double> xs = {p1[0], p2[0], p3[0]};
    std::sort(xs.begin(), xs.end());
    std::vector<XyPosition> samples;
    for (double x : SpanSamples(xs, 21))
        samples.push_back({x, EvaluatePolynomial(abc, 3, x)});
    const int curveId = CreatePolynomialCurve(*this, kind, samples, alignment, width);
    if (curveId == 0)
        return false;
    SetUndoActionTitle(FormatText("Create new curve (quadratic curve) [%d]", curveId));
    m_reporter.PrintOutput(FormatText("New curve (quadratic curve) [%d] is created (y = (%.2g)x^2 + (%.2g)x + (%.2g)).",
                                      curveId, abc[0], abc[1], abc[2]));
    return true;
}

bool CSectModel::CreateCubicCurve(const double p1[2], const double p2[2], const double p3[2], const double p4[2],
                                  int alignment, double width)
{
    const char* kind = "cubic curve";
    const double* given[4] = {p1, p2, p3, p4};
    if (!CheckDistinctPoints(*this, kind, given, 4))
        return false;

    double points[4][2];
    for (int i = 0; i < 4; ++i)
        CopyPoint2(given[i], points[i]);
    double coefficients[4];
    // Two points sharing an x: fit x as a cubic of y instead, in a frame
    // turned by 90 degrees.
    bool turned = false;
    if (!FitPolynomial(points, 4, coefficients)) {
        for (auto& point : points)
            RotateXY(&point[0], &point[1], 90.0);
        turned = true;
        if (!FitPolynomial(points, 4, coefficients))
            return m_reporter.ShowWarning(CurveRefusal(kind, "Condition seems quite improper."));
    }

    std::vector<double> xs = {points[0][0], points[1][0], points[2][0], points[3][0]};
    std::sort(xs.begin(), xs.end());
    std::vector<XyPosition> samples;
    for (double x : SpanSamples(xs, 31)) {
        XyPosition sample = {x, EvaluatePolynomial(coefficients, 4, x)};
        if (turned)
            RotateXY(&sample[0], &sample[1], -90.0);
        samples.push_back(sample);
    }
    const int curveId = CreatePolynomialCurve(*this, kind, samples, alignment, width);
    if (curveId == 0)
        return false;
    SetUndoActionTitle(FormatText("Create new curve (cubic curve) [%d]", curveId));
    m_reporter.PrintOutput(
        FormatText("New curve (cubic curve) [%d] is created (y = (%.2g)x^3 + (%.2g)x^2 + (%.2g)x + (%.2g)).", curveId,
                   coefficients[0], coefficients[1], coefficients[2], coefficients[3]));
    return true;
}
