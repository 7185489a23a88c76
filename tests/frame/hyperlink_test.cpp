// The About box's links: a click opens the target through the launcher; a
// failure beeps, says why and leaves the link unvisited. The About box from
// its command, and the desktop's opener heard back from when it fails.

#include "program_on_screen.h"
#include "recording_launcher.h"

#include "frame/AboutDlg.h"
#include "frame/DesktopAddressOpener.h"
#include "frame/HyperLink.h"
#include "frame/ToolbarTable.h"
#include "model/ProgramInfo.h"
#include "support/ScriptedUserPorts.h"
#include "view/support/GuiTestEnvironment.h"

#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/modalhook.h>
#include <wx/process.h>
#include <wx/timer.h>
#include <wx/tooltip.h>
#include <wx/utils.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <poll.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

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

// The desktop's opener stood in for by a script on an otherwise empty path.
class DesktopOpener : public testing::Test {
protected:
    void SetUp() override
    {
        if (!RequireDisplay())
            GTEST_SKIP();
        folder = std::filesystem::temp_directory_path() /
                 ("klx_opener_" + std::to_string(wxGetProcessId()) + "_" +
                  testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
        wxGetEnv("PATH", &savedPath);
        wxSetEnv("PATH", folder.string());
    }
    void TearDown() override
    {
        wxSetEnv("PATH", savedPath);
        std::filesystem::remove_all(folder);
    }

    void WriteOpener(const std::string& name, int status, const std::string& before = "")
    {
        const std::filesystem::path script = folder / name;
        std::ofstream(script) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" << (folder / "arguments").string()
                              << "'\n" << before << "exit " << status << "\n";
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    }

    // Opens the address and runs the program's events until the opener's
    // failure is heard of; nothing when a minute passes without it.
    std::optional<std::string> FailureOfOpening(const std::string& address)
    {
        std::optional<std::string> reason;
        wxGUIEventLoop loop;
        OpenAddressOnDesktop(address, [&](const std::string& heard) {
            reason = heard;
            if (loop.IsRunning())
                loop.Exit();
        });
        if (!reason) {
            wxTimer giveUp;
            giveUp.Bind(wxEVT_TIMER, [&loop](wxTimerEvent&) { loop.Exit(); });
            giveUp.StartOnce(60000);
            loop.Run();
        }
        return reason;
    }

    std::vector<std::string> Arguments() const
    {
        std::vector<std::string> lines;
        std::ifstream file(folder / "arguments");
        for (std::string line; std::getline(file, line);)
            lines.push_back(line);
        return lines;
    }

    // The files, pipes and sockets open in both the process and this one.
    static std::vector<std::string> HeldByBoth(int pid)
    {
        std::set<std::pair<dev_t, ino_t>> ours;
        for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
            struct stat object {};
            if (::stat(entry.path().c_str(), &object) == 0 && !S_ISCHR(object.st_mode))
                ours.emplace(object.st_dev, object.st_ino);
        }
        std::vector<std::string> both;
        for (const auto& entry : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd")) {
            struct stat object {};
            if (::stat(entry.path().c_str(), &object) == 0 && ours.count({object.st_dev, object.st_ino}))
                both.push_back(entry.path().filename().string() + " -> " +
                               std::filesystem::read_symlink(entry.path()).string());
        }
        return both;
    }

    // What a writer puts into the fifo, up to its first line; what came when
    // a minute passes without the line.
    static std::string LineFrom(int fifo)
    {
        std::string text;
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        while (text.find('\n') == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                giveUp - std::chrono::steady_clock::now());
            pollfd ready{fifo, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&ready, 1, static_cast<int>(left.count())) == 0)
                break;
            char chunk[256];
            const ssize_t count = ::read(fifo, chunk, sizeof chunk);
            if (count > 0)
                text.append(chunk, static_cast<std::size_t>(count));
            else if (count == 0 || errno != EAGAIN)
                break;  // every writer has gone
        }
        return text;
    }

    std::filesystem::path folder;
    wxString savedPath;
};

TEST_F(DesktopOpener, AnOpenerThatEndsInFailureIsHeardOfWithItsReason)
{
    WriteOpener("xdg-open", 3);
    const std::string address = "https://tarvo.example/klx?a=1&b=2 c";
    EXPECT_EQ(FailureOfOpening(address), "No program to open the address was found.");
    EXPECT_EQ(Arguments(), std::vector<std::string>{address});
}

TEST_F(DesktopOpener, TheReasonIsTheOpenersOwnMessageWhenItWroteOne)
{
    // Still one argument of its own, read by no shell.
    const std::string address = "mailto:support@tarvo.example?subject=a'b\"c;$(true)";
    WriteOpener("gio", 2, "printf '\\n  gio: %s: Operation not supported  \\n\\n' \"$2\" >&2\n");
    EXPECT_EQ(FailureOfOpening(address), "gio: " + address + ": Operation not supported");
    EXPECT_EQ(Arguments(), (std::vector<std::string>{"open", address}));

    // Words on its output, and an error output of blanks only, say nothing.
    WriteOpener("gio", 2, "echo 'Opening the address'\necho '  ' >&2\n");
    EXPECT_EQ(FailureOfOpening(address), "gio could not open the address (status 2).");

    // Nor is a complaint from an opener that succeeded a failure.
    EXPECT_EQ(OpenerFailureReason("gio", 0, "gio: a warning"), "");
}

