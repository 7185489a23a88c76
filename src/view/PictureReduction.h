#pragma once
// Shrinking the view's picture for a page drawn smaller than the picture
// (a print preview at a low zoom, a coarse printer): plain sampling drops
// whole rows and columns, and with them the one-pixel lines of the drawing.
// Here every pixel of the picture falls into exactly one pixel of the
// smaller picture, and each of those shows the covered pixel that stands out
// most from the background, so every line keeps at least one pixel.

#include "view/BmpWriter.h"

#include <array>

// The picture's most frequent colour (the background of a drawing); black
// for an empty picture.
std::array<std::uint8_t, 3> MostFrequentColour(const RgbImage& image);

// The picture shrunk to width x height (each at most the picture's own and
// at least 1); rows keep their order. Source column s lands in column
// s * width / picture width, rows likewise.
RgbImage ReduceKeepingLines(const RgbImage& image, int width, int height);
