#pragma once
// Reading a window's 32-bit properties (window ids, atoms, numbers) from the X
// server, for the tests that look at windows as a window manager sees them.

#include <X11/Xlib.h>

#include <vector>

// The values of the property; empty when the window has none of that type
// or the property's name is unknown to the server.
std::vector<unsigned long> WindowProperty(Display* display, Window window, const char* name, Atom type);
