#include "frame/WindowManagerMaximize.h"

#include <gdk/gdk.h>
#ifdef GDK_WINDOWING_X11
#include <gdk/gdkx.h>
#endif

bool WindowManagerMaximizes()
{
#ifdef GDK_WINDOWING_X11
    GdkScreen* screen = gdk_screen_get_default();
    if (screen && GDK_IS_X11_SCREEN(screen))
        return gdk_x11_screen_supports_net_wm_hint(screen, gdk_atom_intern_static_string("_NET_WM_STATE_MAXIMIZED_VERT"))
               && gdk_x11_screen_supports_net_wm_hint(screen,
                                                      gdk_atom_intern_static_string("_NET_WM_STATE_MAXIMIZED_HORZ"));
#endif
    // Other displays' compositors maximise.
    return true;
}
