#pragma once
// A top-level window a test has shown, once the display shows it. Under a
// window manager the window is mapped and activated in the manager's own
// time (a frame even waits for the manager's frame sizes before it maps), so
// a test that clicks into it, hands it the mouse or takes its picture waits
// for that first, on the toolkit's events.

class wxTopLevelWindow;

// Whether a window manager that activates windows runs on the display: it
// names _NET_ACTIVE_WINDOW among the hints it supports.
bool WindowManagerRuns();

// Handles the toolkit's events until the X server has mapped the window
// and, when a window manager runs, the window is the active one (it has the
// keyboard focus); whether that came within RunEventsUntil's limit. Without
// a window manager no window is activated, and mapped is enough.
bool WaitUntilShownAndActive(wxTopLevelWindow& window);
