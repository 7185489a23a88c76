// The UCS page without a display: its dialogs' forms against the exact
// document call or box, the lists over the model, and the pick fields'
// focus over the view.

#include "frame/PickDispatch.h"
#include "tools/UcsForms.h"
#include "tools/UcsTool.h"
#include "view/MouseModes.h"

#include "GroupUcsPageFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int SEPARATOR = 1;
const double kOrigin[2] = {0.0, 0.0};

class UcsPage : public ToolPageFixture<CUcsTool, ToolPageKind::Ucs> {
protected:
    // U1: origin (100, 0) turned 90 degrees; U2: the x-axis from (0, 0) to (0, 50).
    void AddTwoUcs()
    {
        const double origin[2] = {100.0, 0.0};
        const double up[2] = {0.0, 50.0};
        ASSERT_TRUE(document.model.CreateUcs(UCS_BY_ORIGIN_AND_ANGLE, "U1", origin, 90.0, kOrigin, kOrigin));
        ASSERT_TRUE(document.model.CreateUcs(UCS_BY_TWO_AXIS_POINTS, "U2", kOrigin, 0.0, kOrigin, up));
        Settle();
    }
    const std::string& Text(const CToolForm& form, int controlId) const { return form.Field(controlId)->text; }
};

TEST_F(UcsPage, CreateOpensOnOriginAndRotationWithTheOriginFieldTakingThePicks)
{
    Show(UCS_ROW_CREATE);
    CUToolCreate& form = tool.Create();
    for (int field : {ID_UCS_CREATE_ORIGIN, ID_UCS_CREATE_POINT1, ID_UCS_CREATE_POINT2})
        EXPECT_EQ(Text(form, field), "0.000, 0.000");
    EXPECT_EQ(form.Way(), UCS_BY_ORIGIN_AND_ANGLE);
    for (int control : {ID_UCS_CREATE_POINT1, ID_UCS_CREATE_POINT2, ID_UCS_POINT1_LABEL, ID_UCS_POINT2_LABEL})
        EXPECT_FALSE(form.IsEnabled(control)) << control;
    for (int control : {ID_UCS_CREATE_ORIGIN, ID_UCS_CREATE_ANGLE, ID_UCS_CREATE_ANGLE_SPIN})
        EXPECT_TRUE(form.IsEnabled(control)) << control;
    EXPECT_EQ(view.pickFieldCode, 10051);
    EXPECT_TRUE(form.Field(ID_UCS_CREATE_ORIGIN)->highlighted);

    // The other way greys the origin and angle and moves the focus to Point 1.
    form.ClickRadio(ID_UCS_CREATE_BY_POINTS);
    EXPECT_FALSE(form.IsEnabled(ID_UCS_CREATE_ORIGIN));
    EXPECT_TRUE(form.IsEnabled(ID_UCS_CREATE_POINT2));
    EXPECT_EQ(view.pickFieldCode, 10052);

    // A new show goes back to the first way; typed texts stay.
    form.SetText(ID_UCS_CREATE_ANGLE, "45");
    ShowAgain(UCS_ROW_CREATE, SEPARATOR);
    EXPECT_EQ(form.Way(), UCS_BY_ORIGIN_AND_ANGLE);
    EXPECT_EQ(Text(form, ID_UCS_CREATE_ANGLE), "45");
    EXPECT_EQ(view.pickFieldCode, 10051);
}

TEST_F(UcsPage, CreateWithAnEmptyNameLeavesTheNameToTheModel)
{
    Show(UCS_ROW_CREATE);
    tool.Create().SetText(ID_UCS_CREATE_ORIGIN, "100, 0");
    Apply();
    EXPECT_EQ(document.calls, Calls{"CreateUcs(0, \"\", (100, 0), 0, (0, 0), (0, 0))"});
    EXPECT_EQ(document.user.LastLine(), "New UCS [UCS-1] is created.");
}

struct CreateCase {
    const char* title;
    int way;
    const char* origin;
    const char* angle;
    const char* point1;
    const char* point2;
    Calls calls;
    Calls boxes;
};

class UcsCreate : public UcsPage, public testing::WithParamInterface<CreateCase> {};

