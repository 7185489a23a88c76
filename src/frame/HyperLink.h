#pragma once
// A link in a dialog: its text in the link colour (the visited colour after
// a successful click, the highlight colour under the mouse), underlined unless
// switched off, its target as tooltip. A click opens the target through the
// desktop; when that fails the user hears a beep and reads why, and the link
// is unvisited again.

#include "frame/AddressLaunch.h"

#include <wx/hyperlink.h>

#include <string>

class CHyperLink : public wxGenericHyperlinkCtrl {
public:
    // With an empty text the target is shown as the text.
    CHyperLink(wxWindow* parent, int id, const std::string& text, const std::string& target,
               const AddressLaunchPorts& ports);

    void SetLink(const std::string& target);
    std::string Link() const { return GetURL().utf8_string(); }
    void SetUnderlined(bool underlined);
    bool IsUnderlined() const { return GetFont().GetUnderlined(); }
    void MarkVisited(bool visited);
    bool IsVisited() const { return GetVisited(); }
    // What a click does: opens the target; visited when the desktop took it,
    // else a beep, the warning and unvisited (also after an earlier success).
    void OpenLink();

private:
    void ShowColour();

    AddressLaunchPorts ports_;
};
