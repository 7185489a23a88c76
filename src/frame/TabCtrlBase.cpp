#include "frame/TabCtrlBase.h"

#include "frame/ColourContrast.h"
#include "frame/NotebookTabTheme.h"

#include <wx/settings.h>

#include <gtk/gtk.h>

namespace {

// The label inside the tab of the page: the notebook's tab widget holds the
// label, after an image when the tab has one.
GtkWidget* TabLabel(const wxNotebook& notebook, const wxWindow& page)
{
    GtkWidget* tab = gtk_notebook_get_tab_label(GTK_NOTEBOOK(notebook.GetHandle()), page.GetHandle());
    if (!tab || GTK_IS_LABEL(tab) || !GTK_IS_CONTAINER(tab))
        return tab;
    GtkWidget* label = nullptr;
    GList* children = gtk_container_get_children(GTK_CONTAINER(tab));
    for (GList* child = children; child; child = child->next) {
        if (GTK_IS_LABEL(child->data))
            label = GTK_WIDGET(child->data);
    }
    g_list_free(children);
    return label;
}

std::string CssColour(const wxColour& colour)
{
    return colour.GetAsString(wxC2S_CSS_SYNTAX).utf8_string();
}

}  // namespace

CTabCtrlBase::CTabCtrlBase(wxWindow* parent, int id, long style)
    : wxNotebook(parent, id, wxDefaultPosition, wxDefaultSize, style), tabStyle_(gtk_css_provider_new())
{
    // The rules for the tabs themselves reach them through the notebook; the
    // labels are widgets of their own and take the rules each.
    gtk_style_context_add_provider(gtk_widget_get_style_context(GetHandle()), GTK_STYLE_PROVIDER(tabStyle_),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, &CTabCtrlBase::OnPageChanged, this);
    // Another theme draws other tabs, to be read against afresh.
    Bind(wxEVT_SYS_COLOUR_CHANGED, [this](wxSysColourChangedEvent& event) {
        StyleTabs();
        event.Skip();
    });
    StyleTabs();
}

CTabCtrlBase::~CTabCtrlBase()
{
    g_object_unref(tabStyle_);
}

void CTabCtrlBase::AddTab(wxWindow* page, const std::string& text, int image)
{
    AddPage(page, wxString::FromUTF8(text), GetPageCount() == 0, image);
}

