// The "Setting" dialog over the real frame and view, and the frame's
// behaviour while long work looks at the input queue.

#include "program_on_screen.h"
#include "tabs_on_screen.h"

#include "frame/ColourContrast.h"
#include "frame/LongWorkInputFilter.h"
#include "frame/MainFrame.h"
#include "frame/TabCtrlBase.h"
#include "frame/ToolbarTable.h"
#include "frame/ViewSetDlg.h"
#include "view/TarvokrtView.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/clrpicker.h>
#include <wx/gauge.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>

#include <type_traits>
#include <utility>

namespace {

class SettingDialog : public ProgramOnScreen {
protected:
    void SetUpOnScreen() override
    {
        ASSERT_TRUE(Start("KLX 1"));
        dialog = new CViewSetDlg(&Frame(), Frame().View(), Frame().Ports());
    }
    void TearDown() override
    {
        if (dialog)
            dialog->Destroy();
        ProgramOnScreen::TearDown();
    }

    // Control ids repeat between the pages, as in their templates.
    enum Page { GENERAL, DISPLAY, COLOR };
    template <class Control>
    Control& Find(int id)
    {
        const Page page = std::is_same_v<Control, wxCheckBox> ? DISPLAY
                          : std::is_same_v<Control, wxColourPickerCtrl> ? COLOR
                                                                         : GENERAL;
        auto* control = dynamic_cast<Control*>(dialog->Tabs()->GetPage(page)->FindWindow(id));
        EXPECT_NE(control, nullptr) << id;
        return *control;
    }

    CViewSetDlg* dialog = nullptr;
};

TEST_F(SettingDialog, OpensWithTheCurrentSettings)
{
    EXPECT_EQ(Find<wxTextCtrl>(ID_TOLERANCE_FIELD).GetValue(), "1");
    EXPECT_EQ(Find<wxTextCtrl>(ID_ANGLE_STEP_FIELD).GetValue(), "10");
    EXPECT_EQ(Find<wxChoice>(ID_FORCE_COMBO).GetStringSelection(), "kgf");
    EXPECT_EQ(Find<wxChoice>(ID_LENGTH_COMBO).GetStringSelection(), "mm");
    EXPECT_TRUE(Find<wxCheckBox>(1124).GetValue());   // point display
    EXPECT_FALSE(Find<wxCheckBox>(1125).GetValue());  // point id
    EXPECT_EQ(Find<wxCheckBox>(1128).GetLabel(), "Diaplay");
    EXPECT_EQ(Find<wxColourPickerCtrl>(1173).GetColour(), wxColour(0, 0, 255));
    EXPECT_EQ(Find<wxColourPickerCtrl>(1175).GetColour(), wxColour(255, 255, 255));
}

TEST_F(SettingDialog, ItsTabsShowGeneralFirstWithTheSelectedTabInBlue)
{
    CTabCtrlBase& tabs = *dialog->Tabs();
    ASSERT_EQ(tabs.GetPageCount(), 3u);
    EXPECT_EQ(tabs.GetPageText(0), "General");
    EXPECT_EQ(tabs.GetPageText(1), "Display");
    EXPECT_EQ(tabs.GetPageText(2), "Color");
    EXPECT_EQ(tabs.GetSelection(), 0);
    EXPECT_EQ(tabs.TabTextColour(0), wxColour(0, 0, 255));
    EXPECT_NE(tabs.TabTextColour(1), wxColour(0, 0, 255));
}

class SettingDialogUnderThePointer : public SettingDialog {};

TEST_F(SettingDialogUnderThePointer, ATabUnderThePointerShowsItsTextReadably)
{
    dialog->Show();
    Settle();
    CTabCtrlBase& tabs = *dialog->Tabs();
    TabsOnScreen screen(tabs);
    for (int tab : {1, 2}) {
        const wxColour away = tabs.TabTextColour(tab);
        const wxImage picture = screen.PointAt(tab, [&](const wxImage& shown) {
            return tabs.TabTextColour(tab) != away && DrawnIn(screen.Look(shown, tab), tabs.TabTextColour(tab));
        });
        const TabLook look = screen.Look(picture, tab);
        ASSERT_TRUE(DrawnIn(look, tabs.TabTextColour(tab))) << tab;
        EXPECT_GE(ContrastRatio(look.text, look.background), 3.0)
            << tab << ": " << look.text.GetAsString(wxC2S_HTML_SYNTAX) << " on "
            << look.background.GetAsString(wxC2S_HTML_SYNTAX);
    }
}

TEST_F(SettingDialog, ARefusedToleranceShowsItsOldValueAndTheRestIsApplied)
{
    Find<wxTextCtrl>(ID_TOLERANCE_FIELD).ChangeValue("-2");
    Find<wxTextCtrl>(ID_ANGLE_STEP_FIELD).ChangeValue("5");
    Find<wxCheckBox>(1125).SetValue(true);
    Find<wxCheckBox>(1128).SetValue(false);
    ASSERT_TRUE(dialog->ApplySettings());
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{"Tolerance should be greater than 0."}));
    EXPECT_EQ(Model().m_tolerance, 1.0);
    EXPECT_EQ(Find<wxTextCtrl>(ID_TOLERANCE_FIELD).GetValue(), "1");
    EXPECT_EQ(Model().m_angleStep, 5.0);
    EXPECT_TRUE(Frame().View().m_display.pointLabels);
    EXPECT_EQ(Frame().View().m_ucsAxesDisplay, 0);
}

