#pragma once
// The docking "Project Workspace": its tabs, of which only "Model" exists so
// far (empty until the model tree comes).

#include "view/ViewPorts.h"

#include <wx/panel.h>

class wxNotebook;

class CProjectWorkspace : public wxPanel, public IViewWorkspace {
public:
    explicit CProjectWorkspace(wxWindow* parent);

    void CloseAllTools() override {}
    void ActivateTab(int index) override;

private:
    wxNotebook* tabs_;
};
