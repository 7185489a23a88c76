#pragma once
// The wait for an X display before the toolkit starts on it. On a busy
// machine the virtual server now and then fails one program's connection
// while it serves the others, so a failed try is tried again after a short
// pause that grows, for a bounded time in all.

#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>

using Milliseconds = std::chrono::milliseconds;

struct DisplayWait {
    // Opens one connection: "" when the display accepted it, else why not.
    std::function<std::string()> tryConnection;
    // The time since the wait began, and a pause of the program.
    std::function<Milliseconds()> elapsed;
    std::function<void(Milliseconds)> pause;
    // No try starts after this much time.
    Milliseconds limit{10000};
};

// Tries until the display accepts a connection: "" then, else the last
// reason. Each failed try writes a line with its reason and the time since
// the first try to `log`.
std::string WaitForDisplay(const DisplayWait& wait, std::ostream& log);

struct _XDisplay;

// The program's own connection to the display DISPLAY names, kept open from
// the wait's successful try until this is destroyed. An X server resets
// itself when its last client leaves and refuses connections meanwhile; held
// open, this connection keeps the server up while the toolkit opens its own.
class HeldXConnection {
public:
    HeldXConnection();
    ~HeldXConnection();
    HeldXConnection(const HeldXConnection&) = delete;
    HeldXConnection& operator=(const HeldXConnection&) = delete;

    // The wait on this connection, with Xlib, the real clock and sleep.
    DisplayWait Wait();

private:
    _XDisplay* display_ = nullptr;
    std::chrono::steady_clock::time_point start_;
};
