#pragma once
// Text at the current GL raster position in the current raster colour. Texts
// are rendered once by the toolkit into bitmaps and drawn with glBitmap.

#include <map>
#include <string>
#include <tuple>
#include <vector>

class GlTextLayer {
public:
    // font: LabelFont; bold: heavier face. stacked: a text drawn at the raster
    // point of the previous stacked text stands one line under it.
    void Text2D(const std::string& text, int font, bool bold, bool stacked);
    // Starts a new frame: stacking begins afresh.
    void BeginFrame();

private:
    struct TextBitmap {
        int width = 0;
        int height = 0;
        std::vector<unsigned char> bits;  // rows bottom up, most significant bit first
    };
    const TextBitmap& BitmapFor(const std::string& text, int font, bool bold);

    std::map<std::tuple<std::string, int, bool>, TextBitmap> cache_;
    bool hasStackAnchor_ = false;
    float stackAnchor_[2] = {0.0f, 0.0f};
    int stackedLines_ = 0;
};