TEST_F(SettingDialog, KiloNewtonAndCentimetreReachTheModelAsCodesTwoAndTwo)
{
    Find<wxChoice>(ID_FORCE_COMBO).SetStringSelection("kN");
    Find<wxChoice>(ID_LENGTH_COMBO).SetStringSelection("cm");
    ASSERT_TRUE(dialog->ApplySettings());
    EXPECT_EQ(Model().m_forceUnit, 2);
    EXPECT_EQ(Model().m_lengthUnit, 2);
    EXPECT_TRUE(user.boxes.empty());
}

TEST_F(SettingDialog, APickedColourCountsOnlyOnceApplied)
{
    auto& well = Find<wxColourPickerCtrl>(1173);
    wxColourPickerEvent picked(&well, well.GetId(), wxColour(10, 200, 30));
    well.GetEventHandler()->ProcessEvent(picked);
    EXPECT_EQ(Frame().View().GetScene()->m_colours[COLOUR_POINT], (Colour{0.0f, 0.0f, 1.0f}));
    ASSERT_TRUE(dialog->ApplySettings());
    const Colour applied = Frame().View().GetScene()->m_colours[COLOUR_POINT];
    EXPECT_FLOAT_EQ(applied[0], 10.0f / 255.0f);
    EXPECT_FLOAT_EQ(applied[1], 200.0f / 255.0f);
    EXPECT_FLOAT_EQ(applied[2], 30.0f / 255.0f);
}

TEST_F(SettingDialog, TextThatIsNoFiniteNumberIsAskedForAgainAndNothingIsApplied)
{
    const std::pair<int, const char*> cases[] = {
        {ID_ANGLE_STEP_FIELD, "1,5"}, {ID_ANGLE_STEP_FIELD, "nan"}, {ID_ANGLE_STEP_FIELD, "inf"},
        {ID_ANGLE_STEP_FIELD, "+-3"}, {ID_TOLERANCE_FIELD, "nan"}, {ID_TOLERANCE_FIELD, "inf"},
        {ID_TOLERANCE_FIELD, "+-3"},
    };
    Find<wxCheckBox>(1125).SetValue(true);
    for (const auto& [refused, text] : cases) {
        // The other field holds a good value that must not be applied either.
        Find<wxTextCtrl>(refused == ID_TOLERANCE_FIELD ? ID_ANGLE_STEP_FIELD : ID_TOLERANCE_FIELD).ChangeValue("5");
        Find<wxTextCtrl>(refused).ChangeValue(text);
        EXPECT_FALSE(dialog->ApplySettings()) << refused << " " << text;
        EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{"Please enter a number."})) << text;
        user.ClearRecords();
    }
    EXPECT_EQ(Model().m_tolerance, 1.0);
    EXPECT_EQ(Model().m_angleStep, 10.0);
    EXPECT_FALSE(Frame().View().m_display.pointLabels);
}

TEST_F(SettingDialog, EnterAndEscapeDoNotCloseIt)
{
    dialog->Show();
    Settle();
    for (int key : {WXK_ESCAPE, WXK_RETURN}) {
        wxKeyEvent press(wxEVT_CHAR_HOOK);
        press.m_keyCode = key;
        press.SetEventObject(dialog);
        dialog->GetEventHandler()->ProcessEvent(press);
        Settle();
        EXPECT_TRUE(dialog->IsShown()) << key;
    }
}

