#pragma once
// The docking "Project Workspace": the tab "Model" with the tree of the
// modelling commands, and at most one tool page tab beside it. Which page is
// open and what its commands do is CToolWorkspace's; this is the tab window
// over it.

#include "frame/PickDispatch.h"
#include "frame/ToolWorkspace.h"
#include "view/ViewPorts.h"

#include <wx/panel.h>

#include <memory>

class CModelMenuTab;
class CTabCtrlBase;
class CToolPage;

class CProjectWorkspace : public wxPanel, public IViewWorkspace, public IWorkspaceTabs, public IPickTargetSource {
public:
    // Commands of the tree go to the command target (the main window).
    CProjectWorkspace(wxWindow* parent, wxWindow* commandTarget);
    ~CProjectWorkspace() override;

    // The pages' tables and their context, once the document and the view
    // exist; until then no page opens.
    void SetPages(const CToolWorkspace::PageTables& tables, ToolPageContext& context);

    void ShowTool(ToolPageKind page, int toolId);
    void ShowPointTool(int toolId) override { ShowTool(ToolPageKind::Point, toolId); }
    void ShowCurveTool(int toolId) override { ShowTool(ToolPageKind::Curve, toolId); }
    void ShowSectTool(int toolId) override { ShowTool(ToolPageKind::Section, toolId); }
    void ShowCalcTool(int toolId) override { ShowTool(ToolPageKind::Properties, toolId); }
    void ShowGroupTool(int toolId) override { ShowTool(ToolPageKind::Group, toolId); }
    void ShowUcsTool(int toolId) override { ShowTool(ToolPageKind::Ucs, toolId); }
    void CloseAllTools() override;
    void ActivateTab(int index) override;

    int OpenPageCode() const;
    // The shown dialog's form; null when no dialog is shown.
    IPickTarget* ShownPickTarget() override;
    bool RunQuery(int toolId);

    CModelMenuTab& Tree() { return *tree_; }
    CTabCtrlBase& Tabs() { return *tabs_; }
    CToolPage* OpenPageWindow() const { return openPage_; }
    CToolWorkspace* Pages() { return pages_.get(); }

private:
    void OpenPageTab(CToolPageController& page) override;
    void ClosePageTab(CToolPageController& page) override;
    void SetModelTabChoosable(bool choosable) override;

    CTabCtrlBase* tabs_;
    CModelMenuTab* tree_;
    std::unique_ptr<CToolWorkspace> pages_;
    CToolPage* openPage_ = nullptr;
};
