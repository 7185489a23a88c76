// Ordering sections by a value, largest first, in runs of near-equal values.

#include "sections/SectionOrdering.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct OrderCase {
    const char* name;
    std::vector<SectionValue> entries;
    bool scaledTolerance;  // else the location tolerance
    std::vector<int> order;
};

TEST(SectionOrderingTest, LargestFirstWithNearEqualValuesInAscendingId)
{
    const std::vector<OrderCase> cases = {
        {"distinct values", {{1, 10.0}, {2, 30.0}, {3, 20.0}}, false, {2, 3, 1}},
        {"second moments in metres", {{1, 1e-7}, {2, 3e-7}, {3, 2e-7}}, true, {2, 3, 1}},
        {"torsion constants in metres", {{2, 3e-8}, {6, 5e-8}}, true, {6, 2}},
        {"areas a rounding step apart", {{1, 1000.0}, {2, 1000.0006}, {3, 1000.0012}}, true, {1, 2, 3}},
        {"locations closer than 1e-6", {{1, 0.0}, {2, 0.6e-6}, {3, 1.2e-6}}, false, {1, 2, 3}},
        {"equal values", {{4, 5.0}, {9, 7.0}, {2, 5.0}}, false, {9, 2, 4}},
        {"all zero", {{3, 0.0}, {1, 0.0}, {2, 0.0}}, true, {1, 2, 3}},
        {"zero below tiny values", {{1, 0.0}, {2, 2e-12}}, true, {2, 1}},
        {"negative values", {{1, -1.0}, {2, 2.0}, {3, -3.0}}, false, {2, 1, 3}},
        {"not a number last", {{1, kNaN}, {2, 4.0}, {3, -4.0}}, false, {2, 3, 1}},
        {"nothing", {}, true, {}},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(c.name);
        const double tolerance = c.scaledTolerance ? CalculatedValueTolerance(c.entries) : kLocationRunTolerance;
        EXPECT_EQ(OrderByValueRuns(c.entries, tolerance), c.order);
    }
}

TEST(SectionOrderingTest, RunsChainThroughNeighboursOnly)
{
    // 3.0 -> 2.4 -> 1.8 step by less than 1.0 each: one run, though 3.0 and
    // 1.8 are further apart; 0.5 is a step of 1.3 away and starts its own.
    EXPECT_EQ(OrderByValueRuns({{4, 0.5}, {3, 3.0}, {2, 2.4}, {1, 1.8}}, 1.0), (std::vector<int>{1, 2, 3, 4}));
    // A step of exactly the tolerance separates.
    EXPECT_EQ(OrderByValueRuns({{1, 1.0}, {2, 2.0}}, 1.0), (std::vector<int>{2, 1}));
}

TEST(SectionOrderingTest, ScaledToleranceFollowsTheLargestFiniteMagnitude)
{
    EXPECT_DOUBLE_EQ(CalculatedValueTolerance({{1, 1e-7}, {2, -3e-7}, {3, 2e-7}}), 3e-13);
    EXPECT_DOUBLE_EQ(CalculatedValueTolerance({{1, 250.0}, {2, std::numeric_limits<double>::infinity()}}), 2.5e-4);
    EXPECT_EQ(CalculatedValueTolerance({}), 0.0);
}

}  // namespace
