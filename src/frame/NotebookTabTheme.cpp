#include "frame/NotebookTabTheme.h"

#include <wx/notebook.h>
#include <wx/settings.h>

#include <gtk/gtk.h>

namespace {

GtkStateFlags StateFlags(TabState state)
{
    switch (state) {
    case TabState::Hovered:
        return GTK_STATE_FLAG_PRELIGHT;
    case TabState::Selected:
        return GTK_STATE_FLAG_CHECKED;
    case TabState::Normal:
        break;
    }
    return GTK_STATE_FLAG_NORMAL;
}

const char* HeaderSide(GtkNotebook* notebook)
{
    switch (gtk_notebook_get_tab_pos(notebook)) {
    case GTK_POS_LEFT:
        return "left";
    case GTK_POS_RIGHT:
        return "right";
    case GTK_POS_BOTTOM:
        return "bottom";
    case GTK_POS_TOP:
        break;
    }
    return "top";
}

// The path of the notebook's windows down to a tab: the notebook's own path,
// then its header, the tab strip and the tab.
GtkWidgetPath* TabPath(wxNotebook& notebook)
{
    GtkWidget* widget = notebook.GetHandle();
    GtkWidgetPath* path = gtk_widget_path_copy(gtk_widget_get_path(widget));
    for (const char* node : {"header", "tabs", "tab"}) {
        gtk_widget_path_append_type(path, G_TYPE_NONE);
        gtk_widget_path_iter_set_object_name(path, -1, node);
    }
    gtk_widget_path_iter_add_class(path, -3, HeaderSide(GTK_NOTEBOOK(widget)));
    return path;
}

// The background colour of the path's first `length` nodes, the last in the state.
GdkRGBA Background(const GtkWidgetPath* path, int length, GtkStateFlags state)
{
    GtkWidgetPath* head = gtk_widget_path_new();
    for (int node = 0; node < length; ++node) {
        gtk_widget_path_append_type(head, gtk_widget_path_iter_get_object_type(path, node));
        gtk_widget_path_iter_set_object_name(head, -1, gtk_widget_path_iter_get_object_name(path, node));
        GSList* classes = gtk_widget_path_iter_list_classes(path, node);
        for (GSList* name = classes; name; name = name->next)
            gtk_widget_path_iter_add_class(head, -1, static_cast<const char*>(name->data));
        g_slist_free(classes);
    }
    GtkStyleContext* style = gtk_style_context_new();
    gtk_style_context_set_path(style, head);
    gtk_style_context_set_state(style, state);
    GdkRGBA* colour = nullptr;
    gtk_style_context_get(style, state, GTK_STYLE_PROPERTY_BACKGROUND_COLOR, &colour, nullptr);
    const GdkRGBA background = *colour;
    gdk_rgba_free(colour);
    g_object_unref(style);
    gtk_widget_path_unref(head);
    return background;
}

}  // namespace

wxColour ThemeTabBackground(wxNotebook& notebook, TabState state)
{
    GtkWidgetPath* path = TabPath(notebook);
    const GdkRGBA background = Background(path, gtk_widget_path_length(path), StateFlags(state));
    gtk_widget_path_unref(path);
    return wxColour(background);
}

wxColour ThemeTabFill(wxNotebook& notebook, TabState state)
{
    GtkWidgetPath* path = TabPath(notebook);
    const int length = gtk_widget_path_length(path);
    // Below every window: the dialog face, should no theme rule paint one.
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    double red = face.Red() / 255.0;
    double green = face.Green() / 255.0;
    double blue = face.Blue() / 255.0;
    for (int nodes = 1; nodes <= length; ++nodes) {
        const GdkRGBA layer = Background(path, nodes, nodes == length ? StateFlags(state) : GTK_STATE_FLAG_NORMAL);
        red = layer.alpha * layer.red + (1.0 - layer.alpha) * red;
        green = layer.alpha * layer.green + (1.0 - layer.alpha) * green;
        blue = layer.alpha * layer.blue + (1.0 - layer.alpha) * blue;
    }
    gtk_widget_path_unref(path);
    const auto byte = [](double channel) { return static_cast<unsigned char>(channel * 255.0 + 0.5); };
    return wxColour(byte(red), byte(green), byte(blue));
}

int TabNodePlace(wxNotebook& notebook, int index)
{
    // A scrollable strip keeps the nodes of its start arrows before the
    // first tab, shown or not.
    GtkWidget* widget = notebook.GetHandle();
    gboolean backward = FALSE;
    gboolean secondaryForward = FALSE;
    if (gtk_notebook_get_scrollable(GTK_NOTEBOOK(widget)))
        gtk_widget_style_get(widget, "has-backward-stepper", &backward, "has-secondary-forward-stepper",
                             &secondaryForward, nullptr);
    return index + 1 + (backward ? 1 : 0) + (secondaryForward ? 1 : 0);
}
