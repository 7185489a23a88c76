// The Group and UCS pages in the real program, on a project of two separate
// lines: a group created, filled through a selection window, queried and
// exported; a UCS created, made the work UCS, deleted and brought back by an
// Undo, with the view's axes and coordinates following.

#include "program_on_screen.h"

#include "frame/GroupCombos.h"
#include "frame/MainFrame.h"
#include "frame/OutputWindow.h"
#include "frame/ProjectWorkspace.h"
#include "frame/ToolRegistry.h"
#include "frame/ToolDialogPanel.h"
#include "frame/ToolPage.h"
#include "model/SectModel.h"
#include "tools/GroupForms.h"
#include "tools/UcsForms.h"
#include "view/TarvokrtView.h"
#include "view/ViewContextMenu.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/notebook.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>

#include <cmath>
#include <filesystem>
#include <set>

namespace {

constexpr int GROUP_APPLY = 1275;
constexpr int UCS_APPLY = 1272;
constexpr int CMD_UNDO = 57643;
constexpr double GRID_SIZE = 20.0;

// Lines 1 (points 1, 2): (0, -100) - (400, -100); 2 (points 3, 4): (0, 100) - (400, 100).
// The origin lies between them, so the axes show.
class GroupUcsPagesOnScreen : public ProgramOnScreen {
protected:
    void SetUpOnScreen() override
    {
        ASSERT_TRUE(Start(""));
        Frame().SetSize(1100, 800);
        AddLines({{0.0, -100.0, 400.0, -100.0}, {0.0, 100.0, 400.0, 100.0}});
        Model().m_gridSize = GRID_SIZE;
        ShowModelFitted();
    }

    std::string ShownCommand() { return Page().Combo()->GetStringSelection().utf8_string(); }
    template <class Control>
    Control& DialogControl(int id)
    {
        auto* control = dynamic_cast<Control*>(Page().ShownDialog()->FindWindow(id));
        EXPECT_NE(control, nullptr) << id;
        return *control;
    }
    void TypeInto(int id, const std::string& text)
    {
        DialogControl<wxTextCtrl>(id).SetValue(wxString::FromUTF8(text));
        Settle();
    }
    // Chooses the entry as the user does.
    void Choose(int id, const std::string& text)
    {
        auto& choice = DialogControl<wxChoice>(id);
        const int row = choice.FindString(wxString::FromUTF8(text));
        ASSERT_NE(row, wxNOT_FOUND) << text;
        choice.SetSelection(row);
        wxCommandEvent chosen(wxEVT_CHOICE, id);
        chosen.SetEventObject(&choice);
        chosen.SetInt(row);
        choice.GetEventHandler()->ProcessEvent(chosen);
        Settle();
    }
    void ClickApply(int applyId) { Press(*Page().FindWindow(applyId)); }
    // Where a global point shows in the view's client area.
    // Whether the x-axis glyph (red) shows within two pixels of the client point.
    bool RedAround(wxPoint at)
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
                if (shown.rgb[i] > 200 && shown.rgb[i + 1] < 60 && shown.rgb[i + 2] < 60)
                    return true;
            }
        }
        return false;
    }
    std::string Output() { return Frame().Output().ShownText(); }
};

