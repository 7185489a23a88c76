#include "view/BmpWriter.h"
#include "view/DibCapture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

std::uint32_t ReadU32(const std::vector<std::uint8_t>& bytes, size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

RgbImage Gradient(int width, int height)
{
    RgbImage image;
    image.width = width;
    image.height = height;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            image.rgb.push_back(static_cast<std::uint8_t>(column * 10));
            image.rgb.push_back(static_cast<std::uint8_t>(row * 20));
            image.rgb.push_back(static_cast<std::uint8_t>(200));
        }
    }
    return image;
}

TEST(BmpWriter, HeaderHoldsTheExactSizes)
{
    struct {
        int width;
        int stride;
    } cases[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}};
    for (const auto& c : cases) {
        const std::vector<std::uint8_t> file = EncodeBmp24(Gradient(c.width, 3));
        EXPECT_EQ(BmpRowStride(c.width), c.stride) << c.width;
        ASSERT_EQ(file.size(), 54u + c.stride * 3u) << c.width;
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(ReadU32(file, 2), file.size());
        EXPECT_EQ(ReadU32(file, 10), 54u);  // no colour table
        EXPECT_EQ(ReadU32(file, 14), 40u);
        EXPECT_EQ(ReadU32(file, 18), static_cast<std::uint32_t>(c.width));
        EXPECT_EQ(ReadU32(file, 22), 3u);
        EXPECT_EQ(file[28], 24);
        EXPECT_EQ(ReadU32(file, 34), c.stride * 3u);
    }
}

TEST(BmpWriter, RowsAreBlueGreenRedBottomUpAndPadded)
{
    const std::vector<std::uint8_t> file = EncodeBmp24(Gradient(3, 2));
    // Second row of the image (row 1, bottom up), second pixel.
    const size_t at = 54 + 12 * 1 + 3 * 1;
    EXPECT_EQ(file[at], 200);     // blue
    EXPECT_EQ(file[at + 1], 20);  // green
    EXPECT_EQ(file[at + 2], 10);  // red
    EXPECT_EQ(file[54 + 9], 0);   // padding after three pixels
    EXPECT_EQ(file[54 + 10], 0);
    EXPECT_EQ(file[54 + 11], 0);
}

TEST(BmpWriter, WritesTheFileAndRefusesWhatItCannot)
{
    const std::string path = testing::TempDir() + "bmp_writer_test.bmp";
    const RgbImage image = Gradient(5, 4);
    ASSERT_TRUE(WriteBmp24(path, image));
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_EQ(bytes, EncodeBmp24(image));
    std::remove(path.c_str());

    EXPECT_FALSE(WriteBmp24(testing::TempDir() + "no-such-folder/x.bmp", image));
    RgbImage truncated = image;
    truncated.rgb.pop_back();
    EXPECT_FALSE(WriteBmp24(path, truncated));
    EXPECT_FALSE(WriteBmp24(path, RgbImage()));
}

TEST(BitmapDefaultName, DropsTheFileNamesExtensionOnly)
{
    EXPECT_EQ(BitmapDefaultName("/home/eng/beam.klx"), "/home/eng/beam");
    EXPECT_EQ(BitmapDefaultName("/home/eng/beam.v2.klx"), "/home/eng/beam.v2");
    EXPECT_EQ(BitmapDefaultName("/home/eng/beam"), "/home/eng/beam");
    EXPECT_EQ(BitmapDefaultName("/home/e.ng/beam"), "/home/e.ng/beam");
    EXPECT_EQ(BitmapDefaultName(""), "");
}

}  // namespace
