#include "x_properties.h"

namespace {

int IgnoreError(Display*, XErrorEvent*)
{
    return 0;
}

}  // namespace

XErrorsAnswered::XErrorsAnswered(Display* display) : display_(display)
{
    // Errors of requests made before belong to the handler in place.
    XSync(display_, False);
    previous_ = XSetErrorHandler(&IgnoreError);
}

XErrorsAnswered::~XErrorsAnswered()
{
    XSync(display_, False);
    XSetErrorHandler(previous_);
}

std::vector<unsigned long> WindowProperty(Display* display, Window window, const char* name, Atom type)
{
    std::vector<unsigned long> values;
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None)
        return values;
    Atom actual = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, atom, 0, 4096, False, type, &actual, &format, &count, &left, &data)
            != Success
        || !data)
        return values;
    // Xlib hands 32-bit items over as longs.
    if (format == 32) {
        const auto* items = reinterpret_cast<const unsigned long*>(data);
        values.assign(items, items + count);
    }
    XFree(data);
    return values;
}
