#include "view/support/ToolkitComplaints.h"

#include <gtest/gtest.h>

#include <glib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <mutex>
#include <sstream>

namespace {

const std::array<const char*, 4> TOOLKIT_DOMAINS{"Gtk", "Gdk", "GLib-GObject", "GLib"};

// The toolkit's warnings come both through g_log, whose handlers see them, and
// as structured messages, which only the log writer sees; the writer sees
// both, so the complaints are heard there.
std::mutex listenerMutex;
std::vector<std::string>* listener = nullptr;

const char* Field(const GLogField* fields, gsize count, const char* key)
{
    for (gsize n = 0; n < count; ++n) {
        if (std::strcmp(fields[n].key, key) == 0 && fields[n].length < 0)
            return static_cast<const char*>(fields[n].value);
    }
    return "";
}

bool IsToolkitComplaint(GLogLevelFlags level, const std::string& domain)
{
    return (level & (G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING)) != 0
           && std::find(TOOLKIT_DOMAINS.begin(), TOOLKIT_DOMAINS.end(), domain) != TOOLKIT_DOMAINS.end();
}

GLogWriterOutput Hear(GLogLevelFlags level, const GLogField* fields, gsize count, gpointer)
{
    const std::string domain = Field(fields, count, "GLIB_DOMAIN");
    const std::string message = Field(fields, count, "MESSAGE");
    if (!IsToolkitComplaint(level, domain) || IsMachineSetupMessage(message))
        return g_log_writer_default(level, fields, count, nullptr);
    {
        const std::lock_guard lock(listenerMutex);
        if (listener) {
            listener->push_back(domain + ": " + message);
            return G_LOG_WRITER_HANDLED;
        }
    }
    ADD_FAILURE() << "the toolkit complained: " << domain << ": " << message;
    return G_LOG_WRITER_HANDLED;
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

void FailTestsOnToolkitComplaints()
{
    static const bool writerSet = [] {
        g_log_set_writer_func(Hear, nullptr, nullptr);
        return true;
    }();
    (void)writerSet;
}

ToolkitComplaints::ToolkitComplaints()
{
    FailTestsOnToolkitComplaints();
    const std::lock_guard lock(listenerMutex);
    listener = &heard_;
}

ToolkitComplaints::~ToolkitComplaints()
{
    const std::lock_guard lock(listenerMutex);
    listener = nullptr;
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
