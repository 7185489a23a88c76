#pragma once
// A tab strip over the toolkit's notebook that owns one page per tab and can
// disable single tabs: choosing a disabled tab leaves the selected tab and its
// shown page as they were, and a disabled tab's text is greyed and keeps its
// look under the mouse. The selected tab's text and the text of the tab under
// the mouse take the colours set for them where those stand out from the tab
// the theme draws; until one is set, the theme's colour stays.

#include <wx/notebook.h>

#include <string>
#include <vector>

struct _GtkCssProvider;

class CTabCtrlBase : public wxNotebook {
public:
    CTabCtrlBase(wxWindow* parent, int id, long style = 0);
    ~CTabCtrlBase() override;

    // Adds a tab at the end for the page, a child of this control; the first
    // tab added is the selected one and only its page shows.
    // image: an index into the control's image list, or -1 for none.
    void AddTab(wxWindow* page, const std::string& text, int image = -1);
    // Every page added, by AddTab or the notebook's own calls, starts enabled.
    bool InsertPage(size_t index, wxWindow* page, const wxString& text, bool select = false,
                    int image = NO_IMAGE) override;
    void EnableTab(int index, bool enable);
    bool IsTabEnabled(int index) const;

    void SetSelectedTextColor(const wxColour& colour);
    // Also makes the text of the tab under the mouse stand out: in this
    // colour where it can be read on the theme's tab under the mouse, else in
    // the theme's colour for what the mouse is over (its link colour), else
    // in the theme's own tab text colour.
    void SetHotTextColor(const wxColour& colour);

    // The colour the tab's text is drawn in now, as the toolkit works it out.
    wxColour TabTextColour(int index) const;
    // Where the tab's text stands in the control; empty when it has none.
    wxRect TabTextRect(int index) const;

protected:
    wxWindow* DoRemovePage(size_t index) override;

private:
    void OnPageChanged(wxBookCtrlEvent& event);
    void StyleTabs();
    void LayOutTabs();

    std::vector<bool> enabled_;
    wxColour selectedText_;
    wxColour hotText_;
    _GtkCssProvider* tabStyle_ = nullptr;
};
