#pragma once
// What the toolkit logs and asserts while one is alive: messages that a
// program would show in the toolkit's own boxes. One at a time.

#include <wx/debug.h>
#include <wx/log.h>

#include <string>
#include <vector>

class ToolkitLogHeard {
public:
    ToolkitLogHeard();
    ~ToolkitLogHeard();
    ToolkitLogHeard(const ToolkitLogHeard&) = delete;
    ToolkitLogHeard& operator=(const ToolkitLogHeard&) = delete;

    // Each error, warning and message as logged, each assertion as "assert "
    // and its condition.
    const std::vector<std::string>& Heard() const { return heard_; }

private:
    class Target : public wxLog {
    public:
        explicit Target(std::vector<std::string>& heard) : heard_(heard) {}

    protected:
        void DoLogTextAtLevel(wxLogLevel level, const wxString& message) override;

    private:
        std::vector<std::string>& heard_;
    };

    std::vector<std::string> heard_;
    Target target_{heard_};
    wxLog* previousLog_ = nullptr;
    wxAssertHandler_t previousAssert_ = nullptr;
};
