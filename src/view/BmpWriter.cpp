#include "view/BmpWriter.h"

#include <fstream>

namespace {

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

int BmpRowStride(int width)
{
    return (width * 3 + 3) / 4 * 4;
}

std::vector<std::uint8_t> EncodeBmp24(const RgbImage& image)
{
    const std::uint32_t stride = BmpRowStride(image.width);
    const std::uint32_t imageSize = stride * image.height;
    const std::uint32_t pixelOffset = BMP_FILE_HEADER_SIZE + BMP_INFO_HEADER_SIZE;
    std::vector<std::uint8_t> out;
    out.reserve(pixelOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    PutLittleEndian(out, pixelOffset + imageSize, 4);
    PutLittleEndian(out, 0, 2);
    PutLittleEndian(out, 0, 2);
    PutLittleEndian(out, pixelOffset, 4);
    PutLittleEndian(out, BMP_INFO_HEADER_SIZE, 4);
    PutLittleEndian(out, image.width, 4);
    PutLittleEndian(out, image.height, 4);
    PutLittleEndian(out, 1, 2);   // planes
    PutLittleEndian(out, 24, 2);  // bits per pixel
    PutLittleEndian(out, 0, 4);   // BI_RGB
    PutLittleEndian(out, imageSize, 4);
    PutLittleEndian(out, 0, 4);  // resolutions
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 0, 4);  // colours used
    PutLittleEndian(out, 0, 4);  // colours important
    for (int row = 0; row < image.height; ++row) {
        const std::uint8_t* pixel = image.rgb.data() + static_cast<size_t>(row) * image.width * 3;
        for (int column = 0; column < image.width; ++column, pixel += 3) {
            out.push_back(pixel[2]);
            out.push_back(pixel[1]);
            out.push_back(pixel[0]);
        }
        for (std::uint32_t pad = image.width * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

bool WriteBmp24(const std::string& path, const RgbImage& image)
{
    if (image.width <= 0 || image.height <= 0
        || image.rgb.size() != static_cast<size_t>(image.width) * image.height * 3)
        return false;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    const std::vector<std::uint8_t> bytes = EncodeBmp24(image);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}
