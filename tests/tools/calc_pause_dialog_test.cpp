// The "Pause Mode" dialog on the display, asked through the hook the frame
// calls: what each way of closing it answers, and its buttons before and
// after the last plane section.

#include "calc/DocumentHost.h"
#include "frame/ToolRegistry.h"
#include "tools/CalcPause.h"
#include "tools/ToolRegistration.h"
#include "view/support/GuiTestEnvironment.h"

#include <wx/button.h>
#include <wx/modalhook.h>
#include <wx/stattext.h>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct ButtonState {
    std::string label;
    bool enabled;
    bool operator==(const ButtonState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ButtonState& state)
{
    return out << state.label << (state.enabled ? "" : " (disabled)");
}

// What the shown dialog looked like, and the trigger the test then gave it.
class PauseDriver : public wxModalDialogHook {
public:
    int Enter(wxDialog* dialog) override
    {
        title = dialog->GetTitle().utf8_string();
        if (auto* text = dynamic_cast<wxStaticText*>(dialog->FindWindow(ID_PAUSE_TEXT)))
            message = text->GetLabel().utf8_string();
        for (int id : {ID_PAUSE_CONTINUE, ID_PAUSE_NO_MORE, ID_PAUSE_STOP}) {
            wxWindow* button = dialog->FindWindow(id);
            buttons.push_back(button ? ButtonState{button->GetLabel().utf8_string(), button->IsEnabled()}
                                     : ButtonState{"(none)", false});
        }
        // Once the dialog runs its own loop.
        dialog->CallAfter([this, dialog] { trigger(*dialog); });
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}

    std::function<void(wxDialog&)> trigger;
    std::string title;
    std::string message;
    std::vector<ButtonState> buttons;
};

void Click(wxDialog& dialog, int id)
{
    wxWindow* button = dialog.FindWindow(id);
    ASSERT_NE(button, nullptr);
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
}

void Key(wxDialog& dialog, int keyCode)
{
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = keyCode;
    key.SetEventObject(&dialog);
    dialog.GetEventHandler()->ProcessEvent(key);
}

TEST(CalcPauseDialog, EachTriggerGivesItsChoiceAndTheLastSectionOffersOnlyFinish)
{
    if (!RequireDisplay())
        GTEST_SKIP();
    CToolRegistry registry;
    RegisterTools(registry);
    ASSERT_TRUE(registry.hooks.askCalcPause);

    const std::vector<ButtonState> midRun{{"Continue", true}, {"Pause No More", true}, {"Stop", true}};
    const std::vector<ButtonState> lastSection{{"Finish", true}, {"Pause No More", false}, {"Stop", false}};
    const struct {
        const char* name;
        bool last;
        std::function<void(wxDialog&)> trigger;
        int choice;
    } cases[] = {
        {"Continue", false, [](wxDialog& d) { Click(d, ID_PAUSE_CONTINUE); }, PAUSE_CONTINUE},
        {"Enter", false, [](wxDialog& d) { Key(d, WXK_RETURN); }, PAUSE_CONTINUE},
        {"keypad Enter", false, [](wxDialog& d) { Key(d, WXK_NUMPAD_ENTER); }, PAUSE_CONTINUE},
        {"Pause No More", false, [](wxDialog& d) { Click(d, ID_PAUSE_NO_MORE); }, PAUSE_NO_MORE},
        {"Escape", false, [](wxDialog& d) { Key(d, WXK_ESCAPE); }, PAUSE_NO_MORE},
        {"close box", false, [](wxDialog& d) { d.Close(); }, PAUSE_NO_MORE},
        {"Stop", false, [](wxDialog& d) { Click(d, ID_PAUSE_STOP); }, PAUSE_STOP},
        {"ended as a cancel", false, [](wxDialog& d) { d.EndModal(wxID_CANCEL); }, PAUSE_NO_MORE},
        {"Finish", true, [](wxDialog& d) { Click(d, ID_PAUSE_CONTINUE); }, PAUSE_CONTINUE},
        {"Enter at the last", true, [](wxDialog& d) { Key(d, WXK_RETURN); }, PAUSE_CONTINUE},
        {"Escape at the last", true, [](wxDialog& d) { Key(d, WXK_ESCAPE); }, PAUSE_NO_MORE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PauseDriver driver;
        driver.trigger = c.trigger;
        driver.Register();
        const int choice = registry.hooks.askCalcPause("Plane section [Left] is calculated using 96 elements.", c.last);
        driver.Unregister();
        EXPECT_EQ(choice, c.choice);
        EXPECT_EQ(driver.title, "Pause Mode");
        EXPECT_EQ(driver.message, "Plane section [Left] is calculated using 96 elements.");
        EXPECT_EQ(driver.buttons, c.last ? lastSection : midRun);
    }
}

}  // namespace
