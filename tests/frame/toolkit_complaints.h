#pragma once
// What the toolkit complains of while the program runs: its criticals and
// warnings, less those about the test machine's own set-up, which are not
// the program's.

#include <string>
#include <vector>

// Whether the message is about the machine's set-up: no accessibility bus,
// no session bus, a missing icon theme.
bool IsMachineSetupMessage(const std::string& message);

// Collects the criticals and warnings of the toolkit's log domains (Gtk,
// Gdk, GLib-GObject, GLib) from its making to its end; outside that they are
// written out as before. One at a time. It takes the process's log writer,
// which the toolkit lets be set only once: with WXSUPPRESS_GTK_DIAGNOSTICS set
// the toolkit has taken it first.
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
