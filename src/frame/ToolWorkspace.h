#pragma once
// Which tool page the project workspace shows, as plain code: at most one
// page beside "Model", opened on a tool id and closed by its Close, by the
// opening of another page or by the view's reset. While a page is open the
// "Model" tab cannot be chosen. The open-page code (20000-20006) tells the
// frame which page is open.

#include "frame/ToolPageController.h"
#include "frame/ToolPageTable.h"

#include <array>
#include <memory>
#include <optional>

class IPickTarget;

// The tab window on screen.
class IWorkspaceTabs {
public:
    virtual ~IWorkspaceTabs() = default;
    // Makes the page's window for the controller and adds its tab last.
    virtual void OpenPageTab(CToolPageController& page) = 0;
    // Removes the last tab and destroys the page's window.
    virtual void ClosePageTab(CToolPageController& page) = 0;
    virtual void SetModelTabChoosable(bool choosable) = 0;
    virtual void ActivateTab(int index) = 0;
};

class CToolWorkspace {
public:
    using PageTables = std::array<ToolPageTable*, TOOL_PAGE_COUNT>;

    // The tables and the context outlive the workspace; tabs may be null.
    CToolWorkspace(const PageTables& tables, ToolPageContext& context, IWorkspaceTabs* tabs);

    void ShowTool(ToolPageKind page, int toolId);
    void CloseTool(ToolPageKind page);
    void CloseAllTools();

    int OpenPageCode() const { return openCode_; }
    std::optional<ToolPageKind> OpenPage() const;
    bool IsModelTabChoosable() const { return !OpenPage(); }
    CToolPageController& Controller(ToolPageKind page);
    // The form of the open page's shown dialog; null when none is shown.
    IPickTarget* ShownPickTarget();
    // The query hook: the open page's Query row, when it is shown.
    bool RunQuery(int toolId);

private:
    std::array<std::unique_ptr<CToolPageController>, TOOL_PAGE_COUNT> pages_;
    std::array<bool, TOOL_PAGE_COUNT> open_{};
    IWorkspaceTabs* tabs_;
    int openCode_ = OPEN_PAGE_NONE;
};
