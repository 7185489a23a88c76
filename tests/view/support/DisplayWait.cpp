#include "view/support/DisplayWait.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <thread>

namespace {

constexpr Milliseconds FIRST_PAUSE{50};
constexpr Milliseconds LONGEST_PAUSE{1000};

}  // namespace

std::string WaitForDisplay(const DisplayWait& wait, std::ostream& log)
{
    Milliseconds pause = FIRST_PAUSE;
    for (int attempt = 1;; ++attempt) {
        const std::string reason = wait.tryConnection();
        if (reason.empty())
            return reason;
        const Milliseconds since = wait.elapsed();
        log << "display connection try " << attempt << " failed " << since.count()
            << " ms after the first: " << reason << std::endl;
        if (since + pause > wait.limit)
            return reason;
        wait.pause(pause);
        pause = std::min(pause * 2, LONGEST_PAUSE);
    }
}

HeldXConnection::HeldXConnection() : start_(std::chrono::steady_clock::now()) {}

HeldXConnection::~HeldXConnection()
{
    if (display_)
        XCloseDisplay(display_);
}

DisplayWait HeldXConnection::Wait()
{
    DisplayWait wait;
    wait.tryConnection = [this] {
        errno = 0;
        display_ = XOpenDisplay(nullptr);
        if (display_)
            return std::string();
        const char* name = std::getenv("DISPLAY");
        // Xlib gives no reason of its own; the socket's error is the best
        // hint. A refusal the server gave is on stderr already.
        return std::string("XOpenDisplay(\"") + (name ? name : "") + "\") failed"
               + (errno ? std::string(": ") + std::strerror(errno) : std::string());
    };
    wait.elapsed = [start = start_] {
        return std::chrono::duration_cast<Milliseconds>(std::chrono::steady_clock::now() - start);
    };
    wait.pause = [](Milliseconds pause) { std::this_thread::sleep_for(pause); };
    return wait;
}
