// The point look-up against a plain scan of every point in id order, at cell
// borders, at every magnitude and for tolerances from 1e-300 to 1e300.

#include "model/PointGrid.h"
#include "model/SectModel.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <vector>

namespace {

struct Position {
    double x;
    double y;
};

// The rule, written out on its own: the first point in id order within t on
// each axis and nearer than t.
int ScanForPoint(const std::vector<Position>& points, const Position& q, double t)
{
    for (size_t i = 0; i < points.size(); ++i) {
        const double dx = points[i].x - q.x;
        const double dy = points[i].y - q.y;
        if (std::fabs(dx) <= t && std::fabs(dy) <= t && std::sqrt(dx * dx + dy * dy) < t)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

// Offsets from a base, in tolerances: exactly one, just inside and outside,
// cell borders (multiples of two), and values that round at large bases.
std::vector<double> Offsets(double base, double t)
{
    const double up = std::numeric_limits<double>::infinity();
    std::vector<double> values;
    for (double k : {-4.0, -3.0, -2.0, -1.5, -1.0, -0.999, -0.5, 0.0, 0.25, 0.5, 0.7071, 0.999, 1.0, 1.001, 2.0, 3.0})
        values.push_back(base + k * t);
    values.push_back(std::nextafter(base + t, up));
    values.push_back(std::nextafter(base + t, -up));
    values.push_back(std::nextafter(base - t, up));
    values.push_back(std::nextafter(base, up));
    values.push_back(std::nextafter(base, -up));
    // The cell border nearest the base and its neighbours.
    const double border = std::floor(base / (2.0 * t)) * 2.0 * t;
    if (std::isfinite(border)) {
        values.push_back(border);
        values.push_back(std::nextafter(border, up));
        values.push_back(std::nextafter(border, -up));
    }
    std::vector<double> finite;
    for (double v : values) {
        if (std::isfinite(v))
            finite.push_back(v);
    }
    return finite;
}

TEST(PointLookupTest, FindsTheIdOfAPlainScanEverywhere)
{
    const double tolerances[] = {1e-300, 1e-12, 1e-3, 1.0, 0.3, 7.0, 1e10, 1e300};
    const double bases[] = {0.0, 1.0, -1.0, 1e6, -123456.789, 9007199254740992.0, 3e15, 1e20, -1e20, 1e300,
                            -1e300, DBL_MAX, -DBL_MAX, 1e-310};
    for (double t : tolerances) {
        for (double base : bases) {
            SCOPED_TRACE(testing::Message() << "tolerance " << t << ", base " << base);
            const std::vector<double> offsets = Offsets(base, t);
            CSectModel model;
            model.m_tolerance = t;
            std::vector<Position> points;
            // Points on a coarse lattice of offsets, added in an order where
            // a later id often lies nearer to a query than an earlier one.
            const size_t n = offsets.size();
            for (size_t i = 0; i < n; i += 3) {
                for (size_t back = 0; back < n; back += 4) {
                    const size_t j = n - 1 - back;
                    auto point = std::make_unique<T_POINT_D>();
                    point->id = static_cast<int>(points.size()) + 1;
                    point->xy[0] = offsets[i];
                    point->xy[1] = offsets[j];
                    points.push_back({offsets[i], offsets[j]});
                    model.m_points[point->id] = std::move(point);
                }
            }
            model.m_nextPointId = static_cast<int>(points.size()) + 1;
            int found = 0;
            for (double x : offsets) {
                for (double y : offsets) {
                    const double q[2] = {x, y};
                    const int expected = ScanForPoint(points, {x, y}, t);
                    ASSERT_EQ(model.FindPointAt(q), expected) << "query (" << x << ", " << y << ")";
                    found += expected != 0;
                }
            }
            EXPECT_GT(found, 0);
        }
    }
}

TEST(PointLookupTest, OddTolerancesAndQueriesAnswerAsTheScan)
{
    const std::vector<Position> points = {{0.0, 0.0}, {1.0, 1.0}, {DBL_MAX, -DBL_MAX}, {1e308, 1e308}};
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<Position> queries = {{0.5, 0.5}, {1e308, 1e308}, {inf, 0.0}, {nan, 0.0}, {-inf, -inf},
                                           {DBL_MAX, -DBL_MAX}, {0.0, 0.0}};
    for (double t : {0.0, -1.0, nan, inf, DBL_MAX, 0.6 * DBL_MAX, 1e-320, 2.0}) {
        CSectModel model;
        model.m_tolerance = t;
        for (size_t i = 0; i < points.size(); ++i) {
            auto point = std::make_unique<T_POINT_D>();
            point->id = static_cast<int>(i) + 1;
            point->xy[0] = points[i].x;
            point->xy[1] = points[i].y;
            model.m_points[point->id] = std::move(point);
        }
        for (const Position& q : queries) {
            const double xy[2] = {q.x, q.y};
            EXPECT_EQ(model.FindPointAt(xy), ScanForPoint(points, q, t))
                << "tolerance " << t << ", query (" << q.x << ", " << q.y << ")";
        }
    }
}

TEST(PointLookupTest, CountNearCountsWhatVisitNearHandsOver)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // A crowded spot at the origin beside scattered and extreme positions.
    std::vector<Position> points(50, Position{0.0, 0.0});
    for (const Position& p : std::vector<Position>{{0.5, -0.5}, {3.0, 0.0}, {-7.0, 2.0}, {1e300, 1e300},
                                                   {DBL_MAX, -DBL_MAX}, {nan, 0.0}})
        points.push_back(p);
    const std::vector<Position> queries = {{0.0, 0.0}, {1.9, 0.0}, {3.0, 0.1}, {-50.0, 50.0}, {1e300, 1e300},
                                           {DBL_MAX, -DBL_MAX}, {inf, 0.0}, {nan, nan}};
    for (double t : {1.0, 0.3, 1e-300, 0.0, nan, inf, DBL_MAX, 1e300}) {
        PointGrid grid;
        grid.Reset(t);
        for (size_t i = 0; i < points.size(); ++i) {
            const double xy[2] = {points[i].x, points[i].y};
            grid.Insert(static_cast<int>(i), xy);
        }
        for (const Position& q : queries) {
            const double xy[2] = {q.x, q.y};
            std::size_t visited = 0;
            grid.VisitNear(xy, [&visited](int, const double*) { ++visited; });
            EXPECT_EQ(grid.CountNear(xy), visited) << "tolerance " << t << ", query (" << q.x << ", " << q.y << ")";
        }
    }
}

TEST(PointLookupTest, FarAwayPositionsDoNotShareACell)
{
    // Positions far beyond what an integer cell number could hold: each is
    // found at itself and nowhere else.
    PointGrid grid;
    grid.Reset(1e-6);
    const double xs[] = {1e20, 1e20 + 65536.0, -1e20, 1e300, 1e300 + 1e285, 1e300 * 1.5};
    for (int i = 0; i < 6; ++i) {
        const double xy[2] = {xs[i], 5.0};
        grid.Insert(i, xy);
    }
    EXPECT_EQ(grid.CellCount(), 6u);
    for (int i = 0; i < 6; ++i) {
        const double xy[2] = {xs[i], 5.0};
        EXPECT_EQ(grid.FindLowest(xy), i) << xs[i];
    }
    const double between[2] = {1e20 + 32768.0, 5.0};
    EXPECT_EQ(grid.FindLowest(between), -1);
}

} // namespace
