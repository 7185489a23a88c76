#include "frame/TabCtrlBase.h"

#include <wx/settings.h>

#include <gtk/gtk.h>

namespace {

// The label inside the tab of the page: the notebook's tab widget holds the
// label, after an image when the tab has one.
GtkWidget* TabLabel(wxNotebook& notebook, wxWindow& page)
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

CTabCtrlBase::CTabCtrlBase(wxWindow* parent, int id)
    : wxNotebook(parent, id), tabStyle_(gtk_css_provider_new())
{
    Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, &CTabCtrlBase::OnPageChanged, this);
}

CTabCtrlBase::~CTabCtrlBase()
{
    g_object_unref(tabStyle_);
}

void CTabCtrlBase::AddTab(wxWindow* page, const std::string& text, int image)
{
    AddPage(page, wxString::FromUTF8(text), GetPageCount() == 0, image);
    enabled_.push_back(true);
    if (GtkWidget* label = TabLabel(*this, *page))
        gtk_style_context_add_provider(gtk_widget_get_style_context(label), GTK_STYLE_PROVIDER(tabStyle_),
                                       GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
}

void CTabCtrlBase::EnableTab(int index, bool enable)
{
    if (index < 0 || index >= static_cast<int>(enabled_.size()) || enabled_[index] == enable)
        return;
    enabled_[index] = enable;
    // The theme greys the text of an insensitive tab; the tab still takes
    // clicks, which OnPageChanged undoes.
    if (GtkWidget* label = TabLabel(*this, *GetPage(index)))
        gtk_widget_set_sensitive(label, enable);
}

bool CTabCtrlBase::IsTabEnabled(int index) const
{
    return index >= 0 && index < static_cast<int>(enabled_.size()) && enabled_[index];
}

void CTabCtrlBase::SetSelectedTextColor(const wxColour& colour)
{
    selectedText_ = colour;
    StyleTabLabels();
}

void CTabCtrlBase::SetHotTextColor(const wxColour& colour)
{
    hotText_ = colour;
    StyleTabLabels();
}

void CTabCtrlBase::StyleTabLabels()
{
    // These rules outweigh the theme's, so a disabled tab is given the grey
    // text colour again; of rules of equal weight the later wins: disabled
    // over selected over hot.
    std::string css;
    if (hotText_.IsOk())
        css += "tab:hover label { color: " + CssColour(hotText_) + "; }\n";
    if (selectedText_.IsOk())
        css += "tab:checked label { color: " + CssColour(selectedText_) + "; }\n";
    if (!css.empty())
        css += "tab label:disabled { color: " + CssColour(wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT)) + "; }\n";
    gtk_css_provider_load_from_data(tabStyle_, css.c_str(), -1, nullptr);
}

wxColour CTabCtrlBase::TabTextColour(int index) const
{
    GtkWidget* label = TabLabel(const_cast<CTabCtrlBase&>(*this), *GetPage(index));
    if (!label)
        return wxNullColour;
    GtkStyleContext* style = gtk_widget_get_style_context(label);
    GdkRGBA colour;
    gtk_style_context_get_color(style, gtk_style_context_get_state(style), &colour);
    return wxColour(colour);
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
