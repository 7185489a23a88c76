#pragma once
// Test programs of the window share one wxWidgets start-up. Tests that need a
// display call RequireDisplay() first; tests of plain code never start wx.

#include <gtest/gtest.h>

// Starts wxWidgets on the X display once (GDK_BACKEND=x11, no accessibility
// bus, wxLog to stderr, asserts as test failures, so no modal box can wait for
// a user). False, with a test failure, when no display can be opened.
bool RequireDisplay();

// Handles pending events until none is left.
void ProcessPendingEvents();
