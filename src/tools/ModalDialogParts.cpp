#include "tools/ModalDialogParts.h"

#include "frame/DialogNumbers.h"

#include <wx/button.h>
#include <wx/sizer.h>

wxSizer* OkCancelButtons(wxWindow* dialog)
{
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(dialog, wxID_OK, "OK");
    ok->SetDefault();
    buttons->AddStretchSpacer();
    buttons->Add(ok, 0, wxALL, 4);
    buttons->Add(new wxButton(dialog, wxID_CANCEL, "Cancel"), 0, wxALL, 4);
    return buttons;
}

std::optional<int> ReadNumberFields(std::initializer_list<NumberField> fields, IMessageBoxPort& boxes)
{
    for (const NumberField& field : fields) {
        const bool read = std::holds_alternative<double*>(field.value)
                              ? ReadRealField(field.text, *std::get<double*>(field.value), boxes)
                              : ReadIntegerField(field.text, *std::get<int*>(field.value), boxes);
        if (!read)
            return field.controlId;
    }
    return std::nullopt;
}

bool TakenOrFocused(wxWindow& dialog, const std::optional<int>& refusedControl)
{
    if (!refusedControl)
        return true;
    if (wxWindow* control = dialog.FindWindow(*refusedControl))
        control->SetFocus();
    return false;
}
