#include "frame/ThemeTextInset.h"

#include <wx/window.h>

#include <gtk/gtk.h>

int ThemeTextInset(const wxWindow& control)
{
    GtkStyleContext* style = gtk_widget_get_style_context(control.GetHandle());
    const GtkStateFlags state = gtk_style_context_get_state(style);
    GtkBorder padding{};
    GtkBorder border{};
    gtk_style_context_get_padding(style, state, &padding);
    gtk_style_context_get_border(style, state, &border);
    return padding.left + padding.right + border.left + border.right;
}
