// Angles, ellipse parameters and the import's turn written with any number
// of whole turns: each is checked against what its own sine and cosine, or
// the exact remainder of a whole number, say.

#include "dxf_test_support.h"

#include "model/Geometry.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

using DxfWholeTurns = DxfImportTest;

DxfBuilder EntitiesSection()
{
    DxfBuilder dxf;
    dxf.Section("ENTITIES");
    return dxf;
}

// The whole number x (every double from 2^52 on is one) modulo 360, from its
// exact binary form m 2^e: (m mod 360) (2^e mod 360) mod 360.
int WholeNumberModTurn(double x)
{
    int exponent = 0;
    const double fraction = std::frexp(x, &exponent);  // x = fraction 2^exponent, fraction in [0.5, 1)
    EXPECT_GE(exponent, 53);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    std::uint64_t power = 1;
    for (int i = 53; i < exponent; ++i)
        power = power * 2 % 360;
    return static_cast<int>(mantissa % 360 * power % 360);
}

// The direction of an angle in radians, in degrees: the C library reduces
// the sine and cosine of any double exactly.
double DirectionDegrees(double radians)
{
    return std::atan2(std::sin(radians), std::cos(radians)) * 180.0 / std::numbers::pi;
}

// How far apart two angles in degrees lie, whole turns aside.
double AngleGap(double a, double b)
{
    return std::fabs(std::remainder(a - b, 360.0));
}

