// The desktop's opener, stood in for by scripts: its failure heard back with
// its reason, and what it and the programs it leaves running write to their
// error output read to the end and kept to its start, while the opening
// program runs and after it has gone.

#include "frame/DesktopAddressOpener.h"
#include "frame/DetachedProgram.h"
#include "frame/ErrorDrainLaunch.h"
#include "view/support/GuiTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/evtloop.h>
#include <wx/process.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <poll.h>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// The desktop's opener stood in for by a script on an otherwise empty path.
class DesktopOpener : public testing::Test {
protected:
    void SetUp() override
    {
        if (!RequireDisplay())
            GTEST_SKIP();
        folder = std::filesystem::temp_directory_path() /
                 ("klx_opener_" + std::to_string(wxGetProcessId()) + "_" +
                  testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
        wxGetEnv("PATH", &savedPath);
        wxSetEnv("PATH", folder.string());
    }
    void TearDown() override
    {
        if (folder.empty())
            return;  // set up without a display: nothing to undo
        for (int pid : leftovers_) {
            if (!HasEnded(pid))
                ::kill(pid, SIGKILL);
        }
        for (const auto& [fifo, fd] : words_)
            ::close(fd);
        wxSetEnv("PATH", savedPath);
        std::filesystem::remove_all(folder);
    }

    void WriteScript(const std::string& name, const std::string& body)
    {
        const std::filesystem::path script = folder / name;
        std::ofstream(script) << "#!/bin/sh\n" << body;
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    }

    void WriteOpener(const std::string& name, int status, const std::string& before = "")
    {
        WriteScript(name, "printf '%s\\n' \"$@\" > '" + (folder / "arguments").string() + "'\n" + before + "exit " +
                              std::to_string(status) + "\n");
    }

    // Opens the address through the drain and runs the program's events
    // until the opener's failure is heard of; nothing when a minute passes
    // without it.
    std::optional<std::string> FailureOfOpening(const std::string& address,
                                                const ErrorDrain& drain = {KLX_ERROR_DRAIN_BUILT})
    {
        std::optional<std::string> reason;
        wxGUIEventLoop loop;
        OpenAddressOnDesktop(drain, address, [&](const std::string& heard) {
            reason = heard;
            if (loop.IsRunning())
                loop.Exit();
        });
        if (!reason) {
            wxTimer giveUp;
            giveUp.Bind(wxEVT_TIMER, [&loop](wxTimerEvent&) { loop.Exit(); });
            giveUp.StartOnce(60000);
            loop.Run();
        }
        return reason;
    }

    std::vector<std::string> Arguments() const
    {
        std::vector<std::string> lines;
        std::ifstream file(folder / "arguments");
        for (std::string line; std::getline(file, line);)
            lines.push_back(line);
        return lines;
    }

    // The files, pipes and sockets open in both the process and this one.
    static std::vector<std::string> HeldByBoth(int pid)
    {
        std::set<std::pair<dev_t, ino_t>> ours;
        for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
            struct stat object {};
            if (::stat(entry.path().c_str(), &object) == 0 && !S_ISCHR(object.st_mode))
                ours.emplace(object.st_dev, object.st_ino);
        }
        std::vector<std::string> both;
        for (const auto& entry : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd")) {
            struct stat object {};
            if (::stat(entry.path().c_str(), &object) == 0 && ours.count({object.st_dev, object.st_ino}))
                both.push_back(entry.path().filename().string() + " -> " +
                               std::filesystem::read_symlink(entry.path()).string());
        }
        return both;
    }

