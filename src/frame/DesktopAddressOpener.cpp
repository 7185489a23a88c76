#include "frame/DesktopAddressOpener.h"

#include "model/TextFormat.h"

#include <wx/filefn.h>
#include <wx/process.h>
#include <wx/utils.h>

#include <utility>
#include <vector>

namespace {

// The desktop's openers, tried in this order, with the words before the address.
struct Opener {
    const char* program;
    std::vector<const char*> arguments;
};
const Opener OPENERS[] = {{"xdg-open", {}}, {"gio", {"open"}}};

// Deletes itself once the opener has ended and told its status.
class OpenerProcess : public wxProcess {
public:
    OpenerProcess(std::string opener, std::function<void(const std::string&)> failed)
        : opener_(std::move(opener)), failed_(std::move(failed))
    {
    }
    void OnTerminate(int, int status) override
    {
        if (const std::string reason = OpenerFailureReason(opener_, status); !reason.empty())
            failed_(reason);
        delete this;
    }

private:
    std::string opener_;
    std::function<void(const std::string&)> failed_;
};

}  // namespace

std::string OpenerFailureReason(const std::string& opener, int status)
{
    if (status == 0)
        return std::string();
    // xdg-open's documented exit statuses.
    if (opener == "xdg-open") {
        switch (status) {
        case 1: return "xdg-open did not understand the address.";
        case 2: return "The address names a file that does not exist.";
        case 3: return "No program to open the address was found.";
        case 4: return "The program for the address could not open it.";
        default: break;
        }
    }
    return FormatText("%s could not open the address (status %d).", opener.c_str(), status);
}

void OpenAddressOnDesktop(const std::string& address, std::function<void(const std::string& reason)> failed)
{
    wxPathList path;
    path.AddEnvList("PATH");
    for (const Opener& opener : OPENERS) {
        const wxString found = path.FindAbsoluteValidPath(opener.program);
        if (found.empty())
            continue;
        // The address is one argument of its own: no shell reads it.
        const wxScopedCharBuffer program = found.utf8_str();
        std::vector<const char*> arguments{program.data()};
        arguments.insert(arguments.end(), opener.arguments.begin(), opener.arguments.end());
        arguments.push_back(address.c_str());
        arguments.push_back(nullptr);
        auto* process = new OpenerProcess(opener.program, failed);
        if (wxExecute(arguments.data(), wxEXEC_ASYNC, process) > 0)
            return;
        delete process;
        failed(FormatText("%s could not be started.", opener.program));
        return;
    }
    failed("No program to open addresses (xdg-open or gio) was found.");
}