TEST_P(UcsCreate, ReadsOnlyTheChosenWaysFields)
{
    const CreateCase& c = GetParam();
    Show(UCS_ROW_CREATE);
    CUToolCreate& form = tool.Create();
    form.SetText(ID_UCS_CREATE_NAME, "U");
    if (c.way == UCS_BY_TWO_AXIS_POINTS)
        form.ClickRadio(ID_UCS_CREATE_BY_POINTS);
    form.SetText(ID_UCS_CREATE_ORIGIN, c.origin);
    form.SetText(ID_UCS_CREATE_ANGLE, c.angle);
    form.SetText(ID_UCS_CREATE_POINT1, c.point1);
    form.SetText(ID_UCS_CREATE_POINT2, c.point2);
    Apply();
    EXPECT_EQ(document.calls, c.calls);
    EXPECT_EQ(Boxes(), c.boxes);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, UcsCreate,
    testing::Values(
        CreateCase{"OriginAndAngle", 0, "100, -20", "90", "a", "b",
                   {"CreateUcs(0, \"U\", (100, -20), 90, (0, 0), (0, 0))"}, {}},
        // The greyed origin and angle are neither read nor checked.
        CreateCase{"TwoPointsWithGreyedGarbage", 1, "garbage", "abc", "10, 10", "20, 30",
                   {"CreateUcs(1, \"U\", (0, 0), 0, (10, 10), (20, 30))"}, {}},
        CreateCase{"BadOrigin", 0, "1; 2", "0", "0, 0", "0, 0", {}, {"Input error!"}},
        CreateCase{"AngleNoNumber", 0, "100, 0", "abc", "0, 0", "0, 0", {}, {"Please enter a number."}},
        CreateCase{"BothPointsBad", 1, "0, 0", "0", "x", "y", {}, {"Input error!", "Input error!"}},
        CreateCase{"SecondPointBad", 1, "0, 0", "0", "5, 5", "y", {}, {"Input error!"}}),
    [](const testing::TestParamInfo<CreateCase>& info) { return std::string(info.param.title); });

TEST_F(UcsPage, RedefineOpensOnTheWorkUcsOrTheFirstWithItsStoredDefinition)
{
    AddTwoUcs();
    ASSERT_NE(document.model.SetCurrentUcs(2), nullptr);
    Show(UCS_ROW_REDEFINE);
    CUToolRedefine& form = tool.Redefine();
    EXPECT_EQ(form.Combo(ID_UCS_REDEFINE_UCS).texts, (std::vector<std::string>{"U1", "U2"}));
    EXPECT_EQ(form.GetSelectedUcsId(), 2);
    EXPECT_EQ(Text(form, ID_UCS_REDEFINE_NAME), "U2");
    EXPECT_EQ(form.Way(), UCS_BY_TWO_AXIS_POINTS);
    EXPECT_EQ(Text(form, ID_UCS_REDEFINE_POINT1), "0.000, 0.000");
    EXPECT_EQ(Text(form, ID_UCS_REDEFINE_POINT2), "0.000, 50.000");
    EXPECT_FALSE(form.IsEnabled(ID_UCS_REDEFINE_ORIGIN));
    EXPECT_TRUE(form.IsEnabled(ID_UCS_REDEFINE_POINT1));

    // Choosing another shows its definition and name; no choice changes nothing.
    form.SelectRow(ID_UCS_REDEFINE_UCS, 0);
    EXPECT_EQ(Text(form, ID_UCS_REDEFINE_NAME), "U1");
    EXPECT_EQ(form.Way(), UCS_BY_ORIGIN_AND_ANGLE);
    EXPECT_EQ(Text(form, ID_UCS_REDEFINE_ORIGIN), "100.000, 0.000");
    EXPECT_EQ(Text(form, ID_UCS_REDEFINE_ANGLE), "90");
    EXPECT_TRUE(form.IsEnabled(ID_UCS_REDEFINE_ANGLE));
    form.SelectRow(ID_UCS_REDEFINE_UCS, -1);
    EXPECT_EQ(Text(form, ID_UCS_REDEFINE_NAME), "U1");
    EXPECT_EQ(Text(form, ID_UCS_REDEFINE_ORIGIN), "100.000, 0.000");

    ASSERT_NE(document.model.SetCurrentUcs(0), nullptr);
    ShowAgain(UCS_ROW_REDEFINE, SEPARATOR);
    EXPECT_EQ(form.GetSelectedUcsId(), 1);
    EXPECT_EQ(Text(form, ID_UCS_REDEFINE_NAME), "U1");
}

