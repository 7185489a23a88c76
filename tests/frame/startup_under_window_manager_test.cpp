// The program's first start under a window manager (openbox) on a display of
// the test's own: the "Setting" dialog that start-up opens stands above the
// maximised main window, active and centred over it. On a display without a
// window manager the toolkit shows a window at once; under a manager it
// waits for the manager's frame sizes first, which is where a dialog opened
// too early went behind its main window.

#include "saved_project.h"
#include "view/support/ToolkitComplaints.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

// Xlib's macros come after the test framework's headers.
#include "x_properties.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/select.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

bool OnPath(const std::string& program)
{
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    for (size_t start = 0; start <= folders.size();) {
        const size_t end = std::min(folders.find(':', start), folders.size());
        const std::string candidate = folders.substr(start, end - start) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

// A program the test started; it is stopped when the test ends.
class Child {
public:
    // The environment is the test's own with these NAME=value entries put
    // in; the program's output goes nowhere, its error output too unless a
    // file is named, and it inherits the test's open files (the display
    // server the pipe it reports its number on).
    Child(const std::vector<std::string>& arguments, const std::vector<std::string>& settings,
          const std::string& errorFile = "/dev/null")
    {
        std::vector<std::string> environment = settings;
        for (char** entry = environ; *entry; ++entry) {
            const std::string text = *entry;
            const std::string name = text.substr(0, text.find('='));
            bool replaced = false;
            for (const std::string& setting : settings)
                replaced = replaced || setting.rfind(name + "=", 0) == 0;
            if (!replaced)
                environment.push_back(text);
        }
        std::vector<char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (const std::string& entry : environment)
            envp.push_back(const_cast<char*>(entry.c_str()));
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        if (posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Child()
    {
        if (pid_ <= 0)
            return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t Pid() const { return pid_; }

    // The program's exit status once it has ended of itself within the
    // limit; nothing when it still runs then or a signal ended it. Once it
    // has ended, it is not stopped again.
    std::optional<int> EndedWithin(std::chrono::seconds limit)
    {
        const int ended = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
        if (ended < 0)
            return std::nullopt;
        pollfd watch{ended, POLLIN, 0};
        const bool done = poll(&watch, 1, static_cast<int>(std::chrono::milliseconds(limit).count())) == 1;
        close(ended);
        if (!done)
            return std::nullopt;
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? std::optional<int>(WEXITSTATUS(status)) : std::nullopt;
    }

private:
    pid_t pid_ = -1;
};

class XConnection {
public:
    explicit XConnection(const std::string& name) : display_(XOpenDisplay(name.c_str()))
    {
        if (display_)
            XSelectInput(display_, Root(), PropertyChangeMask);
    }
    ~XConnection()
    {
        if (display_)
            XCloseDisplay(display_);
    }
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    Display* Get() const { return display_; }
    Window Root() const { return DefaultRootWindow(display_); }

    std::vector<unsigned long> Property(Window window, const char* name, Atom type) const
    {
        return WindowProperty(display_, window, name, type);
    }

    std::string Name(Window window) const
    {
        char* name = nullptr;
        std::string text;
        if (XFetchName(display_, window, &name) && name) {
            text = name;
            XFree(name);
        }
        return text;
    }

    // The window's rectangle on the root: x, y, width, height.
    std::array<int, 4> Rect(Window window) const
    {
        XWindowAttributes attributes{};
        XGetWindowAttributes(display_, window, &attributes);
        int x = 0;
        int y = 0;
        Window child = 0;
        XTranslateCoordinates(display_, window, Root(), 0, 0, &x, &y, &child);
        return {x, y, attributes.width, attributes.height};
    }

    // Waits for the condition, looking again whenever a property of the root
    // changes; false when the deadline passes first.
    template <class Condition>
    bool WaitFor(Condition condition, std::chrono::seconds limit)
    {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        for (;;) {
            XSync(display_, False);
            while (XPending(display_)) {
                XEvent event;
                XNextEvent(display_, &event);
            }
            if (condition())
                return true;
            const auto left = deadline - std::chrono::steady_clock::now();
            if (left <= std::chrono::steady_clock::duration::zero())
                return false;
            const int fd = ConnectionNumber(display_);
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(fd, &readable);
            // Properties of the client windows change without a root event:
            // look again at least every half second.
            timeval wait{0, 500000};
            select(fd + 1, &readable, nullptr, nullptr, &wait);
        }
    }

private:
    Display* display_;
};

// A display of the test's own, on a free number that the server chose.
std::optional<std::string> StartPrivateDisplay(std::optional<Child>& server,
                                               const std::string& screen = "1280x1024x24")
{
    int ends[2];
    if (pipe(ends) != 0)
        return std::nullopt;
    server.emplace(std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(ends[1]), "-screen", "0", screen,
                                            "-nolisten", "tcp"},
                   std::vector<std::string>{});
    close(ends[1]);
    std::string number;
    char c = 0;
    while (read(ends[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(ends[0]);
    if (number.empty())
        return std::nullopt;
    return ":" + number;
}

// What a program on a private display sees: the display, and a home folder
// in place of the user's.
std::vector<std::string> DisplaySettings(const std::string& display, const std::filesystem::path& home)
{
    return {"DISPLAY=" + display, "HOME=" + home.string(), "XDG_CONFIG_HOME=" + (home / ".config").string()};
}

// The program's own: the toolkit on X, without the leak checker.
std::vector<std::string> ProgramSettings(std::vector<std::string> settings)
{
    settings.insert(settings.end(), {"GDK_BACKEND=x11", "NO_AT_BRIDGE=1", "ASAN_OPTIONS=detect_leaks=0"});
    return settings;
}

// The whole text of a file; empty when there is none.
std::string FileText(const std::filesystem::path& path)
{
    std::ifstream file(path);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// The manager has taken the display once it names its check window.
bool ManagerTookDisplay(XConnection& x)
{
    return x.WaitFor([&x] { return !x.Property(x.Root(), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty(); },
                     std::chrono::seconds(30));
}

struct StartUpWindows {
    Window dialog = 0;
    Window mainWindow = 0;
    int dialogPlace = -1;
    int mainPlace = -1;
    bool mainMaximised = false;
    bool dialogActive = false;

    bool Settled() const
    {
        return dialog && mainWindow && dialogPlace > mainPlace && mainMaximised && dialogActive;
    }
    std::string Describe() const
    {
        return "dialog " + std::to_string(dialog) + " at " + std::to_string(dialogPlace) + (dialogActive ? " active" : "")
               + ", main window " + std::to_string(mainWindow) + " at " + std::to_string(mainPlace)
               + (mainMaximised ? " maximised" : "");
    }
};

StartUpWindows LookAtWindows(const XConnection& x, pid_t program)
{
    StartUpWindows windows;
    const std::vector<unsigned long> stacking = x.Property(x.Root(), "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
    for (size_t place = 0; place < stacking.size(); ++place) {
        const Window window = stacking[place];
        const std::vector<unsigned long> pid = x.Property(window, "_NET_WM_PID", XA_CARDINAL);
        if (pid.size() != 1 || static_cast<pid_t>(pid[0]) != program)
            continue;
        const std::string name = x.Name(window);
        if (name == "Setting") {
            windows.dialog = window;
            windows.dialogPlace = static_cast<int>(place);
        } else if (name.rfind("Tarvo/KLX", 0) == 0) {
            windows.mainWindow = window;
            windows.mainPlace = static_cast<int>(place);
        }
    }
    if (windows.mainWindow) {
        const Atom maximised = XInternAtom(x.Get(), "_NET_WM_STATE_MAXIMIZED_VERT", False);
        for (unsigned long state : x.Property(windows.mainWindow, "_NET_WM_STATE", XA_ATOM))
            windows.mainMaximised = windows.mainMaximised || state == maximised;
    }
    const std::vector<unsigned long> active = x.Property(x.Root(), "_NET_ACTIVE_WINDOW", XA_WINDOW);
    windows.dialogActive = windows.dialog && active.size() == 1 && active[0] == windows.dialog;
    return windows;
}

// Asks the manager to change the window's state as its title bar's buttons
// and an application do: the message goes to the root.
void AskTheManager(XConnection& x, Window window, const char* message, std::array<long, 4> data)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(x.Get(), message, False);
    event.xclient.format = 32;
    for (size_t i = 0; i < data.size(); ++i)
        event.xclient.data.l[i] = data[i];
    XSendEvent(x.Get(), x.Root(), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(x.Get());
}

// Out of the maximised state, as the title bar's button does it.
void AskToRestore(XConnection& x, Window window)
{
    AskTheManager(x, window, "_NET_WM_STATE",
                  {0,  // remove
                   static_cast<long>(XInternAtom(x.Get(), "_NET_WM_STATE_MAXIMIZED_VERT", False)),
                   static_cast<long>(XInternAtom(x.Get(), "_NET_WM_STATE_MAXIMIZED_HORZ", False)),
                   1});  // from an application
}

// Closed, as the title bar's button does it.
void AskToClose(XConnection& x, Window window)
{
    AskTheManager(x, window, "_NET_CLOSE_WINDOW", {CurrentTime, 2, 0, 0});  // 2: from a user's action
}

// Where the manager stands the window's frame: x, y, width, and the height of
// its title bar (the frame's top extent); nothing until it has framed it.
std::optional<std::array<int, 4>> FrameAround(const XConnection& x, Window window)
{
    const std::vector<unsigned long> extents = x.Property(window, "_NET_FRAME_EXTENTS", XA_CARDINAL);
    if (extents.size() != 4)
        return std::nullopt;
    const std::array<int, 4> client = x.Rect(window);
    const int left = static_cast<int>(extents[0]);
    const int right = static_cast<int>(extents[1]);
    const int top = static_cast<int>(extents[2]);
    return std::array<int, 4>{client[0] - left, client[1] - top, client[2] + left + right, top};
}

// The work area the manager publishes: x, y, width, height.
std::optional<std::array<int, 4>> WorkArea(const XConnection& x)
{
    const std::vector<unsigned long> area = x.Property(x.Root(), "_NET_WORKAREA", XA_CARDINAL);
    if (area.size() < 4)
        return std::nullopt;
    return std::array<int, 4>{static_cast<int>(area[0]), static_cast<int>(area[1]), static_cast<int>(area[2]),
                              static_cast<int>(area[3])};
}

std::string Described(const std::optional<std::array<int, 4>>& rect)
{
    if (!rect)
        return "not known";
    return std::to_string((*rect)[0]) + "," + std::to_string((*rect)[1]) + " " + std::to_string((*rect)[2]) + "x"
           + std::to_string((*rect)[3]);
}

// A desktop whose panels keep the screen's edges: the test's openbox reserves
// 50 pixels at the left, 60 at the top and 100 at the bottom, as for a dock
// and two bars.
void UseOpenboxWithMargins(const std::filesystem::path& home)
{
    const std::filesystem::path folder = home / ".config" / "openbox";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "rc.xml") << R"(<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <margins><top>60</top><bottom>100</bottom><left>50</left><right>0</right></margins>
</openbox_config>
)";
}

// The lines of a settings file's [WINDOWPOS] group.
std::vector<std::string> StoredPlacement(const std::filesystem::path& settings)
{
    std::ifstream file(settings);
    std::vector<std::string> lines;
    bool inGroup = false;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line[0] == '[')
            inGroup = line == "[WINDOWPOS]";
        else if (inGroup && !line.empty())
            lines.push_back(line);
    }
    return lines;
}

// The program under openbox on a private display; skipped where either is
// missing.
class StartUpUnderAWindowManager : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* program : {"Xvfb", "openbox"}) {
            if (!OnPath(program))
                GTEST_SKIP() << program << " is not installed";
        }
    }

    void TearDown() override
    {
        StopAll();
        if (!home_.empty())
            std::filesystem::remove_all(home_);
    }

    // An empty home folder of this process's own for the program, removed
    // when the test ends.
    const std::filesystem::path& OwnHome(const std::string& name)
    {
        home_ = std::filesystem::path(testing::TempDir()) / (name + "-" + std::to_string(getpid()));
        std::filesystem::remove_all(home_);
        std::filesystem::create_directories(home_);
        return home_;
    }

    // A display of the test's own, openbox once it has taken it, then the
    // program with the home folder and these arguments; whatever ran before
    // is stopped first.
    void StartProgram(const std::string& screen = "1280x1024x24", const std::string& errorFile = "/dev/null",
                      const std::vector<std::string>& arguments = {})
    {
        StopAll();
        const std::optional<std::string> display = StartPrivateDisplay(server_, screen);
        ASSERT_TRUE(display.has_value());
        x_.emplace(*display);
        ASSERT_NE(x_->Get(), nullptr);
        const std::vector<std::string> settings = DisplaySettings(*display, home_);
        manager_.emplace(std::vector<std::string>{"openbox", "--sm-disable"}, settings);
        ASSERT_TRUE(ManagerTookDisplay(*x_));
        std::vector<std::string> command{KLX_PROGRAM};
        command.insert(command.end(), arguments.begin(), arguments.end());
        klx_.emplace(command, ProgramSettings(settings), errorFile);
        ASSERT_GT(klx_->Pid(), 0);
    }

    XConnection& X() { return *x_; }
    pid_t ProgramPid() const { return klx_->Pid(); }
    std::optional<int> ProgramEndedWithin(std::chrono::seconds limit) { return klx_->EndedWithin(limit); }

    // The program's main window once the manager has maximised it, as the
    // start asks.
    Window MaximisedMainWindow()
    {
        StartUpWindows windows;
        const pid_t program = ProgramPid();
        const bool shown = x_->WaitFor(
            [&] {
                const XErrorsAnswered answered(x_->Get());
                windows = LookAtWindows(*x_, program);
                return windows.mainWindow && windows.mainMaximised;
            },
            std::chrono::seconds(45));
        EXPECT_TRUE(shown) << windows.Describe();
        return shown ? windows.mainWindow : 0;
    }

private:
    // The program first, the display last.
    void StopAll()
    {
        klx_.reset();
        manager_.reset();
        x_.reset();
        server_.reset();
    }

    std::filesystem::path home_;
    std::optional<Child> server_;
    std::optional<XConnection> x_;
    std::optional<Child> manager_;
    std::optional<Child> klx_;
};

TEST_F(StartUpUnderAWindowManager, TheSettingDialogStandsActiveAboveTheMaximisedMainWindowAndCentredOverIt)
{
    // Two first starts: the fault showed in about half of them.
    for (int start = 1; start <= 2; ++start) {
        SCOPED_TRACE("start " + std::to_string(start));
        const std::filesystem::path errorOutput = OwnHome("klx-window-manager") / "klx-errors.txt";
        ASSERT_NO_FATAL_FAILURE(StartProgram("1280x1024x24", errorOutput.string()));
        XConnection& x = X();

        // Above, active and centred: a window manager places a new window
        // by its own rule first, and only a later move puts it elsewhere.
        StartUpWindows windows;
        std::array<int, 4> dialog{};
        std::array<int, 4> mainWindow{};
        const auto centred = [&] {
            dialog = x.Rect(windows.dialog);
            mainWindow = x.Rect(windows.mainWindow);
            // Within the height of a title bar.
            return std::abs(dialog[0] + dialog[2] / 2 - (mainWindow[0] + mainWindow[2] / 2)) <= 40
                   && std::abs(dialog[1] + dialog[3] / 2 - (mainWindow[1] + mainWindow[3] / 2)) <= 40;
        };
        const bool settled = x.WaitFor(
            [&] {
                // A window listed a moment ago may be gone (a splash, a
                // dialog closed): that is an answer, not an end.
                const XErrorsAnswered answered(x.Get());
                windows = LookAtWindows(x, ProgramPid());
                return windows.Settled() && centred();
            },
            std::chrono::seconds(45));
        EXPECT_TRUE(settled) << windows.Describe() << "; dialog at " << dialog[0] << "," << dialog[1] << " size "
                             << dialog[2] << "x" << dialog[3] << ", main window at " << mainWindow[0] << ","
                             << mainWindow[1] << " size " << mainWindow[2] << "x" << mainWindow[3];
        // Shown late, once the manager told its frame sizes, the window is
        // laid out without a complaint from the toolkit.
        EXPECT_THAT(ComplaintLines(FileText(errorOutput)), testing::IsEmpty());
    }
}

// Closed through the window manager, as by the close buttons on the title
// bars: first the "Setting" dialog of a first start, then the main window.
// The program ends of itself and well, and the toolkit complains of nothing
// on the way out.
TEST_F(StartUpUnderAWindowManager, TheMainWindowClosedThroughTheWindowManagerEndsTheProgramWithoutAComplaint)
{
    const std::filesystem::path errorOutput = OwnHome("klx-closed-window") / "klx-errors.txt";
    ASSERT_NO_FATAL_FAILURE(StartProgram("1280x1024x24", errorOutput.string()));
    XConnection& x = X();
    StartUpWindows windows;
    const auto lookAt = [&] {
        const XErrorsAnswered answered(x.Get());
        windows = LookAtWindows(x, ProgramPid());
    };
    ASSERT_TRUE(x.WaitFor([&] { lookAt(); return windows.Settled(); }, std::chrono::seconds(45)))
        << windows.Describe();
    AskToClose(x, windows.dialog);
    ASSERT_TRUE(x.WaitFor([&] { lookAt(); return !windows.dialog && windows.mainWindow; }, std::chrono::seconds(45)))
        << windows.Describe();
    AskToClose(x, windows.mainWindow);
    EXPECT_EQ(ProgramEndedWithin(std::chrono::seconds(45)), std::optional<int>(0));
    EXPECT_THAT(ComplaintLines(FileText(errorOutput)), testing::IsEmpty());
}

// A window placement saved far above and left of a 1024x768 screen: the
// program starts maximised, and once the window manager restores it, the
// window stands left of the screen's edge as saved, but its title bar lies
// whole within the work area and a grip of 100 pixels of it on the screen,
// so that it can be taken and moved.
TEST_F(StartUpUnderAWindowManager, ARestoredWindowSavedFarOffTheScreenKeepsItsTitleBarOnIt)
{
    std::ofstream(OwnHome("klx-restored-window") / ".Tarvo")
        << "[WINDOWPOS]\nStatus=3\nTop=-5000\nLeft=-5000\nBottom=-4000\nRight=-4000\n";
    ASSERT_NO_FATAL_FAILURE(StartProgram("1024x768x24"));
    XConnection& x = X();
    const Window mainWindow = MaximisedMainWindow();
    ASSERT_NE(mainWindow, 0u);
    AskToRestore(x, mainWindow);

    StartUpWindows windows;
    std::optional<std::array<int, 4>> frame;
    std::optional<std::array<int, 4>> workArea;
    const auto onScreen = [&] {
        const XErrorsAnswered answered(x.Get());
        windows = LookAtWindows(x, ProgramPid());
        frame = FrameAround(x, mainWindow);
        workArea = WorkArea(x);
        if (windows.mainMaximised || !frame || !workArea)
            return false;
        const auto [left, top, width, titleBar] = *frame;
        // Left of the screen's edge, as saved: the program's own
        // placement, not the maximised one nor one of the manager's.
        return titleBar > 0 && left < 0 && top >= (*workArea)[1] && top + titleBar <= (*workArea)[1] + (*workArea)[3]
               && left + width >= 100;
    };
    EXPECT_TRUE(x.WaitFor(onScreen, std::chrono::seconds(45)))
        << windows.Describe() << "; frame at " << Described(frame) << " (x, y, width, title bar), work area "
        << Described(workArea);
}

// On a desktop whose work area does not start at the screen's corner, a
// window left where it was saved comes back to the same place at every start,
// and the same edges, relative to the work area, are stored again.
TEST_F(StartUpUnderAWindowManager, AWindowLeftOnAWorkAreaWithMarginsComesBackWhereItWasLeft)
{
    const std::filesystem::path home = OwnHome("klx-placement-margins");
    UseOpenboxWithMargins(home);
    const std::string project = SaveProjectWithPoints(home / "placed.klx", {{0, 0}});
    const std::vector<std::string> placement{"Status=1", "Top=200", "Left=200", "Bottom=800", "Right=1000"};
    {
        std::ofstream settings(home / ".Tarvo");
        settings << "[WINDOWPOS]\n";
        for (const std::string& line : placement)
            settings << line << "\n";
    }
    for (int start = 1; start <= 3; ++start) {
        SCOPED_TRACE("start " + std::to_string(start));
        ASSERT_NO_FATAL_FAILURE(StartProgram("1280x1024x24", "/dev/null", {project}));
        XConnection& x = X();
        const Window mainWindow = MaximisedMainWindow();
        ASSERT_NE(mainWindow, 0u);
        AskToRestore(x, mainWindow);

        // The work area starts at (50, 60): the frame stands 200 pixels
        // right of and below that.
        std::optional<std::array<int, 4>> frame;
        std::optional<std::array<int, 4>> workArea;
        const bool placed = x.WaitFor(
            [&] {
                const XErrorsAnswered answered(x.Get());
                frame = FrameAround(x, mainWindow);
                workArea = WorkArea(x);
                return frame && workArea && (*workArea)[0] == 50 && (*workArea)[1] == 60 && (*frame)[0] == 250
                       && (*frame)[1] == 260 && (*frame)[2] == 800;
            },
            std::chrono::seconds(45));
        EXPECT_TRUE(placed) << "frame at " << Described(frame) << " (x, y, width, title bar), work area "
                            << Described(workArea);

        AskToClose(x, mainWindow);
        ASSERT_TRUE(ProgramEndedWithin(std::chrono::seconds(45))) << "the program did not end when closed";
        EXPECT_THAT(StoredPlacement(home / ".Tarvo"), testing::UnorderedElementsAreArray(placement));
    }
}

}  // namespace
