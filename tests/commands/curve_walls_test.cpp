// Reversing curves and changing their widths and alignments.

#include "TopologyTestSupport.h"

#include "model/TextFormat.h"

namespace {

constexpr const char* kOneSectionInvalidated =
    "The properties of 1 line section are invalidated.\n\nRe-calculate the properties using [Properties]-[Calculate].";
constexpr const char* kTwoSectionsInvalidated =
    "The properties of 2 line sections are invalidated.\n\nRe-calculate the properties using [Properties]-[Calculate].";

class CurveWallsTest : public TopologyTest {
protected:
    int Wall(const std::vector<std::vector<double>>& positions, int alignment, double width = 4.0)
    {
        const int id = AddCurve(positions);
        model.FindCurve(id)->alignment = alignment;
        model.FindCurve(id)->width = width;
        return id;
    }

    // A calculated line section over the curves, with a centroid point of its own.
    T_SECTION_D& CalculatedLineSection(const std::vector<int>& curveIds)
    {
        return AddSection(SECTION_LINE, curveIds, AddPoint(500, 500 + 10.0 * model.m_sections.size()));
    }

    bool IsCalculated(int sectionId) const { return model.FindSection(sectionId)->propertiesCalculated; }

    // Undo also brings back the sections' results.
    void ExpectUndoRedoRestoresCalculated(const ModelState& before, int sectionId, bool calculatedBefore)
    {
        const bool calculatedAfter = IsCalculated(sectionId);
        ExpectUndoRedoRestores(before);
        ASSERT_TRUE(model.Undo(false));
        EXPECT_EQ(IsCalculated(sectionId), calculatedBefore);
        ASSERT_TRUE(model.Redo());
        EXPECT_EQ(IsCalculated(sectionId), calculatedAfter);
    }
};

struct ReverseCase {
    const char* name;
    int alignment;
    bool swap;
    int alignmentAfter;
    bool invalidated;
};

const ReverseCase kReverseCases[] = {
    {"LeftSwapped", ALIGN_LEFT, true, ALIGN_RIGHT, false},
    {"RightSwapped", ALIGN_RIGHT, true, ALIGN_LEFT, false},
    {"LeftKept", ALIGN_LEFT, false, ALIGN_LEFT, true},
    {"RightKept", ALIGN_RIGHT, false, ALIGN_RIGHT, true},
    {"CenterKept", ALIGN_CENTER, false, ALIGN_CENTER, false},
    {"CenterSwapped", ALIGN_CENTER, true, ALIGN_CENTER, false},
};

TEST_F(CurveWallsTest, ReversingAWallOfACalculatedLineSection)
{
    for (const ReverseCase& c : kReverseCases) {
        SCOPED_TRACE(c.name);
        model.ClearUndoStorage();
        user.ClearRecords();
        const int wall = Wall({{0, 0}, {50, 10}, {100, 0}}, c.alignment);
        const std::vector<int> pointsBefore = CurvePoints(wall);
        const int sectionId = CalculatedLineSection({wall}).id;
        const ModelState before = CaptureState(model);

        const std::vector<int> ids = {wall};
        ASSERT_TRUE(model.ReverseCurves(&ids, c.swap));
        EXPECT_EQ(CurvePoints(wall), std::vector<int>(pointsBefore.rbegin(), pointsBefore.rend()));
        EXPECT_EQ(model.FindCurve(wall)->alignment, c.alignmentAfter);
        EXPECT_EQ(IsCalculated(sectionId), !c.invalidated);
        EXPECT_EQ(user.BoxTexts(), c.invalidated ? std::vector<std::string>{kOneSectionInvalidated}
                                                 : std::vector<std::string>{});
        EXPECT_EQ(UndoTitle(), "Reverse 1 curve");
        EXPECT_EQ(user.lines, std::vector<std::string>{"1 curve is reversed."});
        ExpectUndoRedoRestoresCalculated(before, sectionId, true);
    }
}

TEST_F(CurveWallsTest, ReversingInvalidatesEachSectionOnce)
{
    const int first = Wall({{0, 0}, {100, 0}}, ALIGN_LEFT);
    const int second = Wall({{0, 50}, {100, 50}}, ALIGN_LEFT);
    const int sectionId = CalculatedLineSection({first, second}).id;
    const std::vector<int> ids = {first, second, first};
    ASSERT_TRUE(model.ReverseCurves(&ids, false));
    EXPECT_FALSE(IsCalculated(sectionId));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{kOneSectionInvalidated});
    EXPECT_EQ(UndoTitle(), "Reverse 2 curves");
    EXPECT_EQ(user.lines, std::vector<std::string>{"2 curves are reversed."});
    // Listed twice, the first wall was still reversed only once.
    EXPECT_EQ(model.FindPoint(CurvePoints(first).front())->xy[0], 100.0);

