// The steps of a tool page over the view port, on the test page: show, hide,
// apply, close and the query after a pick, without a display.

#include "frame/ToolPageContext.h"
#include "frame/ToolPageController.h"
#include "support/ScriptedUserPorts.h"
#include "view/MouseModes.h"
#include "view/support/FakeToolView.h"
#include "view/support/TestToolPage.h"

#include <gtest/gtest.h>

namespace {

using Filter = std::array<bool, KIND_COUNT>;  // points, curves, sections, closed loops, domains
const Filter POINTS_ONLY{true, false, false, false, false};
const Filter CURVES_ONLY{false, true, false, false, false};
const Filter SECTIONS_ONLY{false, false, true, false, false};
const Filter POINTS_CURVES_SECTIONS{true, true, true, false, false};
const Filter ALL_BUT_DOMAINS{true, true, true, true, false};

class ToolPageSteps : public testing::Test {
protected:
    void SetUp() override
    {
        controller.SetWindow(&window);
        controller.SetCloseRequest([this] { page.log.push_back("close page"); });
    }

    // Selects a point, a curve and a section as clicks would.
    void SelectSomething()
    {
        for (int key : {1000001, 2000002, 3000003})
            view.SelectKeyAsClick(key);
    }
    bool NothingSelected() const
    {
        return view.scene.m_selection[KIND_POINT].empty() && view.scene.m_selection[KIND_CURVE].empty()
               && view.scene.m_selection[KIND_SECTION].empty();
    }

    FakeToolView view;
    ScriptedUserPorts user;
    TestToolPage page;
    ToolPageTable table = page.StandardTable();
    ToolPageContext context{&view, nullptr, &user, nullptr, nullptr, {}};
    CToolPageController controller{ShellOf(ToolPageKind::Point), table, context};
    RecordingPageWindow window{page.log};
};

TEST_F(ToolPageSteps, ShowSetsTheToolWordsAndTheFilterThenMakesTheDialogBeforeItsExtraStep)
{
    controller.SelectCommand(1000);
    EXPECT_EQ(view.toolCommandId, 1000);
    EXPECT_EQ(view.toolActive, 1);
    EXPECT_EQ(view.mouseMode, MOUSE_SELECT);
    EXPECT_EQ(view.PickFilter(), POINTS_ONLY);
    EXPECT_EQ(page.log, (std::vector<std::string>{"combo 0", "make dialog Test Move", "extra show 0"}));
    EXPECT_EQ(controller.CurrentIndex(), 0);
    EXPECT_EQ(controller.PreviousIndex(), 0);
}

TEST_F(ToolPageSteps, ARowWithoutAFilterLeavesFilterAndMouseModeAsTheyWere)
{
    table.rows[1].pickFilter = PICK_FILTER_UNCHANGED;
    view.SetPickFilter(30002);
    view.mouseMode = MOUSE_DYNAMIC_PAN;
    view.ClearCalls();
    controller.SelectCommand(1001);
    EXPECT_EQ(view.toolCommandId, 1001);
    // The hide before every show leaves mode 0; the show sets none.
    EXPECT_EQ(view.mouseMode, MOUSE_NONE);
    EXPECT_EQ(view.PickFilter(), SECTIONS_ONLY);
    for (const std::string& call : view.calls)
        EXPECT_EQ(call.find("SetPickFilter"), std::string::npos) << call;
}

TEST_F(ToolPageSteps, SelectingTheShownCommandAgainNeitherHidesNorRemakesItAndKeepsTheInput)
{
    controller.SelectCommand(1000);
    page.Form(0).SetText(TEST_FIRST_FIELD, "5, 6");
    page.log.clear();
    controller.SelectCommand(1000);
    controller.OnSelChangeCommand(0);
    EXPECT_EQ(page.log, std::vector<std::string>{"combo 0"});
    EXPECT_EQ(page.Form(0).Field(TEST_FIRST_FIELD)->text, "5, 6");
    EXPECT_EQ(view.toolCommandId, 1000);
}

TEST_F(ToolPageSteps, ASeparatorHidesThePreviousCommandAndApplyThenOnlyRendersAnew)
{
    controller.SelectCommand(1000);
    SelectSomething();
    page.log.clear();
    controller.OnSelChangeCommand(2);
    EXPECT_EQ(page.log, (std::vector<std::string>{"destroy dialog", "extra hide 0"}));
    EXPECT_TRUE(NothingSelected());
    EXPECT_EQ(view.toolCommandId, 0);
    EXPECT_EQ(view.toolActive, 0);

    view.reRender = 0;
    view.ClearCalls();
    controller.OnApply();
    EXPECT_EQ(page.log, (std::vector<std::string>{"destroy dialog", "extra hide 0"}));
    EXPECT_EQ(view.reRender, 1);
    EXPECT_EQ(view.calls, std::vector<std::string>{"InvalidateWithErase"});
}

TEST_F(ToolPageSteps, OnlyThePickCommandKeepsItsSelectionWhenHiddenAndEveryHideClearsTheToolWords)
{
    const struct {
        int row;
        bool keepsSelection;
        Filter filterAfter;
    } rows[] = {{0, false, POINTS_ONLY}, {1, false, CURVES_ONLY}, {3, true, POINTS_CURVES_SECTIONS}, {4, false, POINTS_ONLY}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.row);
        controller.SelectCommand(1000 + row.row);
        page.Form(row.row).FocusPickField(page.Form(row.row).Codes().first);
        EXPECT_NE(view.pickFieldCode, 0);
        SelectSomething();
        controller.OnSelChangeCommand(2);
        EXPECT_EQ(NothingSelected(), !row.keepsSelection);
        EXPECT_EQ(view.toolCommandId, 0);
        EXPECT_EQ(view.pickFieldCode, 0);
        EXPECT_EQ(view.toolActive, 0);
        EXPECT_EQ(view.mouseMode, MOUSE_NONE);
        EXPECT_EQ(view.PickFilter(), row.filterAfter);
        view.ClearSelection();
    }
}

