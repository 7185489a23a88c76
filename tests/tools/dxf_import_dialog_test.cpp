// The import and grid dialogs' windows over their forms.

#include "support/ScriptedUserPorts.h"
#include "tools/DxfImportDlg.h"
#include "tools/GridSettingDlg.h"
#include "view/support/GuiTestEnvironment.h"

#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>

#include <fnmatch.h>

namespace {

class ToolDialogs : public testing::Test {
protected:
    void SetUp() override
    {
        if (!RequireDisplay())
            GTEST_SKIP();
    }

    static wxTextCtrl& Field(wxDialog& dialog, int id)
    {
        auto* field = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(id));
        EXPECT_NE(field, nullptr) << id;
        return *field;
    }

    static void Press(wxDialog& dialog, int id)
    {
        wxCommandEvent click(wxEVT_BUTTON, id);
        click.SetEventObject(dialog.FindWindow(id));
        dialog.GetEventHandler()->ProcessEvent(click);
    }

    ScriptedUserPorts user;
};

TEST_F(ToolDialogs, TheImportDialogShowsWhatWasBrowsedAndACancelledBrowseChangesNothing)
{
    CImportDXFDlg dialog(nullptr, user);
    EXPECT_EQ(dialog.GetTitle(), "Import AutoCAD DXF");
    EXPECT_EQ(Field(dialog, ID_DXF_TX).GetValue(), "0");
    EXPECT_EQ(Field(dialog, ID_DXF_RZ).GetValue(), "0");
    auto* check = dynamic_cast<wxCheckBox*>(dialog.FindWindow(ID_DXF_ACTIVATE_IMPORTED));
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->GetLabel(), "Activate the imported only");
    EXPECT_FALSE(check->GetValue());

    std::deque<std::string> picks{"/drawings/frame.dxf", ""};
    dialog.SetFileChooser([&picks](wxWindow*) {
        const std::string pick = picks.front();
        picks.pop_front();
        return pick;
    });
    Press(dialog, ID_DXF_BROWSE);
    EXPECT_EQ(Field(dialog, ID_DXF_FILE_NAME).GetValue(), "/drawings/frame.dxf");
    Field(dialog, ID_DXF_FILE_NAME).ChangeValue("/drawings/typed.dxf");
    Press(dialog, ID_DXF_BROWSE);
    EXPECT_EQ(Field(dialog, ID_DXF_FILE_NAME).GetValue(), "/drawings/typed.dxf");

    Field(dialog, ID_DXF_TY).ChangeValue("-7.5");
    check->SetValue(true);
    ASSERT_TRUE(dialog.AcceptFields());
    EXPECT_EQ(dialog.Form().ChosenPath(), "/drawings/typed.dxf");
    EXPECT_EQ(dialog.Form().FileTitle(), "typed");
    EXPECT_EQ(dialog.Form().Ty(), -7.5);
    EXPECT_TRUE(dialog.Form().ActivateImportedOnly());
    EXPECT_TRUE(user.boxes.empty());
}

TEST_F(ToolDialogs, ARefusedFieldKeepsTheDialogOpen)
{
    CImportDXFDlg dialog(nullptr, user);
    dialog.Show();
    Field(dialog, ID_DXF_FILE_NAME).ChangeValue("/a.dxf");
    Field(dialog, ID_DXF_TX).ChangeValue("1..2");
    EXPECT_FALSE(dialog.AcceptFields());
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{"Please enter a number."}));
    ProcessPendingEvents();
    EXPECT_TRUE(dialog.IsShown());
    EXPECT_EQ(Field(dialog, ID_DXF_TX).GetValue(), "1..2");
}

TEST_F(ToolDialogs, TheBrowseButtonFitsItsLabelAndALongPathShowsItsFileName)
{
    CImportDXFDlg dialog(nullptr, user);
    dialog.Show();
    ProcessPendingEvents();
    wxWindow* browse = dialog.FindWindow(ID_DXF_BROWSE);
    ASSERT_NE(browse, nullptr);
    EXPECT_GE(browse->GetSize().x, browse->GetBestSize().x);

    const std::string path = "/" + std::string(200, 'f') + "/drawing.dxf";
    dialog.SetFileChooser([&path](wxWindow*) { return path; });
    Press(dialog, ID_DXF_BROWSE);
    wxTextCtrl& field = Field(dialog, ID_DXF_FILE_NAME);
    EXPECT_EQ(field.GetValue(), path);
    EXPECT_EQ(field.GetInsertionPoint(), field.GetLastPosition());
}

TEST(DxfFileWildcard, MatchesTheExtensionInAnyCase)
{
    const std::string wildcard = DxfFileWildcard();
    const std::size_t bar = wildcard.find('|');
    ASSERT_NE(bar, std::string::npos);
    EXPECT_EQ(wildcard.substr(0, bar), "AutoCAD DXF Files (*.dxf)");
    // The file dialog's patterns are shell globs, as fnmatch reads them.
    const std::string pattern = wildcard.substr(bar + 1);
    const std::pair<const char*, bool> names[] = {
        {"x.dxf", true}, {"X.DXF", true}, {"POLI-ALL210_12.DXF", true}, {"a.Dxf", true},
        {"x.dwg", false}, {"x.dxf.bak", false}, {"dxf", false},
    };
    for (const auto& [name, matches] : names)
        EXPECT_EQ(fnmatch(pattern.c_str(), name, 0) == 0, matches) << name;
}

TEST_F(ToolDialogs, TheGridDialogShowsTheValuesItWasGivenAndReadsItsFields)
{
    GridSettingForm values;
    values.m_horizontalCount = 40;
    values.m_gridSize = 12.5;
    values.m_verticalCount = 8;
    CGridToolDlg dialog(nullptr, user, values);
    EXPECT_EQ(dialog.GetTitle(), "Grid Setting");
    EXPECT_EQ(Field(dialog, ID_GRID_HORIZONTAL).GetValue(), "40");
    EXPECT_EQ(Field(dialog, ID_GRID_SIZE).GetValue(), "12.5");
    EXPECT_EQ(Field(dialog, ID_GRID_VERTICAL).GetValue(), "8");

    Field(dialog, ID_GRID_VERTICAL).ChangeValue("16");
    ASSERT_TRUE(dialog.AcceptFields());
    EXPECT_EQ(dialog.Form().m_verticalCount, 16);
    EXPECT_EQ(dialog.Form().m_horizontalCount, 40);
    Field(dialog, ID_GRID_SIZE).ChangeValue("big");
    EXPECT_FALSE(dialog.AcceptFields());
    EXPECT_EQ(dialog.Form().m_gridSize, 12.5);
}

}  // namespace