    user.ClearRecords();
    const int third = Wall({{0, 100}, {100, 100}}, ALIGN_RIGHT);
    const int fourth = Wall({{0, 150}, {100, 150}}, ALIGN_LEFT);
    CalculatedLineSection({third});
    CalculatedLineSection({fourth});
    const std::vector<int> both = {third, fourth};
    ASSERT_TRUE(model.ReverseCurves(&both, false));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{kTwoSectionsInvalidated});
}

TEST_F(CurveWallsTest, LoopsKeepTheirDirectionThroughAReversedCurve)
{
    const int a = AddPoint(0, 0), b = AddPoint(10, 0), c = AddPoint(5, 10);
    const int ab = AddCurveThrough({a, b}), bc = AddCurveThrough({b, c}), ac = AddCurveThrough({a, c});
    const int loop = AddLoop({ab, bc, -ac});
    const ModelState before = CaptureState(model);

    const std::vector<int> ids = {bc, ac};
    ASSERT_TRUE(model.ReverseCurves(&ids, true));
    EXPECT_EQ(model.FindClosedLoop(loop)->curveIds, (std::vector<int>{ab, -bc, ac}));
    ExpectUndoRedoRestores(before);
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(model.FindClosedLoop(loop)->curveIds, (std::vector<int>{ab, bc, -ac}));
}

TEST_F(CurveWallsTest, ReversingNothingFilesNoStep)
{
    const std::vector<int> none;
    EXPECT_TRUE(model.ReverseCurves(&none, false));
    EXPECT_TRUE(model.IsUndoEmpty());
    EXPECT_EQ(user.lines, std::vector<std::string>{"Nothing is changed: no curve is given."});
}

TEST_F(CurveWallsTest, MissingCurveReversesNothing)
{
    const int wall = Wall({{0, 0}, {100, 0}}, ALIGN_LEFT);
    const ModelState before = CaptureState(model);
    const std::vector<int> ids = {wall, 42};
    ExpectRefusedWith(model.ReverseCurves(&ids, true), before, "Cannot find curve [ID:42] object.");
    EXPECT_TRUE(user.lines.empty());
}

