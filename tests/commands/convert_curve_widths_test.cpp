#include "TopologyTestSupport.h"

#include <array>

namespace {

using Segment = std::array<double, 4>;  // x1, y1, x2, y2

class ConvertCurveWidthsTest : public TopologyTest {
protected:
    int WideCurve(const std::vector<std::vector<double>>& positions, int alignment, double width)
    {
        const int id = AddCurve(positions);
        model.FindCurve(id)->alignment = alignment;
        model.FindCurve(id)->width = width;
        return id;
    }

    // The curves made after `lastOldId`, as coordinate pairs in id order.
    std::vector<Segment> LinesAfter(int lastOldId) const
    {
        std::vector<Segment> lines;
        for (const auto& [id, curve] : model.m_curves) {
            if (id <= lastOldId)
                continue;
            EXPECT_EQ(curve->pointIds.size(), 2u) << "curve " << id;
            EXPECT_EQ(curve->alignment, ALIGN_CENTER);
            EXPECT_EQ(curve->width, 0.0);
            EXPECT_EQ(curve->sectionId, 0);
            EXPECT_TRUE(curve->closedLoopIds.empty());
            const double* a = model.FindPoint(curve->pointIds.front())->xy;
            const double* b = model.FindPoint(curve->pointIds.back())->xy;
            lines.push_back({a[0], a[1], b[0], b[1]});
        }
        return lines;
    }

    void ExpectLines(const std::vector<Segment>& actual, const std::vector<Segment>& expected) const
    {
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t k = 0; k < expected.size(); ++k) {
            for (size_t c = 0; c < 4; ++c)
                EXPECT_NEAR(actual[k][c], expected[k][c], 1e-9) << "line " << k << " value " << c;
        }
    }
};

struct BandCase {
    const char* name;
    int alignment;
    bool startEndSides;
    bool leftRightSides;
    // Sides in order start end, right, far end, left, of the band of
    // (0, 0)-(100, 0), width 10.
    std::vector<Segment> lines;
    size_t newPointCount;
    const char* line;
};

const BandCase kBandCases[] = {
    {"CenterAllSides", ALIGN_CENTER, true, true,
     {{0, 5, 0, -5}, {0, -5, 100, -5}, {100, -5, 100, 5}, {100, 5, 0, 5}}, 4,
     "4 new curves (lines) are created by converting the widths of 1 curve(s)."},
    // The right side runs over the curve's own points and is still drawn.
    {"LeftAllSides", ALIGN_LEFT, true, true, {{0, 10, 0, 0}, {0, 0, 100, 0}, {100, 0, 100, 10}, {100, 10, 0, 10}},
     2, "4 new curves (lines) are created by converting the widths of 1 curve(s)."},
    {"RightEndsOnly", ALIGN_RIGHT, true, false, {{0, 0, 0, -10}, {100, -10, 100, 0}}, 2,
     "2 new curves (lines) are created by converting the widths of 1 curve(s)."},
    {"CenterLongSidesOnly", ALIGN_CENTER, false, true, {{0, -5, 100, -5}, {100, 5, 0, 5}}, 4,
     "2 new curves (lines) are created by converting the widths of 1 curve(s)."},
};

TEST_F(ConvertCurveWidthsTest, BandOfOneLineForEachAlignmentAndChoiceOfSides)
{
    for (const BandCase& c : kBandCases) {
        SCOPED_TRACE(c.name);
        model.m_points.clear();
        model.m_curves.clear();
        model.ClearUndoStorage();
        user.ClearRecords();
        const int source = WideCurve({{0, 0}, {100, 0}}, c.alignment, 10.0);
        const size_t pointsBefore = model.m_points.size();
        const ModelState before = CaptureState(model);

        ASSERT_TRUE(model.ConvertCurveWidths({source}, c.startEndSides, c.leftRightSides, false));
        ExpectLines(LinesAfter(source), c.lines);
        EXPECT_EQ(model.m_points.size() - pointsBefore, c.newPointCount);
        EXPECT_EQ(NewcomerCurves().size(), c.lines.size());
        EXPECT_EQ(NewcomerPoints().size(), c.newPointCount);
        EXPECT_EQ(CaptureState(model).curves.at(source), before.curves.at(source));
        EXPECT_EQ(UndoTitle(), "Convert 1 curve to rectangluar curve group");
        EXPECT_EQ(user.lines, std::vector<std::string>{c.line});
        EXPECT_TRUE(user.boxes.empty());
        ExpectUndoRedoRestores(before);
    }
}

