#include "toolkit_log_heard.h"

namespace {

std::vector<std::string>* s_heard = nullptr;

}  // namespace

ToolkitLogHeard::ToolkitLogHeard()
{
    s_heard = &heard_;
    previousLog_ = wxLog::SetActiveTarget(&target_);
    previousAssert_ =
        wxSetAssertHandler([](const wxString&, int, const wxString&, const wxString& condition, const wxString&) {
            s_heard->push_back("assert " + condition.utf8_string());
        });
}

ToolkitLogHeard::~ToolkitLogHeard()
{
    wxSetAssertHandler(previousAssert_);
    wxLog::SetActiveTarget(previousLog_);
    s_heard = nullptr;
}

void ToolkitLogHeard::Target::DoLogTextAtLevel(wxLogLevel level, const wxString& message)
{
    // Errors, warnings and messages come in boxes; the rest goes nowhere a
    // user sees.
    if (level <= wxLOG_Message)
        heard_.push_back(message.utf8_string());
}
