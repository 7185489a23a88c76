#pragma once
// The picture of one of the test program's own top-level windows as the X
// server holds it, and where such a window stands in the stacking order. The window is redirected to a picture of its own (Composite),
// so other test programs' windows on the shared display cannot cover it.

#include <wx/image.h>

#include <string>
#include <vector>

class OwnWindowCapture {
public:
    // Finds this process's top-level window with the title and redirects
    // it; the window must repaint before Take shows its picture.
    explicit OwnWindowCapture(const std::string& title);
    ~OwnWindowCapture();
    OwnWindowCapture(const OwnWindowCapture&) = delete;
    OwnWindowCapture& operator=(const OwnWindowCapture&) = delete;

    bool Found() const { return window_ != 0; }
    // The picture; an empty image while the window has none (not mapped).
    wxImage Take() const;

private:
    unsigned long window_ = 0;
};

// The places of this process's top-level windows with the titles among the
// display's top-level windows, counted from the bottom, all from one look at
// the display (other programs' windows come and go between two looks); -1 for
// a title not found. Under a window manager that publishes its stacking list
// (_NET_CLIENT_LIST_STACKING) that list is read, else the root's children.
std::vector<int> StackingPlaces(const std::vector<std::string>& titles);