TEST_F(DxfWholeTurns, DropsWholeTurnsOfHugeAnglesBeforeTakingTheSweep)
{
    // 10^20 is 0 modulo 40 and 1 modulo 9: 280 modulo 360.
    ASSERT_EQ(WholeNumberModTurn(1e20), 280);
    const double farStart = WholeNumberModTurn(1e300);
    const double endParameter = 2.5 * 180.0 / std::numbers::pi;  // 143.24 degrees

    const auto arc = [](double start, double end, double extrusionZ = 1.0) {
        return EntitiesSection().Arc(0, 0, 100, start, end, extrusionZ).EndSection().Eof().text;
    };
    const double origin[2] = {0.0, 0.0};
    const double xAxis[2] = {100.0, 0.0};
    const std::string ellipse = EntitiesSection().Ellipse(origin, xAxis, 0.5, 1e300, 2.5).EndSection().Eof().text;
    struct Case {
        const char* name;
        std::string text;
        double rz;
        double semiMinor;  // the semi-major axis is 100 along x
        double first;  // the angle, or the ellipse parameter, of the first and last point
        double last;
    };
    const Case cases[] = {
        {"an arc from 1e20 to 90", arc(1e20, 90.0), 0.0, 100.0, 280.0, 90.0},
        {"an arc from 1e300 to 120", arc(1e300, 120.0), 0.0, 100.0, farStart, 120.0},
        {"an ellipse from the parameter 1e300 to 2.5", ellipse, 0.0, 50.0, DirectionDegrees(1e300),
         endParameter},
        {"an arc from 1e20 to 90 turned by 30", arc(1e20, 90.0), 30.0, 100.0, 310.0, 120.0},
        // Mirrored about the y axis: from 180 - 90 to 180 - 280.
        {"an arc from 1e20 to 90 seen from below", arc(1e20, 90.0, -1.0), 0.0, 100.0, 90.0, 260.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        user.ClearRecords();
        CSectModel fresh;
        ASSERT_TRUE(ImportTextInto(fresh, c.text, 0.0, c.rz));
        ASSERT_EQ(fresh.m_curves.size(), 1u);
        const std::vector<int>& ids = fresh.m_curves.begin()->second->pointIds;
        EXPECT_NE(ids.front(), ids.back());
        const double sweep = std::fmod(c.last - c.first + 720.0, 360.0);
        EXPECT_EQ(ids.size(), static_cast<size_t>(std::trunc(sweep / 10.0)) + 1);
        const auto parameter = [&](int pointId) {
            const double* xy = fresh.FindPoint(pointId)->xy;
            EXPECT_NEAR(std::hypot(xy[0] / 100.0, xy[1] / c.semiMinor), 1.0, 1e-12);
            return RadToDeg(std::atan2(xy[1] / c.semiMinor, xy[0] / 100.0));
        };
        EXPECT_LT(AngleGap(parameter(ids.front()), c.first), 1e-9);
        EXPECT_LT(AngleGap(parameter(ids.back()), c.last), 1e-9);
    }
}

TEST_F(DxfWholeTurns, PlacesEllipseEndsAtTheDirectionOfHugeParameters)
{
    // A skew ellipse: semi-axes 53.85 and 26.93, the major one along (50, 20).
    const double centre[2] = {100.0, 0.0};
    const double axis[2] = {50.0, 20.0};
    const auto pointAt = [](double t) {
        return std::array<double, 2>{100.0 + 50.0 * std::cos(t) - 0.5 * 20.0 * std::sin(t),
                                     20.0 * std::cos(t) + 0.5 * 50.0 * std::sin(t)};
    };
    struct Case {
        double start;
        double end;
    };
    const Case cases[] = {{1e12, 2.5}, {1e16, 2.5}, {1e300, 2.5}, {0.5, 1e12}, {0.5, 1e16}, {0.5, 1e300},
                          // Beyond what degrees hold, and a difference that overflows.
                          {0.5, 1.7e308}, {-1.7e308, 1.7e308}};
    for (const Case& c : cases) {
        SCOPED_TRACE(FormatText("from the parameter %g to %g", c.start, c.end));
        user.ClearRecords();
        const std::string text = EntitiesSection().Ellipse(centre, axis, 0.5, c.start, c.end).EndSection().Eof().text;
        CSectModel fresh;
        ASSERT_TRUE(ImportTextInto(fresh, text));
        ASSERT_EQ(fresh.m_curves.size(), 1u);
        const std::vector<int>& ids = fresh.m_curves.begin()->second->pointIds;
        const double sweep = std::fmod(DirectionDegrees(c.end) - DirectionDegrees(c.start) + 720.0, 360.0);
        EXPECT_EQ(ids.size(), static_cast<size_t>(std::trunc(sweep / 10.0)) + 1);
        const auto distanceTo = [&fresh](int pointId, const std::array<double, 2>& expected) {
            const double* xy = fresh.FindPoint(pointId)->xy;
            return DistanceXY(xy[0], xy[1], expected[0], expected[1]);
        };
        EXPECT_LT(distanceTo(ids.front(), pointAt(c.start)), 1e-9);
        EXPECT_LT(distanceTo(ids.back(), pointAt(c.end)), 1e-9);
    }
}

TEST_F(DxfWholeTurns, TurnsPointsAndCurveAnglesAlikeUnderAHugeTurn)
{
    // An arc and a quarter ellipse, each with the two lines that meet its ends.
    DxfBuilder dxf = EntitiesSection();
    dxf.Arc(0, 0, 100, 0, 90).Line(100, 0, 200, 0).Line(0, 100, 0, 200);
    const double centre[2] = {0.0, 300.0};
    const double axis[2] = {50.0, 0.0};
    dxf.Ellipse(centre, axis, 0.5, 0.0, std::numbers::pi / 2.0).Line(50, 300, 150, 300).Line(0, 325, 0, 425);
    dxf.EndSection().Eof();

    struct Case {
        double rz;
        int turn;  // its direction in degrees, whole turns aside
    };
    const Case cases[] = {{1e17, WholeNumberModTurn(1e17)},
                          {-1e17, 360 - WholeNumberModTurn(1e17)},
                          {1e300, WholeNumberModTurn(1e300)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(FormatText("turned by %g", c.rz));
        user.ClearRecords();
        CSectModel fresh;
        ASSERT_TRUE(ImportTextInto(fresh, dxf.text, 0.0, c.rz));
        ASSERT_EQ(fresh.m_curves.size(), 6u);
        EXPECT_EQ(fresh.m_points.size(), 2u * (10 + 2));
        const auto ends = [&fresh](int curveId) {
            const std::vector<int>& ids = fresh.FindCurve(curveId)->pointIds;
            return std::array<int, 2>{ids.front(), ids.back()};
        };
        EXPECT_EQ(ends(1)[0], ends(2)[0]);
        EXPECT_EQ(ends(1)[1], ends(3)[0]);
        EXPECT_EQ(ends(4)[0], ends(5)[0]);
        EXPECT_EQ(ends(4)[1], ends(6)[0]);

        const double radians = c.turn * std::numbers::pi / 180.0;
        const double* arcStart = fresh.FindPoint(ends(1)[0])->xy;
        EXPECT_NEAR(arcStart[0], 100.0 * std::cos(radians), 1e-9);
        EXPECT_NEAR(arcStart[1], 100.0 * std::sin(radians), 1e-9);
    }
}

} // namespace
