#include "frame/GuiUserPorts.h"

#include "frame/DesktopAddressOpener.h"
#include "frame/ErrorDrainLaunch.h"
#include "frame/LongWorkInputFilter.h"

#include <algorithm>
#include <vector>
#include <optional>
#include <utility>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/gauge.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/statusbr.h>
#include <wx/utils.h>

const char* const KLX_BOX_TITLE = "KLX";

namespace {

IMessageBoxPort* g_scriptedBoxes = nullptr;
IDocumentPrompts* g_scriptedPrompts = nullptr;
IFileLauncher* g_scriptedLauncher = nullptr;
IBellPort* g_scriptedBell = nullptr;

long IconStyle(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Error:
        return wxICON_ERROR;
    case BoxKind::Warning:
        return wxICON_WARNING;
    case BoxKind::Information:
        break;
    case BoxKind::Plain:
        return wxICON_NONE;
    }
    return wxICON_INFORMATION;
}

}  // namespace

// The modal dialogs open now, the last opened last.
class GuiUserPorts::OpenDialogs : public wxModalDialogHook {
public:
    OpenDialogs() { Register(); }
    ~OpenDialogs() override { Unregister(); }

    int Enter(wxDialog* dialog) override
    {
        dialogs.push_back(dialog);
        return wxID_NONE;
    }
    void Exit(wxDialog* dialog) override { std::erase(dialogs, dialog); }

    std::vector<wxDialog*> dialogs;
};

GuiUserPorts::GuiUserPorts(wxWindow* owner, wxStatusBar* statusBar)
    : owner_(owner), openDialogs_(std::make_unique<OpenDialogs>()), statusBar_(statusBar)
{
}

GuiUserPorts::~GuiUserPorts() = default;

wxWindow* GuiUserPorts::BoxParent() const
{
    for (auto dialog = openDialogs_->dialogs.rbegin(); dialog != openDialogs_->dialogs.rend(); ++dialog) {
        if ((*dialog)->IsShown())
            return *dialog;
    }
    return owner_;
}

void GuiUserPorts::UseScriptedUser(IMessageBoxPort* boxes, IDocumentPrompts* prompts)
{
    g_scriptedBoxes = boxes;
    g_scriptedPrompts = prompts;
}

void GuiUserPorts::UseScriptedLauncher(IFileLauncher* launcher)
{
    g_scriptedLauncher = launcher;
}

void GuiUserPorts::UseScriptedBell(IBellPort* bell)
{
    g_scriptedBell = bell;
}

void GuiUserPorts::ShowMessage(BoxKind kind, const std::string& text)
{
    if (g_scriptedBoxes) {
        g_scriptedBoxes->ShowMessage(kind, text);
        return;
    }
    wxMessageDialog box(BoxParent(), wxString::FromUTF8(text), KLX_BOX_TITLE, wxOK | IconStyle(kind));
    box.ShowModal();
}

bool GuiUserPorts::AskYesNo(const std::string& text, bool yesIsDefault)
{
    if (g_scriptedBoxes)
        return g_scriptedBoxes->AskYesNo(text, yesIsDefault);
    wxMessageDialog box(BoxParent(), wxString::FromUTF8(text), KLX_BOX_TITLE,
                        wxYES_NO | wxICON_QUESTION | (yesIsDefault ? wxYES_DEFAULT : wxNO_DEFAULT));
    return box.ShowModal() == wxID_YES;
}

void GuiUserPorts::PlaceGauge()
{
    wxRect field;
    if (statusBar_->GetFieldRect(0, field))
        gauge_->SetSize(field.Deflate(1));
}

void GuiUserPorts::BeginProgress(int range)
{
    if (!statusBar_)
        return;
    if (!gauge_)
        gauge_ = new wxGauge(statusBar_, wxID_ANY, 100, wxDefaultPosition, wxDefaultSize,
                             wxGA_HORIZONTAL | wxGA_SMOOTH);
    gauge_->SetRange(range > 0 ? range : 1);
    gauge_->SetValue(0);
    PlaceGauge();
    gauge_->Show();
    gauge_->Update();
}

void GuiUserPorts::SetProgress(int position)
{
    if (!gauge_)
        return;
    gauge_->SetValue(std::clamp(position, 0, gauge_->GetRange()));
    gauge_->Update();
}

void GuiUserPorts::EndProgress()
{
    if (gauge_)
        gauge_->Hide();
}

PolledMessage GuiUserPorts::TakePendingMessage()
{
    // Work started before the main loop runs still gets its repaints.
    wxGUIEventLoop startUpLoop;
    std::optional<wxEventLoopActivator> activation;
    wxEventLoopBase* loop = wxEventLoopBase::GetActive();
    if (!loop) {
        activation.emplace(&startUpLoop);
        loop = &startUpLoop;
    }
    LongWorkInputFilter filter;
    wxEvtHandler::AddFilter(&filter);
    loop->YieldFor(wxEVT_CATEGORY_UI | wxEVT_CATEGORY_USER_INPUT);
    wxEvtHandler::RemoveFilter(&filter);
    return filter.escape ? PolledMessage::Escape : PolledMessage::QueueEmpty;
}

