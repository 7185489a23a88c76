// Pick Curve and Query Curve without a display: which curves end up
// selected, what the document is asked, and what the user is told.

#include "tools/CurvePageFixture.h"
#include "tools/CurvePickDialogs.h"

#include <memory>
#include <set>

namespace {

// The curves the view shows as active; 1, 6 and 8 are inactive.
const std::set<int> ACTIVE_CURVES{2, 3, 4, 5, 7, 9};

struct Criterion {
    int check;
    const char* idText = nullptr;
};

struct PickCase {
    const char* name;
    int combination;
    std::vector<Criterion> criteria;
    std::vector<int> byWidth;  // what the document's width pick answers
    std::set<int> selected;
    Calls boxes;
};

const PickCase PICK_CASES[] = {
    // The width gives 5 again and the inactive 6: each active curve once.
    {"IdRangeOrWidth", PICK_COMBINE_UNION, {{PICK_BY_ID, "3..5"}, {PICK_BY_WIDTH}}, {5, 9, 2, 6}, {2, 3, 4, 5, 9}, {}},
    {"IdRangeAndWidth", PICK_COMBINE_INTERSECTION, {{PICK_BY_ID, "3..5"}, {PICK_BY_WIDTH}}, {5, 9, 2, 6}, {5}, {}},
    {"WidthAndIdRange", PICK_COMBINE_INTERSECTION, {{PICK_BY_ID, "9 5, 4"}, {PICK_BY_WIDTH}}, {5, 9, 4}, {4, 5, 9}, {}},
    {"AnIdTwiceIsSelectedOnce", PICK_COMBINE_INTERSECTION, {{PICK_BY_ID, "4 4"}}, {}, {4}, {}},
    {"AnIdTwiceInUnion", PICK_COMBINE_UNION, {{PICK_BY_ID, "4 4 3"}}, {}, {3, 4}, {}},
    {"InactiveCurvesNeverSelected", PICK_COMBINE_UNION, {{PICK_BY_ID, "1..3 6 8 40"}, {PICK_BY_WIDTH}}, {1, 6, 8},
     {2, 3}, {}},
    {"NothingChecked", PICK_COMBINE_UNION, {}, {2, 3}, {}, {}},
    {"NothingCheckedIntersection", PICK_COMBINE_INTERSECTION, {}, {2, 3}, {}, {}},
    {"BadIdTextGivesNoIdsInUnion", PICK_COMBINE_UNION, {{PICK_BY_ID, "3..x"}, {PICK_BY_WIDTH}}, {9, 2}, {2, 9},
     {"Input error!"}},
    {"BadIdTextEmptiesIntersection", PICK_COMBINE_INTERSECTION, {{PICK_BY_ID, "3..x"}, {PICK_BY_WIDTH}}, {9, 2}, {},
     {"Input error!"}},
};

}  // namespace

class PickCurveTest : public CurvePageTest {
protected:
    void SetUp() override
    {
        CurvePageTest::SetUp();
        for (int id = 1; id <= 9; ++id) {
            document.model.m_curves[id] = std::make_unique<T_CURVE_D>();
            document.model.m_curves[id]->id = id;
        }
        for (int id : ACTIVE_CURVES)
            view.scene.m_active[KIND_CURVE].insert(CurveKey(id));
    }
    std::set<int> SelectedCurves() const
    {
        std::set<int> ids;
        for (int key : view.SelectedKeys(KIND_CURVE))
            ids.insert(IdOfKey(key));
        return ids;
    }
};

