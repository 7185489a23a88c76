// The Point page in the real program: its commands offered on the toolbars,
// the Coordinate dialog creating a point that the view then draws, and
// Delete removing a point clicked in the view.

#include "program_on_screen.h"

#include "frame/MainFrame.h"
#include "frame/ModelMenuTab.h"
#include "frame/OutputWindow.h"
#include "frame/ProjectWorkspace.h"
#include "frame/TabCtrlBase.h"
#include "frame/ToolDialogPanel.h"
#include "frame/ToolPage.h"
#include "frame/ToolbarTable.h"
#include "model/SectModel.h"
#include "tools/PointForms.h"
#include "tools/PointTool.h"
#include "view/TarvokrtView.h"
#include "view/ViewContextMenu.h"

#include <wx/aui/auibar.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/spinbutt.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>

#include <cmath>

namespace {

const int POINT_COMMANDS[] = {32825, 32829, 32820, 32831, 32832, 32833, 32834, 32835, 32828, 32836, 32826, 32827};
constexpr int APPLY_BUTTON = 1003;

class PointPageOnScreen : public ProgramOnScreen {
protected:
    void SetUpOnScreen() override
    {
        ASSERT_TRUE(Start(""));
        Frame().SetSize(1100, 800);
        Settle();
    }

    wxTextCtrl& Field(int id)
    {
        auto* field = dynamic_cast<wxTextCtrl*>(Page().ShownDialog()->FindWindow(id));
        EXPECT_NE(field, nullptr) << id;
        return *field;
    }
    // Types as the user does: the control's text event reaches the form.
    void TypeInto(int id, const std::string& text)
    {
        Field(id).SetValue(wxString::FromUTF8(text));
        Settle();
    }
    void ClickApply()
    {
        wxWindow* apply = Page().FindWindow(APPLY_BUTTON);
        ASSERT_NE(apply, nullptr);
        wxCommandEvent click(wxEVT_BUTTON, APPLY_BUTTON);
        click.SetEventObject(apply);
        apply->GetEventHandler()->ProcessEvent(click);
        Settle();
    }
    // Where a point of the current UCS shows in the view's client area.
    // Whether a pixel within two of the client point has the colour.
    bool ColourAround(wxPoint at, const std::array<int, 3>& colour)
    {
        View().OnDraw();
        const RgbImage shown = View().ReadShownPicture();
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const int column = at.x + dx;
                const int row = shown.height - 1 - (at.y + dy);
                if (column < 0 || column >= shown.width || row < 0 || row >= shown.height)
                    continue;
                const size_t i = (static_cast<size_t>(row) * shown.width + column) * 3;
                if (std::abs(shown.rgb[i] - colour[0]) <= 2 && std::abs(shown.rgb[i + 1] - colour[1]) <= 2
                    && std::abs(shown.rgb[i + 2] - colour[2]) <= 2)
                    return true;
            }
        }
        return false;
    }
    std::array<int, 3> PointColour()
    {
        const Colour& colour = View().GetScene()->m_colours[COLOUR_POINT];
        return {static_cast<int>(std::lround(colour[0] * 255.0f)), static_cast<int>(std::lround(colour[1] * 255.0f)),
                static_cast<int>(std::lround(colour[2] * 255.0f))};
    }
    template <class Control>
    Control& DialogControl(int id)
    {
        auto* control = dynamic_cast<Control*>(Page().ShownDialog()->FindWindow(id));
        EXPECT_NE(control, nullptr) << id;
        return *control;
    }
    // A click on a radio button or check box as the toolkit reports it.
    template <class Control>
    void ClickControl(int id, wxEventType type)
    {
        auto& control = DialogControl<Control>(id);
        control.SetValue(!(type == wxEVT_CHECKBOX && control.GetValue()));
        wxCommandEvent click(type, id);
        click.SetEventObject(&control);
        click.SetInt(control.GetValue());
        control.GetEventHandler()->ProcessEvent(click);
        Settle();
    }
    void ClickInView(wxPoint at)
    {
        for (const auto& [type, down] : {std::pair{wxEVT_MOTION, false}, std::pair{wxEVT_LEFT_DOWN, true},
                                         std::pair{wxEVT_LEFT_UP, false}}) {
            wxMouseEvent event(type);
            event.SetEventObject(&View());
            event.SetId(View().GetId());
            event.SetPosition(at);
            event.m_leftDown = down;
            View().ProcessWindowEvent(event);
        }
        Settle();
    }
};

