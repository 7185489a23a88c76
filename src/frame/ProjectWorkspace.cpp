#include "frame/ProjectWorkspace.h"

#include <wx/notebook.h>
#include <wx/sizer.h>

CProjectWorkspace::CProjectWorkspace(wxWindow* parent) : wxPanel(parent, wxID_ANY)
{
    tabs_ = new wxNotebook(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxNB_BOTTOM);
    tabs_->AddPage(new wxPanel(tabs_), "Model");
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(tabs_, 1, wxEXPAND);
    SetSizer(sizer);
}

void CProjectWorkspace::ActivateTab(int index)
{
    if (index >= 0 && static_cast<size_t>(index) < tabs_->GetPageCount())
        tabs_->SetSelection(static_cast<size_t>(index));
}
