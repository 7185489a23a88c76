// main of the window's test programs.

#include "view/support/GuiTestEnvironment.h"

#include "view/support/DisplayWait.h"
#include "view/support/ToolkitComplaints.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/timer.h>
#include <wx/toplevel.h>

#include <clocale>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

bool g_started = false;

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg)
{
    ADD_FAILURE() << "wxWidgets assertion " << cond.utf8_string() << " in " << func.utf8_string() << " at "
                  << file.utf8_string() << ":" << line << ": " << msg.utf8_string();
}

class GuiEnvironment : public testing::Environment {
public:
    void TearDown() override
    {
        if (g_started) {
            wxEntryCleanup();
            g_started = false;
        }
    }
};

// Keeps what the toolkit logs while it starts, to tell why a start failed.
class StartLog : public wxLog {
public:
    std::string text;

protected:
    void DoLogTextAtLevel(wxLogLevel, const wxString& message) override { text += " " + message.utf8_string(); }
};

std::string g_failure;

std::string StartFailure(const std::string& reason)
{
    const char* display = std::getenv("DISPLAY");
    return "the toolkit did not start on display \"" + std::string(display ? display : "(DISPLAY not set)")
           + "\":" + (reason.empty() ? std::string(" no reason given") : reason)
           + (display ? std::string() : std::string("; run the window's tests on a virtual display: tests/run-on-own-display"));
}

// Starts the toolkit once the display accepts a connection, which stays open
// until the toolkit has its own; on failure g_failure says why.
void StartToolkit()
{
    setenv("GDK_BACKEND", "x11", 1);
    setenv("NO_AT_BRIDGE", "1", 1);
    if (!std::getenv("DISPLAY")) {
        g_failure = StartFailure("");
        return;
    }
    HeldXConnection held;
    const DisplayWait wait = held.Wait();
    const std::string refused = WaitForDisplay(wait, std::cerr);
    if (!refused.empty()) {
        g_failure = StartFailure(" the display accepted no connection in " + std::to_string(wait.elapsed().count())
                                 + " ms; the last try: " + refused);
        return;
    }
    FailTestsOnToolkitComplaints();
    auto* startLog = new StartLog();
    delete wxLog::SetActiveTarget(startLog);
    wxApp::SetInstance(new wxApp());
    int argc = 1;
    char name[] = "klx-gui-test";
    char* argv[] = {name, nullptr};
    if (!wxEntryStart(argc, argv) || !wxTheApp || !wxTheApp->CallOnInit()) {
        wxLog::FlushActive();
        g_failure = StartFailure(startLog->text);
        return;
    }
    // GTK sets the locale at start-up; numbers are never formatted by it.
    std::setlocale(LC_NUMERIC, "C");
    delete wxLog::SetActiveTarget(new wxLogStderr());
    wxSetAssertHandler(FailOnAssert);
    g_started = true;
}

// A fatal failure, so that a fixture whose set-up asked for the display does
// not go on into its test body.
void FailWithoutToolkit()
{
    GTEST_FAIL() << g_failure;
}

}  // namespace

bool RequireDisplay()
{
    if (!g_started && g_failure.empty())
        StartToolkit();
    if (!g_started)
        FailWithoutToolkit();
    return g_started;
}

void ProcessPendingEvents()
{
    if (!wxTheApp)
        return;
    for (int round = 0; round < 100 && (wxTheApp->Pending() || wxTheApp->HasPendingEvents()); ++round) {
        while (wxTheApp->Pending())
            wxTheApp->Dispatch();
        wxTheApp->ProcessPendingEvents();
    }
}

void DestroyNow(wxWindow* topLevel)
{
    if (!topLevel)
        return;
    topLevel->Destroy();
    ProcessPendingEvents();
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(wxTopLevelWindows.Find(topLevel)) << "a destroyed window is still there";
}

bool RunEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    if (done())
        return true;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    bool reached = false;
    wxGUIEventLoop loop;
    wxTimer check;
    check.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        // A modal dialog's loop may run inside this one meanwhile: this one
        // ends only once it is the innermost again.
        if (wxEventLoopBase::GetActive() != &loop)
            return;
        reached = done();
        if (reached || std::chrono::steady_clock::now() >= deadline)
            loop.Exit();
    });
    check.Start(10);
    loop.Run();
    return reached;
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new GuiEnvironment());
    return RUN_ALL_TESTS();
}