TEST_F(PickCurveTest, TheCheckedCriteriaSelectTheirActiveCurvesAsUnionOrIntersection)
{
    for (const PickCase& c : PICK_CASES) {
        SCOPED_TRACE(c.name);
        auto& form = Open<CCToolPick>(2030);
        form.Choose(PICK_UNION, c.combination);
        for (const Criterion& criterion : c.criteria) {
            form.Check(criterion.check, true);
            if (criterion.idText)
                form.SetText(PICK_ID_TEXT, criterion.idText);
        }
        form.SetText(PICK_WIDTH, "2.5");
        document.idResults["PickCurvesByWidth"] = c.byWidth;
        SelectCurves({7});  // an earlier selection is dropped
        document.calls.clear();
        document.user.ClearRecords();
        Apply();
        EXPECT_EQ(SelectedCurves(), c.selected);
        EXPECT_EQ(Boxes(), c.boxes);
        const bool byWidth = std::any_of(c.criteria.begin(), c.criteria.end(),
                                         [](const Criterion& criterion) { return criterion.check == PICK_BY_WIDTH; });
        EXPECT_EQ(document.calls, byWidth ? Calls{"PickCurvesByWidth(2.5)"} : Calls{});
        controller.SelectCommand(2031);
    }
}

TEST_F(PickCurveTest, AlignmentClosedLoopAndSectionAskTheDocumentWithTheChosenRow)
{
    for (int id : {4, 11}) {
        document.model.m_closedLoops[id] = std::make_unique<T_LOOP_D>();
        document.model.m_closedLoops[id]->id = id;
    }
    for (const auto& [id, name] : {std::pair{2, "Web"}, std::pair{5, ""}, std::pair{7, "Flange"}}) {
        document.model.m_sections[id] = std::make_unique<T_SECTION_D>();
        document.model.m_sections[id]->id = id;
        document.model.m_sections[id]->name = name;
    }
    auto& form = Open<CCToolPick>(2030);
    EXPECT_EQ(form.Rows(PICK_ALIGNMENT), (Calls{"Center", "Left", "Right"}));
    EXPECT_EQ(form.Rows(PICK_CLOSED_LOOP), (Calls{"4", "11"}));
    EXPECT_EQ(form.Rows(PICK_SECTION), (Calls{"Web", "", "Flange"}));
    EXPECT_EQ(form.GetClosedLoopId(), -1);
    EXPECT_EQ(form.GetSectionId(), -1);
    for (int check : {PICK_BY_ALIGNMENT, PICK_BY_CLOSED_LOOP, PICK_BY_SECTION})
        form.Check(check, true);
    // No row chosen: alignment 0 and ids -1, which match nothing.
    Apply();
    EXPECT_EQ(document.calls,
              (Calls{"PickCurvesByAlignment(0)", "PickCurvesOfClosedLoop(-1)", "PickCurvesOfSection(-1)"}));
    form.SelectRow(PICK_ALIGNMENT, 2);
    form.SelectRow(PICK_CLOSED_LOOP, 1);
    form.SelectRow(PICK_SECTION, 2);
    document.idResults["PickCurvesOfSection"] = {3, 9};
    document.calls.clear();
    Apply();
    EXPECT_EQ(document.calls,
              (Calls{"PickCurvesByAlignment(3)", "PickCurvesOfClosedLoop(11)", "PickCurvesOfSection(7)"}));
    EXPECT_EQ(SelectedCurves(), (std::set<int>{3, 9}));
    EXPECT_EQ(form.GetSectionId(), 7);
}

TEST_F(PickCurveTest, CheckBoxesFollowWhatTheModelHoldsAndInputsStartDisabled)
{
    struct Case {
        const char* name;
        bool curves;
        bool loops;
        bool sections;
    };
    for (const Case& c : {Case{"Empty", false, false, false}, Case{"CurvesOnly", true, false, false},
                          Case{"LoopsNoSections", true, true, false}, Case{"Everything", true, true, true}}) {
        SCOPED_TRACE(c.name);
        document.model.m_curves.clear();
        document.model.m_closedLoops.clear();
        document.model.m_sections.clear();
        if (c.curves)
            document.model.m_curves[1] = std::make_unique<T_CURVE_D>();
        if (c.loops)
            document.model.m_closedLoops[1] = std::make_unique<T_LOOP_D>();
        if (c.sections)
            document.model.m_sections[1] = std::make_unique<T_SECTION_D>();
        auto& form = Open<CCToolPick>(2030);
        for (int check : {PICK_BY_ID, PICK_BY_WIDTH, PICK_BY_ALIGNMENT})
            EXPECT_EQ(form.IsEnabled(check), c.curves) << check;
        EXPECT_EQ(form.IsEnabled(PICK_BY_CLOSED_LOOP), c.loops);
        EXPECT_EQ(form.IsEnabled(PICK_BY_SECTION), c.sections);
        for (int input : {PICK_ID_TEXT, PICK_WIDTH, PICK_ALIGNMENT, PICK_CLOSED_LOOP, PICK_SECTION})
            EXPECT_FALSE(form.IsEnabled(input)) << input;
        controller.SelectCommand(2031);
    }
}

