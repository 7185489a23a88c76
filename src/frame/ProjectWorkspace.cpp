#include "frame/ProjectWorkspace.h"

#include "frame/ModelMenuTab.h"
#include "frame/TabCtrlBase.h"
#include "frame/ToolPage.h"

#include <wx/app.h>
#include <wx/sizer.h>

CProjectWorkspace::CProjectWorkspace(wxWindow* parent, wxWindow* commandTarget) : wxPanel(parent, wxID_ANY)
{
    tabs_ = new CTabCtrlBase(this, wxID_ANY, wxNB_BOTTOM);
    tree_ = new CModelMenuTab(tabs_, commandTarget);
    tabs_->AddTab(tree_, "Model");
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(tabs_, 1, wxEXPAND);
    SetSizer(sizer);
}

// The page controllers go first, the notebook's windows after them; a page
// window does not use its controller as it goes.
CProjectWorkspace::~CProjectWorkspace() = default;

void CProjectWorkspace::SetPages(const CToolWorkspace::PageTables& tables, ToolPageContext& context)
{
    pages_ = std::make_unique<CToolWorkspace>(tables, context, this);
}

void CProjectWorkspace::ShowTool(ToolPageKind page, int toolId)
{
    if (pages_)
        pages_->ShowTool(page, toolId);
}

void CProjectWorkspace::CloseAllTools()
{
    if (pages_)
        pages_->CloseAllTools();
}

void CProjectWorkspace::ActivateTab(int index)
{
    if (index >= 0 && static_cast<size_t>(index) < tabs_->GetPageCount())
        tabs_->ChangeSelection(static_cast<size_t>(index));
}

int CProjectWorkspace::OpenPageCode() const
{
    return pages_ ? pages_->OpenPageCode() : OPEN_PAGE_NONE;
}

IPickTarget* CProjectWorkspace::ShownPickTarget()
{
    return pages_ ? pages_->ShownPickTarget() : nullptr;
}

bool CProjectWorkspace::RunQuery(int toolId)
{
    return pages_ && pages_->RunQuery(toolId);
}

void CProjectWorkspace::OpenPageTab(CToolPageController& page)
{
    openPage_ = new CToolPage(tabs_, page);
    tabs_->AddTab(openPage_, page.Shell().title);
}

void CProjectWorkspace::ClosePageTab(CToolPageController& page)
{
    page.SetWindow(nullptr);
    if (!openPage_)
        return;
    const size_t last = tabs_->GetPageCount() - 1;
    tabs_->RemovePage(last);
    openPage_->Hide();
    // Close runs from the page's own button; the window goes once that is done.
    wxTheApp->ScheduleForDestruction(openPage_);
    openPage_ = nullptr;
}

void CProjectWorkspace::SetModelTabChoosable(bool choosable)
{
    tabs_->EnableTab(0, choosable);
}
