// Boundaries that cross themselves, against those that only touch or overlap.

#include "mesh/BoundaryCrossings.h"

#include <gtest/gtest.h>

namespace {

using Polylines = std::vector<std::vector<MeshPoint>>;

TEST(BoundaryCrossingsTest, OnlyCrossingsInsideBothSegmentsCount)
{
    const MeshPoint a{0, 0}, b{4, 0}, c{4, 4}, d{0, 4};
    const struct {
        const char* name;
        Polylines lines;
        bool crosses;
    } cases[] = {
        {"closed square", {{a, b, c, d, a}}, false},
        {"two curves meeting at their ends", {{a, b, c}, {c, d, a}}, false},
        {"diagonals", {{a, c}, {b, d}}, true},
        {"figure eight", {{a, b, d, c, a}}, true},
        {"touching at a point inside one", {{a, b}, {{2, 0}, {2, 3}}}, false},
        {"overlapping along a line", {{a, b}, {{1, 0}, {6, 0}}}, false},
        {"same curve twice", {{a, b, c}, {a, b, c}}, false},
        {"disjoint", {{a, b}, {{0, 1}, {4, 1}}}, false},
        {"spike through another loop", {{a, b, c, d, a}, {{1, 1}, {9, 2}, {1, 3}, {1, 1}}}, true},
        {"nearly parallel crossing", {{{0, 0}, {1e6, 1}}, {{0, 1e-3}, {1e6, 0.999}}}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BoundaryCrossesItself(c.lines), c.crosses) << c.name;
}

} // namespace
