#include "frame/DetachedProgram.h"

#include <wx/app.h>
#include <wx/timer.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace {

// How often a running program is asked whether it has ended.
constexpr int kEndPollMs = 100;
// The longest UTF-8 character has this many bytes after its first.
constexpr std::size_t kMostContinuationBytes = 3;

// A temporary file that loses its name at once: the program's writes land
// there whoever has gone, and nothing is left behind. -1 when none could be
// made.
int UnnamedTemporaryFile()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error)
        return -1;
    std::string path = (folder / "klx-errors-XXXXXX").string();
    const int fd = ::mkostemp(path.data(), O_CLOEXEC);
    if (fd >= 0)
        ::unlink(path.c_str());
    return fd;
}

bool IsContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The first bytes of the file, at most limit of them, ending before a
// character that the bound would cut: text cut inside a character reads as no
// UTF-8 at all.
DetachedProgramEnd ErrorStart(int fd, std::size_t limit)
{
    DetachedProgramEnd end;
    if (fd < 0)
        return end;
    std::string bytes(limit + 1, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t count = ::pread(fd, bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
        if (count > 0)
            got += static_cast<std::size_t>(count);
        else if (count == 0 || errno != EINTR)
            break;
    }
    end.errorCut = got > limit;
    std::size_t kept = std::min(got, limit);
    if (end.errorCut) {
        while (kept > 0 && limit - kept < kMostContinuationBytes && IsContinuationByte(bytes[kept]))
            --kept;
    }
    end.errorStart = bytes.substr(0, kept);
    return end;
}

int ExitStatus(int waitStatus)
{
    if (WIFSIGNALED(waitStatus))
        return -WTERMSIG(waitStatus);
    return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : 0;
}

// Starts the program with /dev/null for input and output and errors for its
// error output (/dev/null too when negative), with no other descriptor, an
// empty signal mask and every signal's default action. -1 when it could not
// be started.
pid_t Spawn(const std::vector<std::string>& arguments, int errors)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The error output first: the file may sit where the next steps open.
    if (errors >= 0)
        posix_spawn_file_actions_adddup2(&actions, errors, STDERR_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int failure = ::posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return failure == 0 ? pid : -1;
}

// Asks the program now and then whether it has ended; once it has, reads the
// start of its error output, lets the file go and tells.
class EndWatch : public wxTimer {
public:
    EndWatch(pid_t pid, int errors, std::size_t errorBytes, std::function<void(const DetachedProgramEnd&)> ended)
        : pid_(pid), errors_(errors), errorBytes_(errorBytes), ended_(std::move(ended))
    {
        Start(kEndPollMs);
    }
    ~EndWatch() override
    {
        if (errors_ >= 0)
            ::close(errors_);
    }

    void Notify() override
    {
        int waitStatus = 0;
        const pid_t found = ::waitpid(pid_, &waitStatus, WNOHANG);
        if (found == 0 || (found < 0 && errno == EINTR))
            return;
        Stop();
        DetachedProgramEnd end = ErrorStart(errors_, errorBytes_);
        // A program reaped elsewhere told nothing: no failure to report.
        end.status = found == pid_ ? ExitStatus(waitStatus) : 0;
        ::close(errors_);
        errors_ = -1;
        // Outside the timer's own callback, which still reads the timer after
        // this returns.
        wxTheApp->CallAfter([this, end] {
            const std::function<void(const DetachedProgramEnd&)> ended = std::move(ended_);
            delete this;
            ended(end);
        });
    }

private:
    pid_t pid_;
    int errors_;
    std::size_t errorBytes_;
    std::function<void(const DetachedProgramEnd&)> ended_;
};

}  // namespace

bool StartDetachedProgram(const std::vector<std::string>& arguments, std::size_t errorBytes,
                          std::function<void(const DetachedProgramEnd&)> ended)
{
    const int errors = UnnamedTemporaryFile();
    const pid_t pid = Spawn(arguments, errors);
    if (pid < 0) {
        if (errors >= 0)
            ::close(errors);
        return false;
    }
    new EndWatch(pid, errors, errorBytes, std::move(ended));
    return true;
}