bool CTabCtrlBase::InsertPage(size_t index, wxWindow* page, const wxString& text, bool select, int image)
{
    if (index > enabled_.size())
        return false;
    // The flag is in place before the notebook shows the page it may select.
    enabled_.insert(enabled_.begin() + static_cast<std::ptrdiff_t>(index), true);
    if (!wxNotebook::InsertPage(index, page, text, select, image)) {
        enabled_.erase(enabled_.begin() + static_cast<std::ptrdiff_t>(index));
        return false;
    }
    if (GtkWidget* label = TabLabel(*this, *page))
        gtk_style_context_add_provider(gtk_widget_get_style_context(label), GTK_STYLE_PROVIDER(tabStyle_),
                                       GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    StyleTabs();
    LayOutTabs();
    return true;
}

wxWindow* CTabCtrlBase::DoRemovePage(size_t index)
{
    wxWindow* page = wxNotebook::DoRemovePage(index);
    if (page && index < enabled_.size()) {
        enabled_.erase(enabled_.begin() + static_cast<std::ptrdiff_t>(index));
        StyleTabs();
    }
    return page;
}

// A window's Update() (the status bar's, on every new text) paints the whole
// top-level window at once, laid out or not: a new tab the notebook has not
// yet placed would be drawn at a negative size. The notebook places its tabs
// now, in the room it has; the window's own layout comes as before.
void CTabCtrlBase::LayOutTabs()
{
    GtkWidget* notebook = GetHandle();
    if (!gtk_widget_get_mapped(notebook))
        return;
    GtkAllocation room;
    gtk_widget_get_allocation(notebook, &room);
    // The toolkit measures a widget before it places it.
    gtk_widget_get_preferred_size(notebook, nullptr, nullptr);
    gtk_widget_queue_allocate(notebook);
    gtk_widget_size_allocate(notebook, &room);
}

void CTabCtrlBase::EnableTab(int index, bool enable)
{
    if (index < 0 || index >= static_cast<int>(enabled_.size()) || enabled_[index] == enable)
        return;
    enabled_[index] = enable;
    // The tab still takes clicks, which OnPageChanged undoes.
    if (GtkWidget* label = TabLabel(*this, *GetPage(index)))
        gtk_widget_set_sensitive(label, enable);
    StyleTabs();
}

bool CTabCtrlBase::IsTabEnabled(int index) const
{
    return index >= 0 && index < static_cast<int>(enabled_.size()) && enabled_[index];
}

void CTabCtrlBase::SetSelectedTextColor(const wxColour& colour)
{
    selectedText_ = colour;
    StyleTabs();
}

void CTabCtrlBase::SetHotTextColor(const wxColour& colour)
{
    hotText_ = colour;
    StyleTabs();
}

void CTabCtrlBase::StyleTabs()
{
    // These rules outweigh the theme's. Of the label rules, of equal weight,
    // the later wins: disabled over selected over hot.
    std::string css;
    if (hotText_.IsOk()) {
        const wxColour hot = FirstReadableOn(ThemeTabFill(*this, TabState::Hovered),
                                             {hotText_, wxSystemSettings::GetColour(wxSYS_COLOUR_HOTLIGHT)});
        if (hot.IsOk())
            css += "tab:hover label { color: " + CssColour(hot) + "; }\n";
    }
    if (selectedText_.IsOk()) {
        const wxColour selected = FirstReadableOn(ThemeTabFill(*this, TabState::Selected), {selectedText_});
        if (selected.IsOk())
            css += "tab:checked label { color: " + CssColour(selected) + "; }\n";
    }
    css += "tab label:disabled { color: " + CssColour(wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT)) + "; }\n";
    // The theme fills the tab under the mouse; a disabled tab keeps the fill
    // it has elsewhere.
    const std::string normalFill = CssColour(ThemeTabBackground(*this, TabState::Normal));
    for (size_t index = 0; index < enabled_.size(); ++index) {
        if (!enabled_[index])
            css += "tabs > tab:nth-child(" + std::to_string(TabNodePlace(*this, static_cast<int>(index)))
                   + "):hover { background-color: " + normalFill + "; background-image: none; box-shadow: none; }\n";
    }
    gtk_css_provider_load_from_data(tabStyle_, css.c_str(), -1, nullptr);
}

wxColour CTabCtrlBase::TabTextColour(int index) const
{
    GtkWidget* label = TabLabel(*this, *GetPage(index));
    if (!label)
        return wxNullColour;
    GtkStyleContext* style = gtk_widget_get_style_context(label);
    GdkRGBA colour;
    gtk_style_context_get_color(style, gtk_style_context_get_state(style), &colour);
    return wxColour(colour);
}

wxRect CTabCtrlBase::TabTextRect(int index) const
{
    GtkWidget* label = TabLabel(*this, *GetPage(index));
    int x = 0;
    int y = 0;
    if (!label || !gtk_widget_translate_coordinates(label, GetHandle(), 0, 0, &x, &y))
        return wxRect();
    return wxRect(x, y, gtk_widget_get_allocated_width(label), gtk_widget_get_allocated_height(label));
}

void CTabCtrlBase::OnPageChanged(wxBookCtrlEvent& event)
{
    // The notebook has switched already, whether the user or the program
    // chose the tab; going back without an event keeps the earlier page.
    if (IsTabEnabled(event.GetSelection()) || event.GetOldSelection() < 0) {
        event.Skip();
        return;
    }
    ChangeSelection(static_cast<size_t>(event.GetOldSelection()));
}
