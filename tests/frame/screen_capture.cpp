#include "screen_capture.h"

#include "x_properties.h"

#include <wx/utils.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xcomposite.h>

#include <unistd.h>

#include <vector>

namespace {

Display* OwnDisplay()
{
    return static_cast<Display*>(wxGetDisplay());
}

// Other test programs create and destroy their windows on the shared display
// all the time, so a window of theirs seen in the tree may be gone by the
// next request about it. While one of these lives, the X errors of such
// requests are answers (the window is not ours), not faults that end the
// program as the toolkit's own error handler would.
class XErrorsAnswered {
public:
    explicit XErrorsAnswered(Display* display) : display_(display)
    {
        // Errors of requests made before belong to the toolkit's handler.
        XSync(display_, False);
        previous_ = XSetErrorHandler(&Ignore);
    }
    ~XErrorsAnswered()
    {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    XErrorsAnswered(const XErrorsAnswered&) = delete;
    XErrorsAnswered& operator=(const XErrorsAnswered&) = delete;

private:
    static int Ignore(Display*, XErrorEvent*) { return 0; }

    Display* display_;
    XErrorHandler previous_ = nullptr;
};

bool IsOwnWindow(Display* display, Window window, const std::string& title)
{
    const std::vector<unsigned long> pid = WindowProperty(display, window, "_NET_WM_PID", XA_CARDINAL);
    if (pid.size() != 1 || pid[0] != static_cast<unsigned long>(getpid()))
        return false;
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return false;
    const bool named = title == name;
    XFree(name);
    return named;
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
        if (IsOwnWindow(display, children[i], title))
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
    if (window_) {
        XCompositeUnredirectWindow(OwnDisplay(), window_, CompositeRedirectAutomatic);
        XSync(OwnDisplay(), False);
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

int StackingPlace(const std::string& title)
{
    Display* display = OwnDisplay();
    if (!display)
        return -1;
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
        if (IsOwnWindow(display, windows[place], title))
            return static_cast<int>(place);
    }
    return -1;
}