TEST_F(UcsPage, RedefineHandsOverTheChosenWaysInputsWithTheStoredOnesForTheGreyedWay)
{
    AddTwoUcs();
    Show(UCS_ROW_REDEFINE);
    CUToolRedefine& form = tool.Redefine();
    form.SelectRow(ID_UCS_REDEFINE_UCS, 1);
    form.SetText(ID_UCS_REDEFINE_NAME, "Up");
    form.SetText(ID_UCS_REDEFINE_POINT2, "0, 80");
    form.SetText(ID_UCS_REDEFINE_ORIGIN, "garbage");
    Apply();
    EXPECT_EQ(document.calls, Calls{"RedefineUcs(2, 1, \"Up\", (0, 0), 0, (0, 0), (0, 80))"});
    EXPECT_EQ(Boxes(), Calls{});
    // The list is not refilled.
    EXPECT_EQ(form.Combo(ID_UCS_REDEFINE_UCS).texts, (std::vector<std::string>{"U1", "U2"}));
    form.SelectRow(ID_UCS_REDEFINE_UCS, 0);
    form.SetText(ID_UCS_REDEFINE_ANGLE, "abc");
    Apply();
    EXPECT_EQ(document.calls, Calls{});
    EXPECT_EQ(Boxes(), Calls{"Please enter a number."});
}

TEST_F(UcsPage, RedefiningOrDeletingTheWorkUcsRebuildsTheViewAndAnotherOnlyReRendersIt)
{
    const Calls rebuilt{"RebuildScene domains 0", "InvalidateWithErase", "InvalidateWithErase"};
    const Calls reRendered{"InvalidateWithErase"};
    struct Case {
        const char* title;
        int row;
        int comboId;
        int chosenRow;  // U1 or U2
        Calls viewCalls;
    };
    const Case cases[] = {
        {"redefine the work UCS", UCS_ROW_REDEFINE, ID_UCS_REDEFINE_UCS, 1, rebuilt},
        {"redefine another", UCS_ROW_REDEFINE, ID_UCS_REDEFINE_UCS, 0, reRendered},
        {"delete another", UCS_ROW_DELETE, ID_UCS_DELETE_UCS, 0, reRendered},
        {"delete the work UCS", UCS_ROW_DELETE, ID_UCS_DELETE_UCS, 0, rebuilt},
    };
    AddTwoUcs();
    ASSERT_NE(document.model.SetCurrentUcs(2), nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        ShowAgain(c.row, SEPARATOR);
        auto& form = static_cast<CDialogForm&>(*tool.Table().rows[c.row].dialog.form);
        form.SelectRow(c.comboId, c.chosenRow);
        Apply();
        EXPECT_EQ(view.calls, c.viewCalls);
        EXPECT_EQ(view.reRender, 1);
        view.reRender = 0;
    }
    EXPECT_EQ(document.model.m_currentUcsId, 0);
}

TEST_F(UcsPage, DeleteChoosesNothingAndDisablesItsListWhenOnlyTheGcsIsLeft)
{
    AddTwoUcs();
    Show(UCS_ROW_DELETE);
    CUToolDelete& form = tool.Delete();
    EXPECT_EQ(form.Combo(ID_UCS_DELETE_UCS).texts, (std::vector<std::string>{"U1", "U2"}));
    EXPECT_EQ(form.GetSelectedUcsId(), -1);
    Apply();
    EXPECT_EQ(document.calls, Calls{});
    for (int remaining : {1, 0}) {
        form.SelectRow(ID_UCS_DELETE_UCS, remaining);
        Apply();
        EXPECT_EQ(document.calls, Calls{"DeleteUcs(" + std::to_string(remaining + 1) + ")"});
        EXPECT_EQ(form.GetSelectedUcsId(), -1);
        EXPECT_EQ(form.Combo(ID_UCS_DELETE_UCS).texts.size(), static_cast<size_t>(remaining));
    }
    EXPECT_FALSE(form.IsEnabled(ID_UCS_DELETE_UCS));
}

