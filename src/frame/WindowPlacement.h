#pragma once
// Where the main window goes from the values saved in "WINDOWPOS": all five
// must be there (a stored -1 counts as missing); the window is moved so that
// at least an icon's size of it stays on the screen, never resized. Without
// them it takes a share of the work area.

#include <optional>

// "Status", "Top", "Left", "Bottom", "Right"; -1 where the value is missing.
struct SavedWindowPos {
    int status = -1;
    int top = -1;
    int left = -1;
    int bottom = -1;
    int right = -1;
};

struct ScreenLimits {
    int workAreaX = 0;  // origin of the desktop's work area
    int workAreaY = 0;
    int screenWidth = 0;
    int screenHeight = 0;
    int iconWidth = 32;
    int iconHeight = 32;
};

struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

std::optional<WindowRect> RestoredWindowRect(const SavedWindowPos& saved, const ScreenLimits& screen);

// Where the window goes when nothing is stored: three quarters of the work
// area each way, centred in it, so that leaving the maximised state of a
// first run gives a usable window.
WindowRect FirstRunWindowRect(const WindowRect& workArea);

// What a size or move event of the main window does with the normal (not
// maximised) rectangle it keeps: record the window's rectangle, restore the
// kept one, or neither. Leaving the maximised state restores, because a
// window maximised before the toolkit mapped it has no restored size of its
// own; while that restore is pending, the sizes passed on the way are not
// recorded.
enum class NormalRectStep { Keep, Record, Restore };
struct WindowStates {
    bool wasMaximized = false;
    bool maximized = false;
    bool iconized = false;
    bool fullScreen = false;
    bool restoring = false;
};
NormalRectStep NormalRectStepFor(const WindowStates& states);