TEST_F(SettingDialog, CancelClosesWithoutApplyingAndKeepsWhatAnEarlierApplyChanged)
{
    const auto press = [this](int buttonId) {
        wxWindow* button = dialog->FindWindow(buttonId);
        ASSERT_NE(button, nullptr) << buttonId;
        wxCommandEvent click(wxEVT_BUTTON, buttonId);
        click.SetEventObject(button);
        button->GetEventHandler()->ProcessEvent(click);
        Settle();
    };
    const struct {
        const char* name;
        bool applyFirst;  // Apply with angle step 5, then change the step to 7
        int closeWith;
        double angleStep;
        bool pointLabels;
    } cases[] = {
        {"cancel", false, wxID_CANCEL, 10.0, false},
        {"apply then cancel", true, wxID_CANCEL, 5.0, true},
        {"ok", false, wxID_OK, 7.0, true},
        {"apply then ok", true, wxID_OK, 7.0, true},
    };
    for (const auto& c : cases) {
        Model().m_angleStep = 10.0;
        Frame().View().m_display.pointLabels = false;
        dialog->Destroy();
        dialog = new CViewSetDlg(&Frame(), Frame().View(), Frame().Ports());
        dialog->Show();
        Settle();
        Find<wxCheckBox>(1125).SetValue(true);
        if (c.applyFirst) {
            Find<wxTextCtrl>(ID_ANGLE_STEP_FIELD).ChangeValue("5");
            press(ID_VIEWSET_APPLY);
            ASSERT_TRUE(dialog->IsShown()) << c.name;
        }
        Find<wxTextCtrl>(ID_ANGLE_STEP_FIELD).ChangeValue("7");
        press(c.closeWith);
        EXPECT_FALSE(dialog->IsShown()) << c.name;
        EXPECT_EQ(Model().m_angleStep, c.angleStep) << c.name;
        EXPECT_EQ(Frame().View().m_display.pointLabels, c.pointLabels) << c.name;
    }
    EXPECT_TRUE(user.boxes.empty());
}

TEST(LongWorkInput, UserInputIsDroppedEscapeIsNotedWindowEventsPass)
{
    LongWorkInputFilter filter;
    wxCommandEvent menu(wxEVT_MENU, WxCommandId(CMD_FILE_NEW));
    wxCommandEvent button(wxEVT_BUTTON, wxID_OK);
    wxMouseEvent click(wxEVT_LEFT_DOWN);
    wxKeyEvent letter(wxEVT_CHAR_HOOK);
    letter.m_keyCode = 'A';
    for (wxEvent* input : std::initializer_list<wxEvent*>{&menu, &button, &click, &letter})
        EXPECT_EQ(filter.FilterEvent(*input), wxEventFilter::Event_Processed);
    EXPECT_FALSE(filter.escape);

    wxEraseEvent erase;
    wxSizeEvent size;
    EXPECT_EQ(filter.FilterEvent(erase), wxEventFilter::Event_Skip);
    EXPECT_EQ(filter.FilterEvent(size), wxEventFilter::Event_Skip);
    EXPECT_FALSE(filter.escape);

    wxKeyEvent escape(wxEVT_KEY_DOWN);
    escape.m_keyCode = WXK_ESCAPE;
    EXPECT_EQ(filter.FilterEvent(escape), wxEventFilter::Event_Processed);
    EXPECT_TRUE(filter.escape);
}

TEST_F(ProgramOnScreen, ThePollOfLongWorkRunsNoCommandAndLeavesTheProgramAsItWas)
{
    ASSERT_TRUE(Start(SavedProject("busy.klx", {{0, 0}, {10, 10}})));
    EXPECT_EQ(Frame().Ports().TakePendingMessage(), PolledMessage::QueueEmpty);
    Settle();
    EXPECT_EQ(Frame().Document().GetModel()->m_points.size(), 2u);
    // The filter is gone afterwards: commands run again.
    wxCommandEvent newProject(wxEVT_MENU, WxCommandId(CMD_FILE_NEW));
    Frame().GetEventHandler()->ProcessEvent(newProject);
    Settle();
    EXPECT_TRUE(Frame().Document().GetModel()->m_points.empty());
}

TEST_F(ProgramOnScreen, ProgressShowsInTheFirstStatusPane)
{
    ASSERT_TRUE(Start("KLX 1"));
    GuiUserPorts& ports = Frame().Ports();
    ports.BeginProgress(10);
    ports.SetProgress(4);
    wxWindowList children = Frame().GetStatusBar()->GetChildren();
    ASSERT_EQ(children.size(), 1u);
    auto* gauge = dynamic_cast<wxGauge*>(children.front());
    ASSERT_NE(gauge, nullptr);
    EXPECT_TRUE(gauge->IsShown());
    EXPECT_EQ(gauge->GetRange(), 10);
    EXPECT_EQ(gauge->GetValue(), 4);
    ports.EndProgress();
    EXPECT_FALSE(gauge->IsShown());
}

}  // namespace
