#include "frame/DesktopAddressOpener.h"

#include "frame/PipeDrain.h"
#include "model/TextFormat.h"

#include <wx/app.h>
#include <wx/filefn.h>
#include <wx/process.h>
#include <wx/timer.h>
#include <wx/utils.h>
#include <wx/wfstream.h>

#include <cstddef>
#include <optional>
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
// How often the opener's output is read while it runs, and afterwards while
// a program it started still holds the pipes.
constexpr int kReadWhileRunningMs = 100;
constexpr int kReadAfterwardsMs = 1000;

// The descriptor under a pipe stream of the process; -1 when there is none.
int PipeDescriptor(wxInputStream* stream)
{
    const auto* file = dynamic_cast<wxFileInputStream*>(stream);
    return file && file->GetFile() ? file->GetFile()->fd() : -1;
}

// The opener's words as one text, whatever their encoding, without the blank
// lines and spaces around them.
std::string MessageText(const PipeDrain& errors)
{
    const std::string& bytes = errors.Kept();
    std::string text = wxString(bytes.data(), wxConvWhateverWorks, bytes.size()).utf8_string();
    const std::size_t end = text.find_last_not_of(" \t\r\n");
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (end == std::string::npos)
        return std::string();
    text = text.substr(start, end - start + 1);
    return errors.WasCut() ? text + "..." : text;
}

// Runs the opener with its output read as it comes, so that it never waits on
// a full pipe, and tells the reason once it has ended with a failure. Lives
// until the pipes end, which a program the opener started and that inherited
// them may hold open long after.
class OpenerProcess : public wxProcess {
public:
    OpenerProcess(std::string opener, std::function<void(const std::string&)> failed)
        : opener_(std::move(opener)), failed_(std::move(failed)), readTimer_(this)
    {
        Redirect();
        Bind(wxEVT_TIMER, [this](wxTimerEvent&) { OnReadTimer(); });
    }

    // Right after the start, which the opener may already have ended.
    void Watch()
    {
        CloseOutput();  // the opener reads nothing
        output_.emplace(PipeDescriptor(GetInputStream()), 0);
        errors_.emplace(PipeDescriptor(GetErrorStream()), kMessageBytes);
        if (status_)
            Finish();
        else
            readTimer_.Start(kReadWhileRunningMs);
    }

    void OnTerminate(int, int status) override
    {
        status_ = status;
        if (output_)
            Finish();
    }

private:
    void ReadPipes()
    {
        output_->ReadAvailable();
        errors_->ReadAvailable();
    }
    bool PipesEnded() const { return output_->HasEnded() && errors_->HasEnded(); }

    // All the opener wrote is in the pipes once it has ended.
    void Finish()
    {
        ReadPipes();
        const std::string reason = OpenerFailureReason(opener_, *status_, MessageText(*errors_));
        const std::function<void(const std::string&)> failed = std::move(failed_);
        if (PipesEnded())
            delete this;
        else
            readTimer_.Start(kReadAfterwardsMs);
        // Last: the warning's box runs events, in which the timer may end
        // this object.
        if (!reason.empty())
            failed(reason);
    }

    void OnReadTimer()
    {
        ReadPipes();
        if (status_ && PipesEnded()) {
            readTimer_.Stop();
            // Not from inside its own timer's event.
            wxTheApp->ScheduleForDestruction(this);
        }
    }

    std::string opener_;
    std::function<void(const std::string&)> failed_;
    wxTimer readTimer_;
    std::optional<PipeDrain> output_;
    std::optional<PipeDrain> errors_;
    std::optional<int> status_;
};

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
        if (wxExecute(arguments.data(), wxEXEC_ASYNC, process) > 0) {
            process->Watch();
            return;
        }
        delete process;
        failed(FormatText("%s could not be started.", opener.program));
        return;
    }
    failed("No program to open addresses (xdg-open or gio) was found.");
}
