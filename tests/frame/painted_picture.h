#pragma once
// The picture of one of the test program's own top-level windows once it
// has painted what a test waits for.

#include "screen_capture.h"

#include <wx/image.h>

#include <functional>

class wxWindow;

// The capture's picture of the window once `shows` holds for it; else the
// last one taken.
wxImage PaintedPicture(wxWindow& window, const OwnWindowCapture& capture,
                       const std::function<bool(const wxImage&)>& shows);
