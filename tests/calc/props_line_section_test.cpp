// Line-section properties: strips of the walls, open-wall torsion and the
// closed cells' shear flows.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <iterator>
#include <string>
#include <type_traits>

#include "calc/PropsTestSupport.h"
#include "io/ProjectFileBytes.h"

namespace {

// The little-endian bytes of an int32 or a double, as the project file holds them.
template <class T>
std::string FileBytes(T value)
{
    using Bits = std::conditional_t<sizeof(T) == 8, std::uint64_t, std::uint32_t>;
    const Bits bits = std::bit_cast<Bits>(value);
    std::string bytes;
    for (std::size_t k = 0; k < sizeof(T); ++k)
        bytes += static_cast<char>((bits >> (8 * k)) & 0xFF);
    return bytes;
}

// Leaves the stack below the caller as a busy program might: full of
// scattered coordinates. A band corner the calculation forgot to set then
// lands far from its wall instead of on whatever an earlier call left (equal
// bytes everywhere would make every such corner one point, a band of no area).
[[gnu::noinline]] void LeaveCoordinatesOnTheStack()
{
    volatile double values[8192];
    for (std::size_t k = 0; k < std::size(values); ++k)
        values[k] = 1000.0 * static_cast<double>((k * 7919) % 101);
}

class LineSectionTest : public PropsTest {
protected:
    int Wall(const Polyline& points, double width, int alignment = ALIGN_CENTER)
    {
        const int id = Draw(points);
        model.FindCurve(id)->width = width;
        model.FindCurve(id)->alignment = alignment;
        return id;
    }

    void Loop(const std::vector<int>& curves) { ASSERT_TRUE(model.RegisterClosedLoop(curves)); }

    // Generates the line section and calculates it; the section.
    const T_SECTION_D& Calculate(const std::vector<int>& curves)
    {
        const int id = GenerateLine(curves);
        EXPECT_NE(id, 0) << ::testing::PrintToString(user.BoxTexts());
        model.BeginUndoAction();
        EXPECT_TRUE(model.CalcLineSectionProperties(model.FindSection(id))) << ::testing::PrintToString(user.BoxTexts());
        return Section(id);
    }

    double Torsion(const std::vector<int>& curves) { return Calculate(curves).results[RESULT_J]; }

    // Saves the project, puts alignment in the curve's record as a damaged or
    // hostile file may hold it, and opens that file over the model.
    void ReopenWithAlignment(int curveId, int alignment)
    {
        const T_CURVE_D& curve = *model.FindCurve(curveId);
        ProjectFileWriter writer;
        model.WriteProjectContents(writer);
        std::string bytes = writer.Bytes();
        // A curve record opens with its id, its alignment and its width.
        const std::string opening = FileBytes(curveId) + FileBytes(curve.alignment) + FileBytes(curve.width);
        const std::size_t at = bytes.find(opening);
        ASSERT_NE(at, std::string::npos);
        ASSERT_EQ(bytes.find(opening, at + 1), std::string::npos);
        bytes.replace(at + 4, 4, FileBytes(alignment));
        ProjectFileReader reader(bytes, "patched.klx");
        ASSERT_TRUE(model.ReadProjectFile(reader, false)) << ::testing::PrintToString(user.BoxTexts());
        ASSERT_EQ(model.FindCurve(curveId)->alignment, alignment);
    }

