// The print and help commands on the real frame: where the menus offer
// them, Ctrl+P, the print preview, and the help commands through a launcher
// that records what it is asked to start.

#include "program_on_screen.h"
#include "recording_launcher.h"

#include "frame/GuiUserPorts.h"
#include "frame/MainFrame.h"
#include "frame/ToolbarTable.h"
#include "model/ProgramInfo.h"
#include "view/TarvokrtView.h"
#include "view/ViewPrintout.h"

#include <wx/accel.h>
#include <wx/menu.h>
#include <wx/prntbase.h>

namespace {

class PrintHelpOnScreen : public ProgramOnScreen {
protected:
    void SetUp() override
    {
        ProgramOnScreen::SetUp();
        GuiUserPorts::UseScriptedLauncher(&launcher);
        GuiUserPorts::UseScriptedBell(&bell);
    }
    void TearDown() override
    {
        ProgramOnScreen::TearDown();
        GuiUserPorts::UseScriptedLauncher(nullptr);
        GuiUserPorts::UseScriptedBell(nullptr);
    }

    std::vector<wxPreviewFrame*> PreviewFrames() const
    {
        std::vector<wxPreviewFrame*> frames;
        for (wxWindow* window : wxTopLevelWindows) {
            if (auto* frame = dynamic_cast<wxPreviewFrame*>(window); frame && !frame->IsBeingDeleted())
                frames.push_back(frame);
        }
        return frames;
    }

