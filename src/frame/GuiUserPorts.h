#pragma once
// The user ports of the program: message boxes and questions as wx dialogs,
// progress as a gauge in the status bar's first pane, and the look at pending
// input that long work makes between its stages, and the start of the
// desktop's programs for a written report and for web and mail addresses, and
// the warning bell. Tests put a scripted user in place of the boxes and the
// questions, so no modal box waits for a person.

#include "frame/AddressLaunch.h"
#include "frame/TarvokrtDoc.h"
#include "model/UserPorts.h"

#include <memory>

class wxGauge;
class wxStatusBar;
class wxWindow;

class GuiUserPorts : public IMessageBoxPort,
                     public IProgressPort,
                     public ICancelPort,
                     public IDocumentPrompts,
                     public IFileLauncher,
                     public IBellPort {
public:
    GuiUserPorts(wxWindow* owner, wxStatusBar* statusBar);
    ~GuiUserPorts() override;

    // While set, boxes, questions and file prompts of every window go to
    // these instead: test runs have nobody to close a modal box.
    static void UseScriptedUser(IMessageBoxPort* boxes, IDocumentPrompts* prompts);
    // While set, every program start goes to it instead.
    static void UseScriptedLauncher(IFileLauncher* launcher);
    // While set, the bell rings there instead.
    static void UseScriptedBell(IBellPort* bell);

    // These ports as the address launches use them.
    AddressLaunchPorts AddressPorts() { return AddressLaunchPorts{*this, *this, *this}; }

    void ShowMessage(BoxKind kind, const std::string& text) override;
    bool AskYesNo(const std::string& text, bool yesIsDefault) override;

    void BeginProgress(int range) override;
    void SetProgress(int position) override;
    void EndProgress() override;

    // Repaints what waits to be painted and reads the keyboard, but runs no
    // command: mouse and keyboard input meanwhile is dropped, so nothing can
    // delete what the long work is using. Escape is reported.
    PolledMessage TakePendingMessage() override;

    SaveAnswer AskSaveChanges(const std::string& title) override;
    std::string AskSavePath(const std::string& suggestedName) override;
    std::string AskSaveFile(const std::string& title, const std::string& filter, const std::string& defaultExtension,
                            const std::string& offeredName) override;
    std::vector<std::string> AskOpenFiles(const std::string& title, const std::string& filter) override;

    // Start no program while a scripted user stands in for the person.
    void OpenInDefaultProgram(const std::string& path) override;
    // A failure heard of after these ports are gone is dropped.
    void OpenAddress(const std::string& address, std::function<void(const std::string& reason)> failed) override;
    bool StartProgram(const std::string& program) override;

    void Bell() override;

    // The window a box or a file chooser belongs to: the modal dialog open
    // last (a box asked from the Setting dialog comes up over it, and the
    // dialog stays above the main window once the box closes), else the
    // owner.
    wxWindow* BoxParent() const;

private:
    class OpenDialogs;
    void PlaceGauge();

    wxWindow* owner_;
    std::unique_ptr<OpenDialogs> openDialogs_;
    wxStatusBar* statusBar_;
    wxGauge* gauge_ = nullptr;
    // Held by the launches still under way; gone with these ports.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

// The path with ".extension" added when it has no extension of its own; an
// empty path (a cancel) or an empty extension leaves it as it is.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

// The title of the program's message boxes.
extern const char* const KLX_BOX_TITLE;
