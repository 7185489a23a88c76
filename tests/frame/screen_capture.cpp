#include "screen_capture.h"

#include <gtest/gtest.h>

#include "x_properties.h"

#include "view/support/ShownOnScreen.h"

#include <wx/toplevel.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xcomposite.h>

#include <vector>

namespace {

Display* OwnDisplay()
{
    return static_cast<Display*>(wxGetDisplay());
}

// The toolkit's window of a top-level window; null while it has none.
GdkWindow* GdkWindowOf(const wxWindow& topLevel)
{
    GtkWidget* widget = topLevel.GetHandle();
    return widget ? gtk_widget_get_window(widget) : nullptr;
}

// The X window of a shown top-level window; 0 while it has none.
Window XWindowOf(const wxWindow& topLevel)
{
    GdkWindow* window = GdkWindowOf(topLevel);
    return window && GDK_IS_X11_WINDOW(window) ? gdk_x11_window_get_xid(window) : 0;
}

}  // namespace

OwnWindowCapture::OwnWindowCapture(wxWindow& topLevel)
{
    // A window the manager has not mapped yet has no picture to keep.
    if (auto* window = dynamic_cast<wxTopLevelWindow*>(&topLevel); window && !WaitUntilShownAndActive(*window))
        ADD_FAILURE() << "the window was not shown and activated before its picture was taken";
    Display* display = OwnDisplay();
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 2;
    if (!display || !XCompositeQueryExtension(display, &eventBase, &errorBase)
        || !XCompositeQueryVersion(display, &major, &minor))
        return;
    window_ = XWindowOf(topLevel);
    if (window_) {
        const XErrorsAnswered answered(display);
        XCompositeRedirectWindow(display, window_, CompositeRedirectAutomatic);
        XSync(display, False);
    }
}

OwnWindowCapture::~OwnWindowCapture()
{
    // The window may have been destroyed meanwhile.
    if (window_) {
        const XErrorsAnswered answered(OwnDisplay());
        XCompositeUnredirectWindow(OwnDisplay(), window_, CompositeRedirectAutomatic);
    }
}

wxImage OwnWindowCapture::Take() const
{
    Display* display = OwnDisplay();
    // A window not mapped has no picture: an empty image then, not an error.
    const XErrorsAnswered answered(display);
    XWindowAttributes attributes;
    if (!window_ || !XGetWindowAttributes(display, window_, &attributes))
        return wxImage();
    // A redirected window keeps its whole picture, covered or not.
    XImage* shot = XGetImage(display, window_, 0, 0, static_cast<unsigned>(attributes.width),
                             static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    wxImage image;
    if (shot) {
        image.Create(attributes.width, attributes.height);
        for (int y = 0; y < attributes.height; ++y) {
            for (int x = 0; x < attributes.width; ++x) {
                const unsigned long pixel = XGetPixel(shot, x, y);
                image.SetRGB(x, y, static_cast<unsigned char>((pixel & shot->red_mask) >> 16),
                             static_cast<unsigned char>((pixel & shot->green_mask) >> 8),
                             static_cast<unsigned char>(pixel & shot->blue_mask));
            }
        }
        XDestroyImage(shot);
    }
    return image;
}

wxPoint PictureOrigin(const wxWindow& topLevel)
{
    GdkWindow* window = GdkWindowOf(topLevel);
    wxPoint origin;
    if (window)
        gdk_window_get_origin(window, &origin.x, &origin.y);
    return origin;
}

std::vector<int> StackingPlaces(const std::vector<const wxWindow*>& windows)
{
    std::vector<int> places(windows.size(), -1);
    Display* display = OwnDisplay();
    if (!display)
        return places;
    std::vector<Window> wanted;
    for (const wxWindow* window : windows)
        wanted.push_back(window ? XWindowOf(*window) : 0);
    const XErrorsAnswered answered(display);
    const Window rootWindow = DefaultRootWindow(display);
    std::vector<Window> stack;
    const std::vector<unsigned long> stacking =
        WindowProperty(display, rootWindow, "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
    if (!stacking.empty()) {
        stack.assign(stacking.begin(), stacking.end());
    } else {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned childCount = 0;
        if (XQueryTree(display, rootWindow, &root, &parent, &children, &childCount)) {
            stack.assign(children, children + childCount);
            if (children)
                XFree(children);
        }
    }
    for (size_t place = 0; place < stack.size(); ++place) {
        for (size_t w = 0; w < wanted.size(); ++w) {
            if (places[w] < 0 && wanted[w] != 0 && stack[place] == wanted[w])
                places[w] = static_cast<int>(place);
        }
    }
    return places;
}
