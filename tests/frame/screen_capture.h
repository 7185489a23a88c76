#pragma once
// The picture of one of the test program's own top-level windows as the X
// server holds it, and where such windows stand in the stacking order. The
// window is redirected to a picture of its own (Composite), so no other
// window stacked above it (a dialog, a tool page) can cover it. Windows are found
// by their X window, never by title: an earlier test's window of the same
// title may still be waiting for its deletion.

#include <wx/gdicmn.h>
#include <wx/image.h>

#include <vector>

class wxWindow;

class OwnWindowCapture {
public:
    // Redirects the shown top-level window once the display shows it (see
    // ShownOnScreen.h); the window must repaint before Take shows its picture.
    explicit OwnWindowCapture(wxWindow& topLevel);
    ~OwnWindowCapture();
    OwnWindowCapture(const OwnWindowCapture&) = delete;
    OwnWindowCapture& operator=(const OwnWindowCapture&) = delete;

    bool Found() const { return window_ != 0; }
    // The picture; an empty image while the window has none (not mapped).
    wxImage Take() const;

private:
    unsigned long window_ = 0;
};

// Where the top-left pixel of the window's picture lies on the screen: at
// its own X window, inside the frame a window manager draws around it (the
// top-level window's position counts that frame in).
wxPoint PictureOrigin(const wxWindow& topLevel);

// The places of the shown top-level windows among the display's top-level
// windows, counted from the bottom, all from one look at the display (other
// programs' windows come and go between two looks); -1 for a window not
// found. Under a window manager that publishes its stacking list
// (_NET_CLIENT_LIST_STACKING) that list is read, else the root's children.
std::vector<int> StackingPlaces(const std::vector<const wxWindow*>& windows);
