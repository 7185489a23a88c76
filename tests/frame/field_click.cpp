#include "field_click.h"

#include "view/support/GuiTestEnvironment.h"
#include "view/support/ShownOnScreen.h"

#include <gtk/gtk.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

namespace {

// The input window GTK lays over an entry's text area: it takes the entry's clicks.
GdkWindow* TextAreaWindow(GtkWidget* entry)
{
    GdkWindow* parent = gtk_widget_get_window(entry);
    for (GList* child = parent ? gdk_window_peek_children(parent) : nullptr; child; child = child->next) {
        auto* window = static_cast<GdkWindow*>(child->data);
        gpointer owner = nullptr;
        gdk_window_get_user_data(window, &owner);
        if (owner == entry && gdk_window_is_visible(window))
            return window;
    }
    return nullptr;
}

}  // namespace

bool ClickIntoField(wxTextCtrl& field)
{
    GtkWidget* entry = field.GetHandle();
    if (!entry || !GTK_IS_ENTRY(entry))
        return false;
    // A click lands as the user's only in a window that is shown and has the
    // focus; a window manager gives it in its own time.
    auto* window = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(&field));
    if (!window || !WaitUntilShownAndActive(*window))
        return false;
    // GTK lays the field out in its own loop.
    GdkWindow* textArea = nullptr;
    const bool laidOut = RunEventsUntil([&] {
        textArea = TextAreaWindow(entry);
        return textArea && gdk_window_get_width(textArea) > 1;
    });
    if (!laidOut)
        return false;
    GdkDevice* pointer = gdk_seat_get_pointer(gdk_display_get_default_seat(gtk_widget_get_display(entry)));
    const double x = gdk_window_get_width(textArea) - 2;
    const double y = gdk_window_get_height(textArea) / 2.0;
    int rootX = 0;
    int rootY = 0;
    gdk_window_get_origin(textArea, &rootX, &rootY);
    // Clicks far apart in time, so that no two read as a double click.
    static guint32 pressTime = 0;
    pressTime += 10000;
    for (const GdkEventType type : {GDK_BUTTON_PRESS, GDK_BUTTON_RELEASE}) {
        GdkEvent* event = gdk_event_new(type);
        event->button.window = GDK_WINDOW(g_object_ref(textArea));
        event->button.send_event = TRUE;
        event->button.time = type == GDK_BUTTON_PRESS ? pressTime : pressTime + 50;
        event->button.x = x;
        event->button.y = y;
        event->button.x_root = rootX + x;
        event->button.y_root = rootY + y;
        event->button.state = type == GDK_BUTTON_RELEASE ? GDK_BUTTON1_MASK : 0;
        event->button.button = 1;
        gdk_event_set_device(event, pointer);
        gdk_event_set_source_device(event, pointer);
        gtk_main_do_event(event);
        gdk_event_free(event);
    }
    return true;
}
