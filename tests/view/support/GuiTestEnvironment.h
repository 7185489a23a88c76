#pragma once
// Test programs of the window share one wxWidgets start-up. Tests that need a
// display call RequireDisplay() first; tests of plain code never start wx.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

class wxWindow;

// Starts wxWidgets on the X display once (GDK_BACKEND=x11, no accessibility
// bus, wxLog to stderr, asserts and the toolkit's criticals and warnings as
// test failures, so no modal box can wait for a user and no complaint goes
// unseen), after waiting for the display to accept a connection (see
// DisplayWait.h). False, with a fatal test failure that says why, when the
// start failed, then and in every later test of the program: a fixture's
// set-up that gets false returns, and its test body does not run.
bool RequireDisplay();

// Handles pending events until none is left.
void ProcessPendingEvents();

// Destroys a top-level window and lets it go at once: the toolkit would
// delete it only once idle, and the next test must not find it on screen.
void DestroyNow(wxWindow* topLevel);

// Runs the toolkit's event loop, as the program's own loop runs, until `done`
// holds (asked every few milliseconds) or `limit` has passed; whether it
// holds. For what the X server and the toolkit do in their own time: a window
// mapped, sized or painted. The limit is far above what a busy machine takes.
bool RunEventsUntil(const std::function<bool()>& done,
                    std::chrono::milliseconds limit = std::chrono::seconds(30));
