#include "frame/FirstShowAllocation.h"

#include <wx/toplevel.h>

#include <gtk/gtk.h>

void AllocateBeforeFirstShow(wxTopLevelWindow& window)
{
    GtkWidget* widget = window.GetHandle();
    if (gtk_widget_get_realized(widget))
        return;
    const wxSize size = window.GetSize();
    GtkAllocation allocation{0, 0, size.x, size.y};
    gtk_widget_set_allocation(widget, &allocation);
}
