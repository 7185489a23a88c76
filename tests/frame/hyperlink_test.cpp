// The About box's links: a click opens the target through the launcher; a
// failure beeps, says why and leaves the link unvisited. The About box from
// its command.

#include "program_on_screen.h"
#include "recording_launcher.h"

#include "frame/AboutDlg.h"
#include "frame/HyperLink.h"
#include "frame/ToolbarTable.h"
#include "model/ProgramInfo.h"
#include "support/ScriptedUserPorts.h"
#include "view/support/GuiTestEnvironment.h"

#include <wx/frame.h>
#include <wx/modalhook.h>
#include <wx/tooltip.h>
#include <wx/utils.h>

namespace {

class HyperLinkOnScreen : public testing::Test {
protected:
    void SetUp() override
    {
        if (!RequireDisplay())
            GTEST_SKIP();
        frame = new wxFrame(nullptr, wxID_ANY, "links");
        link = new CHyperLink(frame, wxID_ANY, "", "https://tarvo.example/klx", ports);
        frame->SetClientSize(300, 60);
        link->SetSize(frame->GetClientSize());
    }
    void TearDown() override
    {
        DestroyNow(frame);
    }

    // A press and a release of the left button on the link's text.
    void Click()
    {
        const wxPoint middle(link->GetClientSize().x / 2, link->GetClientSize().y / 2);
        for (wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP}) {
            wxMouseEvent button(type);
            button.SetPosition(middle);
            button.SetEventObject(link);
            link->GetEventHandler()->ProcessEvent(button);
        }
    }

    RecordingLauncher launcher;
    ScriptedUserPorts user;
    RecordingBell bell;
    AddressLaunchPorts ports{launcher, user, bell};
    wxFrame* frame = nullptr;
    CHyperLink* link = nullptr;
};

TEST_F(HyperLinkOnScreen, AClickOpensTheTargetAndAFailureBeepsSaysWhyAndLeavesItUnvisited)
{
    struct ClickCase {
        const char* name;
        std::vector<bool> opens;  // what the launcher answers to each click
        bool visited;
        int rings;
        std::vector<std::string> boxes;
    };
    const std::string refused = "Unable to open hyperlink:\n\nNo program to open the address was found.";
    const ClickCase cases[] = {
        {"opened", {true}, true, 0, {}},
        {"refused", {false}, false, 1, {refused}},
        {"refused after an earlier success", {true, false}, false, 1, {refused}},
        {"opened after an earlier failure", {false, true}, true, 1, {refused}},
    };
    for (const ClickCase& c : cases) {
        SCOPED_TRACE(c.name);
        link->MarkVisited(false);
        launcher = RecordingLauncher();
        bell = RecordingBell();
        user.ClearRecords();
        for (bool opens : c.opens) {
            launcher.opensAddresses = opens;
            Click();
        }
        EXPECT_EQ(launcher.addresses, std::vector<std::string>(c.opens.size(), "https://tarvo.example/klx"));
        EXPECT_EQ(link->IsVisited(), c.visited);
        EXPECT_EQ(link->GetForegroundColour(), c.visited ? wxColour(85, 26, 139) : wxColour(0, 0, 238));
        EXPECT_EQ(bell.rings, c.rings);
        EXPECT_EQ(user.BoxTexts(), c.boxes);
        for (const RecordedBox& box : user.boxes)
            EXPECT_EQ(box.kind, BoxKind::Warning);
    }
}

TEST_F(HyperLinkOnScreen, TheTargetIsTheTooltipAndTheTextWhenNoneIsGiven)
{
    EXPECT_EQ(link->GetLabel(), "https://tarvo.example/klx");
    ASSERT_NE(link->GetToolTip(), nullptr);
    EXPECT_EQ(link->GetToolTip()->GetTip(), "https://tarvo.example/klx");

    link->SetLink("mailto:someone@tarvo.example");
    EXPECT_EQ(link->GetToolTip()->GetTip(), "mailto:someone@tarvo.example");
    Click();
    EXPECT_EQ(launcher.addresses, std::vector<std::string>{"mailto:someone@tarvo.example"});

    auto* named = new CHyperLink(frame, wxID_ANY, "Write to us", "mailto:someone@tarvo.example", ports);
    EXPECT_EQ(named->GetLabel(), "Write to us");
    EXPECT_EQ(named->GetToolTip()->GetTip(), "mailto:someone@tarvo.example");
}

TEST_F(HyperLinkOnScreen, TheUnderlineSwitches)
{
    link->SetUnderlined(false);
    EXPECT_FALSE(link->IsUnderlined());
    link->SetUnderlined(true);
    EXPECT_TRUE(link->IsUnderlined());
}

class AboutBoxOnScreen : public ProgramOnScreen {
protected:
    // Reads the About box's links as it shows, then closes it.
    class ReadingHook : public wxModalDialogHook {
    public:
        int Enter(wxDialog* dialog) override
        {
            if (!dynamic_cast<CAboutDlg*>(dialog))
                return wxID_NONE;
            for (int id : {ID_ABOUT_HOMEPAGE_LINK, ID_ABOUT_MAIL_LINK}) {
                auto* link = dynamic_cast<CHyperLink*>(dialog->FindWindow(id));
                links.push_back(link ? link->GetLabel().utf8_string() + " -> " + link->Link() +
                                           (link->IsUnderlined() ? " underlined" : "")
                                     : "missing");
            }
            return wxID_OK;
        }
        void Exit(wxDialog*) override {}
        std::vector<std::string> links;
    };
    void SetUpOnScreen() override { AnswerDialogsWith(hook); }

    ReadingHook hook;
};

TEST_F(AboutBoxOnScreen, TheAboutCommandShowsBothLinks)
{
    ASSERT_TRUE(Start(""));
    Command(CMD_APP_ABOUT);
    EXPECT_EQ(hook.links, (std::vector<std::string>{
                              std::string(KLX_HOMEPAGE) + " -> " + KLX_HOMEPAGE + " underlined",
                              std::string(KLX_SUPPORT_MAIL) + " -> mailto:" + KLX_SUPPORT_MAIL + " underlined"}));
}

}  // namespace
