#pragma once
// A tab strip as the X server shows it, and the real pointer moved onto its
// tabs. A display has one pointer: `make test` gives each test a display of
// its own (tests/run-on-own-display), so no other test moves it meanwhile.

#include "screen_capture.h"

#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <wx/image.h>

#include <functional>

class CTabCtrlBase;
class wxWindow;

// What the box of one tab's text shows.
struct TabLook {
    wxColour background;  // the colour most of the box shows
    wxColour text;        // of its pixels, the one that stands out most from the background
};

// Whether the text is drawn in the colour: the strongest pixel of the
// antialiased text is the colour itself, give or take a rounding.
bool DrawnIn(const TabLook& look, const wxColour& colour);

class TabsOnScreen {
public:
    // Redirects the strip's top-level window for its picture, has it
    // repainted, and moves the pointer onto the shown page, off every tab.
    explicit TabsOnScreen(CTabCtrlBase& tabs);
    // The pointer goes back where it was, for the other programs' windows.
    ~TabsOnScreen();
    TabsOnScreen(const TabsOnScreen&) = delete;
    TabsOnScreen& operator=(const TabsOnScreen&) = delete;

    // The window's picture once `shows` holds for it; else the last one.
    wxImage Picture(const std::function<bool(const wxImage&)>& shows);
    // The pointer moved onto the tab's text, then the picture as Picture
    // gives it. Until `shows` holds, the window is raised and the pointer
    // moved onto the tab again now and then, should another program's window
    // have come over it.
    wxImage PointAt(int index, const std::function<bool(const wxImage&)>& shows);
    TabLook Look(const wxImage& picture, int index) const;

private:
    CTabCtrlBase& tabs_;
    wxWindow& window_;
    OwnWindowCapture capture_;
    wxPoint pointerBefore_;
};
