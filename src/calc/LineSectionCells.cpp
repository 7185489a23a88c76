#include "calc/LineSectionCells.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "model/Geometry.h"
#include "model/WidthBand.h"
#include "numlib/DenseSolve.h"

namespace {

struct Cell {
    int loopId = 0;
    std::vector<int> signedCurveIds;
    std::vector<const T_POINT_D*> outline;  // closing point repeated at the end
};

bool HoldsCurve(const Cell& cell, int curveId)
{
    return std::any_of(cell.signedCurveIds.begin(), cell.signedCurveIds.end(),
                       [curveId](int id) { return std::abs(id) == curveId; });
}

// The curve's points in the direction the loop runs it; false after the
// not-found box.
bool RunCurve(const CSectModel& model, int signedCurveId, const T_CURVE_D*& curve,
              std::vector<const T_POINT_D*>& points)
{
    curve = model.FindCurve(std::abs(signedCurveId));
    if (!curve)
        return model.m_reporter.ReportCurveNotFound(std::abs(signedCurveId));
    points.clear();
    for (int pointId : curve->pointIds) {
        const T_POINT_D* point = model.FindPoint(pointId);
        if (!point)
            return model.m_reporter.ReportPointNotFound(pointId);
        points.push_back(point);
    }
    if (signedCurveId < 0)
        std::reverse(points.begin(), points.end());
    return true;
}

bool BuildCell(const CSectModel& model, int loopId, Cell& cell)
{
    const T_LOOP_D* loop = model.FindClosedLoop(loopId);
    if (!loop)
        return model.m_reporter.ReportClosedLoopNotFound(loopId);
    cell.loopId = loopId;
    cell.signedCurveIds = loop->curveIds;
    for (int signedCurveId : loop->curveIds) {
        const T_CURVE_D* curve = nullptr;
        std::vector<const T_POINT_D*> points;
        if (!RunCurve(model, signedCurveId, curve, points))
            return false;
        cell.outline.insert(cell.outline.end(), points.begin() + (cell.outline.empty() ? 0 : 1), points.end());
    }
    return true;
}

// Crossing count of a ray towards +x; points on the outline are not inside.
bool IsStrictlyInside(const double xy[2], const std::vector<const T_POINT_D*>& outline)
{
    bool inside = false;
    for (std::size_t i = 0; i + 1 < outline.size(); ++i) {
        const double* a = outline[i]->xy;
        const double* b = outline[i + 1]->xy;
        if (IsPointOnSegment(a, b, xy, 1e-9))
            return false;
        if ((a[1] > xy[1]) != (b[1] > xy[1])) {
            const double x = a[0] + (xy[1] - a[1]) * (b[0] - a[0]) / (b[1] - a[1]);
            if (x > xy[0])
                inside = !inside;
        }
    }
    return inside;
}

// Whether the outer loop holds another cell: a wall of that cell which the
// outer loop does not share lies inside it.
bool Encloses(const CSectModel& model, const Cell& outer, const Cell& inner)
{
    for (int signedCurveId : inner.signedCurveIds) {
        const int curveId = std::abs(signedCurveId);
        if (HoldsCurve(outer, curveId))
            continue;
        const T_CURVE_D* curve = model.FindCurve(curveId);
        for (std::size_t i = 0; curve && i + 1 < curve->pointIds.size(); ++i) {
            const T_POINT_D* a = model.FindPoint(curve->pointIds[i]);
            const T_POINT_D* b = model.FindPoint(curve->pointIds[i + 1]);
            if (!a || !b)
                continue;
            const double middle[2] = {(a->xy[0] + b->xy[0]) / 2.0, (a->xy[1] + b->xy[1]) / 2.0};
            return IsStrictlyInside(middle, outer.outline);
        }
    }
    return false;
}

// Mid-line of the wall band at both ends of a segment, the band taken in the
// curve's own direction so that a LEFT or RIGHT band stays on its side
// whichever way the loop runs the curve.
void BandMidLine(const T_CURVE_D& curve, const double from[2], const double to[2], bool runBackwards,
                 double midFrom[2], double midTo[2])
{
    double c[4][2];
    CurveBandCorners(runBackwards ? to : from, runBackwards ? from : to, curve, c);
    double* start = runBackwards ? midTo : midFrom;
    double* end = runBackwards ? midFrom : midTo;
    start[0] = (c[0][0] + c[1][0]) / 2.0;
    start[1] = (c[0][1] + c[1][1]) / 2.0;
    end[0] = (c[2][0] + c[3][0]) / 2.0;
    end[1] = (c[2][1] + c[3][1]) / 2.0;
}

// Signed area of the closed polygon; positive counter-clockwise. Right for
// cells of any shape, star-shaped or not.
double ShoelaceArea(const std::vector<std::array<double, 2>>& polygon)
{
    double twice = 0.0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const std::array<double, 2>& a = polygon[i];
        const std::array<double, 2>& b = polygon[(i + 1) % polygon.size()];
        twice += a[0] * b[1] - b[0] * a[1];
    }
    return twice / 2.0;
}

}  // namespace