// An opener that writes far more than a pipe holds, on both outputs, ends;
// the reason quotes the start of what it wrote. A program it leaves running
// keeps nobody waiting.
TEST_F(DesktopOpener, AnOpenerThatWritesMuchOrLeavesAProgramRunningIsHeardOf)
{
    WriteOpener("xdg-open", 1,
                "i=0\nwhile [ $i -lt 20000 ]; do\n  echo \"complaint $i\" >&2\n  echo \"output $i\"\n"
                "  i=$((i+1))\ndone\n");
    const std::optional<std::string> reason = FailureOfOpening("https://tarvo.example/klx");
    ASSERT_TRUE(reason) << "the opener waits on a full pipe";
    EXPECT_EQ(reason->substr(0, 23), "complaint 0\ncomplaint 1");
    EXPECT_LE(reason->size(), 1024u + 3u);
    EXPECT_EQ(reason->substr(reason->size() - 3), "...");

    const std::filesystem::path child = folder / "child";
    WriteOpener("xdg-open", 3,
                "/bin/sleep 600 &\necho $! > '" + child.string() + "'\necho 'xdg-open: no method available' >&2\n");
    EXPECT_EQ(FailureOfOpening("https://tarvo.example/klx"), "xdg-open: no method available");
    int pid = 0;
    ASSERT_TRUE(std::ifstream(child) >> pid);
    EXPECT_TRUE(wxProcess::Exists(pid)) << "the program the opener started has ended: nothing was tried";
    wxProcess::Kill(pid, wxSIGKILL);
}

// A long message is quoted in whole characters: a bound that falls inside
// one ends the quote before it, whichever byte of it the bound cuts.
TEST_F(DesktopOpener, ALongMessageIsQuotedInWholeCharacters)
{
    const std::size_t bound = 1024;
    for (const std::string character : {"\u00e9", "\u20ac", "\U0001F600"}) {
        for (std::size_t shift = 0; shift < character.size(); ++shift) {
            const std::string ascii(1 + shift, 'x');
            std::string message = ascii;
            for (std::size_t i = 0; i < 2 * bound / character.size(); ++i)
                message += character;
            std::ofstream(folder / "message") << message;
            WriteOpener("xdg-open", 1, "/bin/cat '" + (folder / "message").string() + "' >&2\n");

            std::string whole = ascii;
            for (std::size_t i = 0; i < (bound - ascii.size()) / character.size(); ++i)
                whole += character;
            SCOPED_TRACE(testing::Message() << character.size() << "-byte characters after "
                                            << ascii.size() << " bytes");
            EXPECT_EQ(FailureOfOpening("https://tarvo.example/klx"), whole + "...");
        }
    }
}

// A program that the opener starts and that outlives it holds nothing of
// ours: not the place its error output goes, nor any other descriptor. So it
// writes on after the opener has ended and its reason has been heard, and
// would when this program is gone, and finishes.
TEST_F(DesktopOpener, AProgramTheOpenerStartsHoldsNothingOfOursAndWritesOnToTheEnd)
{
    const std::filesystem::path go = folder / "go";
    const std::filesystem::path finished = folder / "finished";
    const std::filesystem::path child = folder / "child";
    ASSERT_EQ(::mkfifo(go.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(finished.c_str(), 0600), 0);
    WriteOpener("xdg-open", 3,
                "(\n  read word < '" + go.string() + "'\n  i=1\n  while [ $i -le 39 ]; do\n"
                "    echo \"line $i of 39\" >&2\n    i=$((i+1))\n  done\n"
                "  echo 'line 39 of 39' > '" + finished.string() + "'\n) &\n"
                "echo $! > '" + child.string() + "'\necho 'xdg-open: no method available' >&2\n");
    EXPECT_EQ(FailureOfOpening("https://tarvo.example/klx"), "xdg-open: no method available");
    int pid = 0;
    ASSERT_TRUE(std::ifstream(child) >> pid);
    EXPECT_EQ(HeldByBoth(pid), std::vector<std::string>{});

    // Its writing starts now; its last line comes through the second fifo.
    const int lastLine = ::open(finished.c_str(), O_RDONLY | O_NONBLOCK);
    const int start = ::open(go.c_str(), O_RDWR);
    EXPECT_EQ(::write(start, "go\n", 3), 3);
    EXPECT_EQ(LineFrom(lastLine), "line 39 of 39\n");
    ::close(start);
    ::close(lastLine);
    if (wxProcess::Exists(pid))
        wxProcess::Kill(pid, wxSIGKILL);  // it never finished
}

TEST_F(DesktopOpener, GioIsTheSecondChoiceAndNoOpenerAtAllIsAFailureAtOnce)
{
    WriteOpener("gio", 2);
    EXPECT_EQ(FailureOfOpening("mailto:support@tarvo.example"), "gio could not open the address (status 2).");
    EXPECT_EQ(Arguments(), (std::vector<std::string>{"open", "mailto:support@tarvo.example"}));

    std::filesystem::remove(folder / "gio");
    std::optional<std::string> reason;
    OpenAddressOnDesktop("https://tarvo.example/klx", [&reason](const std::string& heard) { reason = heard; });
    EXPECT_EQ(reason, "No program to open addresses (xdg-open or gio) was found.");
}

}  // namespace
