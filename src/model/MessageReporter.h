#pragma once
// The model's one channel to the user: output-window lines, message boxes,
// yes/no questions, progress, and the look at pending input that lets long
// work be cancelled.

#include "model/UserPorts.h"

#include <string>

// Ends the progress it began when it goes out of scope, on every path.
class ProgressScope {
public:
    ProgressScope(IProgressPort* port, int range);
    ~ProgressScope();
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    void SetPosition(int position);

private:
    IProgressPort* port_;
};

class CMessageReporter {
public:
    void SetPorts(const UserPorts& ports) { ports_ = ports; }
    const UserPorts& Ports() const { return ports_; }

    // ShowError and ShowWarning return false so that a command can report its
    // failure and return in one statement.
    bool ShowError(const std::string& text) const;
    bool ShowWarning(const std::string& text) const;
    void ShowInfo(const std::string& text) const;
    // Returns 1 for Yes, 2 for No. defaultYes 1 makes Yes the default button.
    int AskYesNo(const std::string& text, int defaultYes) const;

    bool ReportSectionNotFound(int id) const;
    bool ReportClosedLoopNotFound(int id) const;
    bool ReportCurveNotFound(int id) const;
    bool ReportPointNotFound(int id) const;
    bool ReportMaterialNotFound(int id) const;
    bool ReportUcsNotFound(int id) const;
    bool ReportSectionCorrupted(int id, const std::string& name) const;
    bool ReportFileOpenError(const std::string& path) const;

    // mode 0 appends a line, mode 1 replaces the last line, any other mode
    // prints nothing.
    void PrintOutput(const std::string& text, int mode = 0) const;

    ProgressScope StartProgress(int range) const { return ProgressScope(ports_.progress, range); }

    // The clock port's time, or the system's local time without one.
    LocalDateTime GetLocalDateTime() const;

    // Takes at most one pending user event; never waits.
    PolledMessage PollCancel() const;

private:
    bool ShowBoxAndFail(BoxKind kind, const std::string& text) const;

    UserPorts ports_;
};
