#include "view/PictureReduction.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

namespace {

std::uint32_t Packed(const std::uint8_t* pixel)
{
    return (std::uint32_t{pixel[0]} << 16) | (std::uint32_t{pixel[1]} << 8) | pixel[2];
}

int DistanceFrom(const std::uint8_t* pixel, const std::array<std::uint8_t, 3>& colour)
{
    return std::abs(pixel[0] - colour[0]) + std::abs(pixel[1] - colour[1]) + std::abs(pixel[2] - colour[2]);
}

}  // namespace

std::array<std::uint8_t, 3> MostFrequentColour(const RgbImage& image)
{
    std::unordered_map<std::uint32_t, int> counts;
    std::uint32_t best = 0;
    int bestCount = 0;
    for (size_t at = 0; at + 2 < image.rgb.size(); at += 3) {
        const std::uint32_t colour = Packed(&image.rgb[at]);
        const int count = ++counts[colour];
        if (count > bestCount) {
            bestCount = count;
            best = colour;
        }
    }
    return {static_cast<std::uint8_t>(best >> 16), static_cast<std::uint8_t>(best >> 8),
            static_cast<std::uint8_t>(best)};
}

RgbImage ReduceKeepingLines(const RgbImage& image, int width, int height)
{
    RgbImage reduced;
    if (image.width <= 0 || image.height <= 0)
        return reduced;
    reduced.width = std::clamp(width, 1, image.width);
    reduced.height = std::clamp(height, 1, image.height);
    reduced.rgb.assign(static_cast<size_t>(reduced.width) * reduced.height * 3, 0);
    const std::array<std::uint8_t, 3> background = MostFrequentColour(image);
    // How far the pixel kept so far in each reduced pixel stands out; -1 none.
    std::vector<int> kept(static_cast<size_t>(reduced.width) * reduced.height, -1);
    for (int row = 0; row < image.height; ++row) {
        const int reducedRow = static_cast<int>(static_cast<long long>(row) * reduced.height / image.height);
        for (int column = 0; column < image.width; ++column) {
            const int reducedColumn = static_cast<int>(static_cast<long long>(column) * reduced.width / image.width);
            const std::uint8_t* pixel = &image.rgb[(static_cast<size_t>(row) * image.width + column) * 3];
            const size_t at = static_cast<size_t>(reducedRow) * reduced.width + reducedColumn;
            const int distance = DistanceFrom(pixel, background);
            if (distance > kept[at]) {
                kept[at] = distance;
                std::copy(pixel, pixel + 3, &reduced.rgb[at * 3]);
            }
        }
    }
    return reduced;
}
