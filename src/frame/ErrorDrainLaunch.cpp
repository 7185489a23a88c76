#include "frame/ErrorDrainLaunch.h"

#include "frame/ProgramSpawn.h"
#include "model/TextFormat.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

std::string ErrorDrainBesideProgram()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    // A program that cannot tell where it is finds no drain.
    return ((error ? std::filesystem::path() : program.parent_path()) / "klx-error-drain").string();
}

DrainLaunch LaunchThroughErrorDrain(const std::string& drain, const std::vector<std::string>& arguments,
                                    std::size_t keptBytes)
{
    const auto drainFailed = [&drain](int error) {
        return DrainLaunch{-1, FormatText("%s could not be started: %s.", drain.c_str(), std::strerror(error))};
    };
    // Never a drain looked for in the working folder.
    if (!std::filesystem::path(drain).is_absolute())
        return drainFailed(ENOENT);
    const std::string program = std::filesystem::path(arguments.at(0)).filename().string();
    const std::string programFailed = FormatText("%s could not be started.", program.c_str());
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return {-1, programFailed};
    std::vector<std::string> drainArguments{drain, std::to_string(keptBytes)};
    drainArguments.insert(drainArguments.end(), arguments.begin(), arguments.end());
    const pid_t pid = SpawnProgram(drainArguments, {.output = report[1]});
    const int spawnError = errno;
    ::close(report[1]);
    if (pid < 0) {
        ::close(report[0]);
        return drainFailed(spawnError);
    }

    // The drain's first process ends once the program has started, or could not.
    int waitStatus = 0;
    pid_t found = -1;
    while ((found = ::waitpid(pid, &waitStatus, 0)) < 0 && errno == EINTR) {
    }
    if (found != pid || !WIFEXITED(waitStatus) || WEXITSTATUS(waitStatus) != 0) {
        ::close(report[0]);
        return {-1, programFailed};
    }
    return {report[0], ""};
}
