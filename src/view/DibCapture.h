#pragma once
// The view's bitmap capture: copies a rectangle of the frame just rendered
// (the GL read buffer) and writes it as a 24-bit Windows bitmap.

#include "view/BmpWriter.h"

#include <string>

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
    int GetHeight() const { return image_.height; }
    const RgbImage& Image() const { return image_; }

private:
    RgbImage image_;
};