TEST_F(ToolPageSteps, ApplySetsTheReRenderFlagWhateverTheApplyDid)
{
    page.onApply = [](int, TestDialogForm& form, ToolPageContext&) { form.ReadFields(); };
    controller.SelectCommand(1000);
    for (const char* width : {"2", "not a number"}) {
        SCOPED_TRACE(width);
        page.Form(0).SetText(TEST_WIDTH_FIELD, width);
        view.reRender = 0;
        view.ClearCalls();
        controller.OnApply();
        EXPECT_EQ(view.reRender, 1);
        EXPECT_EQ(view.calls.back(), "InvalidateWithErase");
    }
    EXPECT_EQ(std::count(page.log.begin(), page.log.end(), "apply 0"), 2);
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Please enter a number."});
}

TEST_F(ToolPageSteps, ClosePutsTheFilterBackAndTheNextOpeningStartsFromNoCommand)
{
    controller.SelectCommand(1003);
    EXPECT_EQ(view.PickFilter(), POINTS_CURVES_SECTIONS);
    page.log.clear();
    controller.OnClose();
    EXPECT_EQ(page.log, (std::vector<std::string>{"destroy dialog", "extra hide 3", "close page"}));
    EXPECT_EQ(view.PickFilter(), ALL_BUT_DOMAINS);
    EXPECT_EQ(view.toolCommandId, 0);
    EXPECT_EQ(view.mouseMode, MOUSE_NONE);
    EXPECT_EQ(controller.CurrentIndex(), -1);
    EXPECT_EQ(controller.PreviousIndex(), -1);

    // Reopened on the same command, the page shows it again.
    page.log.clear();
    controller.SelectCommand(1003);
    EXPECT_EQ(page.log, (std::vector<std::string>{"combo 3", "make dialog Test Pick", "extra show 3"}));
}

TEST_F(ToolPageSteps, AToolIdOutsideThePageSelectsNothing)
{
    controller.SelectCommand(1000);
    page.log.clear();
    controller.SelectCommand(1000 + static_cast<int>(table.rows.size()));
    EXPECT_EQ(page.log, (std::vector<std::string>{"combo -1", "destroy dialog", "extra hide 0"}));
    EXPECT_EQ(controller.CurrentIndex(), -1);
    EXPECT_EQ(view.toolActive, 0);
}

TEST_F(ToolPageSteps, ARowWithoutADialogShowsNothing)
{
    table.rows[1].dialog = ToolRowDialog{};
    controller.SelectCommand(1001);
    EXPECT_EQ(page.log, std::vector<std::string>{"combo 1"});
    EXPECT_EQ(view.toolCommandId, 0);
    EXPECT_EQ(view.toolActive, 0);
    EXPECT_EQ(controller.ShownForm(), nullptr);
}

TEST_F(ToolPageSteps, TheQueryHookRunsTheQueryRowsApplyOnlyWhileThatRowIsShown)
{
    EXPECT_FALSE(controller.RunQuery(1004));
    controller.SelectCommand(1004);
    EXPECT_TRUE(controller.RunQuery(1004));
    EXPECT_FALSE(controller.RunQuery(1014));
    controller.SelectCommand(1000);
    EXPECT_FALSE(controller.RunQuery(1004));
    EXPECT_FALSE(controller.RunQuery(1000));  // a shown row that is not the Query row
    EXPECT_EQ(std::count(page.log.begin(), page.log.end(), "apply 4"), 1);
    EXPECT_EQ(std::count(page.log.begin(), page.log.end(), "apply 0"), 0);
}

}  // namespace
