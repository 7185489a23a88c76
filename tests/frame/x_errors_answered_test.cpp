// Requests about a window that another program destroyed meanwhile are
// answered, under the guard, as if the window had nothing to show, and the
// handler in place before the guard is back after it.

#include <gtest/gtest.h>

// Xlib's macros come after the test framework's headers.
#include "x_properties.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

// Errors the handler in place before the guard saw, counted from each test's start.
int errorsSeenBefore = 0;

int CountError(Display*, XErrorEvent*)
{
    ++errorsSeenBefore;
    return 0;
}

TEST(XErrorsAnswered, RequestsAboutAVanishedWindowAnswerNothingAndThePreviousHandlerReturns)
{
    errorsSeenBefore = 0;
    Display* ours = XOpenDisplay(nullptr);
    Display* theirs = XOpenDisplay(nullptr);
    ASSERT_NE(ours, nullptr);
    ASSERT_NE(theirs, nullptr);
    // Another program's window, gone before ours asks about it.
    const Window gone = XCreateSimpleWindow(theirs, DefaultRootWindow(theirs), 0, 0, 10, 10, 0, 0, 0);
    XSync(theirs, False);
    XDestroyWindow(theirs, gone);
    XSync(theirs, False);

    const XErrorHandler before = XSetErrorHandler(&CountError);
    {
        const XErrorsAnswered answered(ours);
        EXPECT_TRUE(WindowProperty(ours, gone, "_NET_WM_PID", XA_CARDINAL).empty());
        char* name = nullptr;
        EXPECT_FALSE(XFetchName(ours, gone, &name) && name);
        XWindowAttributes attributes{};
        EXPECT_FALSE(XGetWindowAttributes(ours, gone, &attributes));
    }
    EXPECT_EQ(errorsSeenBefore, 0);
    // Back in place: the next error reaches it.
    XWindowAttributes attributes{};
    XGetWindowAttributes(ours, gone, &attributes);
    XSync(ours, False);
    EXPECT_EQ(errorsSeenBefore, 1);
    XSetErrorHandler(before);
    XCloseDisplay(theirs);
    XCloseDisplay(ours);
}

}  // namespace