TEST_F(UcsPage, SetWorkUcsChoosesTheFirstUcsAfterEveryFill)
{
    AddTwoUcs();
    Show(UCS_ROW_SET_WORK);
    CUToolChange& form = tool.Change();
    EXPECT_EQ(form.GetSelectedUcsId(), 1);
    form.SelectRow(ID_UCS_CHANGE_UCS, 1);
    Apply();
    EXPECT_EQ(document.calls, Calls{"SetCurrentUcs(2)"});
    EXPECT_EQ(document.model.m_currentUcsId, 2);
    EXPECT_EQ(form.GetSelectedUcsId(), 1);
    ShowAgain(UCS_ROW_SET_WORK, SEPARATOR);
    EXPECT_EQ(form.GetSelectedUcsId(), 1);
}

TEST_F(UcsPage, WithOnlyTheGcsTheListsAndRedefinesInputsAreDisabled)
{
    Show(UCS_ROW_SET_WORK);
    EXPECT_FALSE(tool.Change().IsEnabled(ID_UCS_CHANGE_UCS));
    Apply();
    Show(UCS_ROW_DELETE);
    EXPECT_FALSE(tool.Delete().IsEnabled(ID_UCS_DELETE_UCS));
    Apply();
    Show(UCS_ROW_REDEFINE);
    for (int control : {ID_UCS_REDEFINE_UCS, ID_UCS_REDEFINE_BY_ORIGIN, ID_UCS_REDEFINE_BY_POINTS,
                        ID_UCS_REDEFINE_NAME, ID_UCS_REDEFINE_ORIGIN, ID_UCS_REDEFINE_ANGLE,
                        ID_UCS_REDEFINE_ANGLE_SPIN, ID_UCS_REDEFINE_POINT1, ID_UCS_REDEFINE_POINT2})
        EXPECT_FALSE(tool.Redefine().IsEnabled(control)) << control;
    Apply();
    EXPECT_EQ(document.calls, Calls{});
}

TEST_F(UcsPage, PickFieldsSaveTheViewsMouseModeWhenTheyTakeTheFocus)
{
    // Another page's field left select mode saved.
    view.savedMouseMode = MOUSE_SELECT;
    Show(UCS_ROW_CREATE);
    CUToolCreate& form = tool.Create();
    EXPECT_EQ(view.savedMouseMode, MOUSE_NONE);
    EXPECT_EQ(view.mouseMode, MOUSE_NONE);
    // A pick into Origin moves on to Angle, as the view's dispatch does.
    ASSERT_TRUE(form.SetPickFieldText(10051, "12.000, 34.000"));
    view.mouseMode = view.savedMouseMode;
    ASSERT_TRUE(form.FocusNamedField(NamedField::Angle));
    EXPECT_EQ(Text(form, ID_UCS_CREATE_ORIGIN), "12.000, 34.000");
    EXPECT_EQ(view.mouseMode, MOUSE_NONE);
    EXPECT_FALSE(form.Field(ID_UCS_CREATE_ORIGIN)->highlighted);

    // The other way puts the focus into Point 1; then a zoom toggle leaves
    // the view in its mode before the user clicks into Point 2.
    form.ClickRadio(ID_UCS_CREATE_BY_POINTS);
    EXPECT_EQ(view.pickFieldCode, 10052);
    view.mouseMode = MOUSE_DYNAMIC_ZOOM;
    form.OnControlFocus(ID_UCS_CREATE_POINT2);
    EXPECT_EQ(view.savedMouseMode, MOUSE_DYNAMIC_ZOOM);
    EXPECT_EQ(view.mouseMode, MOUSE_NONE);
    EXPECT_EQ(view.pickFieldCode, 10053);
}

// The view's dispatch over the page's shown form.
class UcsPicks : public UcsPage, public IPickTargetSource {
protected:
    IPickTarget* ShownPickTarget() override { return controller.ShownForm(); }
    // A click that snaps (or not) at the point.
    void Click(double x, double y, bool snapped = true)
    {
        view.clickSnap.snapped = snapped;
        view.clickSnap.point[0] = x;
        view.clickSnap.point[1] = y;
        dispatch.DispatchPick(10, 10);
    }

