#include "view/PictureReduction.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Rgb = std::array<std::uint8_t, 3>;

RgbImage Filled(int width, int height, Rgb colour)
{
    RgbImage image;
    image.width = width;
    image.height = height;
    for (int i = 0; i < width * height; ++i)
        image.rgb.insert(image.rgb.end(), colour.begin(), colour.end());
    return image;
}

void Put(RgbImage& image, int column, int row, Rgb colour)
{
    std::copy(colour.begin(), colour.end(), &image.rgb[(static_cast<size_t>(row) * image.width + column) * 3]);
}

Rgb At(const RgbImage& image, int column, int row)
{
    const std::uint8_t* pixel = &image.rgb[(static_cast<size_t>(row) * image.width + column) * 3];
    return {pixel[0], pixel[1], pixel[2]};
}

// A 10 x 7 picture with a one-pixel line across row 3 and one down column 6,
// in the line colour over the background.
RgbImage Crossing(Rgb background, Rgb line)
{
    RgbImage image = Filled(10, 7, background);
    for (int column = 0; column < 10; ++column)
        Put(image, column, 3, line);
    for (int row = 0; row < 7; ++row)
        Put(image, 6, row, line);
    return image;
}

TEST(ReduceKeepingLines, EveryLineKeepsAPixelInEachRowOrColumnItCrosses)
{
    const struct {
        const char* name;
        Rgb background;
        Rgb line;
        int width;
        int height;
    } cases[] = {
        {"dark lines on white, a third", {255, 255, 255}, {0, 0, 0}, 3, 2},
        {"dark lines on white, most", {255, 255, 255}, {0, 0, 0}, 7, 5},
        {"light lines on a dark background", {0, 0, 40}, {255, 255, 0}, 4, 3},
        {"unchanged size", {255, 255, 255}, {0, 0, 0}, 10, 7},
        {"one pixel", {255, 255, 255}, {0, 0, 0}, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RgbImage reduced = ReduceKeepingLines(Crossing(c.background, c.line), c.width, c.height);
        ASSERT_EQ(reduced.width, c.width);
        ASSERT_EQ(reduced.height, c.height);
        // Source row s lands in row s * height / 7, column s in s * width / 10.
        const int lineRow = 3 * c.height / 7;
        const int lineColumn = 6 * c.width / 10;
        for (int row = 0; row < c.height; ++row) {
            for (int column = 0; column < c.width; ++column) {
                const bool onLine = row == lineRow || column == lineColumn;
                EXPECT_EQ(At(reduced, column, row), onLine ? c.line : c.background) << column << "," << row;
            }
        }
    }
}

TEST(ReduceKeepingLines, SizesStayWithinThePicture)
{
    const RgbImage image = Crossing({255, 255, 255}, {0, 0, 0});
    const RgbImage larger = ReduceKeepingLines(image, 40, 0);
    EXPECT_EQ(larger.width, 10);
    EXPECT_EQ(larger.height, 1);
    EXPECT_EQ(ReduceKeepingLines(RgbImage(), 5, 5).rgb.size(), 0u);
    EXPECT_EQ(MostFrequentColour(image), (Rgb{255, 255, 255}));
}

}  // namespace
