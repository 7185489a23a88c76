#include "frame/ToolWorkspace.h"

#include "frame/ToolForm.h"

CToolWorkspace::CToolWorkspace(const PageTables& tables, ToolPageContext& context, IWorkspaceTabs* tabs)
    : tabs_(tabs)
{
    for (const ToolPageShell& shell : ToolPageShells()) {
        const auto at = static_cast<size_t>(shell.kind);
        pages_[at] = std::make_unique<CToolPageController>(shell, *tables[at], context);
        pages_[at]->SetCloseRequest([this, kind = shell.kind] { CloseTool(kind); });
    }
}

CToolPageController& CToolWorkspace::Controller(ToolPageKind page)
{
    return *pages_[static_cast<size_t>(page)];
}

std::optional<ToolPageKind> CToolWorkspace::OpenPage() const
{
    for (const ToolPageShell& shell : ToolPageShells()) {
        if (open_[static_cast<size_t>(shell.kind)])
            return shell.kind;
    }
    return std::nullopt;
}

void CToolWorkspace::ShowTool(ToolPageKind page, int toolId)
{
    const auto at = static_cast<size_t>(page);
    if (!open_[at]) {
        CloseAllTools();
        if (tabs_)
            tabs_->OpenPageTab(*pages_[at]);
        open_[at] = true;
        openCode_ = ShellOf(page).openCode;
    }
    // The tab shows before the command's dialog is made: the toolkit hands a
    // focus held in the tab going (the tree) to the first control of the tab
    // coming, and a pick field's focus would arm its pick in the view.
    if (tabs_) {
        tabs_->SetModelTabChoosable(false);
        tabs_->ActivateTab(1);
    }
    pages_[at]->SelectCommand(toolId);
}

void CToolWorkspace::CloseTool(ToolPageKind page)
{
    const auto at = static_cast<size_t>(page);
    if (!open_[at])
        return;
    if (tabs_) {
        // "Model" is choosable again before the page's tab goes, so the
        // notebook may move its selection there.
        tabs_->SetModelTabChoosable(true);
        tabs_->ClosePageTab(*pages_[at]);
    }
    openCode_ = OPEN_PAGE_NONE;
    if (tabs_)
        tabs_->ActivateTab(0);
    open_[at] = false;
}

void CToolWorkspace::CloseAllTools()
{
    for (const ToolPageShell& shell : ToolPageShells()) {
        const auto at = static_cast<size_t>(shell.kind);
        if (!open_[at])
            continue;
        CToolPageController& controller = *pages_[at];
        controller.HideCommand(controller.CurrentIndex());
        controller.ResetIndices();
        CloseTool(shell.kind);
    }
}

IPickTarget* CToolWorkspace::ShownPickTarget()
{
    const std::optional<ToolPageKind> page = OpenPage();
    return page ? Controller(*page).ShownForm() : nullptr;
}

bool CToolWorkspace::RunQuery(int toolId)
{
    const std::optional<ToolPageKind> page = OpenPage();
    return page && Controller(*page).RunQuery(toolId);
}
