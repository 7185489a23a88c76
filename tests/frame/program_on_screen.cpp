#include "program_on_screen.h"

#include "painted_picture.h"
#include "saved_project.h"
#include "screen_capture.h"

#include "frame/GuiUserPorts.h"
#include "frame/MainFrame.h"
#include "frame/ProjectWorkspace.h"
#include "frame/SettingsFile.h"
#include "frame/ToolPage.h"
#include "frame/ToolbarTable.h"
#include "frame/WindowManagerMaximize.h"
#include "model/SectModel.h"
#include "tools/ToolRegistration.h"
#include "view/Scene.h"
#include "view/TarvokrtView.h"
#include "view/support/ShownOnScreen.h"

#include <wx/app.h>
#include <wx/aui/auibar.h>
#include <wx/config.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/modalhook.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include <gtk/gtk.h>

#include <cmath>
#include <fstream>
#include <utility>

#include <unistd.h>

class ClosingDialogHook : public wxModalDialogHook {
public:
    int Enter(wxDialog* dialog) override
    {
        titles.push_back(dialog->GetTitle().utf8_string());
        dialog->CallAfter([dialog] { dialog->EndModal(wxID_CANCEL); });
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}

    std::vector<std::string> titles;
};

namespace {

// The next scripted answer; when none is left, a failure of the test and the
// answer of a cancelled dialog.
template <class Answer>
Answer NextAnswer(std::deque<Answer>& queue, Answer cancelled, const std::string& unexpected)
{
    if (queue.empty()) {
        ADD_FAILURE() << unexpected;
        return cancelled;
    }
    Answer answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

}  // namespace

SaveAnswer ScriptedSavePrompts::AskSaveChanges(const std::string& title)
{
    asked.push_back(title);
    return NextAnswer(answers, SaveAnswer::Cancel, "unexpected save question for " + title);
}

std::string ScriptedSavePrompts::AskSavePath(const std::string& suggested)
{
    return NextAnswer(savePaths, std::string(), "unexpected save path question for " + suggested);
}

std::string ScriptedSavePrompts::AskSaveFile(const std::string& title, const std::string& filter,
                                             const std::string& defaultExtension, const std::string& offeredName)
{
    fileRequests.push_back(title + "|" + filter + "|" + defaultExtension + "|" + offeredName);
    return NextAnswer(savedFiles, std::string(), "unexpected save-file chooser " + title);
}

std::vector<std::string> ScriptedSavePrompts::AskOpenFiles(const std::string& title, const std::string& filter)
{
    openDialogs.push_back(title + "|" + filter);
    return NextAnswer(openChoices, std::vector<std::string>(), "unexpected open dialog " + title);
}

ProgramOnScreen::ProgramOnScreen() = default;
ProgramOnScreen::~ProgramOnScreen() = default;

void ProgramOnScreen::SetUp()
{
    if (!RequireDisplay())
        return;
    folder = std::filesystem::temp_directory_path()
             / ("klx-frame-" + std::to_string(::getpid()) + "-"
                + testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    ReadSettingsFile();
    GuiUserPorts::UseScriptedUser(&user, &prompts);
    hook_ = std::make_unique<ClosingDialogHook>();
    hook_->Register();
    SetUpOnScreen();
}

void ProgramOnScreen::TearDown()
{
    for (wxModalDialogHook* testHook : testHooks_)
        testHook->Unregister();
    testHooks_.clear();
    if (!hook_)
        return;
    Quit();
    hook_->Unregister();
    hook_.reset();
    GuiUserPorts::UseScriptedUser(nullptr, nullptr);
    delete wxConfigBase::Set(nullptr);
    std::filesystem::remove_all(folder);
}

bool ProgramOnScreen::Start(const std::string& commandLine,
                            const std::function<void(CToolRegistry&)>& addTestRegistrations)
{
    app = std::make_unique<CTarvokrtApp>();
    app->SaySettingsNote(std::exchange(settingsNote_, std::string()));
    RegisterTools(app->Tools());
    if (addTestRegistrations)
        addTestRegistrations(app->Tools());
    const bool started = app->InitInstance(commandLine);
    Settle();
    // The tests click into the frame and take its pictures: a window manager
    // maps and activates it in its own time. What its first show starts (the
    // Setting dialog of a first start) runs before the test goes on, and the
    // frame has the focus back after it.
    if (started && app->Frame() && app->Frame()->IsShown()) {
        CMainFrame& frame = *app->Frame();
        const bool shown = WaitUntilShownAndActive(frame);
        EXPECT_TRUE(shown) << "the main window was not shown and activated";
        Settle();
        const bool focusedAgain = WaitUntilShownAndActive(frame);
        EXPECT_TRUE(focusedAgain) << "the main window did not get the focus back";
        // A window manager maximises the frame in its own time; a click or a
        // picture before the frame and the view have their final size on the
        // server misses what is drawn.
        const bool maximised = RunEventsUntil([&frame] {
            return (!WindowManagerMaximizes() || frame.IsMaximized()) && SizedAsGiven(frame)
                   && SizedAsGiven(frame.View());
        });
        EXPECT_TRUE(maximised) << "the main window was not maximised";
        return shown && focusedAgain && maximised;
    }
    return started;
}

void ProgramOnScreen::Quit()
{
    if (app && app->Frame())
        app->Frame()->Close(true);
    Settle();
    wxTheApp->ProcessIdle();
    app.reset();
}

void ProgramOnScreen::Command(int commandId)
{
    wxCommandEvent event(wxEVT_MENU, WxCommandId(commandId));
    event.SetEventObject(&Frame());
    Frame().GetEventHandler()->ProcessEvent(event);
    Settle();
}

void ProgramOnScreen::Settle()
{
    for (int round = 0; round < 20; ++round) {
        ProcessPendingEvents();
        wxMilliSleep(5);
    }
    wxTheApp->ProcessIdle();
}

void ProgramOnScreen::RunMainLoop(int milliseconds)
{
    wxGUIEventLoop loop;
    wxTimer stop;
    stop.Bind(wxEVT_TIMER, [&loop](wxTimerEvent&) { loop.Exit(); });
    stop.StartOnce(milliseconds);
    loop.Run();
}

void ProgramOnScreen::ReadSettingsFile()
{
    delete wxConfigBase::Set(nullptr);
    OpenedSettings opened = OpenSettingsFile(folder / "settings.ini");
    settingsNote_ = opened.note;
    wxConfigBase::Set(opened.config.release());
}

void ProgramOnScreen::UseSettingsText(const std::string& text)
{
    // The settings in use are written out first, so that they cannot
    // overwrite the text.
    delete wxConfigBase::Set(nullptr);
    std::ofstream(folder / "settings.ini") << text;
    ReadSettingsFile();
}

std::string ProgramOnScreen::SavedProject(const std::string& name,
                                          std::initializer_list<std::pair<double, double>> points)
{
    return SaveProjectWithPoints(folder / name, points);
}

CMainFrame& ProgramOnScreen::Frame()
{
    return *app->Frame();
}

CTarvokrtView& ProgramOnScreen::View()
{
    return Frame().View();
}

CScene& ProgramOnScreen::Scene()
{
    return *View().GetScene();
}

CSectModel& ProgramOnScreen::Model()
{
    return *Frame().Document().GetModel();
}

CToolPage& ProgramOnScreen::Page()
{
    CToolPage* page = Frame().Workspace().OpenPageWindow();
    EXPECT_NE(page, nullptr);
    return *page;
}

void ClickButton(wxWindow& button)
{
    wxCommandEvent click(wxEVT_BUTTON, button.GetId());
    click.SetEventObject(&button);
    button.GetEventHandler()->ProcessEvent(click);
}

std::string Described(const wxRect& rect)
{
    return std::to_string(rect.width) + "x" + std::to_string(rect.height) + " at (" + std::to_string(rect.x) + ", " +
           std::to_string(rect.y) + ")";
}

bool SizedAsGiven(const wxWindow& window)
{
    GtkWidget* widget = window.GetHandle();
    if (!window.IsTopLevel()) {
        return gtk_widget_get_allocated_width(widget) == window.GetSize().x
               && gtk_widget_get_allocated_height(widget) == window.GetSize().y;
    }
    // Inside the frame the window manager puts around it, the window is as
    // large as the server has made it: asked of the server, since a size the
    // manager sent and the toolkit has not yet read would undo the next
    // resize.
    GdkWindow* onServer = gtk_widget_get_window(widget);
    if (!onServer)
        return false;
    GdkRectangle framed{};
    gdk_window_get_frame_extents(onServer, &framed);
    int width = 0;
    int height = 0;
    gdk_window_get_geometry(onServer, nullptr, nullptr, &width, &height);
    return framed.width == window.GetSize().x && framed.height == window.GetSize().y
           && gtk_widget_get_allocated_width(widget) == width && gtk_widget_get_allocated_height(widget) == height;
}

bool ProgramOnScreen::LeaveMaximised()
{
    CMainFrame& frame = Frame();
    if (!frame.IsMaximized())
        return true;
    // A window manager un-maximises the window in its own time, and then
    // changes its frame around it. The program gives the window its normal
    // size back after the first size or move that finds it no longer
    // maximised; only after that may the window take another size.
    bool unmaximised = false;
    const auto seen = [&frame, &unmaximised](wxEvent& event) {
        unmaximised = unmaximised || !frame.IsMaximized();
        event.Skip();
    };
    frame.Bind(wxEVT_SIZE, seen);
    frame.Bind(wxEVT_MOVE, seen);
    frame.Maximize(false);
    const bool seenUnmaximised = RunEventsUntil([&unmaximised] { return unmaximised; });
    frame.Unbind(wxEVT_SIZE, seen);
    frame.Unbind(wxEVT_MOVE, seen);
    if (!seenUnmaximised)
        return false;
    Settle();
    return RunEventsUntil([&frame] { return SizedAsGiven(frame); });
}

bool ProgramOnScreen::ShowFrameAt(const wxSize& size, const std::function<bool()>& laidOut)
{
    if (!LeaveMaximised())
        return false;
    CMainFrame& frame = Frame();
    frame.SetSize(wxRect(wxPoint(0, 0), size));
    const wxSize taken = frame.GetSize();
    return RunEventsUntil([&] { return frame.GetSize() == taken && SizedAsGiven(frame) && (!laidOut || laidOut()); });
}

void ProgramOnScreen::Press(wxWindow& button)
{
    ClickButton(button);
    Settle();
}

void ProgramOnScreen::AnswerDialogsWith(wxModalDialogHook& hook)
{
    hook.Register();
    testHooks_.push_back(&hook);
}

void ProgramOnScreen::AddLines(std::initializer_list<std::array<double, 4>> lines)
{
    for (const std::array<double, 4>& line : lines)
        ASSERT_TRUE(Model().CreateLine(line.data(), line.data() + 2, 1, 0.0));
}

void ProgramOnScreen::ShowModelFitted()
{
    Frame().Document().OnModelChanged();
    Settle();
    View().ZoomFit();
    RunMainLoop(100);
    Settle();
}

std::optional<bool> ProgramOnScreen::ToolbarEnables(int commandId)
{
    wxTheApp->ProcessIdle();
    if (wxAuiToolBar* bar = ToolbarWith(commandId))
        return bar->GetToolEnabled(WxCommandId(commandId));
    return std::nullopt;
}

wxAuiToolBar* ProgramOnScreen::ToolbarWith(int commandId)
{
    const wxAuiPaneInfoArray& panes = Frame().Bars().GetAllPanes();
    for (size_t i = 0; i < panes.GetCount(); ++i) {
        auto* bar = dynamic_cast<wxAuiToolBar*>(panes.Item(i).window);
        if (bar && bar->FindTool(WxCommandId(commandId)))
            return bar;
    }
    return nullptr;
}

wxPoint ProgramOnScreen::ClientOf(double x, double y)
{
    const double global[2] = {x, y};
    double local[2];
    Frame().View().GetScene()->ToCurrentUcs(global, local);
    double window[2];
    Frame().View().Camera().WorldToWindow(local[0], local[1], window);
    return {static_cast<int>(std::floor(window[0])), static_cast<int>(std::floor(window[1]))};
}

void ProgramOnScreen::Post(wxEventType type, wxPoint at, bool leftDown, bool ctrl)
{
    CTarvokrtView& view = Frame().View();
    wxMouseEvent event(type);
    event.SetEventObject(&view);
    event.SetId(view.GetId());
    event.SetPosition(at);
    event.m_leftDown = leftDown;
    event.SetControlDown(ctrl);
    view.ProcessWindowEvent(event);
}

int ProgramOnScreen::DarkPixels()
{
    const std::string path = (folder / "view.bmp").string();
    if (!Frame().View().ExportBitmap(path))
        return -1;
    wxImage shot;
    if (!shot.LoadFile(path, wxBITMAP_TYPE_BMP))
        return -1;
    int dark = 0;
    for (int y = 0; y < shot.GetHeight(); ++y) {
        for (int x = 0; x < shot.GetWidth(); ++x)
            dark += shot.GetRed(x, y) < 80 && shot.GetGreen(x, y) < 80 && shot.GetBlue(x, y) < 80;
    }
    return dark;
}

wxImage ProgramOnScreen::PaintedPicture(const std::function<bool(const wxImage&)>& shows)
{
    const OwnWindowCapture capture(Frame());
    EXPECT_TRUE(capture.Found());
    // Redirected, the window keeps only what the screen showed of it, where
    // other windows may have lain on top: it paints itself whole.
    View().m_reRender = 1;
    Frame().Refresh();
    return ::PaintedPicture(Frame(), capture, shows);
}

void ProgramOnScreen::Drag(wxPoint from, wxPoint to, bool ctrl)
{
    Post(wxEVT_MOTION, from, false, ctrl);
    Post(wxEVT_LEFT_DOWN, from, true, ctrl);
    Post(wxEVT_MOTION, (from + to) / 2, true, ctrl);
    Post(wxEVT_MOTION, to, true, ctrl);
    Post(wxEVT_LEFT_UP, to, false, ctrl);
    Settle();
}

const std::vector<std::string>& ProgramOnScreen::ShownDialogs() const
{
    return hook_->titles;
}

std::vector<std::string> ProgramOnScreen::MenuLabels(const wxMenu& menu)
{
    std::vector<std::string> labels;
    for (const wxMenuItem* item : menu.GetMenuItems())
        labels.push_back(item->IsSeparator() ? "-" : item->GetItemLabel().utf8_string());
    return labels;
}
