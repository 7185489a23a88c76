#include "frame/ErrorDrainLaunch.h"

#include "frame/ErrorDrainReport.h"
#include "frame/ProgramSpawn.h"
#include "model/TextFormat.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace {

// How often, while the drain's answer is awaited, its first process is asked
// whether it has ended.
constexpr std::chrono::milliseconds kAnswerPollMs(5);

std::string ProgramFailed(const std::string& program)
{
    return FormatText("%s could not be started.", program.c_str());
}

// Waits for the drain's first process to end, which it does once the program
// has started, or could not, and reads the report meanwhile: a drain may
// write it before that end is seen, and one that writes more than the pipe
// holds would wait for us. Empty when the program started; else why not. A
// drain that takes too long, or writes more than a report, is ended.
std::string AwaitAnswer(pid_t pid, const ErrorDrain& drain, const std::string& program, DrainLaunch& launch,
                        std::size_t keptBytes)
{
    const auto giveUp = std::chrono::steady_clock::now() + drain.answerBound;
    ReportReading reading = ReportReading::Open;
    for (;;) {
        int waitStatus = 0;
        const pid_t found = ::waitpid(pid, &waitStatus, WNOHANG);
        if (found == pid || (found < 0 && errno != EINTR)) {
            const bool started = found == pid && WIFEXITED(waitStatus) && WEXITSTATUS(waitStatus) == 0;
            return started ? std::string() : ProgramFailed(program);
        }
        if (reading == ReportReading::Open)
            reading = ReadReportSoFar(launch.report, launch.reportStart, keptBytes);
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(giveUp - std::chrono::steady_clock::now());
        std::string failure;
        if (reading == ReportReading::Overfull)
            failure = DrainReportFailure(drain.path, kOverfullReportFault);
        else if (left.count() <= 0)
            failure = FormatText("%s did not tell within %g s whether %s started.", drain.path.c_str(),
                                 std::chrono::duration<double>(drain.answerBound).count(), program.c_str());
        if (!failure.empty()) {
            ::kill(pid, SIGKILL);
            while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
            }
            return failure;
        }
        pollfd watched{launch.report, POLLIN, 0};
        const int wait = static_cast<int>(std::min(left, kAnswerPollMs).count());
        ::poll(&watched, reading == ReportReading::Open ? 1 : 0, wait);
    }
}

}  // namespace

ErrorDrain ErrorDrainBesideProgram()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    // A program that cannot tell where it is finds no drain.
    return {((error ? std::filesystem::path() : program.parent_path()) / "klx-error-drain").string()};
}

DrainLaunch LaunchThroughErrorDrain(const ErrorDrain& drain, const std::vector<std::string>& arguments,
                                    std::size_t keptBytes)
{
    const auto drainFailed = [&drain](int error) {
        return DrainLaunch{-1, "",
                           FormatText("%s could not be started: %s.", drain.path.c_str(), std::strerror(error))};
    };
    // Never a drain looked for in the working folder.
    if (!std::filesystem::path(drain.path).is_absolute())
        return drainFailed(ENOENT);
    const std::string program = std::filesystem::path(arguments.at(0)).filename().string();
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return {-1, "", ProgramFailed(program)};
    std::vector<std::string> drainArguments{drain.path, std::to_string(keptBytes)};
    drainArguments.insert(drainArguments.end(), arguments.begin(), arguments.end());
    const pid_t pid = SpawnProgram(drainArguments, {.output = report[1]});
    const int spawnError = errno;
    ::close(report[1]);
    if (pid < 0) {
        ::close(report[0]);
        return drainFailed(spawnError);
    }

    ::fcntl(report[0], F_SETFL, ::fcntl(report[0], F_GETFL) | O_NONBLOCK);
    DrainLaunch launch{report[0], "", ""};
    if (std::string failure = AwaitAnswer(pid, drain, program, launch, keptBytes); !failure.empty()) {
        ::close(report[0]);
        return {-1, "", std::move(failure)};
    }
    return launch;
}

ReportReading ReadReportSoFar(int report, std::string& text, std::size_t keptBytes)
{
    // A byte past the longest report tells one that is longer.
    const std::size_t most = MostDrainReportBytes(keptBytes) + 1;
    char chunk[4096];
    while (text.size() < most) {
        const ssize_t count = ::read(report, chunk, std::min(sizeof chunk, most - text.size()));
        if (count > 0)
            text.append(chunk, static_cast<std::size_t>(count));
        else if (count == 0 || errno != EINTR)
            return count < 0 && errno == EAGAIN ? ReportReading::Open : ReportReading::Closed;
    }
    return ReportReading::Overfull;
}

std::string DrainReportFailure(const std::string& drain, const std::string& fault)
{
    return FormatText("The report of %s could not be read: %s.", drain.c_str(), fault.c_str());
}
