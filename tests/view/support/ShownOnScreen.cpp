#include "view/support/ShownOnScreen.h"

#include "view/support/GuiTestEnvironment.h"

#include <wx/toplevel.h>

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

namespace {

// GDK counts the window withdrawn until the X server reports it mapped.
bool Mapped(GtkWidget* widget)
{
    GdkWindow* window = gtk_widget_get_window(widget);
    return window && gdk_window_is_viewable(window)
           && !(gdk_window_get_state(window) & GDK_WINDOW_STATE_WITHDRAWN);
}

}  // namespace

bool WindowManagerRuns()
{
    GdkScreen* screen = gdk_screen_get_default();
    return screen && GDK_IS_X11_SCREEN(screen)
           && gdk_x11_screen_supports_net_wm_hint(screen, gdk_atom_intern_static_string("_NET_ACTIVE_WINDOW"));
}

bool WaitUntilShownAndActive(wxTopLevelWindow& window)
{
    GtkWidget* widget = window.GetHandle();
    if (!widget)
        return false;
    const bool managed = WindowManagerRuns();
    int round = 0;
    return RunEventsUntil([&] {
        if (!Mapped(widget))
            return false;
        if (!managed || window.IsActive())
            return true;
        // The manager may have given the focus to a window of the test's
        // that is gone now (a dialog closed): the window asks for it again.
        if (++round % 50 == 0)
            window.Raise();
        return false;
    });
}
