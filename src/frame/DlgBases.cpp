#include "frame/DlgBases.h"

#include <wx/button.h>

bool IsEnterOrEscape(int keyCode)
{
    return keyCode == WXK_RETURN || keyCode == WXK_NUMPAD_ENTER || keyCode == WXK_ESCAPE;
}

int EnableControlsOf(wxWindow& window, std::initializer_list<int> controlIds, bool enable)
{
    for (int id : controlIds) {
        if (wxWindow* control = window.FindWindow(id))
            control->Enable(enable);
    }
    return static_cast<int>(controlIds.size());
}

CentredOverParent::CentredOverParent(wxDialog& dialog) : dialog_(dialog), parent_(dialog.GetParent())
{
    dialog_.CentreOnParent();
    // A window manager places a new window by its own rule and heeds only a
    // move made once the window is on the screen.
    dialog_.Bind(wxEVT_SHOW, &CentredOverParent::Centre, this);
    if (!parent_)
        return;
    parent_->Bind(wxEVT_SIZE, &CentredOverParent::Centre, this);
    parent_->Bind(wxEVT_MOVE, &CentredOverParent::Centre, this);
}

CentredOverParent::~CentredOverParent()
{
    dialog_.Unbind(wxEVT_SHOW, &CentredOverParent::Centre, this);
    if (!parent_)
        return;
    parent_->Unbind(wxEVT_SIZE, &CentredOverParent::Centre, this);
    parent_->Unbind(wxEVT_MOVE, &CentredOverParent::Centre, this);
}

void CentredOverParent::Centre(wxEvent& event)
{
    dialog_.CentreOnParent();
    event.Skip();
}

CDlgChild::CDlgChild(wxWindow* parent, const wxString& title)
    : wxDialog(parent, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE)
{
    SetEscapeId(wxID_NONE);
    Bind(wxEVT_CHAR_HOOK, &CDlgChild::OnCharHook, this);
}

void CDlgChild::OnCharHook(wxKeyEvent& event)
{
    if (!IsEnterOrEscape(event.GetKeyCode())) {
        event.Skip();
        return;
    }
    // The tool page decides what the key does; without one it is swallowed.
    wxWindow* page = GetParent();
    if (page && !page->IsTopLevel()) {
        wxKeyEvent forwarded(event);
        forwarded.SetEventObject(page);
        forwarded.SetEventType(wxEVT_KEY_DOWN);
        wxPostEvent(page, forwarded);
    }
}

int CDlgChild::EnableControls(std::initializer_list<int> controlIds, bool enable)
{
    return EnableControlsOf(*this, controlIds, enable);
}

CDlgMove::CDlgMove(wxWindow* parent, const wxString& title, long style)
    : wxDialog(parent, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, style)
{
    Bind(wxEVT_CHAR_HOOK, &CDlgMove::OnCharHook, this);
    Bind(wxEVT_LEFT_DOWN, &CDlgMove::OnLeftDown, this);
    Bind(wxEVT_MOTION, &CDlgMove::OnMotion, this);
    Bind(wxEVT_LEFT_UP, &CDlgMove::OnLeftUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CDlgMove::OnCaptureLost, this);
}

void CDlgMove::OnCharHook(wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    if (key != WXK_RETURN && key != WXK_NUMPAD_ENTER) {
        event.Skip();
        return;
    }
    // A focused button takes Enter as a press; anything else keeps it to
    // itself, so the default button is never pressed by Enter.
    if (wxDynamicCast(FindFocus(), wxButton))
        event.Skip();
}

void CDlgMove::OnLeftDown(wxMouseEvent& event)
{
    dragOffset_ = ClientToScreen(event.GetPosition()) - GetPosition();
    CaptureMouse();
}

void CDlgMove::OnMotion(wxMouseEvent& event)
{
    if (HasCapture() && event.LeftIsDown())
        Move(ClientToScreen(event.GetPosition()) - dragOffset_);
}

void CDlgMove::OnLeftUp(wxMouseEvent&)
{
    if (HasCapture())
        ReleaseMouse();
}

void CDlgMove::OnCaptureLost(wxMouseCaptureLostEvent&) {}