TEST_F(ConvertCurveWidthsTest, SidesAlreadyDrawnAreNotDrawnAgain)
{
    // Two collinear segments: the end line between them serves both.
    const int polyline = WideCurve({{0, 0}, {50, 0}, {100, 0}}, ALIGN_CENTER, 10.0);
    ASSERT_TRUE(model.ConvertCurveWidths({polyline}, true, false, false));
    ExpectLines(LinesAfter(polyline), {{0, 5, 0, -5}, {50, -5, 50, 5}, {100, -5, 100, 5}});
    EXPECT_EQ(user.LastLine(), "3 new curves (lines) are created by converting the widths of 1 curve(s).");

    // A line continuing another one already converted finds its start end drawn.
    const int first = WideCurve({{0, 100}, {100, 100}}, ALIGN_CENTER, 10.0);
    const int second = WideCurve({{100, 100}, {200, 100}}, ALIGN_CENTER, 10.0);
    ASSERT_TRUE(model.ConvertCurveWidths({first}, true, false, false));
    const int lastBefore = model.m_nextCurveId - 1;
    ASSERT_TRUE(model.ConvertCurveWidths({second}, true, false, false));
    ExpectLines(LinesAfter(lastBefore), {{200, 95, 200, 105}});
    EXPECT_EQ(user.LastLine(), "1 new curve (line) is created by converting the width of 1 curve(s).");

    // The same conversion again draws nothing but still runs.
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.ConvertCurveWidths({second}, true, false, false));
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_EQ(user.LastLine(),
              "Nothing is changed: every side of the widths' outlines is already drawn or has no length.");
}

TEST_F(ConvertCurveWidthsTest, RefusalsChangeNothingAndOpenNoAction)
{
    const int wide = WideCurve({{0, 0}, {100, 0}}, ALIGN_CENTER, 10.0);
    const int thin = AddCurve({{0, 50}, {100, 50}});
    const int nearlyThin = WideCurve({{0, 80}, {100, 80}}, ALIGN_CENTER, 5e-7);
    const ModelState before = CaptureState(model);

    EXPECT_FALSE(model.ConvertCurveWidths({wide}, false, false, true));
    EXPECT_FALSE(model.ConvertCurveWidths({thin, nearlyThin}, true, true, false));
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_TRUE(user.lines.empty());

    EXPECT_FALSE(model.ConvertCurveWidths({wide, 42}, true, true, false));
    model.FindCurve(wide)->pointIds.push_back(77);
    EXPECT_FALSE(model.ConvertCurveWidths({wide}, true, true, false));
    model.FindCurve(wide)->pointIds.pop_back();
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{"Cannot find curve [ID:42] object.",
                                                         "Cannot find point [ID:77] object."}));
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_TRUE(model.IsUndoEmpty());
}

