#pragma once
// Starts a program through the error drain (klx-error-drain), which owes this
// program nothing: what the program, and whatever it starts in turn, write
// to their error output goes to the drain, which keeps the start of it and
// reads the rest into nothing for as long as anyone writes, whether this
// program is still running or not. The drain is no child of ours: nothing is
// left to reap. No window code.

#include <cstddef>
#include <string>
#include <vector>

// The drain installed beside the running program.
std::string ErrorDrainBesideProgram();

struct DrainLaunch {
    // The read end of the drain's report (frame/ErrorDrainReport.h),
    // close-on-exec; -1 when the program could not be started.
    int report = -1;
    // Why not, for the user: the drain's own failure names the drain and
    // the system's reason.
    std::string failure;
};

// drain is klx-error-drain's path; arguments[0] is the program's absolute
// path; no shell reads any of them. The report keeps the first keptBytes of
// the error output.
DrainLaunch LaunchThroughErrorDrain(const std::string& drain, const std::vector<std::string>& arguments,
                                    std::size_t keptBytes);
