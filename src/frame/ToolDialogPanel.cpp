#include "frame/ToolDialogPanel.h"

#include "frame/DlgBases.h"

#include <wx/textctrl.h>

const wxColour PICK_FIELD_HIGHLIGHT(192, 220, 192);

void SwallowEnterAndEscape(wxWindow& window)
{
    window.Bind(wxEVT_CHAR_HOOK, [](wxKeyEvent& event) {
        if (!IsEnterOrEscape(event.GetKeyCode()))
            event.Skip();
    });
}

CToolDialogPanel::CToolDialogPanel(wxWindow* parent, CToolForm& form, ToolPageContext& context)
    : wxPanel(parent, wxID_ANY), form_(form), context_(context)
{
    SwallowEnterAndEscape(*this);
}

CToolDialogPanel::~CToolDialogPanel()
{
    form_.SetObserver(nullptr);
    // The toolkit need not report a focus lost with the window: the form
    // forgets its focused field, so the next dialog's first focus on that
    // field arms the view again.
    for (const ToolFormField& field : form_.Fields())
        form_.OnControlFocusLost(field.controlId);
}

void CToolDialogPanel::Start()
{
    for (const ToolFormField& field : form_.Fields()) {
        wxWindow* control = FindWindow(field.controlId);
        if (!control)
            continue;
        const int id = field.controlId;
        if (auto* edit = dynamic_cast<wxTextCtrl*>(control)) {
            edit->ChangeValue(wxString::FromUTF8(field.text));
            edit->Bind(wxEVT_TEXT, [this, edit, id](wxCommandEvent& event) {
                form_.SetText(id, edit->GetValue().utf8_string());
                event.Skip();
            });
        }
        control->Bind(wxEVT_SET_FOCUS, [this, id](wxFocusEvent& event) {
            form_.OnControlFocus(id);
            event.Skip();
        });
        control->Bind(wxEVT_KILL_FOCUS, [this, id](wxFocusEvent& event) {
            form_.OnControlFocusLost(id);
            event.Skip();
        });
        ShowState(*control, field);
    }
    form_.SetObserver(this);
    ResetControls();
}

int CToolDialogPanel::EnableControls(std::initializer_list<int> controlIds, bool enable)
{
    for (int id : controlIds) {
        if (form_.Field(id))
            form_.SetEnabled(id, enable);
        else if (wxWindow* control = FindWindow(id))
            control->Enable(enable);
    }
    return static_cast<int>(controlIds.size());
}

void CToolDialogPanel::OnFieldText(const ToolFormField& field)
{
    auto* edit = dynamic_cast<wxTextCtrl*>(FindWindow(field.controlId));
    if (!edit)
        return;
    edit->ChangeValue(wxString::FromUTF8(field.text));
    // The caret goes after the text, as after typing: a chosen file's path
    // longer than its field then shows its end, the file's name.
    edit->SetInsertionPointEnd();
}

void CToolDialogPanel::OnFieldState(const ToolFormField& field)
{
    if (wxWindow* control = FindWindow(field.controlId))
        ShowState(*control, field);
}

void CToolDialogPanel::OnFieldFocusMoved(const ToolFormField& field)
{
    if (wxWindow* control = FindWindow(field.controlId))
        control->SetFocus();
}

void CToolDialogPanel::ShowState(wxWindow& control, const ToolFormField& field)
{
    control.Enable(field.enabled);
    control.SetBackgroundColour(field.highlighted ? PICK_FIELD_HIGHLIGHT : wxNullColour);
    control.SetForegroundColour(field.highlighted ? *wxBLACK : wxNullColour);
    control.Refresh();
}
