#pragma once
// Where the main window goes from the values saved in "WINDOWPOS": all five
// must be there (a stored -1 counts as missing), and make a rectangle of some
// size within reach of a screen, else none applies; the window is made no
// larger than the screen and moved so that it can always be taken and moved
// again: its title bar whole within the work area's height, and a grip of it
// (100 pixels, at least an icon's size) on the screen left and right. Without
// them it takes a share of the work area.

#include <optional>

// "Status", "Top", "Left", "Bottom", "Right" as read; -1 where the value is
// missing or no number.
struct SavedWindowPos {
    long status = -1;
    long top = -1;
    long left = -1;
    long bottom = -1;
    long right = -1;
};

struct ScreenLimits {
    int workAreaX = 0;  // origin of the desktop's work area
    int workAreaY = 0;
    int workAreaHeight = 0;
    int screenWidth = 0;
    int screenHeight = 0;
    int iconWidth = 32;
    int iconHeight = 32;
    // The window manager's title bar above the window's own area.
    int titleBarHeight = 32;
};

struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The stored edges are relative to the work area's origin, as Windows keeps a
// window's placement; the rectangle placed is on the screen.
std::optional<WindowRect> RestoredWindowRect(const SavedWindowPos& saved, const ScreenLimits& screen);

// The same rules for a rectangle on the screen: what a window placed before
// the window manager told its title bar's height becomes once it has.
WindowRect WithinReach(const WindowRect& rect, const ScreenLimits& screen);

// What "WINDOWPOS" holds for a normal rectangle on the screen: its edges in
// the frame RestoredWindowRect reads, so that the window comes back where it
// was left on any work area.
SavedWindowPos SavedWindowPosOf(long status, const WindowRect& normal, const ScreenLimits& screen);

// Where the window goes when nothing is stored: three quarters of the work
// area each way, centred in it, so that leaving the maximised state of a
// first run gives a usable window.
WindowRect FirstRunWindowRect(const WindowRect& workArea);

// What a size or move event of the main window does with the normal (not
// maximised) rectangle it keeps: record the window's rectangle, restore the
// kept one, or neither. Leaving the maximised state restores, because a
// window maximised before the toolkit mapped it has no restored size of its
// own; while that restore is pending, the sizes passed on the way are not
// recorded. Nor are those while a maximise asked of the window manager is
// pending: the manager moves and sizes the window before it reports the
// maximised state, and the toolkit's position is then not yet the window's.
enum class NormalRectStep { Keep, Record, Restore };
struct WindowStates {
    bool wasMaximized = false;
    bool maximized = false;
    bool iconized = false;
    bool fullScreen = false;
    bool restoring = false;
    bool maximizing = false;
};
NormalRectStep NormalRectStepFor(const WindowStates& states);
