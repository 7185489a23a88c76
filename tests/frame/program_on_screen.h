#pragma once
// The real program's start-up and frame on the test display, with its
// settings in a folder of its own and a scripted user behind every box.
// Modal dialogs are recorded and closed by the test as soon as they show.

#include "frame/TarvokrtApp.h"
#include "frame/TarvokrtDoc.h"
#include "support/ScriptedUserPorts.h"
#include "view/support/GuiTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/event.h>
#include <wx/gdicmn.h>
#include <wx/image.h>

#include <array>
#include <deque>
#include <optional>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class ClosingDialogHook;
class CScene;
class CToolPage;
class CSectModel;
class CTarvokrtView;
class wxAuiToolBar;
class wxMenu;
class wxModalDialogHook;
class wxWindow;

// A click of the button, handled at once (inside a modal dialog too).
void ClickButton(wxWindow& button);

// Whether the toolkit has given the window the size the program gave it; a
// main window's size, as the program gives it, takes in the window manager's
// frame around it.
bool SizedAsGiven(const wxWindow& window);

// "WxH at (x, y)", for a failure's message.
std::string Described(const wxRect& rect);

struct ScriptedSavePrompts : IDocumentPrompts {
    SaveAnswer AskSaveChanges(const std::string& title) override;
    // Answers the save path question with the next queued path ("" cancels).
    std::string AskSavePath(const std::string& suggested) override;
    // Answers the save-file chooser with the next queued path ("" cancels)
    // and records each request as "title|filter|extension|offered name".
    std::string AskSaveFile(const std::string& title, const std::string& filter, const std::string& defaultExtension,
                            const std::string& offeredName) override;
    // Answers the open dialogs from openChoices, one list per dialog.
    std::vector<std::string> AskOpenFiles(const std::string& title, const std::string& filter) override;
    std::deque<SaveAnswer> answers;
    std::deque<std::vector<std::string>> openChoices;
    std::vector<std::string> openDialogs;  // "title|filter" of each open dialog
    std::vector<std::string> asked;
    std::deque<std::string> savePaths;
    std::deque<std::string> savedFiles;
    std::vector<std::string> fileRequests;
};

class ProgramOnScreen : public testing::Test {
protected:
    ProgramOnScreen();
    ~ProgramOnScreen() override;
    // Fails the test when the toolkit did not start; else the fixture's
    // SetUpOnScreen runs.
    void SetUp() override;
    void TearDown() override;
    // A fixture's own set-up, run once the test's folder, settings and
    // scripted user are in place.
    virtual void SetUpOnScreen() {}

    // Starts the program with this command line, its tools registered as the
    // program registers them; then the test's own registrations (a test
    // handler, a test page in place of a page's table) go in before the start.
    // False when start-up failed.
    bool Start(const std::string& commandLine,
               const std::function<void(CToolRegistry&)>& addTestRegistrations = {});
    // Closes the main window as the user would and lets it go.
    void Quit();
    // Lets the program handle what is pending, modal dialogs included.
    void Settle();
    // The main window out of its maximised state, as the window manager has
    // made it; true once it is, at once when it was not maximised.
    bool LeaveMaximised();
    // The main window un-maximised and given the size at the screen's top
    // left corner; true once the toolkit has laid it out at the size it took
    // (no smaller than its least size) and `laidOut` holds too.
    bool ShowFrameAt(const wxSize& size, const std::function<bool()>& laidOut = {});
    // Runs a menu command as its menu item or toolbar button does, then settles.
    void Command(int commandId);
    // Runs the program's own event loop for a while, so GTK paints the
    // windows into the X server as it does for a user.
    void RunMainLoop(int milliseconds);
    // The settings file as the text gives it, read afresh, as at a start of
    // the program that finds it.
    void UseSettingsText(const std::string& text);
    // The test folder's settings file (settings.ini) read afresh as the
    // program's start reads it; what it finds amiss is said at the next Start.
    void ReadSettingsFile();
    // A project file in the test's folder holding these points.
    std::string SavedProject(const std::string& name, std::initializer_list<std::pair<double, double>> points);

    CMainFrame& Frame();
    CTarvokrtView& View();
    CScene& Scene();
    CSectModel& Model();
    // The workspace's open page (a failure when none is open).
    CToolPage& Page();
    // A click of the button, handled at once; then the program settles.
    void Press(wxWindow& button);
    // The test's own answers to modal dialogs, from now to the tear-down.
    void AnswerDialogsWith(wxModalDialogHook& hook);
    // Lines (x1, y1, x2, y2) of centre alignment and no width in the open project.
    void AddLines(std::initializer_list<std::array<double, 4>> lines);
    // The model changed from outside: the views rebuild, fit the model and paint.
    void ShowModelFitted();
    // Whether the toolbars carry the command enabled once the idle-time
    // updates have run; nothing when none carries it.
    std::optional<bool> ToolbarEnables(int commandId);
    // The toolbar that carries the command; null when none does.
    wxAuiToolBar* ToolbarWith(int commandId);
    // The view's client pixel of a global position, seen through the work UCS.
    wxPoint ClientOf(double x, double y);
    // A mouse event handed to the view as the toolkit hands it over.
    void Post(wxEventType type, wxPoint at, bool leftDown, bool ctrl = false);
    // The left button pressed at one place, moved through the middle to the
    // other and released there; then the program settles.
    void Drag(wxPoint from, wxPoint to, bool ctrl = false);
    // Dark pixels of the view's picture as the view renders it (the curves);
    // -1 when the picture cannot be taken.
    int DarkPixels();
    // The main window's picture as the X server holds it, once the window,
    // painted whole again, shows what `shows` looks for; else the last one.
    wxImage PaintedPicture(const std::function<bool(const wxImage&)>& shows);
    // Titles of the modal dialogs shown so far.
    const std::vector<std::string>& ShownDialogs() const;
    // The labels of a menu's items in order, "-" for a separator.
    static std::vector<std::string> MenuLabels(const wxMenu& menu);

    std::filesystem::path folder;
    ScriptedUserPorts user;
    ScriptedSavePrompts prompts;
    std::unique_ptr<CTarvokrtApp> app;

private:
    std::string settingsNote_;
    std::unique_ptr<ClosingDialogHook> hook_;
    std::vector<wxModalDialogHook*> testHooks_;
};