    // Calculates the section on a stack full of stale coordinates.
    bool CalculateOverStaleStack(int sectionId)
    {
        user.ClearRecords();
        model.BeginUndoAction();
        LeaveCoordinatesOnTheStack();
        return model.CalcLineSectionProperties(model.FindSection(sectionId));
    }
};

TEST_F(LineSectionTest, SingleWallIsAStrip)
{
    const T_SECTION_D& s = Calculate({Wall({{0, 0}, {100, 0}}, 10)});
    const double* r = s.results;
    EXPECT_DOUBLE_EQ(r[RESULT_A], 1000.0);
    EXPECT_DOUBLE_EQ(r[RESULT_IXX], 100.0 * 1000.0 / 12.0);
    EXPECT_DOUBLE_EQ(r[RESULT_IYY], 10.0 * 1e6 / 12.0);
    EXPECT_NEAR(r[RESULT_IXY], 0.0, 1e-6);
    EXPECT_DOUBLE_EQ(r[RESULT_J], 1000.0 * 100.0 / 3.0);
    EXPECT_EQ(r[RESULT_ASX], 0.0);
    EXPECT_EQ(r[RESULT_ASY], 0.0);
    EXPECT_DOUBLE_EQ(r[RESULT_CX_PLUS], 50.0);
    EXPECT_DOUBLE_EQ(r[RESULT_CX_MINUS], 50.0);
    EXPECT_DOUBLE_EQ(r[RESULT_CY_PLUS], 5.0);
    EXPECT_DOUBLE_EQ(r[RESULT_CY_MINUS], 5.0);
    EXPECT_TRUE(s.propertiesCalculated);
    const T_POINT_D* centroid = model.FindPoint(s.centroidPointId);
    ASSERT_NE(centroid, nullptr);
    EXPECT_DOUBLE_EQ(centroid->xy[0], 50.0);
    EXPECT_DOUBLE_EQ(centroid->xy[1], 0.0);
}

// Far from the origin the moments keep their digits: the sums are taken
// about a point of the section, not the origin.
TEST_F(LineSectionTest, WallFarFromTheOriginKeepsEveryDigit)
{
    const double x0 = 1e7, y0 = -3e6;
    const T_SECTION_D& s = Calculate({Wall({{x0, y0}, {x0 + 100, y0}}, 10)});
    const double* r = s.results;
    EXPECT_NEAR(r[RESULT_A], 1000.0, 1e-12 * 1000.0);
    EXPECT_NEAR(r[RESULT_IXX], 100.0 * 1000.0 / 12.0, 1e-12 * 1e7);
    EXPECT_NEAR(r[RESULT_IYY], 10.0 * 1e6 / 12.0, 1e-12 * 1e7);
    const T_POINT_D* centroid = model.FindPoint(s.centroidPointId);
    ASSERT_NE(centroid, nullptr);
    EXPECT_EQ(centroid->xy[0], x0 + 50.0);
    EXPECT_EQ(centroid->xy[1], y0);
}

TEST_F(LineSectionTest, OpenISectionSumsItsWalls)
{
    const std::vector<int> walls = {Wall({{0, 0}, {50, 0}}, 10), Wall({{50, 0}, {100, 0}}, 10),
                                    Wall({{0, 200}, {50, 200}}, 10), Wall({{50, 200}, {100, 200}}, 10),
                                    Wall({{50, 0}, {50, 200}}, 6)};
    EXPECT_NEAR(Torsion(walls), 2.0 * 100.0 * 1000.0 / 3.0 + 200.0 * 216.0 / 3.0, 1e-6);
}

TEST_F(LineSectionTest, SquareTubeIsOneCell)
{
    const std::vector<int> walls = {Wall({{0, 0}, {100, 0}}, 10), Wall({{100, 0}, {100, 100}}, 10),
                                    Wall({{100, 100}, {0, 100}}, 10), Wall({{0, 100}, {0, 0}}, 10)};
    Loop(walls);
    EXPECT_NEAR(Torsion(walls), 1e7, 1e-3);
}

// Two cells side by side sharing the middle wall: widths of the left cell,
// the right cell's walls and the shared wall; widths a, b.
struct TwoCellCase {
    const char* name;
    double rightWidth;  // the right cell's length along x
    double rightWall;   // thickness of the right cell's own walls
    double expected;
};

class TwoCellTest : public LineSectionTest, public ::testing::WithParamInterface<TwoCellCase> {};

TEST_P(TwoCellTest, SharedWallCouplesTheCells)
{
    const TwoCellCase& c = GetParam();
    const double x2 = 100.0 + c.rightWidth;
    const int middle = Wall({{100, 0}, {100, 100}}, 10);
    const std::vector<int> left = {Wall({{0, 0}, {100, 0}}, 10), middle, Wall({{100, 100}, {0, 100}}, 10),
                                   Wall({{0, 100}, {0, 0}}, 10)};
    const std::vector<int> right = {Wall({{100, 0}, {x2, 0}}, c.rightWall), Wall({{x2, 0}, {x2, 100}}, c.rightWall),
                                    Wall({{x2, 100}, {100, 100}}, c.rightWall), middle};
    Loop(left);
    Loop(right);
    std::vector<int> all = left;
    all.insert(all.end(), right.begin(), right.end() - 1);
    EXPECT_NEAR(Torsion(all), c.expected, 1e-6 * c.expected);
}

// Equal cells: J = 8a³t/3. Unequal (100 × 100, t 10 beside 50 × 100, t 5):
// M = [[40, −10], [−10, 50]], B = [2e4, 1e4], q = [1.1e6, 6e5] / 1900,
// J = 2 (q1 · 1e4 + q2 · 5e3) = 2.8e10 / 1900.
INSTANTIATE_TEST_SUITE_P(Cells, TwoCellTest,
                         ::testing::Values(TwoCellCase{"equal", 100.0, 10.0, 8.0 * 1e6 * 10.0 / 3.0},
                                           TwoCellCase{"unequal", 50.0, 5.0, 2.8e10 / 1900.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LineSectionTest, LoopEnclosingTheCellsIsNoCellOfItsOwn)
{
    const int middle = Wall({{100, 0}, {100, 100}}, 10);
    const int b1 = Wall({{0, 0}, {100, 0}}, 10), b2 = Wall({{100, 0}, {200, 0}}, 10);
    const int r = Wall({{200, 0}, {200, 100}}, 10);
    const int t2 = Wall({{200, 100}, {100, 100}}, 10), t1 = Wall({{100, 100}, {0, 100}}, 10);
    const int l = Wall({{0, 100}, {0, 0}}, 10);
    Loop({b1, middle, t1, l});
    Loop({b2, r, t2, middle});
    user.QueueAnswers({true});  // a third loop on those curves
    Loop({b1, b2, r, t2, t1, l});
    EXPECT_NEAR(Torsion({b1, b2, r, t2, t1, l, middle}), 8.0 * 1e6 * 10.0 / 3.0, 1e-3);
}

TEST_F(LineSectionTest, ClockwiseAndCounterClockwiseLoopsGiveTheSameTorsion)
{
    const std::vector<int> ccw = {Wall({{0, 0}, {100, 0}}, 10), Wall({{100, 0}, {100, 100}}, 10),
                                  Wall({{100, 100}, {0, 100}}, 10), Wall({{0, 100}, {0, 0}}, 10)};
    const std::vector<int> cw = {Wall({{300, 0}, {300, 100}}, 10), Wall({{300, 100}, {400, 100}}, 10),
                                 Wall({{400, 100}, {400, 0}}, 10), Wall({{400, 0}, {300, 0}}, 10)};
    Loop(ccw);
    Loop(cw);
    EXPECT_NEAR(Torsion(ccw), Torsion(cw), 1e-6);
}

TEST_F(LineSectionTest, CellNotStarShapedAboutItsVertexMeanHasItsTrueArea)
{
    // A C-shaped cell whose vertex mean (55, 50) lies in its notch:
    // A = 100² − 80 · 60, L = 560.
    const int wall = Wall({{0, 0}, {100, 0}, {100, 20}, {20, 20}, {20, 80}, {100, 80}, {100, 100}, {0, 100}, {0, 0}}, 2);
    Loop({wall});
    const double area = 5200.0;
    EXPECT_NEAR(Torsion({wall}), 4.0 * area * area * 2.0 / 560.0, 1e-6);
}

TEST_F(LineSectionTest, AlignedWallKeepsItsBandOnItsOwnSideWhicheverWayTheLoopRunsIt)
{
    // Bands outside the 100 × 100 square: the mid-line polygon is the square
    // of side 110 less its four corner triangles 5 × 5 / 2, and L is the
    // curves' length 400: J = 4 A² t / L.
    const double midLineArea = 110.0 * 110.0 - 4.0 * 12.5;
    const double expected = 4.0 * midLineArea * midLineArea * 10.0 / 400.0;
    const std::vector<int> forwards = {Wall({{0, 0}, {100, 0}}, 10, ALIGN_RIGHT),
                                       Wall({{100, 0}, {100, 100}}, 10, ALIGN_RIGHT),
                                       Wall({{100, 100}, {0, 100}}, 10, ALIGN_RIGHT),
                                       Wall({{0, 100}, {0, 0}}, 10, ALIGN_RIGHT)};
    // Drawn clockwise with LEFT bands: the same walls, each run backwards
    // when the cell is walked counter-clockwise.
    const std::vector<int> backwards = {Wall({{300, 0}, {300, 100}}, 10, ALIGN_LEFT),
                                        Wall({{300, 100}, {400, 100}}, 10, ALIGN_LEFT),
                                        Wall({{400, 100}, {400, 0}}, 10, ALIGN_LEFT),
                                        Wall({{400, 0}, {300, 0}}, 10, ALIGN_LEFT)};
    Loop(forwards);
    Loop(backwards);
    EXPECT_NEAR(Torsion(forwards), expected, 1e-6 * expected);
    EXPECT_NEAR(Torsion(backwards), expected, 1e-6 * expected);
}

TEST_F(LineSectionTest, CellWallWithoutWidthIsRefusedWithoutACentroidPoint)
{
    const std::vector<int> walls = {Wall({{0, 0}, {100, 0}}, 10), Wall({{100, 0}, {100, 100}}, 10),
                                    Wall({{100, 100}, {0, 100}}, 0), Wall({{0, 100}, {0, 0}}, 10)};
    Loop(walls);
    const int id = GenerateLine(walls);
    ASSERT_NE(id, 0);
    const int pointsBefore = static_cast<int>(model.m_points.size());
    user.ClearRecords();
    model.BeginUndoAction();
    EXPECT_FALSE(model.CalcLineSectionProperties(model.FindSection(id)));
    ASSERT_EQ(user.boxes.size(), 1u);
    EXPECT_NE(user.boxes[0].text.find("This section cannot be calculated."), std::string::npos);
    EXPECT_FALSE(Section(id).propertiesCalculated);
    EXPECT_EQ(Section(id).centroidPointId, 0);
    EXPECT_EQ(static_cast<int>(model.m_points.size()), pointsBefore);
}

// A wall whose alignment is none of CENTER, LEFT and RIGHT (a damaged or
// hostile file) covers the band of no width along its curve, on every run.
TEST_F(LineSectionTest, LoneWallOfAnUnknownAlignmentHasNoArea)
{
    const int wall = Wall({{0, 0}, {100, 0}}, 10, ALIGN_LEFT);
    const int id = GenerateLine({wall});
    ASSERT_NE(id, 0);
    for (int alignment : {0, 4}) {
        SCOPED_TRACE(alignment);
        ReopenWithAlignment(wall, alignment);
        const std::string refusal = "The area of line section [" + Section(id).name +
                                    "] is not greater than 0.\n\nThis section cannot be calculated.";
        for (int run = 0; run < 3; ++run) {
            EXPECT_FALSE(CalculateOverStaleStack(id));
            EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{refusal});
            EXPECT_FALSE(Section(id).propertiesCalculated);
            EXPECT_EQ(Section(id).centroidPointId, 0);
        }
    }
}

// The tube's left wall keeps no band: the other three strips 100 × 10 give
// area and moments, its curve still bounds the cell, whose mid-line is the
// square of side 100 (J = 4 A² t / L = 1e7), and its ends still reach the
// extreme fibres. Away from the origin, so that a corner near (0, 0) shows.
TEST_F(LineSectionTest, TubeWallOfAnUnknownAlignmentLosesOnlyItsBand)
{
    const double x0 = 200.0, y0 = 300.0;
    // The odd wall first, so that the cell's walk meets it before any other.
    const int left = Wall({{x0, y0 + 100}, {x0, y0}}, 10);
    const std::vector<int> walls = {left, Wall({{x0, y0}, {x0 + 100, y0}}, 10),
                                    Wall({{x0 + 100, y0}, {x0 + 100, y0 + 100}}, 10),
                                    Wall({{x0 + 100, y0 + 100}, {x0, y0 + 100}}, 10)};
    Loop(walls);
    const int id = GenerateLine(walls);
    ASSERT_NE(id, 0);

    struct Strip {
        double xLow, yLow, xHigh, yHigh;  // from the tube's lower-left mid-line corner
    };
    const Strip strips[] = {{0, -5, 100, 5}, {95, 0, 105, 100}, {0, 95, 100, 105}};
    double area = 0.0, sx = 0.0, sy = 0.0;
    for (const Strip& r : strips) {
        const double a = (r.xHigh - r.xLow) * (r.yHigh - r.yLow);
        area += a;
        sx += a * (r.xLow + r.xHigh) / 2.0;
        sy += a * (r.yLow + r.yHigh) / 2.0;
    }
    const double cx = sx / area, cy = sy / area;
    double ixx = 0.0, iyy = 0.0, ixy = 0.0;
    for (const Strip& r : strips) {
        const double w = r.xHigh - r.xLow, h = r.yHigh - r.yLow;
        const double dx = (r.xLow + r.xHigh) / 2.0 - cx, dy = (r.yLow + r.yHigh) / 2.0 - cy;
        ixx += w * h * h * h / 12.0 + w * h * dy * dy;
        iyy += h * w * w * w / 12.0 + w * h * dx * dx;
        ixy += w * h * dx * dy;
    }

    for (int alignment : {0, 4}) {
        SCOPED_TRACE(alignment);
        ReopenWithAlignment(left, alignment);
        for (int run = 0; run < 3; ++run) {
            ASSERT_TRUE(CalculateOverStaleStack(id)) << ::testing::PrintToString(user.BoxTexts());
            const double* r = Section(id).results;
            EXPECT_NEAR(r[RESULT_A], area, 1e-9 * area);
            EXPECT_NEAR(r[RESULT_IXX], ixx, 1e-9 * ixx);
            EXPECT_NEAR(r[RESULT_IYY], iyy, 1e-9 * iyy);
            EXPECT_NEAR(r[RESULT_IXY], ixy, 1e-9 * ixx);
            EXPECT_NEAR(r[RESULT_J], 1e7, 1e-9 * 1e7);
            EXPECT_NEAR(r[RESULT_CX_PLUS], 105.0 - cx, 1e-9);
            EXPECT_NEAR(r[RESULT_CX_MINUS], cx, 1e-9);
            EXPECT_NEAR(r[RESULT_CY_PLUS], 105.0 - cy, 1e-9);
            EXPECT_NEAR(r[RESULT_CY_MINUS], cy + 5.0, 1e-9);
            const T_POINT_D* centroid = model.FindPoint(Section(id).centroidPointId);
            ASSERT_NE(centroid, nullptr);
            EXPECT_NEAR(centroid->xy[0], x0 + cx, 1e-9);
            EXPECT_NEAR(centroid->xy[1], y0 + cy, 1e-9);
        }
    }
}

TEST_F(LineSectionTest, MissingCurveIsReported)
{
    const int id = GenerateLine({Wall({{0, 0}, {100, 0}}, 10)});
    ASSERT_NE(id, 0);
    model.FindSection(id)->curveIds.push_back(99);
    user.ClearRecords();
    EXPECT_FALSE(model.CalcLineSectionProperties(model.FindSection(id)));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Cannot find curve [ID:99] object."});
    EXPECT_FALSE(Section(id).propertiesCalculated);
}

}  // namespace