    // What a writer puts into the fifo, up to its first line; what came when
    // a minute passes without the line.
    static std::string LineFrom(int fifo)
    {
        std::string text;
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        while (text.find('\n') == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                giveUp - std::chrono::steady_clock::now());
            pollfd ready{fifo, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&ready, 1, static_cast<int>(left.count())) == 0)
                break;
            char chunk[256];
            const ssize_t count = ::read(fifo, chunk, sizeof chunk);
            if (count > 0)
                text.append(chunk, static_cast<std::size_t>(count));
            else if (count == 0 || errno != EAGAIN)
                break;  // every writer has gone
        }
        return text;
    }

    // The stand-in opener whose program writes 5 MB to its error output, in
    // two halves, each on the word through the fifo "program-go", and marks
    // the first half done ("half") and its end ("finished"); the opener tells
    // its pid and those of its drain (its parent) and its program, writes its
    // message and, on the word through "opener-go", ends in failure.
    void WriteChattyOpener()
    {
        for (const char* fifo : {"opener-go", "program-go"}) {
            ASSERT_EQ(::mkfifo((folder / fifo).c_str(), 0600), 0);
            // Held open for writing and reading, so that a word waits in the
            // fifo until it is read.
            words_[fifo] = ::open((folder / fifo).c_str(), O_RDWR);
        }
        // A half marks itself done only when every write of it succeeded.
        const auto half = [this](const char* done) {
            return "read word < '" + Path("program-go") + "'\n/usr/bin/head -c 2621440 /dev/zero >&2 && : > '"
                   + Path(done) + "' || exit 1\n";
        };
        WriteOpener("xdg-open", 3,
                    "echo $$ > '" + Path("opener") + "'\necho $PPID > '" + Path("drain") + "'\n(\n" + half("half")
                        + half("finished") + ") &\necho $! > '" + Path("program") + "'\n"
                        + "echo 'xdg-open: no method available' >&2\nread word < '" + Path("opener-go") + "'\n");
    }

    struct ChattyProcesses {
        int drain = 0;
        int program = 0;
    };
    // The processes of WriteChattyOpener once the opener has told them.
    ChattyProcesses Started()
    {
        PidIn("opener");
        return {PidIn("drain"), PidIn("program")};
    }

    std::string Path(const char* name) const { return (folder / name).string(); }

    // The word through a fifo of WriteChattyOpener.
    void Say(const char* fifo) { EXPECT_EQ(::write(words_.at(fifo), "go\n", 3), 3) << fifo; }

    // Polls until done holds; false when a minute passes first. The
    // processes under watch run on their own, on a machine that may be busy.
    static bool Eventually(const std::function<bool()>& done)
    {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        while (!done()) {
            if (std::chrono::steady_clock::now() > giveUp)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

    // The pid a script wrote into the file, once it has; 0 when it never does.
    int PidIn(const char* name)
    {
        int pid = 0;
        Eventually([&] { return static_cast<bool>(std::ifstream(folder / name) >> pid); });
        // A process that could be this one is no leftover.
        if (pid > 0 && pid != ::getpid())
            leftovers_.push_back(pid);
        return pid;
    }

    // The most memory the process has held (kB); -1 when it cannot be read.
    static long PeakMemory(int pid)
    {
        std::ifstream status("/proc/" + std::to_string(pid) + "/status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("VmHWM:", 0) == 0)
                return std::stol(line.substr(6));
        }
        return -1;
    }

    // Whether the process has ended (a zombie that nobody reaped has too).
    static bool HasEnded(int pid)
    {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        if (!std::getline(stat, line))
            return true;
        const std::size_t state = line.rfind(')') + 2;
        return state < line.size() && line[state] == 'Z';
    }

    // What the descriptors of the process are: their kinds, from stat.
    static std::vector<mode_t> DescriptorKinds(int pid)
    {
        std::vector<mode_t> kinds;
        for (const auto& entry : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd")) {
            struct stat object {};
            if (::stat(entry.path().c_str(), &object) == 0)
                kinds.push_back(object.st_mode & S_IFMT);
        }
        return kinds;
    }

    // With the program of WriteChattyOpener waiting for its first word: the
    // drain holds no file and the program's error output is a pipe; the
    // first half is written before betweenHalves runs and the second after
    // it; the program runs to its end, and the drain, which held no more
    // memory for it, ends once nobody writes any more.
    void ExpectWritingPilesUpNowhere(const ChattyProcesses& started, const std::function<void()>& betweenHalves)
    {
        const int drain = started.drain;
        const int program = started.program;
        ASSERT_GT(drain, 0);
        ASSERT_GT(program, 0);
        struct stat errorOutput {};
        ASSERT_EQ(::stat(("/proc/" + std::to_string(program) + "/fd/2").c_str(), &errorOutput), 0);
        EXPECT_TRUE(S_ISFIFO(errorOutput.st_mode)) << "the program's error output is no pipe";
        for (mode_t kind : DescriptorKinds(drain))
            EXPECT_FALSE(S_ISREG(kind)) << "the drain holds a file";
        const long memoryBefore = PeakMemory(drain);
        ASSERT_GT(memoryBefore, 0);

        Say("program-go");
        ASSERT_TRUE(Eventually([&] { return std::filesystem::exists(folder / "half"); }));
        betweenHalves();
        Say("program-go");
        ASSERT_TRUE(Eventually([&] { return std::filesystem::exists(folder / "finished"); }))
            << "the program did not run to its end";
        // 5 MB kept anywhere in the drain would show many times over.
        EXPECT_LT(PeakMemory(drain) - memoryBefore, 1024);
        EXPECT_TRUE(Eventually([&] { return HasEnded(program) && HasEnded(drain); }))
            << "the drain goes on after every writer has gone";
    }

    std::filesystem::path folder;
    wxString savedPath;

private:
    std::map<std::string, int> words_;
    // Processes of a test that stopped half-way.
    std::vector<int> leftovers_;
};

TEST_F(DesktopOpener, AnOpenerThatEndsInFailureIsHeardOfWithItsReason)
{
    WriteOpener("xdg-open", 3);
    const std::string address = "https://tarvo.example/klx?a=1&b=2 c";
    EXPECT_EQ(FailureOfOpening(address), "No program to open the address was found.");
    EXPECT_EQ(Arguments(), std::vector<std::string>{address});
}

TEST_F(DesktopOpener, TheReasonIsTheOpenersOwnMessageWhenItWroteOne)
{
    // Still one argument of its own, read by no shell.
    const std::string address = "mailto:support@tarvo.example?subject=a'b\"c;$(true)";
    WriteOpener("gio", 2, "printf '\\n  gio: %s: Operation not supported  \\n\\n' \"$2\" >&2\n");
    EXPECT_EQ(FailureOfOpening(address), "gio: " + address + ": Operation not supported");
    EXPECT_EQ(Arguments(), (std::vector<std::string>{"open", address}));

    // Words on its output, and an error output of blanks only, say nothing.
    WriteOpener("gio", 2, "echo 'Opening the address'\necho '  ' >&2\n");
    EXPECT_EQ(FailureOfOpening(address), "gio could not open the address (status 2).");

    // Nor is a complaint from an opener that succeeded a failure.
    EXPECT_EQ(OpenerFailureReason("gio", 0, "gio: a warning"), "");
}

// An opener that writes far more than a pipe holds, on both outputs, ends;
// the reason quotes the start of what it wrote. A program it leaves running
// keeps nobody waiting.
TEST_F(DesktopOpener, AnOpenerThatWritesMuchOrLeavesAProgramRunningIsHeardOf)
{
    WriteOpener("xdg-open", 1,
                "i=0\nwhile [ $i -lt 20000 ]; do\n  echo \"complaint $i\" >&2\n  echo \"output $i\"\n"
                "  i=$((i+1))\ndone\n");
    const std::optional<std::string> reason = FailureOfOpening("https://tarvo.example/klx");
    ASSERT_TRUE(reason) << "the opener waits on a full pipe";
    EXPECT_EQ(reason->substr(0, 23), "complaint 0\ncomplaint 1");
    EXPECT_LE(reason->size(), 1024u + 3u);
    EXPECT_EQ(reason->substr(reason->size() - 3), "...");

    const std::filesystem::path child = folder / "child";
    WriteOpener("xdg-open", 3,
                "/bin/sleep 600 &\necho $! > '" + child.string() + "'\necho 'xdg-open: no method available' >&2\n");
    EXPECT_EQ(FailureOfOpening("https://tarvo.example/klx"), "xdg-open: no method available");
    int pid = 0;
    ASSERT_TRUE(std::ifstream(child) >> pid);
    EXPECT_TRUE(wxProcess::Exists(pid)) << "the program the opener started has ended: nothing was tried";
    wxProcess::Kill(pid, wxSIGKILL);
}

// A long message is quoted in whole characters: a bound that falls inside
// one ends the quote before it, whichever byte of it the bound cuts.
TEST_F(DesktopOpener, ALongMessageIsQuotedInWholeCharacters)
{
    const std::size_t bound = 1024;
    for (const std::string character : {"\u00e9", "\u20ac", "\U0001F600"}) {
        for (std::size_t shift = 0; shift < character.size(); ++shift) {
            const std::string ascii(1 + shift, 'x');
            std::string message = ascii;
            for (std::size_t i = 0; i < 2 * bound / character.size(); ++i)
                message += character;
            std::ofstream(folder / "message") << message;
            WriteOpener("xdg-open", 1, "/bin/cat '" + (folder / "message").string() + "' >&2\n");

            std::string whole = ascii;
            for (std::size_t i = 0; i < (bound - ascii.size()) / character.size(); ++i)
                whole += character;
            SCOPED_TRACE(testing::Message() << character.size() << "-byte characters after "
                                            << ascii.size() << " bytes");
            EXPECT_EQ(FailureOfOpening("https://tarvo.example/klx"), whole + "...");
        }
    }
}

// A program that the opener starts and that outlives it holds nothing of
// ours: not the place its error output goes, nor any other descriptor. So it
// writes on after the opener has ended and its reason has been heard, and
// would when this program is gone, and finishes.
TEST_F(DesktopOpener, AProgramTheOpenerStartsHoldsNothingOfOursAndWritesOnToTheEnd)
{
    const std::filesystem::path go = folder / "go";
    const std::filesystem::path finished = folder / "finished";
    const std::filesystem::path child = folder / "child";
    ASSERT_EQ(::mkfifo(go.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(finished.c_str(), 0600), 0);
    WriteOpener("xdg-open", 3,
                "(\n  read word < '" + go.string() + "'\n  i=1\n  while [ $i -le 39 ]; do\n"
                "    echo \"line $i of 39\" >&2\n    i=$((i+1))\n  done\n"
                "  echo 'line 39 of 39' > '" + finished.string() + "'\n) &\n"
                "echo $! > '" + child.string() + "'\necho 'xdg-open: no method available' >&2\n");
    EXPECT_EQ(FailureOfOpening("https://tarvo.example/klx"), "xdg-open: no method available");
    int pid = 0;
    ASSERT_TRUE(std::ifstream(child) >> pid);
    EXPECT_EQ(HeldByBoth(pid), std::vector<std::string>{});

    // Its writing starts now; its last line comes through the second fifo.
    const int lastLine = ::open(finished.c_str(), O_RDONLY | O_NONBLOCK);
    const int start = ::open(go.c_str(), O_RDWR);
    EXPECT_EQ(::write(start, "go\n", 3), 3);
    EXPECT_EQ(LineFrom(lastLine), "line 39 of 39\n");
    ::close(start);
    ::close(lastLine);
    if (wxProcess::Exists(pid))
        wxProcess::Kill(pid, wxSIGKILL);  // it never finished
}

// A drain that cannot start (an installed or moved program without it
// beside, or one without its run bit) is a failure at once, with the
// system's reason; the opener, which would fail too, never runs. Nor is a
// drain named without its folder looked for in the working folder (a program
// that cannot tell where it is names it so).
TEST_F(DesktopOpener, ADrainThatCannotStartIsAFailureWithItsReason)
{
    WriteOpener("xdg-open", 3);
    const std::filesystem::path drain = folder / "klx-error-drain";
    const auto copyDrain = [&drain] { std::filesystem::copy_file(KLX_ERROR_DRAIN_BUILT, drain); };
    const struct {
        const char* name;
        std::string path;
        std::function<void()> make;
        std::string reason;
    } cases[] = {
        {"missing", drain.string(), [] {}, drain.string() + " could not be started: No such file or directory."},
        {"without its run bit", drain.string(),
         [&] {
             copyDrain();
             std::filesystem::permissions(drain,
                                          std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
         },
         drain.string() + " could not be started: Permission denied."},
        {"named without its folder, one in the working folder", "klx-error-drain", copyDrain,
         "klx-error-drain could not be started: No such file or directory."},
    };
    const std::filesystem::path working = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.make();
        std::optional<std::string> reason;
        OpenAddressOnDesktop({c.path}, "https://tarvo.example/klx",
                             [&reason](const std::string& heard) { reason = heard; });
        EXPECT_EQ(reason, c.reason);
        EXPECT_FALSE(std::filesystem::exists(folder / "arguments")) << "the opener ran";
        std::filesystem::remove(drain);
    }
    std::filesystem::current_path(working);
}

// A drain that is damaged or none of ours holds nobody up and is no silent
// success: a report it does not write, whole or in part, one longer than
// any, or no answer in time whether the opener started, is a failure with
// its reason.
TEST_F(DesktopOpener, ADrainThatDoesNotReportAsOursDoesIsAFailureWithItsReason)
{
    WriteOpener("xdg-open", 3);
    const std::string drain = Path("klx-error-drain");
    const auto unread = [&drain](const char* fault) {
        return "The report of " + drain + " could not be read: " + fault + ".";
    };
    const struct {
        const char* name;
        std::string script;
        std::string reason;
        std::chrono::milliseconds answerBound = std::chrono::seconds(5);
    } cases[] = {
        {"garbage", "echo 'Segmentation fault'\n", unread("its first line is not a status and a length")},
        {"a status without the length", "printf '3\\nxdg-open: no method'\n",
         unread("its first line is not a status and a length")},
        {"half a first line", "printf '3'\n", unread("it ends before its first line does")},
        {"half a report", "printf '3 29\\nxdg-open: no'\n", unread("it is cut short")},
        {"more than it announced", "printf '3 8\\nxdg-open: no method'\n", unread("it goes on past its end")},
        {"a flood before it tells", "/usr/bin/head -c 1000000 /dev/zero\n",
         unread("it is longer than a report can be")},
        {"a flood after it has told", "/usr/bin/head -c 1000000 /dev/zero &\n",
         unread("it is longer than a report can be")},
        // Far shorter than a busy machine needs for anything.
        {"no end", "exec /bin/sleep 600\n", drain + " did not tell within 0.2 s whether xdg-open started.",
         std::chrono::milliseconds(200)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteScript("klx-error-drain", c.script);
        EXPECT_EQ(FailureOfOpening("https://tarvo.example/klx", {drain, c.answerBound}), c.reason);
    }
}

// A drain killed before it told leaves the opener's end unknown: the end is
// heard of, as no failure.
TEST_F(DesktopOpener, ADrainKilledBeforeItToldLeavesTheEndUnknown)
{
    WriteScript("klx-error-drain", "/bin/sleep 600 &\necho $! > '" + Path("drain") + "'\n");
    WriteOpener("xdg-open", 3);
    std::optional<DetachedProgramEnd> heard;
    EXPECT_EQ(StartDetachedProgram({Path("klx-error-drain")}, {Path("xdg-open"), "https://tarvo.example/klx"}, 1024,
                                   [&heard](const DetachedProgramEnd& end) { heard = end; }),
              "");
    const int drain = PidIn("drain");
    ASSERT_GT(drain, 0);
    ASSERT_EQ(::kill(drain, SIGKILL), 0);
    ASSERT_TRUE(RunEventsUntil([&] { return heard.has_value(); }, std::chrono::minutes(1)));
    EXPECT_FALSE(heard->known);
    EXPECT_EQ(heard->drainFailure, "");
}

TEST_F(DesktopOpener, GioIsTheSecondChoiceAndNoOpenerAtAllIsAFailureAtOnce)
{
    WriteOpener("gio", 2);
    EXPECT_EQ(FailureOfOpening("mailto:support@tarvo.example"), "gio could not open the address (status 2).");
    EXPECT_EQ(Arguments(), (std::vector<std::string>{"open", "mailto:support@tarvo.example"}));

    std::filesystem::remove(folder / "gio");
    std::optional<std::string> reason;
    OpenAddressOnDesktop({KLX_ERROR_DRAIN_BUILT}, "https://tarvo.example/klx",
                         [&reason](const std::string& heard) { reason = heard; });
    EXPECT_EQ(reason, "No program to open addresses (xdg-open or gio) was found.");
}

// While the opening program runs: the opener's failure is heard of with its
// message whole, and what its program writes to its error output after it
// has ended goes to the drain, which reads it into nothing.
TEST_F(DesktopOpener, WhatTheOpenersProgramWritesWhileWeRunIsReadIntoNothing)
{
    WriteChattyOpener();
    std::optional<std::string> reason;
    OpenAddressOnDesktop({KLX_ERROR_DRAIN_BUILT}, "https://tarvo.example/klx",
                         [&reason](const std::string& heard) { reason = heard; });
    const ChattyProcesses started = Started();
    Say("opener-go");
    ASSERT_TRUE(RunEventsUntil([&] { return reason.has_value(); }, std::chrono::minutes(1)));
    EXPECT_EQ(reason, "xdg-open: no method available");
    ExpectWritingPilesUpNowhere(started, [] {});
}

// The opening program starts the opener and quits while the opener's program
// writes, before the opener has ended: the opener's end finds nobody to tell,
// and its program writes on to its end.
TEST_F(DesktopOpener, WhatTheOpenersProgramWritesAfterWeQuitIsReadIntoNothing)
{
    WriteChattyOpener();
    int quit[2];
    ASSERT_EQ(::pipe2(quit, O_CLOEXEC), 0);
    // A process of its own that starts the opener as the program does, then
    // waits for the word to quit. It calls nothing but the start and _exit.
    const pid_t opening = ::fork();
    ASSERT_GE(opening, 0);
    if (opening == 0) {
        const DrainLaunch launch =
            LaunchThroughErrorDrain({KLX_ERROR_DRAIN_BUILT}, {Path("xdg-open"), "https://tarvo.example/klx"}, 1025);
        char word = 0;
        const ssize_t heard = ::read(quit[0], &word, 1);
        ::_exit(launch.report >= 0 && heard == 1 ? 0 : 1);
    }
    ::close(quit[0]);
    ExpectWritingPilesUpNowhere(Started(), [&] {
        EXPECT_EQ(::write(quit[1], "q", 1), 1);
        int status = -1;
        EXPECT_EQ(::waitpid(opening, &status, 0), opening);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the opening process did not start the opener";
        Say("opener-go");
    });
    // Ends the opening process if the test stopped before its word.
    ::close(quit[1]);
    ::waitpid(opening, nullptr, 0);
}

}  // namespace
