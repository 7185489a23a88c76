#pragma once
// 24-bit Windows bitmap files, written by our own encoder.

#include <cstdint>
#include <string>
#include <vector>

// Pixels as three bytes red, green, blue, rows from the bottom up without
// padding (the order glReadPixels gives with a pack alignment of 1).
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

constexpr int BMP_FILE_HEADER_SIZE = 14;
constexpr int BMP_INFO_HEADER_SIZE = 40;

// Bytes of one pixel row in the file: three per pixel, padded to a multiple of 4.
int BmpRowStride(int width);
// The whole file: "BM" header, BITMAPINFOHEADER (positive height, rows bottom
// up, no colour table), pixel rows in blue-green-red order.
std::vector<std::uint8_t> EncodeBmp24(const RgbImage& image);
// False when the file cannot be written completely.
bool WriteBmp24(const std::string& path, const RgbImage& image);