TEST_F(ConvertCurveWidthsTest, CurvesOfLoopsAndSectionsAreSkippedWithTheInformationBox)
{
    const int a = AddPoint(0, 0), b = AddPoint(100, 0), c = AddPoint(50, 80);
    const std::vector<int> triangle = {AddCurveThrough({a, b}), AddCurveThrough({b, c}), AddCurveThrough({c, a})};
    for (int id : triangle)
        model.FindCurve(id)->width = 4.0;
    AddLoop(triangle);
    const int ofSection = WideCurve({{0, 200}, {100, 200}}, ALIGN_CENTER, 4.0);
    AddSection(SECTION_LINE, {ofSection});
    const int free = WideCurve({{0, -100}, {100, -100}}, ALIGN_CENTER, 4.0);
    const int lastOld = free;

    ASSERT_TRUE(model.ConvertCurveWidths({triangle[0], free, ofSection}, true, true, false));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Curve belonging to the section or the closed loop will be "
                                                        "skipped in this operation."});
    ExpectLines(LinesAfter(lastOld),
                {{0, -98, 0, -102}, {0, -102, 100, -102}, {100, -102, 100, -98}, {100, -98, 0, -98}});

    user.ClearRecords();
    EXPECT_FALSE(model.ConvertCurveWidths({triangle[1], ofSection}, true, true, false));
    EXPECT_EQ(user.boxes.size(), 1u);
}

TEST_F(ConvertCurveWidthsTest, DeletingTheSourceKeepsPointsOthersNeed)
{
    const int start = AddPoint(0, 0), end = AddPoint(100, 0), centroid = AddPoint(200, 0);
    const int shared = AddPoint(300, 0);
    const int first = AddCurveThrough({start, end});
    const int second = AddCurveThrough({centroid, shared});
    for (int id : {first, second}) {
        model.FindCurve(id)->width = 10.0;
    }
    AddCurveThrough({shared, AddPoint(300, 50)});
    AddSection(SECTION_PLANE, {AddCurve({{0, 500}, {10, 500}})}, centroid);
    const ModelState before = CaptureState(model);

    // Listed twice, the first curve is converted and deleted once.
    ASSERT_TRUE(model.ConvertCurveWidths({first, second, first}, true, true, true));
    EXPECT_EQ(model.FindCurve(first), nullptr);
    EXPECT_EQ(model.FindCurve(second), nullptr);
    EXPECT_EQ(model.FindPoint(start), nullptr);
    EXPECT_EQ(model.FindPoint(end), nullptr);
    EXPECT_NE(model.FindPoint(centroid), nullptr);  // the calculated section's centroid
    EXPECT_NE(model.FindPoint(shared), nullptr);    // another curve's point
    EXPECT_EQ(model.m_curves.size() - (before.curves.size() - 2), 8u);
    EXPECT_EQ(UndoTitle(), "Convert 2 curves to rectangluar curve group");
    EXPECT_EQ(user.lines,
              std::vector<std::string>{"8 new curves (lines) are created by converting the widths of 2 curve(s)."});
    ExpectNoDanglingIds();
    ExpectUndoRedoRestores(before);
}

// Corners that fall on one point make no line from that point to itself.
struct CollapsedCornerCase {
    const char* name;
    std::vector<std::vector<double>> positions;
    double width;
    std::vector<Segment> lines;
};

const CollapsedCornerCase kCollapsedCornerCases[] = {
    // Every corner lies within the tolerance 1.0 of the curve's own end points;
    // only the long side over them is a line.
    {"WidthBelowTolerance", {{0, 0}, {100, 0}}, 0.5, {{0, 0, 100, 0}}},
    // The second segment has no length: both its long sides shrink to a point
    // and its ends are the first segment's far end.
    {"ZeroLengthSegment", {{0, 0}, {100, 0}, {100, 0}}, 10.0,
     {{0, 5, 0, -5}, {0, -5, 100, -5}, {100, -5, 100, 5}, {100, 5, 0, 5}}},
};

TEST_F(ConvertCurveWidthsTest, CornersOnOnePointMakeNoLine)
{
    for (const CollapsedCornerCase& c : kCollapsedCornerCases) {
        SCOPED_TRACE(c.name);
        model.m_points.clear();
        model.m_curves.clear();
        const int source = WideCurve(c.positions, ALIGN_CENTER, c.width);
        ASSERT_TRUE(model.ConvertCurveWidths({source}, true, true, false));
        ExpectLines(LinesAfter(source), c.lines);
        for (const auto& [id, curve] : model.m_curves)
            EXPECT_NE(curve->pointIds.front(), curve->pointIds.back()) << "curve " << id;
    }
}

} // namespace