TEST_F(CurveWallsTest, WidthLongerThanCurvesIsAskedAboutWithNoAsDefault)
{
    const std::vector<int> ids = {Wall({{0, 0}, {10, 0}}, ALIGN_CENTER, 1.0),
                                  Wall({{0, 20}, {0, 30}}, ALIGN_CENTER, 1.0),
                                  Wall({{0, 40}, {20, 40}}, ALIGN_CENTER, 1.0)};
    const ModelState before = CaptureState(model);

    user.QueueAnswers({false});
    EXPECT_FALSE(model.ChangeCurveWidths(&ids, false, 0, true, 12.0));
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text, "Width (12.000) is greater than the length of 2 curves.\n\nIs it right?");
    EXPECT_FALSE(user.questions[0].yesIsDefault);
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_TRUE(model.IsUndoEmpty());

    user.QueueAnswers({true});
    ASSERT_TRUE(model.ChangeCurveWidths(&ids, false, 0, true, 12.0));
    for (int id : ids)
        EXPECT_EQ(model.FindCurve(id)->width, 12.0);
    ExpectUndoRedoRestores(before);

    // A width equal to the length asks nothing, and so does one below the
    // length of a bent curve (the sum of its segments, 10) that passes the
    // distance of its ends (6).
    user.ClearRecords();
    const std::vector<int> first = {ids[0]};
    ASSERT_TRUE(model.ChangeCurveWidths(&first, false, 0, true, 10.0));
    const std::vector<int> bent = {Wall({{0, 60}, {3, 64}, {6, 60}}, ALIGN_CENTER, 1.0)};
    ASSERT_TRUE(model.ChangeCurveWidths(&bent, false, 0, true, 8.0));
    EXPECT_TRUE(user.questions.empty());
    user.QueueAnswers({true});
    ASSERT_TRUE(model.ChangeCurveWidths(&first, false, 0, true, 10.5));
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text, "Width (10.500) is greater than the length of 1 curve.\n\nIs it right?");
}

TEST_F(CurveWallsTest, AlignmentArgumentSwapsLeftAndRight)
{
    const std::vector<int> ids = {Wall({{0, 0}, {100, 0}}, ALIGN_LEFT), Wall({{0, 10}, {100, 10}}, ALIGN_RIGHT),
                                  Wall({{0, 20}, {100, 20}}, ALIGN_CENTER)};
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.ChangeCurveWidths(&ids, true, 3, false, 0.0));
    EXPECT_EQ(model.FindCurve(ids[0])->alignment, ALIGN_RIGHT);
    EXPECT_EQ(model.FindCurve(ids[1])->alignment, ALIGN_LEFT);
    EXPECT_EQ(model.FindCurve(ids[2])->alignment, ALIGN_CENTER);
    for (int id : ids)
        EXPECT_EQ(model.FindCurve(id)->width, 4.0);
    EXPECT_EQ(UndoTitle(), "Change widths of 3 curves");
    EXPECT_EQ(user.lines, std::vector<std::string>{"The alignments of 3 curves are changed to \"Left<->Right\"."});
    ExpectUndoRedoRestores(before);
}

struct ChangeCase {
    const char* name;
    int curveCount;
    bool changeAlignment;
    int alignment;
    bool changeWidth;
    double width;
    int alignmentAfter;  // of curves that were LEFT
    double widthAfter;   // of curves that were 4.0 wide
    const char* title;
    const char* line;
};

const ChangeCase kChangeCases[] = {
    {"AlignmentOfOne", 1, true, 2, false, 0.0, ALIGN_RIGHT, 4.0, "Change width of 1 curve",
     "The alignment of 1 curve is changed to \"Right\"."},
    {"AlignmentOfTwo", 2, true, 0, false, 0.0, ALIGN_CENTER, 4.0, "Change widths of 2 curves",
     "The alignments of 2 curves are changed to \"Center\"."},
    {"WidthOfOne", 1, false, 0, true, 7.25, ALIGN_LEFT, 7.25, "Change width of 1 curve",
     "The width of 1 curve is changed to 7.250."},
    {"WidthOfTwo", 2, false, 0, true, 12.0, ALIGN_LEFT, 12.0, "Change widths of 2 curves",
     "The widths of 2 curves are changed to 12.000."},
    {"BothOfOne", 1, true, 0, true, 5.0, ALIGN_CENTER, 5.0, "Change width of 1 curve",
     "The alignment and width of 1 curve is changed to \"Center\" and 5.000, respectively."},
    {"BothOfTwo", 2, true, 2, true, 2.5, ALIGN_RIGHT, 2.5, "Change widths of 2 curves",
     "The alignments and widths of 2 curves are changed to \"Right\" and 2.500, respectively."},
    {"WidthRemoved", 1, false, 0, true, 0.0, ALIGN_LEFT, 0.0, "Change width of 1 curve",
     "The width of 1 curve is changed to 0.000."},
};