TEST_F(PickCurveTest, EachOpeningUnchecksAndDisablesButKeepsTheTexts)
{
    auto& form = Open<CCToolPick>(2030);
    form.Choose(PICK_UNION, PICK_COMBINE_INTERSECTION);
    form.Check(PICK_BY_ID, true);
    form.Check(PICK_BY_WIDTH, true);
    EXPECT_TRUE(form.IsEnabled(PICK_ID_TEXT));
    EXPECT_TRUE(form.IsEnabled(PICK_WIDTH));
    form.Check(PICK_BY_WIDTH, false);
    EXPECT_FALSE(form.IsEnabled(PICK_WIDTH));
    form.SetText(PICK_ID_TEXT, "1..4");
    controller.SelectCommand(2000);
    controller.SelectCommand(2030);
    EXPECT_EQ(form.Choice(PICK_UNION), PICK_COMBINE_UNION);
    EXPECT_FALSE(form.Checked(PICK_BY_ID));
    EXPECT_FALSE(form.IsEnabled(PICK_ID_TEXT));
    EXPECT_EQ(form.Field(PICK_ID_TEXT)->text, "1..4");
}

TEST_F(PickCurveTest, AWidthNotANumberChangesNothing)
{
    SelectCurves({7});
    auto& form = Open<CCToolPick>(2030);
    form.Check(PICK_BY_WIDTH, true);
    form.SetText(PICK_WIDTH, "wide");
    Apply();
    EXPECT_EQ(Boxes(), Calls{"Please enter a number."});
    EXPECT_TRUE(document.calls.empty());
}

TEST_F(PickCurveTest, PickKeepsItsSelectionForTheNextCommandQueryAndOthersClearIt)
{
    auto& form = Open<CCToolPick>(2030);
    form.Check(PICK_BY_ID, true);
    form.SetText(PICK_ID_TEXT, "2 3");
    Apply();
    controller.SelectCommand(2015);
    EXPECT_EQ(SelectedCurves(), (std::set<int>{2, 3}));
    for (int shown : {2031, 2002}) {
        SCOPED_TRACE(shown);
        controller.SelectCommand(shown);
        SelectCurves({4});
        controller.SelectCommand(2004);
        EXPECT_TRUE(NoCurveSelected());
    }
}

TEST_F(CurvePageTest, QueryReportsExactlyOneSelectedCurveAndAlwaysClears)
{
    struct Case {
        const char* name;
        std::vector<int> selected;
        Calls calls;
        Calls boxes;
    };
    const Case cases[] = {
        {"OneCurve", {12}, {"QueryCurve(12)"}, {}},
        {"TwoCurves", {12, 3}, {}, {"Select one object curve."}},
        {"None", {}, {}, {"Select one object curve."}},
    };
    Open<CCToolQuery>(2031);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int id : c.selected)
            view.SelectKeyAsClick(CURVE_KEY_BASE + id);
        document.calls.clear();
        document.user.ClearRecords();
        Apply();
        EXPECT_EQ(document.calls, c.calls);
        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_TRUE(NoCurveSelected());
    }
    // The query after a selection click runs the same apply.
    SelectCurves({5});
    document.calls.clear();
    EXPECT_TRUE(controller.RunQuery(2031));
    EXPECT_EQ(document.calls, Calls{"QueryCurve(5)"});
    EXPECT_TRUE(NoCurveSelected());
}
