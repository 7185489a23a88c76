#pragma once
// The view's bitmap capture: copies a rectangle of the frame just rendered
// (the GL read buffer), writes it as a 24-bit Windows bitmap and draws it
// onto another device context (the printed page).

#include "view/BmpWriter.h"

#include <string>

class wxDC;
class wxRect;

// The bitmap file name offered for a document: its path without the file
// name's extension (unchanged when the file name has none).
std::string BitmapDefaultName(const std::string& documentPath);

class CDibCapture {
public:
    // Reads the window rectangle (pixels, y down) from the read buffer of the
    // current GL context; true when a bitmap is held afterwards.
    bool Capture(int left, int top, int right, int bottom, int windowHeight);
    bool WriteBmp(const std::string& path) const;
    void Free();
    // Draws the source rectangle of the held bitmap (pixels, y down) into the
    // target rectangle of dc, scaled without smoothing when the sizes differ.
    // Returns the number of rows drawn: 0 when no bitmap is held or the
    // rectangles are empty.
    int Draw(wxDC& dc, const wxRect& target, const wxRect& source) const;
    int GetHeight() const { return image_.height; }
    const RgbImage& Image() const { return image_; }

private:
    RgbImage image_;
};
