// Line-section properties: strips of the walls, open-wall torsion and the
// closed cells' shear flows.

#include <gtest/gtest.h>

#include "calc/PropsTestSupport.h"

namespace {

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
