#include "frame/OutputWindow.h"

#include "frame/ToolbarTable.h"

#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include <gtk/gtk.h>

namespace {

long Characters(const std::string& text)
{
    return static_cast<long>(wxString::FromUTF8(text).length());
}

// Ends a scroll the toolkit still animates where it stands. GTK leaves one
// going when the place asked for is already in view, and unmapped while it
// runs, the text control's scrolled window ends it twice (two criticals).
void EndScrolling(wxTextCtrl& text)
{
    GtkScrolledWindow* scrolled = GTK_SCROLLED_WINDOW(text.GetHandle());
    for (GtkAdjustment* adjustment :
         {gtk_scrolled_window_get_hadjustment(scrolled), gtk_scrolled_window_get_vadjustment(scrolled)})
        gtk_adjustment_set_value(adjustment, gtk_adjustment_get_value(adjustment));
}

}  // namespace

COutputControlWnd::COutputControlWnd(wxWindow* parent) : wxPanel(parent, 1124)
{
    text_ = new wxTextCtrl(this, 1024, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                           wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP | wxHSCROLL);
    text_->SetFont(wxFont(wxFontInfo(9).Family(wxFONTFAMILY_TELETYPE)));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(text_, 1, wxEXPAND);
    SetSizer(sizer);
    text_->Bind(wxEVT_CONTEXT_MENU, &COutputControlWnd::OnContextMenu, this);
    Bind(wxEVT_CONTEXT_MENU, &COutputControlWnd::OnContextMenu, this);
}

COutputControlWnd::~COutputControlWnd()
{
    // The text control goes with the window's children, after this.
    EndScrolling(*text_);
}

void COutputControlWnd::Follow(const OutputEdit& edit)
{
    if (!edit.removedTail.empty()) {
        const long end = text_->GetLastPosition();
        text_->Remove(end - Characters(edit.removedTail), end);
    }
    text_->AppendText(wxString::FromUTF8(edit.inserted));
    if (!edit.removedHead.empty())
        text_->Remove(0, Characters(edit.removedHead));
    ShowNewestLine();
}

void COutputControlWnd::ShowNewestLine()
{
    // A scroll begun towards the end of a line wider than the window would
    // carry the view past the start of every other line.
    EndScrolling(*text_);
    // From its start, with the cursor, to which the toolkit scrolls again
    // once it has laid the text out at the window's size.
    text_->SetInsertionPoint(text_->XYToPosition(0, text_->GetNumberOfLines() - 1));
}

void COutputControlWnd::AddMessage(const std::string& text)
{
    Follow(log_.AddMessage(text));
}

void COutputControlWnd::ReplaceLastMessage(const std::string& text)
{
    // The first progress line after a message shows at once, even while the
    // work that prints it keeps the program busy.
    const bool showNow = log_.JustAppended();
    Follow(log_.ReplaceLastMessage(text));
    if (showNow)
        text_->Update();
}

void COutputControlWnd::ClearMessages()
{
    log_.Clear();
    text_->Clear();
}

std::string COutputControlWnd::ShownText() const
{
    return text_->GetValue().utf8_string();
}

void COutputControlWnd::OnContextMenu(wxContextMenuEvent& event)
{
    wxPoint at = event.GetPosition();
    at = at == wxDefaultPosition ? wxPoint(5, 5) : ScreenToClient(at);
    wxMenu menu;
    menu.Append(WxCommandId(CMD_CLEAR_MESSAGE), "Clear Message");
    if (GetPopupMenuSelectionFromUser(menu, at) == WxCommandId(CMD_CLEAR_MESSAGE))
        ClearMessages();
}
