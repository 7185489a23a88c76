#include "frame/HyperLink.h"

#include <wx/settings.h>
#include <wx/tooltip.h>
#include <wx/weakref.h>

#include <memory>

CHyperLink::CHyperLink(wxWindow* parent, int id, const std::string& text, const std::string& target,
                       const AddressLaunchPorts& ports)
    : wxGenericHyperlinkCtrl(parent, id, wxString::FromUTF8(text.empty() ? target : text), wxString::FromUTF8(target)),
      ports_(ports)
{
    SetNormalColour(wxColour(0, 0, 238));
    SetVisitedColour(wxColour(85, 26, 139));
    SetHoverColour(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
    SetToolTip(wxString::FromUTF8(target));
    // The click is ours: the control would otherwise open the target itself.
    Bind(wxEVT_HYPERLINK, [this](wxHyperlinkEvent&) { OpenLink(); });
}

void CHyperLink::SetLink(const std::string& target)
{
    SetURL(wxString::FromUTF8(target));
    SetToolTip(wxString::FromUTF8(target));
}

void CHyperLink::SetUnderlined(bool underlined)
{
    wxFont font = GetFont();
    font.SetUnderlined(underlined);
    SetFont(font);
    Refresh();
}

void CHyperLink::MarkVisited(bool visited)
{
    SetVisited(visited);
    ShowColour();
}

void CHyperLink::ShowColour()
{
    SetForegroundColour(IsVisited() ? GetVisitedColour() : GetNormalColour());
    Refresh();
}

void CHyperLink::OpenLink()
{
    // The failure may come at once, or later, when the dialog may be gone.
    wxWeakRef<CHyperLink> link(this);
    auto failed = std::make_shared<bool>(false);
    OpenAddressForUser(ports_, Link(), [link, failed] {
        *failed = true;
        if (link)
            link->MarkVisited(false);
    });
    if (!*failed)
        MarkVisited(true);
}