    CPickDispatch dispatch{view, document, *this};
    // The focus moves the form asks its window for.
    struct FocusMoves : IToolFormObserver {
        void OnFieldText(const ToolFormField&) override {}
        void OnFieldState(const ToolFormField&) override {}
        void OnFieldFocusMoved(const ToolFormField& field) override { moves.push_back(field.controlId); }
        std::vector<int> moves;
    } focusMoves;
};

TEST_F(UcsPicks, OriginMovesOnToAngleAndThePointsChainEndsAfterPoint2)
{
    struct Case {
        int row;
        UcsDefinitionControls controls;
    };
    const Case cases[] = {{UCS_ROW_CREATE, tool.Create().Controls()}, {UCS_ROW_REDEFINE, tool.Redefine().Controls()}};
    AddTwoUcs();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        // Another page's field left select mode saved.
        view.savedMouseMode = MOUSE_SELECT;
        ShowAgain(c.row, SEPARATOR);
        auto& form = static_cast<CUcsDefinitionForm&>(*tool.Table().rows[c.row].dialog.form);
        form.ClickRadio(c.controls.byOrigin);
        focusMoves.moves.clear();
        form.SetObserver(&focusMoves);
        ASSERT_EQ(view.pickFieldCode, c.controls.originCode);
        Click(12.5, -3.0);
        EXPECT_EQ(Text(form, c.controls.origin), "12.500, -3.000");
        EXPECT_EQ(view.mouseMode, MOUSE_NONE);
        EXPECT_EQ(focusMoves.moves, std::vector<int>{c.controls.angle});

        form.ClickRadio(c.controls.byPoints);
        ASSERT_EQ(view.pickFieldCode, c.controls.point1Code);
        Click(1.0, 2.0);
        EXPECT_EQ(Text(form, c.controls.point1), "1.000, 2.000");
        EXPECT_EQ(view.pickFieldCode, c.controls.point2Code);
        EXPECT_EQ(view.mouseMode, MOUSE_NONE);
        // Without a snap the click changes nothing.
        const std::string before = Text(form, c.controls.point2);
        Click(7.0, 7.0, false);
        EXPECT_EQ(Text(form, c.controls.point2), before);
        EXPECT_EQ(view.pickFieldCode, c.controls.point2Code);
        Click(3.0, 4.0);
        EXPECT_EQ(Text(form, c.controls.point2), "3.000, 4.000");
        EXPECT_EQ(view.pickFieldCode, 0);
        EXPECT_EQ(view.mouseMode, MOUSE_NONE);
    }
}

TEST(UcsPageRefresh, AnUndoWhileDeleteIsShownListsTheUcsAgain)
{
    RegisteredPage page(ToolPageKind::Ucs);
    const std::function<void()>& refresh = page.registry.hooks.refreshUcsDialogs;
    ASSERT_TRUE(refresh);
    ModelRecordingDocument& document = page.document;
    CToolPageController& controller = *page.controller;
    const double origin[2] = {100.0, 0.0};
    ASSERT_TRUE(document.model.CreateUcs(UCS_BY_ORIGIN_AND_ANGLE, "U1", origin, 0.0, kOrigin, kOrigin));
    controller.OnSelChangeCommand(UCS_ROW_SET_WORK);
    controller.OnSelChangeCommand(UCS_ROW_DELETE);
    auto& shown = page.FormOf<CUToolDelete>(UCS_ROW_DELETE);
    auto& hidden = page.FormOf<CUToolChange>(UCS_ROW_SET_WORK);
    shown.SelectRow(ID_UCS_DELETE_UCS, 0);
    controller.OnApply();
    EXPECT_FALSE(shown.IsEnabled(ID_UCS_DELETE_UCS));
    ASSERT_TRUE(document.model.Undo(false));
    refresh();
    EXPECT_EQ(shown.Combo(ID_UCS_DELETE_UCS).texts, std::vector<std::string>{"U1"});
    EXPECT_TRUE(shown.IsEnabled(ID_UCS_DELETE_UCS));
    // Set Work UCS has no window: its list stays as its last show left it.
    ASSERT_TRUE(document.model.Redo());
    refresh();
    EXPECT_EQ(hidden.Combo(ID_UCS_CHANGE_UCS).texts, std::vector<std::string>{"U1"});
}

}  // namespace
