#pragma once
// The docking "Output Window": a read-only, fixed-pitch text that follows the
// OutputLog, keeps the newest line in view from its start and offers "Clear
// Message" on its right-click menu.

#include "frame/OutputLog.h"
#include "model/UserPorts.h"

#include <wx/panel.h>

class wxTextCtrl;

class COutputControlWnd : public wxPanel, public IOutputPort {
public:
    explicit COutputControlWnd(wxWindow* parent);
    ~COutputControlWnd() override;

    void AddMessage(const std::string& text) override;
    void ReplaceLastMessage(const std::string& text) override;
    void ClearMessages() override;

    // The text as the window shows it.
    std::string ShownText() const;

private:
    void Follow(const OutputEdit& edit);
    void ShowNewestLine();
    void OnContextMenu(wxContextMenuEvent& event);

    OutputLog log_;
    wxTextCtrl* text_;
};