    RecordingLauncher launcher;
    RecordingBell bell;
};

TEST_F(PrintHelpOnScreen, TheMenusOfferThePrintAndHelpItemsEnabled)
{
    ASSERT_TRUE(Start(""));
    wxMenuBar& menus = *Frame().GetMenuBar();
    ASSERT_EQ(menus.GetMenuCount(), 2u);
    EXPECT_EQ(menus.GetMenuLabel(0), "&File");
    EXPECT_EQ(menus.GetMenuLabel(1), "&Help");
    const std::vector<std::string> file = MenuLabels(*menus.GetMenu(0));
    const std::vector<std::string> printItems{"-", "Print Setup...", "Print Preview", "&Print...\tCtrl+P", "-"};
    const auto exportItem = std::find(file.begin(), file.end(), "Export");
    ASSERT_NE(exportItem, file.end());
    EXPECT_EQ(std::vector<std::string>(exportItem + 1, exportItem + 1 + printItems.size()), printItems);
    EXPECT_EQ(MenuLabels(*menus.GetMenu(1)),
              (std::vector<std::string>{"Tarvo Homepage", "E-mail to Tarvo", "Windows Calculator"}));

    struct Prompted {
        int command;
        const char* prompt;
    };
    for (const Prompted& item : {Prompted{CMD_VISIT_HOMEPAGE, "Visit the Tarvo homepage"},
                                 Prompted{CMD_SEND_MAIL, "E-mail to Tarvo"},
                                 Prompted{CMD_CALCULATOR, "Launch the Windows calculator"}})
        EXPECT_EQ(menus.GetHelpString(WxCommandId(item.command)), item.prompt);

    for (size_t i = 0; i < menus.GetMenuCount(); ++i)
        menus.GetMenu(i)->UpdateUI(Frame().GetEventHandler());
    for (int command : {CMD_FILE_PRINT_SETUP, CMD_FILE_PRINT_PREVIEW, CMD_FILE_PRINT, CMD_VISIT_HOMEPAGE, CMD_SEND_MAIL,
                        CMD_CALCULATOR}) {
        EXPECT_TRUE(Frame().IsBuiltCommand(command)) << command;
        EXPECT_TRUE(menus.IsEnabled(WxCommandId(command))) << command;
    }
}

TEST_F(PrintHelpOnScreen, CtrlPSendsPrint)
{
    ASSERT_TRUE(Start(""));
    const wxAcceleratorTable* keys = Frame().GetAcceleratorTable();
    ASSERT_TRUE(keys && keys->IsOk());
    wxKeyEvent ctrlP(wxEVT_KEY_DOWN);
    ctrlP.m_keyCode = 'P';
    ctrlP.SetControlDown(true);
    EXPECT_EQ(keys->GetCommand(ctrlP), WxCommandId(CMD_FILE_PRINT));
    wxKeyEvent plainP(wxEVT_KEY_DOWN);
    plainP.m_keyCode = 'P';
    EXPECT_EQ(keys->GetCommand(plainP), -1);
}

TEST_F(PrintHelpOnScreen, CtrlYAndCtrlShiftZRedoBesideTheUndoKeys)
{
    ASSERT_TRUE(Start(""));
    const wxAcceleratorTable* keys = Frame().GetAcceleratorTable();
    ASSERT_TRUE(keys && keys->IsOk());
    const struct {
        const char* name;
        int key;
        bool ctrl;
        bool shift;
        bool alt;
        int command;
    } cases[] = {
        {"Ctrl+Z", 'Z', true, false, false, WxCommandId(CMD_EDIT_UNDO)},
        {"Alt+Backspace", WXK_BACK, false, false, true, WxCommandId(CMD_EDIT_UNDO)},
        {"Ctrl+Y", 'Y', true, false, false, WxCommandId(CMD_EDIT_REDO)},
        {"Ctrl+Shift+Z", 'Z', true, true, false, WxCommandId(CMD_EDIT_REDO)},
        {"Y alone", 'Y', false, false, false, -1},
        {"Shift+Z", 'Z', false, true, false, -1},
    };
    for (const auto& c : cases) {
        wxKeyEvent key(wxEVT_KEY_DOWN);
        key.m_keyCode = c.key;
        key.SetControlDown(c.ctrl);
        key.SetShiftDown(c.shift);
        key.SetAltDown(c.alt);
        EXPECT_EQ(keys->GetCommand(key), c.command) << c.name;
    }
}

TEST_F(PrintHelpOnScreen, PrintPreviewShowsOnePageOfThePictureAndCloses)
{
    ASSERT_TRUE(Start(SavedProject("beam.klx", {{0, 0}, {100, 50}})));
    // What an earlier Print Setup chose.
    Frame().View().PrintData().SetOrientation(wxLANDSCAPE);
    Command(CMD_FILE_PRINT_PREVIEW);
    const std::vector<wxPreviewFrame*> frames = PreviewFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_TRUE(frames[0]->IsShown());
    wxPreviewControlBar* controls = nullptr;
    for (wxWindow* child : frames[0]->GetChildren()) {
        if (auto* bar = dynamic_cast<wxPreviewControlBar*>(child))
            controls = bar;
    }
    ASSERT_NE(controls, nullptr);
    wxPrintPreviewBase& preview = *controls->GetPrintPreview();
    EXPECT_EQ(preview.GetMinPage(), 1);
    EXPECT_EQ(preview.GetMaxPage(), 1);
    EXPECT_EQ(preview.GetPrintDialogData().GetPrintData().GetOrientation(), wxLANDSCAPE);
    // The page holds the view's picture as the command found it.
    auto* printout = dynamic_cast<CViewPrintout*>(preview.GetPrintout());
    ASSERT_NE(printout, nullptr);
    EXPECT_EQ(printout->Picture().GetHeight(), Frame().View().GetClientSize().y);

    frames[0]->Close(true);
    Settle();
    EXPECT_TRUE(PreviewFrames().empty());
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_TRUE(ShownDialogs().empty());
}

TEST_F(PrintHelpOnScreen, HelpCommandsAskTheLauncherForTheAddressOrACalculator)
{
    const std::string homepage = KLX_HOMEPAGE;
    const std::string mail = std::string("mailto:") + KLX_SUPPORT_MAIL;
    const std::string refused = "Unable to open hyperlink:\n\nNo program to open the address was found.";
    const std::vector<std::string> calculators{"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc"};
    struct HelpCase {
        const char* name;
        int command;
        bool opensAddresses;
        std::string startableProgram;
        std::vector<std::string> addresses;
        std::vector<std::string> programs;
        std::vector<std::string> boxes;
        int rings;
    };
    // A homepage or a mail that cannot be opened is told the same way: a
    // beep and the warning with the launcher's reason.
    const HelpCase cases[] = {
        {"homepage", CMD_VISIT_HOMEPAGE, true, "", {homepage}, {}, {}, 0},
        {"homepage refused", CMD_VISIT_HOMEPAGE, false, "", {homepage}, {}, {refused}, 1},
        {"mail", CMD_SEND_MAIL, true, "", {mail}, {}, {}, 0},
        {"mail refused", CMD_SEND_MAIL, false, "", {mail}, {}, {refused}, 1},
        {"the first calculator starts", CMD_CALCULATOR, true, "gnome-calculator", {}, {"gnome-calculator"}, {}, 0},
        {"a later calculator starts", CMD_CALCULATOR, true, "kcalc", {}, {"gnome-calculator", "kcalc"}, {}, 0},
        {"none starts", CMD_CALCULATOR, true, "", {}, calculators, {"Cannot execute Windows Calculator."}, 0},
    };
    ASSERT_TRUE(Start(""));
    for (const HelpCase& c : cases) {
        SCOPED_TRACE(c.name);
        launcher = RecordingLauncher();
        launcher.opensAddresses = c.opensAddresses;
        launcher.startableProgram = c.startableProgram;
        bell = RecordingBell();
        user.ClearRecords();
        Command(c.command);
        EXPECT_EQ(launcher.addresses, c.addresses);
        EXPECT_EQ(launcher.programs, c.programs);
        EXPECT_EQ(user.BoxTexts(), c.boxes);
        EXPECT_EQ(bell.rings, c.rings);
        for (const RecordedBox& box : user.boxes)
            EXPECT_EQ(box.kind, BoxKind::Warning);
    }
}

}  // namespace
