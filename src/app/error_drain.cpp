// klx-error-drain: runs a program for KLX with its error output into a pipe
// that this drain reads to the end, so that no write there ever fails and
// nothing of it piles up anywhere, however long the program, or whatever it
// leaves running, goes on writing, and whether KLX is still there or not.
//
//   klx-error-drain KEEP PROGRAM [ARGUMENT...]
//
// PROGRAM is an absolute path; no shell reads any argument. The first process
// ends as soon as the program has started (status 0) or could not be started
// (status 1). The drain itself goes on in a session of its own, no child of
// the caller: it keeps the first KEEP bytes of the error output, and once the
// program has ended writes the report (frame/ErrorDrainReport.h) to its
// standard output and closes it; then it reads the rest into nothing until
// every writer has gone. The program's input and output are /dev/null; it
// inherits no other descriptor, an empty signal mask and every signal's
// default action.

#include "frame/ErrorDrainReport.h"
#include "frame/ProgramSpawn.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// More than any caller keeps: a bound on the drain's own memory.
constexpr std::size_t kMostKept = 65536;
// How often the program is asked whether it has ended when the system gives
// no descriptor that tells.
constexpr int kEndPollMs = 100;

char g_chunk[65536];

ssize_t ReadSome(int fd, char* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t count = ::read(fd, buffer, size);
        if (count >= 0 || errno != EINTR)
            return count;
    }
}

// A caller that has gone makes the write fail, quietly (SIGPIPE is ignored).
void WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (count > 0)
            done += static_cast<std::size_t>(count);
        else if (count < 0 && errno != EINTR)
            return;
    }
}

int ExitStatus(int waitStatus)
{
    if (WIFSIGNALED(waitStatus))
        return -WTERMSIG(waitStatus);
    return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : 0;
}

class ErrorStart {
public:
    explicit ErrorStart(std::size_t keep) : keep_(keep) {}
    void Take(const char* bytes, std::size_t count) { kept_.append(bytes, std::min(count, keep_ - kept_.size())); }
    bool Full() const { return kept_.size() == keep_; }
    const std::string& Kept() const { return kept_; }

private:
    std::size_t keep_;
    std::string kept_;
};

// Reads the error output until the program has ended, then what it wrote
// before its end and is still in the pipe; the program's exit status.
int RunToEnd(pid_t pid, int errors, ErrorStart& start)
{
    // Readable once the program has ended (glibc's own declaration lacks C linkage).
    const int ended = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    bool errorsOpen = true;
    int waitStatus = 0;
    for (;;) {
        const pid_t found = ::waitpid(pid, &waitStatus, WNOHANG);
        if (found == pid)
            break;
        if (found < 0 && errno != EINTR) {
            waitStatus = 0;  // reaped elsewhere: nothing to tell
            break;
        }
        pollfd watched[2];
        nfds_t count = 0;
        if (errorsOpen)
            watched[count++] = {errors, POLLIN, 0};
        if (ended >= 0)
            watched[count++] = {ended, POLLIN, 0};
        if (::poll(watched, count, ended >= 0 ? -1 : kEndPollMs) <= 0 || !errorsOpen || watched[0].revents == 0)
            continue;
        const ssize_t got = ReadSome(errors, g_chunk, sizeof g_chunk);
        if (got > 0)
            start.Take(g_chunk, static_cast<std::size_t>(got));
        else
            errorsOpen = false;
    }
    if (ended >= 0)
        ::close(ended);
    // Later writers may never stop: only what is there now, and only as much
    // as is kept.
    const int flags = ::fcntl(errors, F_GETFL);
    ::fcntl(errors, F_SETFL, flags | O_NONBLOCK);
    while (errorsOpen && !start.Full()) {
        const ssize_t got = ReadSome(errors, g_chunk, sizeof g_chunk);
        if (got <= 0)
            break;
        start.Take(g_chunk, static_cast<std::size_t>(got));
    }
    ::fcntl(errors, F_SETFL, flags);
    return ExitStatus(waitStatus);
}

}  // namespace

int main(int argc, char** argv)
{
    std::size_t keep = 0;
    if (argc < 3)
        return 2;
    const char* keepEnd = argv[1] + std::strlen(argv[1]);
    if (const auto [at, error] = std::from_chars(argv[1], keepEnd, keep);
        error != std::errc() || at != keepEnd || keep > kMostKept)
        return 2;

    int news[2];
    if (::pipe2(news, O_CLOEXEC) != 0)
        return 1;
    const pid_t drain = ::fork();
    if (drain < 0)
        return 1;
    if (drain > 0) {
        ::close(news[1]);
        char started = 0;
        ::_exit(ReadSome(news[0], &started, 1) == 1 && started == '1' ? 0 : 1);
    }

    // Neither the caller's end nor its terminal's hang-up or interrupt reaches
    // the drain, and a report that nobody reads any more fails quietly.
    ::close(news[0]);
    ::setsid();
    ::signal(SIGPIPE, SIG_IGN);
    int errors[2];
    pid_t pid = -1;
    if (::pipe2(errors, O_CLOEXEC) == 0) {
        pid = SpawnProgram(std::vector<std::string>(argv + 2, argv + argc), {.errors = errors[1]});
        ::close(errors[1]);
    }
    WriteAll(news[1], pid > 0 ? "1" : "0");
    ::close(news[1]);
    if (pid <= 0)
        return 1;

    ErrorStart start(keep);
    const int status = RunToEnd(pid, errors[0], start);
    WriteAll(STDOUT_FILENO, EncodeDrainReport({status, start.Kept()}));
    ::close(STDOUT_FILENO);
    while (ReadSome(errors[0], g_chunk, sizeof g_chunk) > 0) {
    }
    return 0;
}