TEST_F(PointPageOnScreen, ThePointCommandsAreEnabledOnTheToolbarsAndInTheRightClickMenu)
{
    int onToolbars = 0;
    const wxAuiPaneInfoArray& panes = Frame().Bars().GetAllPanes();
    for (int command : POINT_COMMANDS) {
        SCOPED_TRACE(command);
        for (size_t i = 0; i < panes.GetCount(); ++i) {
            auto* bar = dynamic_cast<wxAuiToolBar*>(panes.Item(i).window);
            if (bar && bar->FindTool(WxCommandId(command))) {
                ++onToolbars;
                EXPECT_TRUE(bar->GetToolEnabled(WxCommandId(command)));
            }
        }
    }
    EXPECT_GT(onToolbars, 0);

    // The view's right-click menu offers them too.
    const std::unique_ptr<wxMenu> menu = MakeViewContextMenu();
    menu->UpdateUI(View().GetEventHandler());
    for (int command : POINT_COMMANDS)
        EXPECT_TRUE(menu->IsEnabled(WxCommandId(command))) << command;
}

TEST_F(PointPageOnScreen, TheRightClickMenuAndTheModelTreeOpenThePageOnTheirRows)
{
    wxCommandEvent chosen(wxEVT_MENU, WxCommandId(32836));
    chosen.SetEventObject(&View());
    View().GetEventHandler()->ProcessEvent(chosen);
    Settle();
    EXPECT_EQ(Frame().Workspace().OpenPageCode(), OPEN_PAGE_POINT);
    EXPECT_EQ(Page().Combo()->GetSelection(), POINT_ROW_DELETE);
    EXPECT_EQ(View().m_toolCommandId, 1011);

    const struct {
        const char* item;
        const char* under;
        int row;
    } items[] = {
        {"Ratio btwn 2 Pts", "Create", POINT_ROW_RATIO_BETWEEN_POINTS},
        {"Mirror", "Point", POINT_ROW_MIRROR},
        {"Query", "Point", POINT_ROW_QUERY},
    };
    CModelMenuTab& tree = Frame().Workspace().Tree();
    for (const auto& item : items) {
        SCOPED_TRACE(item.item);
        const wxTreeItemId point = tree.FindItem("Point");
        const wxTreeItemId parent = std::string(item.under) == "Point" ? point : tree.FindItem(item.under, point);
        const wxTreeItemId found = tree.FindItem(item.item, parent);
        ASSERT_TRUE(found.IsOk());
        wxTreeEvent activate(wxEVT_TREE_ITEM_ACTIVATED, &tree, found);
        tree.GetEventHandler()->ProcessEvent(activate);
        Settle();
        EXPECT_EQ(Page().Combo()->GetSelection(), item.row);
        EXPECT_EQ(View().m_toolCommandId, 1000 + item.row);
    }
}

