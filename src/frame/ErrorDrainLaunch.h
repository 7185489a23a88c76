#pragma once
// Starts a program through the error drain (klx-error-drain), which owes this
// program nothing: what the program, and whatever it starts in turn, write
// to their error output goes to the drain, which keeps the start of it and
// reads the rest into nothing for as long as anyone writes, whether this
// program is still running or not. The drain is no child of ours: nothing is
// left to reap. A drain that is damaged or none of ours holds nobody up: its
// answer is waited for only so long, and its report read only so far. No
// window code.

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

struct ErrorDrain {
    // klx-error-drain's path.
    std::string path;
    // How long the drain may take to tell whether the program has started;
    // ours takes a moment.
    std::chrono::milliseconds answerBound = std::chrono::seconds(5);
};

// The drain installed beside the running program.
ErrorDrain ErrorDrainBesideProgram();

struct DrainLaunch {
    // The read end of the drain's report (frame/ErrorDrainReport.h),
    // close-on-exec and non-blocking; -1 when the program could not be
    // started.
    int report = -1;
    // What of the report came while the drain told that the program started.
    std::string reportStart;
    // Why not, for the user: the drain's own failure names the drain and
    // the system's reason.
    std::string failure;
};

// arguments[0] is the program's absolute path; no shell reads any of them.
// The report keeps the first keptBytes of the error output. Returns once the
// drain has told whether the program started, or its answer bound has passed.
DrainLaunch LaunchThroughErrorDrain(const ErrorDrain& drain, const std::vector<std::string>& arguments,
                                    std::size_t keptBytes);

enum class ReportReading { Open, Closed, Overfull };
// What is wrong with an Overfull report.
inline constexpr const char* kOverfullReportFault = "it is longer than a report can be";
// Appends what the report's read end holds now to text, without waiting:
// Closed once the drain has closed it, Overfull once more came than a report
// that keeps keptBytes holds (the rest is left unread).
ReportReading ReadReportSoFar(int report, std::string& text, std::size_t keptBytes);

// Why the drain's report could not be read, for the user.
std::string DrainReportFailure(const std::string& drain, const std::string& fault);
