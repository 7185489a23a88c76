// The KLX program: wxWidgets on GTK with the GL view; the start-up itself is
// CTarvokrtApp's.

#include "frame/SettingsFile.h"
#include "frame/TarvokrtApp.h"
#include "tools/ToolRegistration.h"

#include <wx/app.h>
#include <wx/config.h>
#include <wx/fileconf.h>
#include <wx/log.h>

#include <clocale>
#include <cstdlib>
#include <memory>

namespace {

class KlxProgram : public wxApp {
public:
    bool OnInit() override
    {
        // GTK sets the locale at start-up; numbers are never read or written by it.
        std::setlocale(LC_NUMERIC, "C");
        SetAppName("Tarvo");
        SetVendorName("Tarvo");
        OpenedSettings settings = OpenSettingsFile(wxFileConfig::GetLocalFileName("Tarvo").utf8_string());
        wxConfigBase::Set(settings.config.release());
        std::string commandLine;
        for (int i = 1; i < argc; ++i) {
            if (i > 1)
                commandLine += ' ';
            commandLine += argv[i].utf8_string();
        }
        app_ = std::make_unique<CTarvokrtApp>();
        app_->SaySettingsNote(settings.note);
        RegisterTools(app_->Tools());
        return app_->InitInstance(commandLine);
    }

    int OnExit() override
    {
        app_.reset();
        delete wxConfigBase::Set(nullptr);
        return wxApp::OnExit();
    }

private:
    std::unique_ptr<CTarvokrtApp> app_;
};

}  // namespace

// The GL view needs GLX, so GTK talks to X even on a Wayland desktop.
int main(int argc, char** argv)
{
    setenv("GDK_BACKEND", "x11", 0);
    wxApp::SetInstance(new KlxProgram());
    return wxEntry(argc, argv);
}
