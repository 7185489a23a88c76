#include "screen_capture.h"

#include "x_properties.h"

#include <wx/utils.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xcomposite.h>

#include <unistd.h>

#include <optional>
#include <vector>

namespace {

Display* OwnDisplay()
{
    return static_cast<Display*>(wxGetDisplay());
}

// The window's name when it is one of this process's windows, else nothing.
std::optional<std::string> OwnWindowName(Display* display, Window window)
{
    const std::vector<unsigned long> pid = WindowProperty(display, window, "_NET_WM_PID", XA_CARDINAL);
    if (pid.size() != 1 || pid[0] != static_cast<unsigned long>(getpid()))
        return std::nullopt;
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return std::nullopt;
    std::string text = name;
    XFree(name);
    return text;
}

}  // namespace

OwnWindowCapture::OwnWindowCapture(const std::string& title)
{
    Display* display = OwnDisplay();
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 2;
    if (!display || !XCompositeQueryExtension(display, &eventBase, &errorBase)
        || !XCompositeQueryVersion(display, &major, &minor))
        return;
    const XErrorsAnswered answered(display);
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return;
    for (unsigned i = 0; i < count && !window_; ++i) {
        if (OwnWindowName(display, children[i]) == title)
            window_ = children[i];
    }
    if (children)
        XFree(children);
    if (window_) {
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

std::vector<int> StackingPlaces(const std::vector<std::string>& titles)
{
    std::vector<int> places(titles.size(), -1);
    Display* display = OwnDisplay();
    if (!display)
        return places;
    const XErrorsAnswered answered(display);
    const Window rootWindow = DefaultRootWindow(display);
    std::vector<Window> windows;
    const std::vector<unsigned long> stacking =
        WindowProperty(display, rootWindow, "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
    if (!stacking.empty()) {
        windows.assign(stacking.begin(), stacking.end());
    } else {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned childCount = 0;
        if (XQueryTree(display, rootWindow, &root, &parent, &children, &childCount)) {
            windows.assign(children, children + childCount);
            if (children)
                XFree(children);
        }
    }
    for (size_t place = 0; place < windows.size(); ++place) {
        const std::optional<std::string> name = OwnWindowName(display, windows[place]);
        for (size_t t = 0; t < titles.size(); ++t) {
            if (places[t] < 0 && name == titles[t])
                places[t] = static_cast<int>(place);
        }
    }
    return places;
}
