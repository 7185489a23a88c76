#include "frame/TarvokrtApp.h"

#include "frame/AboutDlg.h"
#include "frame/AddressLaunch.h"
#include "frame/FirstShowAllocation.h"
#include "frame/MainFrame.h"
#include "frame/OutputWindow.h"
#include "frame/RecentFileList.h"
#include "frame/SettingsFile.h"
#include "model/TextFormat.h"
#include "frame/ToolbarTable.h"
#include "view/TarvokrtView.h"

#include <wx/config.h>
#include <wx/filedlg.h>

#include <fstream>
#include <iostream>

const char* const KLX_SUPPORT_MAIL = "support@tarvo.example";

namespace {

const char* const RECENT_FILES_GROUP = "/Recent File List";

// The desktop calculators tried, in this order.
const char* const CALCULATOR_PROGRAMS[] = {"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc"};

}  // namespace

std::string SupportMailTarget()
{
    return std::string("mailto:") + KLX_SUPPORT_MAIL;
}

bool IsNewProjectCommandLine(const std::string& commandLine)
{
    return commandLine.empty() || commandLine == "KLX 1" || commandLine == "KLX 0";
}

CTarvokrtApp::CTarvokrtApp() = default;

CTarvokrtApp::~CTarvokrtApp()
{
    if (frame_)
        frame_->Destroy();
}

bool CTarvokrtApp::InitInstance(const std::string& commandLine)
{
    wxConfigBase* config = wxConfigBase::Get();
    std::optional<std::string> recentCount;
    if (wxString stored; config->Read("/ENV_GENERAL/RecentUsed", &stored))
        recentCount = stored.utf8_string();
    recentFiles_ = std::make_unique<RecentFileList>(RecentFileCount(recentCount), WxCommandId(CMD_FILE_MRU_FIRST));
    config->SetPath(RECENT_FILES_GROUP);
    recentFiles_->Load(*config);
    config->SetPath("/");

    frame_ = new CMainFrame(*this);

    const bool newProject = IsNewProjectCommandLine(commandLine);
    if (newProject) {
        OnFileNew();
    } else if (!OpenDocumentFile(commandLine)) {
        frame_->Destroy();
        frame_ = nullptr;
        return false;
    }
    // After the project's banner, which clears the window.
    if (!settingsNote_.empty())
        frame_->Output().AddMessage(settingsNote_);
    SaySettingsWriteNote();
    if (newProject)
        frame_->OpenSettingOnceShown();
    else
        m_startupProject = false;
    AllocateBeforeFirstShow(*frame_);
    frame_->ShowMaximized();
    return true;
}

bool CTarvokrtApp::CloseOpenProject()
{
    return frame_->Document().SaveModified();
}

bool CTarvokrtApp::OpenDocumentFile(const std::optional<std::string>& path)
{
    CTarvokrtDoc& document = frame_->Document();
    if (path && !std::ifstream(*path, std::ios::binary)) {
        frame_->Ports().ShowMessage(BoxKind::Error, FormatText("Cannot open the file %s.", path->c_str()));
        return false;
    }
    bool opened = false;
    if (CloseOpenProject()) {
        if (path) {
            opened = document.OpenProject(*path);
        } else {
            document.NewProject();
            opened = true;
        }
    }
    if (opened) {
        frame_->StartProjectWindow();
        if (path)
            recentFiles_->AddFileToHistory(wxString::FromUTF8(*path));
    } else {
        frame_->View().RebuildScene();
        frame_->View().ZoomFit();
    }
    return opened;
}

void CTarvokrtApp::OnFileNew()
{
    const bool made = OpenDocumentFile(std::nullopt);
    // A cancelled save question ends File New: settings asked for now would
    // change the project that stays.
    if (made && !m_startupProject)
        frame_->OnSetting();
    m_startupProject = false;
}

void CTarvokrtApp::OnFileOpen()
{
    wxFileDialog dialog(frame_, "Open", wxEmptyString, wxEmptyString, "KLX Project Files (*.klx)|*.klx",
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() == wxID_OK)
        OpenDocumentFile(dialog.GetPath().utf8_string());
}

void CTarvokrtApp::OnAppAbout()
{
    CAboutDlg about(frame_, frame_->Ports().AddressPorts());
    about.ShowModal();
}

void CTarvokrtApp::OnVisitHomepage()
{
    OpenAddressForUser(frame_->Ports().AddressPorts(), KLX_HOMEPAGE);
}

void CTarvokrtApp::OnSendMail()
{
    OpenAddressForUser(frame_->Ports().AddressPorts(), SupportMailTarget());
}

void CTarvokrtApp::OnCalculator()
{
    for (const char* program : CALCULATOR_PROGRAMS) {
        if (frame_->Ports().StartProgram(program))
            return;
    }
    frame_->Ports().ShowMessage(BoxKind::Warning, "Cannot execute Windows Calculator.");
}

std::string CTarvokrtApp::SaySettingsWriteNote()
{
    std::string note = TakeSettingsWriteNote();
    if (!note.empty())
        frame_->Output().AddMessage(note);
    return note;
}

void CTarvokrtApp::FrameClosed()
{
    wxConfigBase* config = wxConfigBase::Get();
    config->SetPath(RECENT_FILES_GROUP);
    recentFiles_->Save(*config);
    config->SetPath("/");
    config->Flush();
    // The output window closes with the frame: the error output keeps the
    // line for a terminal or a log.
    if (const std::string note = SaySettingsWriteNote(); !note.empty())
        std::cerr << note << std::endl;
    frame_ = nullptr;
}