TEST_F(CurveWallsTest, ChangingWidthsAndAlignmentsOfFreeCurves)
{
    for (const ChangeCase& c : kChangeCases) {
        SCOPED_TRACE(c.name);
        model.m_curves.clear();
        model.ClearUndoStorage();
        user.ClearRecords();
        std::vector<int> ids;
        for (int k = 0; k < c.curveCount; ++k)
            ids.push_back(Wall({{0, 10.0 * k}, {100, 10.0 * k}}, ALIGN_LEFT));
        const ModelState before = CaptureState(model);

        ASSERT_TRUE(model.ChangeCurveWidths(&ids, c.changeAlignment, c.alignment, c.changeWidth, c.width));
        for (int id : ids) {
            EXPECT_EQ(model.FindCurve(id)->alignment, c.alignmentAfter);
            EXPECT_EQ(model.FindCurve(id)->width, c.widthAfter);
        }
        EXPECT_EQ(UndoTitle(), c.title);
        EXPECT_EQ(user.lines, std::vector<std::string>{c.line});
        EXPECT_TRUE(user.boxes.empty());
        EXPECT_TRUE(user.questions.empty());
        ExpectUndoRedoRestores(before);
    }
}

TEST_F(CurveWallsTest, ChangingAWallInvalidatesItsCalculatedLineSection)
{
    const int wall = Wall({{0, 0}, {100, 0}}, ALIGN_CENTER);
    const int sectionId = CalculatedLineSection({wall}).id;
    const ModelState before = CaptureState(model);
    const std::vector<int> ids = {wall};
    ASSERT_TRUE(model.ChangeCurveWidths(&ids, true, 1, false, 0.0));
    EXPECT_EQ(model.FindCurve(wall)->alignment, ALIGN_LEFT);
    EXPECT_FALSE(IsCalculated(sectionId));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{kOneSectionInvalidated});
    ExpectUndoRedoRestoresCalculated(before, sectionId, true);

    // The same values again still take the results away; a plane section's
    // curve takes nothing away.
    model.FindSection(sectionId)->propertiesCalculated = true;
    const int planeWall = Wall({{0, 50}, {100, 50}}, ALIGN_CENTER);
    const int planeId = AddSection(SECTION_PLANE, {planeWall}, AddPoint(300, 300)).id;
    user.ClearRecords();
    const std::vector<int> again = {wall, planeWall};
    ASSERT_TRUE(model.ChangeCurveWidths(&again, false, 0, true, 4.0));
    EXPECT_FALSE(IsCalculated(sectionId));
    EXPECT_TRUE(IsCalculated(planeId));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{kOneSectionInvalidated});
}

TEST_F(CurveWallsTest, ChangeRefusalsChangeNothingAndOpenNoAction)
{
    const int wall = Wall({{0, 0}, {100, 0}}, ALIGN_LEFT);
    const ModelState before = CaptureState(model);
    const std::vector<int> ids = {wall};
    EXPECT_FALSE(model.ChangeCurveWidths(&ids, false, 1, false, 5.0));
    EXPECT_FALSE(model.ChangeCurveWidths(&ids, true, 4, true, 5.0));
    EXPECT_FALSE(model.ChangeCurveWidths(&ids, true, -1, false, 0.0));
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_TRUE(user.lines.empty());

    const std::vector<int> withMissing = {wall, 42};
    EXPECT_FALSE(model.ChangeCurveWidths(&withMissing, true, 0, false, 0.0));
    model.FindCurve(wall)->pointIds.push_back(77);
    EXPECT_FALSE(model.ChangeCurveWidths(&ids, false, 0, true, 5.0));
    model.FindCurve(wall)->pointIds.pop_back();
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{"Cannot find curve [ID:42] object.",
                                                         "Cannot find point [ID:77] object."}));
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_TRUE(model.IsUndoEmpty());
}

} // namespace
