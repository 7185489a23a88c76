#include "frame/DesktopAddressOpener.h"

#include "frame/DetachedProgram.h"
#include "model/TextFormat.h"

#include <wx/filefn.h>
#include <wx/string.h>

#include <cstddef>
#include <utility>
#include <vector>

namespace {

// The desktop's openers, tried in this order, with the words before the address.
struct Opener {
    const char* program;
    std::vector<const char*> arguments;
};
const Opener OPENERS[] = {{"xdg-open", {}}, {"gio", {"open"}}};

// The start of the opener's error output that the reason may quote.
constexpr std::size_t kMessageBytes = 1024;

// The opener's words as one text, whatever their encoding, without the blank
// lines and spaces around them.
std::string MessageText(const DetachedProgramEnd& end)
{
    const std::string& bytes = end.errorStart;
    const std::string decoded = wxString(bytes.data(), wxConvWhateverWorks, bytes.size()).utf8_string();
    const std::string text(TrimmedText(decoded, " \t\r\n"));
    return end.errorCut && !text.empty() ? text + "..." : text;
}

}  // namespace

std::string OpenerFailureReason(const std::string& opener, int status, const std::string& message)
{
    if (status == 0)
        return std::string();
    if (!message.empty())
        return message;
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

void OpenAddressOnDesktop(const ErrorDrain& errorDrain, const std::string& address,
                          std::function<void(const std::string& reason)> failed)
{
    wxPathList path;
    path.AddEnvList("PATH");
    for (const Opener& opener : OPENERS) {
        const wxString found = path.FindAbsoluteValidPath(opener.program);
        if (found.empty())
            continue;
        // The address is one argument of its own: no shell reads it.
        std::vector<std::string> arguments{found.utf8_string()};
        arguments.insert(arguments.end(), opener.arguments.begin(), opener.arguments.end());
        arguments.push_back(address);
        const std::string name = opener.program;
        const auto ended = [name, failed](const DetachedProgramEnd& end) {
            if (!end.drainFailure.empty())
                failed(end.drainFailure);
            else if (const std::string reason = OpenerFailureReason(name, end.status, MessageText(end));
                     end.known && !reason.empty())
                failed(reason);
        };
        if (const std::string failure = StartDetachedProgram(errorDrain, arguments, kMessageBytes, ended);
            !failure.empty())
            failed(failure);
        return;
    }
    failed("No program to open addresses (xdg-open or gio) was found.");
}
