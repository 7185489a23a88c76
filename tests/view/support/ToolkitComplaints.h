#pragma once
// What the toolkit complains of while the window tests run: its criticals and
// warnings, less those about the test machine's own set-up, which are not
// the program's. Each one fails the running test, unless a ToolkitComplaints
// collects it for the test to look at.

#include <string>
#include <vector>

// Whether the message is about the machine's set-up: no accessibility bus,
// no session bus, a missing icon theme.
bool IsMachineSetupMessage(const std::string& message);

// From now on, a critical or warning of the toolkit's log domains (Gtk, Gdk,
// GLib-GObject, GLib) fails the running test with its message. It takes the
// process's log writer, which can be set only once (so not with
// WXSUPPRESS_GTK_DIAGNOSTICS set, where the toolkit takes it first); a
// second call does nothing.
void FailTestsOnToolkitComplaints();

// Collects the complaints from its making to its end, in place of failing
// the test on them. One at a time.
class ToolkitComplaints {
public:
    ToolkitComplaints();
    ~ToolkitComplaints();
    ToolkitComplaints(const ToolkitComplaints&) = delete;
    ToolkitComplaints& operator=(const ToolkitComplaints&) = delete;

    // "Domain: message", in the order they came.
    const std::vector<std::string>& Heard() const { return heard_; }

private:
    std::vector<std::string> heard_;
};

// The complaint lines in a program's error output: "(name:pid): Domain-CRITICAL
// **: ..." and "...-WARNING **: ...", less the machine's set-up.
std::vector<std::string> ComplaintLines(const std::string& errorOutput);
