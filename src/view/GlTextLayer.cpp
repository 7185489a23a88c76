#include "view/GlTextLayer.h"

#include "view/ViewLabels.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/font.h>
#include <wx/image.h>

#include <GL/gl.h>

namespace {

constexpr int TEXT_OFFSET_PIXELS = 3;  // keeps a label clear of the point it names
constexpr int TEXT_CACHE_LIMIT = 4096;

wxFont LabelFontFor(int font, bool bold)
{
    return wxFont(wxFontInfo(font == LABEL_FONT_MATERIAL ? 8 : 9)
                      .Family(wxFONTFAMILY_SWISS)
                      .Italic(font == LABEL_FONT_MATERIAL)
                      .Bold(bold));
}

}  // namespace

void GlTextLayer::BeginFrame()
{
    hasStackAnchor_ = false;
    stackedLines_ = 0;
}

const GlTextLayer::TextBitmap& GlTextLayer::BitmapFor(const std::string& text, int font, bool bold)
{
    const auto key = std::make_tuple(text, font, bold);
    if (const auto found = cache_.find(key); found != cache_.end())
        return found->second;
    if (cache_.size() >= TEXT_CACHE_LIMIT)
        cache_.clear();

    const wxString label = wxString::FromUTF8(text);
    TextBitmap& bitmap = cache_[key];
    wxBitmap canvas(1, 1, 24);
    wxMemoryDC dc(canvas);
    dc.SetFont(LabelFontFor(font, bold));
    const wxSize extent = dc.GetTextExtent(label);
    if (extent.x <= 0 || extent.y <= 0)
        return bitmap;
    dc.SelectObject(wxNullBitmap);
    canvas = wxBitmap(extent.x, extent.y, 24);
    dc.SelectObject(canvas);
    dc.SetBackground(*wxBLACK_BRUSH);
    dc.Clear();
    dc.SetTextForeground(*wxWHITE);
    dc.DrawText(label, 0, 0);
    dc.SelectObject(wxNullBitmap);

    const wxImage image = canvas.ConvertToImage();
    bitmap.width = extent.x;
    bitmap.height = extent.y;
    const int rowBytes = (extent.x + 7) / 8;
    bitmap.bits.assign(static_cast<size_t>(rowBytes) * extent.y, 0);
    for (int y = 0; y < extent.y; ++y) {
        unsigned char* row = bitmap.bits.data() + static_cast<size_t>(extent.y - 1 - y) * rowBytes;
        for (int x = 0; x < extent.x; ++x) {
            if (image.GetGreen(x, y) > 127)
                row[x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
        }
    }
    return bitmap;
}

void GlTextLayer::Text2D(const std::string& text, int font, bool bold, bool stacked)
{
    GLboolean valid = GL_FALSE;
    glGetBooleanv(GL_CURRENT_RASTER_POSITION_VALID, &valid);
    if (!valid || text.empty())
        return;
    float raster[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
    const TextBitmap& bitmap = BitmapFor(text, font, bold);
    if (bitmap.width == 0)
        return;

    int line = 0;
    if (stacked) {
        if (hasStackAnchor_ && raster[0] == stackAnchor_[0] && raster[1] == stackAnchor_[1]) {
            line = ++stackedLines_;
        } else {
            hasStackAnchor_ = true;
            stackAnchor_[0] = raster[0];
            stackAnchor_[1] = raster[1];
            stackedLines_ = 0;
        }
    }
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    // The text's lower-left corner sits up and to the right of the point;
    // stacked lines go down one text height each.
    const float xOrigin = -static_cast<float>(TEXT_OFFSET_PIXELS);
    const float yOrigin = static_cast<float>(line * bitmap.height - TEXT_OFFSET_PIXELS);
    glBitmap(bitmap.width, bitmap.height, xOrigin, yOrigin, 0.0f, 0.0f, bitmap.bits.data());
    glPopClientAttrib();
}
