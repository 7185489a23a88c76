#include "frame/LabelFitButton.h"

#include <wx/button.h>

#include <algorithm>

wxButton* NewLabelFitButton(wxWindow* parent, int id, const wxString& label, int leastWidth)
{
    auto* button = new wxButton(parent, id, label, wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    const wxSize best = button->GetBestSize();
    const wxSize size(std::max(best.x, button->FromDIP(leastWidth)), best.y);
    button->SetMinSize(size);
    button->SetSize(size);
    return button;
}
