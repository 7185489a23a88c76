// A curve's band never depends on what its corners held before: a known
// alignment gives the width outline's band, any other (a damaged file may
// hold one) the band of no width along the segment.

#include "model/ModelRecords.h"
#include "model/WidthBand.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(CurveBandCornersTest, UnknownAlignmentGivesTheBandOfNoWidth)
{
    const double a[2] = {0, 0}, b[2] = {10, 0};
    struct Case {
        int alignment;
        double corners[4][2];  // c1 and c4 on the left of a->b, c2 and c3 on the right
    };
    const Case cases[] = {
        {ALIGN_CENTER, {{0, 0.5}, {0, -0.5}, {10, -0.5}, {10, 0.5}}},
        {ALIGN_LEFT, {{0, 1}, {0, 0}, {10, 0}, {10, 1}}},
        {ALIGN_RIGHT, {{0, 0}, {0, -1}, {10, -1}, {10, 0}}},
        {0, {{0, 0}, {0, 0}, {10, 0}, {10, 0}}},
        {4, {{0, 0}, {0, 0}, {10, 0}, {10, 0}}},
        {-1, {{0, 0}, {0, 0}, {10, 0}, {10, 0}}},
        {INT_MAX, {{0, 0}, {0, 0}, {10, 0}, {10, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alignment);
        T_CURVE_D curve;
        curve.alignment = c.alignment;
        curve.width = 1.0;
        double corners[4][2] = {{7, 7}, {7, 7}, {7, 7}, {7, 7}};  // what an earlier segment left
        CurveBandCorners(a, b, curve, corners);
        for (int k = 0; k < 4; ++k) {
            EXPECT_NEAR(corners[k][0], c.corners[k][0], 1e-12) << "corner " << k + 1;
            EXPECT_NEAR(corners[k][1], c.corners[k][1], 1e-12) << "corner " << k + 1;
        }
    }
}

} // namespace