TEST_F(GroupUcsPagesOnScreen, AGroupIsCreatedFilledByASelectionWindowQueriedAndExported)
{
    int groupEntries = 0;
    for (const MenuEntry& entry : ViewContextMenuEntries()) {
        if (entry.label != "Group")
            continue;
        for (const MenuEntry& command : entry.children) {
            ++groupEntries;
            EXPECT_TRUE(Frame().IsCommandEnabled(command.commandId)) << command.label;
        }
    }
    EXPECT_EQ(groupEntries, 8);

    // Without a group the export's controls, "..." included, are greyed.
    Command(32865);
    EXPECT_FALSE(DialogControl<wxChoice>(ID_GROUP_EXPORT_GROUP).IsEnabled());
    EXPECT_FALSE(DialogControl<wxButton>(ID_GROUP_EXPORT_BROWSE).IsEnabled());

    Command(32861);
    ASSERT_EQ(ShownCommand(), "Create Group");
    TypeInto(ID_GROUP_CREATE_NAME, "G1");
    ClickApply(GROUP_APPLY);
    ASSERT_EQ(Model().m_groups.size(), 1u);
    ASSERT_EQ(GroupCombos().size(), 1u);
    ASSERT_EQ(GroupCombos().front()->GetCount(), 1u);
    EXPECT_EQ(GroupCombos().front()->GetString(0), "G1");

    Command(32867);
    ASSERT_EQ(ShownCommand(), "Add to Group");
    Drag(ClientOf(-50, 150), ClientOf(450, -150));
    EXPECT_EQ(View().GetScene()->m_selection[KIND_CURVE], (std::set<int>{CurveKey(1), CurveKey(2)}));
    auto& group = DialogControl<wxComboBox>(ID_GROUP_ADD_GROUP);
    EXPECT_EQ(group.GetCount(), 1u);
    group.SetValue("G1");
    Settle();
    ClickApply(GROUP_APPLY);
    EXPECT_TRUE(View().GetScene()->m_selection[KIND_CURVE].empty());
    EXPECT_EQ(group.GetValue(), "");

    Command(32866);
    Choose(ID_GROUP_QUERY_GROUP, "G1");
    ClickApply(GROUP_APPLY);
    EXPECT_NE(Output().find("Group [G1] - Section: 0, Curve: 2, Point: 4"), std::string::npos) << Output();

    Command(32865);
    EXPECT_TRUE(DialogControl<wxButton>(ID_GROUP_EXPORT_BROWSE).IsEnabled());
    Choose(ID_GROUP_EXPORT_GROUP, "G1");
    const std::string path = (folder / "g1.klx").string();
    prompts.savedFiles = {path};
    Press(DialogControl<wxButton>(ID_GROUP_EXPORT_BROWSE));
    EXPECT_EQ(prompts.fileRequests,
              std::vector<std::string>{"Save As|TARVO/KLX Project Files (*.klx)|*.klx||*.klx"});
    EXPECT_EQ(DialogControl<wxTextCtrl>(ID_GROUP_EXPORT_FILE_NAME).GetValue(), path);
    ClickApply(GROUP_APPLY);
    EXPECT_TRUE(std::filesystem::exists(path));
    // A name typed over the chosen file goes beside it.
    TypeInto(ID_GROUP_EXPORT_FILE_NAME, "typed");
    ClickApply(GROUP_APPLY);
    EXPECT_TRUE(std::filesystem::exists(folder / "typed.klx"));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{});
}

TEST_F(GroupUcsPagesOnScreen, AWorkUcsMovesTheAxesAndItsDeletionAndUndoFollow)
{
    ASSERT_TRUE(Frame().IsCommandEnabled(CMD_CHANGE_TO_UCS));
    // With only the GCS the UCS button opens Create UCS.
    Command(CMD_CHANGE_TO_UCS);
    ASSERT_EQ(ShownCommand(), "Create UCS");
    TypeInto(ID_UCS_CREATE_NAME, "U1");
    TypeInto(ID_UCS_CREATE_ORIGIN, "100, 0");
    TypeInto(ID_UCS_CREATE_ANGLE, "90");
    ClickApply(UCS_APPLY);
    EXPECT_NE(Output().find("New UCS [U1] is created."), std::string::npos) << Output();

    // The GCS's x-axis glyph lies along the global x-axis.
    const double alongX = 0.4 * GRID_SIZE;
    EXPECT_TRUE(RedAround(ClientOf(alongX, 0.0)));
    Command(CMD_CHANGE_TO_UCS);
    ASSERT_EQ(ShownCommand(), "Set Work UCS");
    EXPECT_EQ(DialogControl<wxChoice>(ID_UCS_CHANGE_UCS).GetStringSelection(), "U1");
    ClickApply(UCS_APPLY);
    ASSERT_EQ(Model().m_currentUcsId, 1);
    // U1's x-axis points along the global y-axis from (100, 0).
    EXPECT_TRUE(RedAround(ClientOf(100.0, alongX)));
    EXPECT_FALSE(RedAround(ClientOf(alongX, 0.0)));
    // With a snap on, the cursor's place shows in both panes, each in its own system.
    Command(32777);
    Post(wxEVT_MOTION, ClientOf(200.0, 100.0), false);
    Settle();
    const wxStatusBar& status = *Frame().GetStatusBar();
    EXPECT_EQ(status.GetStatusText(1).rfind(" UCS: (", 0), 0u) << status.GetStatusText(1);
    EXPECT_EQ(status.GetStatusText(2).rfind(" GCS: (", 0), 0u) << status.GetStatusText(2);
    EXPECT_NE(status.GetStatusText(1).Mid(6), status.GetStatusText(2).Mid(6));

    Command(32785);
    ASSERT_EQ(ShownCommand(), "Delete UCS");
    Choose(ID_UCS_DELETE_UCS, "U1");
    ClickApply(UCS_APPLY);
    EXPECT_EQ(Model().m_currentUcsId, 0);
    EXPECT_TRUE(RedAround(ClientOf(alongX, 0.0)));
    auto& list = DialogControl<wxChoice>(ID_UCS_DELETE_UCS);
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_FALSE(list.IsEnabled());

    Command(CMD_UNDO);
    ASSERT_EQ(list.GetCount(), 1u);
    EXPECT_EQ(list.GetString(0), "U1");
    EXPECT_TRUE(list.IsEnabled());
}

}  // namespace