TEST_F(PointPageOnScreen, CoordinateCreatesThePointThatTheViewThenDraws)
{
    Command(32825);
    wxNotebook& tabs = Frame().Workspace().Tabs();
    ASSERT_GE(tabs.GetSelection(), 0);
    EXPECT_EQ(tabs.GetPageText(static_cast<size_t>(tabs.GetSelection())), "Point");
    EXPECT_EQ(Page().Combo()->GetSelection(), 0);
    EXPECT_EQ(Page().Combo()->GetString(0), "Coordinate");
    EXPECT_EQ(Field(ID_POINT_COORDINATE).GetBackgroundColour(), wxColour(192, 220, 192));

    TypeInto(ID_POINT_COORDINATE, "1a");
    ClickApply();
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Input error!"});
    EXPECT_TRUE(Model().m_points.empty());

    TypeInto(ID_POINT_COORDINATE, "10, 20");
    ClickApply();
    ASSERT_EQ(Model().m_points.size(), 1u);
    const T_POINT_D& point = *Model().m_points.at(1);
    EXPECT_DOUBLE_EQ(point.xy[0], 10.0);
    EXPECT_DOUBLE_EQ(point.xy[1], 20.0);
    EXPECT_NE(Frame().Output().ShownText().find("New point [1] is created at (10.000, 20.000)."), std::string::npos);
    EXPECT_TRUE(ColourAround(ClientOf(10, 20), PointColour()));
}

TEST_F(PointPageOnScreen, DeleteRemovesAPointClickedInTheViewFromTheModelAndTheDrawing)
{
    // Point 1 in the middle, between points 2 and 3.
    for (const std::array<double, 2> xy : {std::array<double, 2>{500, 300}, std::array<double, 2>{0, 0},
                                           std::array<double, 2>{1000, 600}})
        ASSERT_TRUE(Model().CreatePointByCoordinate(xy.data()));
    Frame().Document().OnModelChanged();
    Settle();
    View().ZoomFit();
    RunMainLoop(100);
    Settle();
    const wxPoint first = ClientOf(500, 300);
    ASSERT_TRUE(ColourAround(first, PointColour()));

    Command(32836);
    ClickInView(first);
    ClickApply();
    EXPECT_EQ(Model().m_points.count(1), 0u);
    EXPECT_EQ(Model().m_points.size(), 2u);
    EXPECT_NE(Frame().Output().ShownText().find("1 point is deleted."), std::string::npos);
    EXPECT_FALSE(ColourAround(first, PointColour()));
}

TEST_F(PointPageOnScreen, TheTranslateWindowShowsItsFormAndPassesClicksAndSpinsToIt)
{
    Command(32833);
    EXPECT_TRUE(DialogControl<wxRadioButton>(1043).GetValue());
    EXPECT_FALSE(DialogControl<wxRadioButton>(1044).GetValue());
    EXPECT_TRUE(DialogControl<wxRadioButton>(1008).GetValue());
    EXPECT_FALSE(Field(1046).IsEnabled());
    EXPECT_FALSE(DialogControl<wxCheckBox>(1045).IsEnabled());
    EXPECT_FALSE(Field(1018).IsEnabled());
    EXPECT_EQ(Field(1018).GetValue(), "0.000, 0.000");

    ClickControl<wxRadioButton>(1044, wxEVT_RADIOBUTTON);
    EXPECT_FALSE(DialogControl<wxRadioButton>(1043).GetValue());
    EXPECT_TRUE(Field(1046).IsEnabled());
    EXPECT_TRUE(DialogControl<wxCheckBox>(1045).IsEnabled());
    EXPECT_FALSE(DialogControl<wxRadioButton>(1130).IsEnabled());
    ClickControl<wxCheckBox>(1045, wxEVT_CHECKBOX);
    EXPECT_TRUE(DialogControl<wxRadioButton>(1130).IsEnabled());
    EXPECT_TRUE(Field(1132).IsEnabled());

    auto& spin = DialogControl<wxSpinButton>(1047);
    EXPECT_EQ(spin.GetMin(), 1);
    EXPECT_EQ(spin.GetMax(), 10000);
    wxSpinEvent up(wxEVT_SPIN_UP, 1047);
    up.SetEventObject(&spin);
    spin.GetEventHandler()->ProcessEvent(up);
    Settle();
    EXPECT_EQ(Field(1046).GetValue(), "2");

    // "Defined by 2 Points" moves the focus to Point 1, which announces itself.
    ClickControl<wxRadioButton>(1009, wxEVT_RADIOBUTTON);
    EXPECT_TRUE(Field(1018).IsEnabled());
    EXPECT_FALSE(Field(1019).IsEnabled());
    EXPECT_EQ(View().m_pickFieldCode, 10037);
    EXPECT_EQ(Field(1018).GetBackgroundColour(), wxColour(192, 220, 192));
}