CellTorsionStatus AddClosedCellTorsion(const CSectModel& model, const std::vector<int>& loopIds, double& torsion)
{
    std::vector<Cell> candidates(loopIds.size());
    for (std::size_t k = 0; k < loopIds.size(); ++k) {
        if (!BuildCell(model, loopIds[k], candidates[k]))
            return CellTorsionStatus::MissingObject;
    }
    std::vector<Cell> cells;
    for (const Cell& cell : candidates) {
        const bool enclosesAnother = std::any_of(candidates.begin(), candidates.end(), [&](const Cell& other) {
            return other.loopId != cell.loopId && Encloses(model, cell, other);
        });
        if (!enclosesAnother)
            cells.push_back(cell);
    }
    if (cells.empty())
        return CellTorsionStatus::Solved;

    const int n = static_cast<int>(cells.size());
    std::vector<double> flexibility(static_cast<std::size_t>(n) * n, 0.0), twice(n, 0.0), area(n, 0.0);
    for (int k = 0; k < n; ++k) {
        const Cell& cell = cells[k];
        std::vector<std::array<double, 2>> midLine;  // the cell's mid-line polygon, gaps at corners bridged
        for (int signedCurveId : cell.signedCurveIds) {
            const T_CURVE_D* curve = nullptr;
            std::vector<const T_POINT_D*> points;
            if (!RunCurve(model, signedCurveId, curve, points))
                return CellTorsionStatus::MissingObject;
            if (!(curve->width > 1e-6))
                return CellTorsionStatus::WallWithoutWidth;
            double length = 0.0;
            for (std::size_t i = 0; i + 1 < points.size(); ++i) {
                length += Distance(points[i]->xy, points[i + 1]->xy);
                std::array<double, 2> m1, m2;
                BandMidLine(*curve, points[i]->xy, points[i + 1]->xy, signedCurveId < 0, m1.data(), m2.data());
                midLine.push_back(m1);
                midLine.push_back(m2);
            }
            const double wallTerm = length / curve->width;
            flexibility[static_cast<std::size_t>(k) * n + k] += wallTerm;
            for (int j = 0; j < n; ++j) {
                if (j != k && HoldsCurve(cells[j], curve->id))
                    flexibility[static_cast<std::size_t>(k) * n + j] -= wallTerm;
            }
        }
        area[k] = std::fabs(ShoelaceArea(midLine));
        twice[k] = 2.0 * area[k];
    }
    std::vector<double> flow;
    const DenseSolveStatus status = SolveDenseSystem(n, flexibility, twice, flow);
    if (!status.solved)
        return CellTorsionStatus::Unsolvable;
    for (int k = 0; k < n; ++k)
        torsion += 2.0 * flow[k] * area[k];
    return CellTorsionStatus::Solved;
}
