#include "toolkit_complaints.h"

#include <glib.h>

#include <array>
#include <sstream>

namespace {

const std::array<const char*, 4> TOOLKIT_DOMAINS{"Gtk", "Gdk", "GLib-GObject", "GLib"};

void Hear(const gchar* domain, GLogLevelFlags, const gchar* message, gpointer heard)
{
    const std::string text = message ? message : "";
    if (!IsMachineSetupMessage(text))
        static_cast<std::vector<std::string>*>(heard)->push_back(std::string(domain ? domain : "") + ": " + text);
}

}  // namespace

bool IsMachineSetupMessage(const std::string& message)
{
    for (const char* setup : {"accessibility bus", "D-Bus", "dbus", "icon theme"}) {
        if (message.find(setup) != std::string::npos)
            return true;
    }
    return false;
}

ToolkitComplaints::ToolkitComplaints()
{
    const auto levels = static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING);
    for (const char* domain : TOOLKIT_DOMAINS)
        handlers_.emplace_back(domain, g_log_set_handler(domain, levels, Hear, &heard_));
}

ToolkitComplaints::~ToolkitComplaints()
{
    for (const auto& [domain, handler] : handlers_)
        g_log_remove_handler(domain, handler);
}

std::vector<std::string> ComplaintLines(const std::string& errorOutput)
{
    std::vector<std::string> complaints;
    std::istringstream lines(errorOutput);
    std::string line;
    while (std::getline(lines, line)) {
        const bool complaint = line.find("-CRITICAL **") != std::string::npos
                               || line.find("-WARNING **") != std::string::npos;
        if (complaint && !IsMachineSetupMessage(line))
            complaints.push_back(line);
    }
    return complaints;
}