SaveAnswer GuiUserPorts::AskSaveChanges(const std::string& title)
{
    if (g_scriptedPrompts)
        return g_scriptedPrompts->AskSaveChanges(title);
    wxMessageDialog box(BoxParent(), wxString::Format("Save changes to %s?", wxString::FromUTF8(title)), KLX_BOX_TITLE,
                        wxYES_NO | wxCANCEL | wxICON_EXCLAMATION);
    switch (box.ShowModal()) {
    case wxID_YES:
        return SaveAnswer::Yes;
    case wxID_NO:
        return SaveAnswer::No;
    default:
        return SaveAnswer::Cancel;
    }
}

std::string GuiUserPorts::AskSavePath(const std::string& suggestedName)
{
    if (g_scriptedPrompts)
        return g_scriptedPrompts->AskSavePath(suggestedName);
    const wxFileName suggested(wxString::FromUTF8(suggestedName));
    wxFileDialog dialog(BoxParent(), "Save As", suggested.GetPath(), suggested.GetName() + ".klx",
                        "KLX Project Files (*.klx)|*.klx", wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK)
        return std::string();
    return WithDefaultExtension(dialog.GetPath().utf8_string(), "klx");
}

std::string WithDefaultExtension(const std::string& path, const std::string& extension)
{
    if (path.empty() || extension.empty())
        return path;
    wxFileName chosen(wxString::FromUTF8(path));
    if (chosen.HasExt())
        return path;
    chosen.SetExt(wxString::FromUTF8(extension));
    return chosen.GetFullPath().utf8_string();
}

std::string GuiUserPorts::AskSaveFile(const std::string& title, const std::string& filter,
                                      const std::string& defaultExtension, const std::string& offeredName)
{
    if (g_scriptedPrompts)
        return WithDefaultExtension(g_scriptedPrompts->AskSaveFile(title, filter, defaultExtension, offeredName),
                                    defaultExtension);
    const wxFileName offered(wxString::FromUTF8(offeredName));
    wxFileDialog dialog(BoxParent(), wxString::FromUTF8(title), offered.GetPath(), offered.GetFullName(),
                        wxString::FromUTF8(filter), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK)
        return std::string();
    return WithDefaultExtension(dialog.GetPath().utf8_string(), defaultExtension);
}

std::vector<std::string> GuiUserPorts::AskOpenFiles(const std::string& title, const std::string& filter)
{
    if (g_scriptedPrompts)
        return g_scriptedPrompts->AskOpenFiles(title, filter);
    wxFileDialog dialog(BoxParent(), wxString::FromUTF8(title), wxEmptyString, wxEmptyString, wxString::FromUTF8(filter),
                        wxFD_OPEN | wxFD_MULTIPLE | wxFD_FILE_MUST_EXIST);
    std::vector<std::string> chosen;
    if (dialog.ShowModal() != wxID_OK)
        return chosen;
    wxArrayString paths;
    dialog.GetPaths(paths);
    for (const wxString& path : paths)
        chosen.push_back(path.utf8_string());
    return chosen;
}

void GuiUserPorts::OpenInDefaultProgram(const std::string& path)
{
    if (g_scriptedLauncher)
        return g_scriptedLauncher->OpenInDefaultProgram(path);
    if (g_scriptedPrompts)
        return;
    // No shell: the desktop's opener gets the path as one argument.
    wxLaunchDefaultApplication(wxString::FromUTF8(path));
}

void GuiUserPorts::OpenAddress(const std::string& address, std::function<void(const std::string& reason)> failed)
{
    if (g_scriptedLauncher)
        return g_scriptedLauncher->OpenAddress(address, std::move(failed));
    if (g_scriptedPrompts)
        return;
    const auto heard = [alive = std::weak_ptr<int>(alive_), failed = std::move(failed)](const std::string& reason) {
        if (!alive.expired())
            failed(reason);
    };
    OpenAddressOnDesktop(ErrorDrainBesideProgram(), address, heard);
}

bool GuiUserPorts::StartProgram(const std::string& program)
{
    if (g_scriptedLauncher)
        return g_scriptedLauncher->StartProgram(program);
    if (g_scriptedPrompts)
        return false;
    wxPathList path;
    path.AddEnvList("PATH");
    const wxString found = path.FindAbsoluteValidPath(wxString::FromUTF8(program));
    if (found.empty() || !wxFileName::IsFileExecutable(found))
        return false;
    // The program alone as its argument list: no shell reads the name.
    const wxScopedCharBuffer file = found.utf8_str();
    const char* const arguments[] = {file.data(), nullptr};
    return wxExecute(arguments, wxEXEC_ASYNC) > 0;
}

void GuiUserPorts::Bell()
{
    if (g_scriptedBell)
        return g_scriptedBell->Bell();
    wxBell();
}
