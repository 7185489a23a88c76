// main of the window's test programs.

#include "view/support/GuiTestEnvironment.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace {

bool g_started = false;
bool g_failed = false;

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

}  // namespace

bool RequireDisplay()
{
    if (g_started)
        return true;
    if (g_failed) {
        ADD_FAILURE() << "no X display: run the window's tests under xvfb-run";
        return false;
    }
    setenv("GDK_BACKEND", "x11", 1);
    setenv("NO_AT_BRIDGE", "1", 1);
    wxApp::SetInstance(new wxApp());
    int argc = 1;
    char name[] = "klx-gui-test";
    char* argv[] = {name, nullptr};
    if (!wxEntryStart(argc, argv) || !wxTheApp || !wxTheApp->CallOnInit()) {
        g_failed = true;
        ADD_FAILURE() << "no X display: run the window's tests under xvfb-run";
        return false;
    }
    // GTK sets the locale at start-up; numbers are never formatted by it.
    std::setlocale(LC_NUMERIC, "C");
    delete wxLog::SetActiveTarget(new wxLogStderr());
    wxSetAssertHandler(FailOnAssert);
    g_started = true;
    return true;
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

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new GuiEnvironment());
    return RUN_ALL_TESTS();
}
