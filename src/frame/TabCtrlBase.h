#pragma once
// A tab strip over the toolkit's notebook that owns one page per tab and can
// disable single tabs: choosing a disabled tab leaves the selected tab and its
// shown page as they were, and a disabled tab's text is greyed. The selected
// tab's text and the text of the tab under the mouse take the colours set for
// them; until one is set, the desktop theme's colour stays.

#include <wx/notebook.h>

#include <string>
#include <vector>

struct _GtkCssProvider;

class CTabCtrlBase : public wxNotebook {
public:
    CTabCtrlBase(wxWindow* parent, int id);
    ~CTabCtrlBase() override;

    // Adds an enabled tab at the end for the page, a child of this control;
    // the first tab added is the selected one and only its page shows.
    // image: an index into the control's image list, or -1 for none.
    void AddTab(wxWindow* page, const std::string& text, int image = -1);
    void EnableTab(int index, bool enable);
    bool IsTabEnabled(int index) const;

    void SetSelectedTextColor(const wxColour& colour);
    // Also makes the tab under the mouse stand out.
    void SetHotTextColor(const wxColour& colour);

    // The colour the tab's text is drawn in now, as the toolkit works it out.
    wxColour TabTextColour(int index) const;

private:
    void OnPageChanged(wxBookCtrlEvent& event);
    void StyleTabLabels();

    std::vector<bool> enabled_;
    wxColour selectedText_;
    wxColour hotText_;
    _GtkCssProvider* tabStyle_ = nullptr;
};
