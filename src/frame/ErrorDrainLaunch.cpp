#include "frame/ErrorDrainLaunch.h"

#include "frame/ProgramSpawn.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The drain beside the running program; where the build put it otherwise.
std::string ErrorDrainProgram()
{
    // Installed beside the program; the test programs run from a folder of
    // their own.
    std::error_code error;
    const std::filesystem::path beside =
        std::filesystem::read_symlink("/proc/self/exe", error).parent_path() / "klx-error-drain";
    if (!error && ::access(beside.c_str(), X_OK) == 0)
        return beside.string();
    return KLX_ERROR_DRAIN_BUILT;
}

}  // namespace

int LaunchThroughErrorDrain(const std::vector<std::string>& arguments, std::size_t keptBytes)
{
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return -1;
    std::vector<std::string> drainArguments{ErrorDrainProgram(), std::to_string(keptBytes)};
    drainArguments.insert(drainArguments.end(), arguments.begin(), arguments.end());
    const pid_t pid = SpawnProgram(drainArguments, {.output = report[1]});
    ::close(report[1]);

    // The drain's first process ends once the program has started, or could not.
    int waitStatus = 0;
    pid_t found = -1;
    while (pid > 0 && (found = ::waitpid(pid, &waitStatus, 0)) < 0 && errno == EINTR) {
    }
    if (found != pid || !WIFEXITED(waitStatus) || WEXITSTATUS(waitStatus) != 0) {
        ::close(report[0]);
        return -1;
    }
    return report[0];
}
