// Editing the walls of a calculated line section: the edits that keep the
// results valid really leave the properties as they were, and a
// recalculation after the others sees the walls where they now lie.

#include <gtest/gtest.h>

#include "calc/PropsTestSupport.h"

namespace {

class PropsAfterCurveEditsTest : public PropsTest {
protected:
    int Wall(const Polyline& points, double width, int alignment)
    {
        const int id = Draw(points);
        model.FindCurve(id)->width = width;
        model.FindCurve(id)->alignment = alignment;
        return id;
    }

    int CalculatedSection(const std::vector<int>& walls)
    {
        const int id = GenerateLine(walls);
        EXPECT_NE(id, 0) << ::testing::PrintToString(user.BoxTexts());
        Recalculate(id);
        return id;
    }

    void Recalculate(int sectionId)
    {
        model.BeginUndoAction();
        EXPECT_TRUE(model.CalcLineSectionProperties(model.FindSection(sectionId)))
            << ::testing::PrintToString(user.BoxTexts());
    }

    // Area and centroid of the section, with the centroid from its point.
    struct Summary {
        double area;
        double cx;
        double cy;
        double ixx;
        double j;
    };

    Summary Summarize(int sectionId) const
    {
        const T_SECTION_D& section = *model.FindSection(sectionId);
        const T_POINT_D* centroid = model.FindPoint(section.centroidPointId);
        EXPECT_NE(centroid, nullptr);
        if (!centroid)
            return {};
        return {section.results[RESULT_A], centroid->xy[0], centroid->xy[1], section.results[RESULT_IXX],
                section.results[RESULT_J]};
    }

    static void ExpectSummary(const Summary& actual, const Summary& expected)
    {
        EXPECT_NEAR(actual.area, expected.area, 1e-9 * expected.area);
        EXPECT_NEAR(actual.cx, expected.cx, 1e-9);
        EXPECT_NEAR(actual.cy, expected.cy, 1e-9);
        EXPECT_NEAR(actual.ixx, expected.ixx, 1e-9 * expected.ixx);
        EXPECT_NEAR(actual.j, expected.j, 1e-9 * expected.j);
    }
};

// A strip 100 long and 10 thick: A = 1000, Ixx = 100 * 10^3 / 12 about its
// own centroid, J = 100 * 10^3 / 3.
constexpr double kStripArea = 1000.0;
constexpr double kStripIxx = 100.0 * 1000.0 / 12.0;
constexpr double kStripJ = 100.0 * 1000.0 / 3.0;

TEST_F(PropsAfterCurveEditsTest, ReversingWithTheSwapKeepsTheWallWhereItWas)
{
    // LEFT of a wall running along +x lies above it, between y = 0 and 10.
    const int wall = Wall({{0, 0}, {100, 0}}, 10.0, ALIGN_LEFT);
    const int sectionId = CalculatedSection({wall});
    ExpectSummary(Summarize(sectionId), {kStripArea, 50.0, 5.0, kStripIxx, kStripJ});

    const std::vector<int> ids = {wall};
    ASSERT_TRUE(model.ReverseCurves(&ids, true));
    ASSERT_TRUE(model.FindSection(sectionId)->propertiesCalculated);
    Recalculate(sectionId);
    ExpectSummary(Summarize(sectionId), {kStripArea, 50.0, 5.0, kStripIxx, kStripJ});

    // Without the swap the wall turns to the other side of its line.
    ASSERT_TRUE(model.ReverseCurves(&ids, false));
    ASSERT_FALSE(model.FindSection(sectionId)->propertiesCalculated);
    Recalculate(sectionId);
    ExpectSummary(Summarize(sectionId), {kStripArea, 50.0, -5.0, kStripIxx, kStripJ});
}

TEST_F(PropsAfterCurveEditsTest, SplittingAWallLeavesTheResultsValid)
{
    const int wall = Wall({{0, 0}, {30, 0}, {100, 0}}, 10.0, ALIGN_CENTER);
    const int sectionId = CalculatedSection({wall});
    const Summary strip = {kStripArea, 50.0, 0.0, kStripIxx, kStripJ};
    ExpectSummary(Summarize(sectionId), strip);

    const std::vector<int> at = {model.FindCurve(wall)->pointIds[1]};
    ASSERT_TRUE(model.SplitCurve(wall, &at));
    ASSERT_TRUE(model.FindSection(sectionId)->propertiesCalculated);
    ASSERT_EQ(model.FindSection(sectionId)->curveIds.size(), 2u);
    Recalculate(sectionId);
    ExpectSummary(Summarize(sectionId), strip);
}

TEST_F(PropsAfterCurveEditsTest, ChangedWidthIsCalculatedAnew)
{
    const int wall = Wall({{0, 0}, {100, 0}}, 10.0, ALIGN_CENTER);
    const int sectionId = CalculatedSection({wall});
    const std::vector<int> ids = {wall};
    ASSERT_TRUE(model.ChangeCurveWidths(&ids, true, 2, true, 6.0));
    ASSERT_FALSE(model.FindSection(sectionId)->propertiesCalculated);
    Recalculate(sectionId);
    // RIGHT of +x lies below: a strip 6 thick between y = -6 and 0.
    ExpectSummary(Summarize(sectionId), {600.0, 50.0, -3.0, 100.0 * 216.0 / 12.0, 100.0 * 216.0 / 3.0});
}

} // namespace
