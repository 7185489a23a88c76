#pragma once
// The picture of one of the test program's own top-level windows as the X
// server holds it, and where such a window stands in the stacking order. The window is redirected to a picture of its own (Composite),
// so other test programs' windows on the shared display cannot cover it.

#include <wx/image.h>

#include <string>

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

// The place of this process's top-level window with the title among the
// display's top-level windows, counted from the bottom; -1 when none is
// found. Under a window manager that publishes its stacking list
// (_NET_CLIENT_LIST_STACKING) that list is read, else the root's children.
int StackingPlace(const std::string& title);
