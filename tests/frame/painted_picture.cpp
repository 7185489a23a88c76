#include "painted_picture.h"

#include "view/support/GuiTestEnvironment.h"
#include "view/support/ShownOnScreen.h"

#include <wx/window.h>

wxImage PaintedPicture(wxWindow& window, const OwnWindowCapture& capture,
                       const std::function<bool(const wxImage&)>& shows)
{
    // Without a window manager, GTK may hold a top-level window's painting
    // until the X server reports a change of its geometry, which on a busy
    // display may not come by itself: while nothing shows, the window grows
    // and shrinks by a pixel now and then, as a user's resize would. A
    // manager reports every change itself, and keeps a maximised window's
    // size: a resize asked of it there would hold GTK's painting until an
    // answer that never comes.
    const bool nudge = !WindowManagerRuns();
    int round = 0;
    wxImage picture;
    RunEventsUntil([&] {
        picture = capture.Take();
        if (picture.IsOk() && shows(picture))
            return true;
        if (nudge && ++round % 10 == 0)
            window.SetSize(window.GetSize() + (round % 20 == 0 ? wxSize(-1, -1) : wxSize(1, 1)));
        return false;
    });
    return picture;
}