TEST_F(PointPageOnScreen, ThePickWindowListsTheModelsCurvesAndChoosesThroughTheForm)
{
    for (const std::array<double, 4> line : {std::array<double, 4>{0, 0, 100, 0}, std::array<double, 4>{0, 50, 100, 50}})
        ASSERT_TRUE(Model().CreateLine(line.data(), line.data() + 2, 1, 0.0));
    Frame().Document().OnModelChanged();
    Command(32826);
    auto& curves = DialogControl<wxChoice>(ID_PICK_CURVE_LIST);
    ASSERT_EQ(curves.GetCount(), 2u);
    EXPECT_EQ(curves.GetString(1), "2");
    EXPECT_FALSE(curves.IsEnabled());
    EXPECT_FALSE(DialogControl<wxCheckBox>(ID_PICK_BY_SECTION).IsEnabled());
    ClickControl<wxCheckBox>(ID_PICK_BY_CURVE, wxEVT_CHECKBOX);
    EXPECT_TRUE(curves.IsEnabled());
    curves.SetSelection(1);
    wxCommandEvent choose(wxEVT_CHOICE, ID_PICK_CURVE_LIST);
    choose.SetEventObject(&curves);
    choose.SetInt(1);
    curves.GetEventHandler()->ProcessEvent(choose);
    ClickApply();
    // The second line's two points end selected.
    const std::set<int>& selected = View().GetScene()->m_selection[KIND_POINT];
    EXPECT_EQ(selected, (std::set<int>{PointKey(3), PointKey(4)}));
}

TEST_F(PointPageOnScreen, AFieldFocusedBeforeItsDialogWasHiddenArmsTheViewAgainAfterTheNextShow)
{
    const auto focusField = [this] {
        wxFocusEvent focus(wxEVT_SET_FOCUS, ID_POINT_COORDINATE);
        focus.SetEventObject(&Field(ID_POINT_COORDINATE));
        Field(ID_POINT_COORDINATE).ProcessWindowEvent(focus);
        Settle();
    };
    Command(32825);
    focusField();
    EXPECT_EQ(View().m_pickFieldCode, 10048);
    Command(32836);
    EXPECT_EQ(View().m_pickFieldCode, 0);
    Command(32825);
    focusField();
    EXPECT_EQ(View().m_pickFieldCode, 10048);
}

TEST_F(PointPageOnScreen, WithGridSnapAClickIntoTheFieldThenTwoClicksOnGridNodesCreateTwoPoints)
{
    View().m_gridDisplay = 1;
    View().m_gridSnap = 1;
    Frame().Document().OnModelChanged();
    Settle();
    Command(32825);
    // The click into the field: its focus arms the view.
    wxFocusEvent focus(wxEVT_SET_FOCUS, ID_POINT_COORDINATE);
    focus.SetEventObject(&Field(ID_POINT_COORDINATE));
    Field(ID_POINT_COORDINATE).ProcessWindowEvent(focus);
    ASSERT_EQ(View().m_pickFieldCode, 10048);
    // The model's grid: nodes every 100 units; clicks a little off two nodes.
    ClickInView(ClientOf(101, 99));
    ClickInView(ClientOf(-199, 2));
    ASSERT_EQ(Model().m_points.size(), 2u);
    EXPECT_DOUBLE_EQ(Model().m_points.at(1)->xy[0], 100.0);
    EXPECT_DOUBLE_EQ(Model().m_points.at(1)->xy[1], 100.0);
    EXPECT_DOUBLE_EQ(Model().m_points.at(2)->xy[0], -200.0);
    EXPECT_DOUBLE_EQ(Model().m_points.at(2)->xy[1], 0.0);
    EXPECT_TRUE(ColourAround(ClientOf(100, 100), PointColour()));
}

}  // namespace
