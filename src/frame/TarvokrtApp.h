#pragma once
// The program's start-up and its application commands: the settings store,
// recent files, the command line, one project at a time (New and Open close
// the current one after the save question), the Setting dialog for every new
// project, the About box with its links to the web page and e-mail, and the
// commands that open those two and the desktop's calculator.

#include "frame/ToolRegistry.h"
#include "model/ProgramInfo.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

class CMainFrame;
class wxFileHistory;

extern const char* const KLX_SUPPORT_MAIL;
// "mailto:" and the support address, as the e-mail command and the About box
// hand it to the desktop.
std::string SupportMailTarget();

class CTarvokrtApp {
public:
    CTarvokrtApp();
    ~CTarvokrtApp();

    // The start-up sequence; false ends the program. The command line is the
    // program's arguments joined by one blank.
    bool InitInstance(const std::string& commandLine);

    // Opens the file, or starts a new project without one, after the save
    // question; true when the project asked for is open afterwards. A file
    // that cannot be opened or read leaves the open project as it was.
    bool OpenDocumentFile(const std::optional<std::string>& path);
    void OnFileNew();
    void OnFileOpen();
    void OnAppAbout();
    // The web page and a new mail to the support address in the desktop's
    // programs; a launch that fails is told as a failed link is.
    void OnVisitHomepage();
    void OnSendMail();
    // The first calculator of a short list that starts; a warning box when
    // none does.
    void OnCalculator();

    // A line on the settings file that the start found amiss, said in the
    // output window once it is there; empty for none.
    void SaySettingsNote(std::string note) { settingsNote_ = std::move(note); }

    CMainFrame* Frame() const { return frame_; }
    // Filled by the program's start before InitInstance; read by the frame.
    CToolRegistry& Tools() { return tools_; }
    wxFileHistory& RecentFiles() { return *recentFiles_; }
    // Called by the frame as it goes.
    void FrameClosed();
    // Set until the first File New or until start-up opened a file; while set,
    // File New does not open the Setting dialog.
    bool m_startupProject = true;

private:
    bool CloseOpenProject();
    // A settings file that could not be written, said in the output window;
    // the line said, empty for none.
    std::string SaySettingsWriteNote();

    CToolRegistry tools_;
    CMainFrame* frame_ = nullptr;
    std::unique_ptr<wxFileHistory> recentFiles_;
    std::string settingsNote_;
};

// Whether the command line asks for a new project: empty, or exactly "KLX 1"
// or "KLX 0"; any other text is a file name.
bool IsNewProjectCommandLine(const std::string& commandLine);
