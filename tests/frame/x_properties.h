#pragma once
// Reading a window's 32-bit properties (window ids, atoms, numbers) from the X
// server, for the tests that look at windows as a window manager sees them.

#include <X11/Xlib.h>

#include <vector>

// Other programs create and destroy their windows on the display all the
// time, so a window of theirs seen in the tree or a window list may be gone by
// the next request about it. While one of these lives, the X errors of such
// requests are answers (the window is not there any more), not faults that end
// the program as the toolkit's or Xlib's own error handler would. Every walk
// over the display's windows runs under one.
class XErrorsAnswered {
public:
    explicit XErrorsAnswered(Display* display);
    ~XErrorsAnswered();
    XErrorsAnswered(const XErrorsAnswered&) = delete;
    XErrorsAnswered& operator=(const XErrorsAnswered&) = delete;

private:
    Display* display_;
    XErrorHandler previous_ = nullptr;
};

// The values of the property; empty when the window has none of that type,
// the property's name is unknown to the server, or the window is gone (under
// an XErrorsAnswered).
std::vector<unsigned long> WindowProperty(Display* display, Window window, const char* name, Atom type);
