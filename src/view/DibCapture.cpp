#include "view/DibCapture.h"

#include "view/PictureReduction.h"

#include <wx/dc.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/image.h>

#include <GL/gl.h>

#include <algorithm>

std::string BitmapDefaultName(const std::string& documentPath)
{
    const size_t dot = documentPath.rfind('.');
    const size_t slash = documentPath.rfind('/');
    // A dot in a folder name is no extension.
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return documentPath;
    return documentPath.substr(0, dot);
}

bool CDibCapture::Capture(int left, int top, int right, int bottom, int windowHeight)
{
    Free();
    const int width = right - left;
    const int height = bottom - top;
    if (width <= 0 || height <= 0)
        return false;
    image_.width = width;
    image_.height = height;
    image_.rgb.assign(static_cast<size_t>(width) * height * 3, 0);
    while (glGetError() != GL_NO_ERROR) {
        // Errors of earlier calls are not the capture's.
    }
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(left, windowHeight - bottom, width, height, GL_RGB, GL_UNSIGNED_BYTE, image_.rgb.data());
    glPopClientAttrib();
    if (glGetError() != GL_NO_ERROR) {
        Free();
        return false;
    }
    return true;
}

bool CDibCapture::WriteBmp(const std::string& path) const
{
    return image_.height > 0 && WriteBmp24(path, image_);
}

void CDibCapture::Free()
{
    image_ = RgbImage();
}

int CDibCapture::Draw(wxDC& dc, const wxRect& target, const wxRect& source) const
{
    const wxRect held = source.Intersect(wxRect(0, 0, image_.width, image_.height));
    if (image_.height <= 0 || held.IsEmpty() || target.IsEmpty())
        return 0;
    // The held rows run bottom-up; the part drawn is taken top-down.
    RgbImage part;
    part.width = held.width;
    part.height = held.height;
    part.rgb.resize(static_cast<size_t>(held.width) * held.height * 3);
    for (int row = 0; row < held.height; ++row) {
        const int heldRow = image_.height - 1 - (held.y + row);
        const auto* in = &image_.rgb[(static_cast<size_t>(heldRow) * image_.width + held.x) * 3];
        std::copy(in, in + static_cast<size_t>(held.width) * 3, &part.rgb[static_cast<size_t>(row) * held.width * 3]);
    }
    // Drawn on fewer device pixels than it has (a preview at a low zoom), the
    // part is shrunk first so that its thin lines stay.
    const wxSize device(dc.LogicalToDeviceXRel(target.width), dc.LogicalToDeviceYRel(target.height));
    if (device.x < part.width || device.y < part.height)
        part = ReduceKeepingLines(part, std::min(device.x, part.width), std::min(device.y, part.height));
    wxImage picture(part.width, part.height, false);
    std::copy(part.rgb.begin(), part.rgb.end(), picture.GetData());
    wxBitmap bitmap(picture);
    wxMemoryDC sourceDc(bitmap);
    if (target.GetSize() == picture.GetSize()) {
        dc.Blit(target.GetTopLeft(), picture.GetSize(), &sourceDc, wxPoint(0, 0));
    } else {
        // Rows and columns are repeated or dropped, never blended.
        if (wxGraphicsContext* context = dc.GetGraphicsContext())
            context->SetInterpolationQuality(wxINTERPOLATION_NONE);
        dc.StretchBlit(target.GetTopLeft(), target.GetSize(), &sourceDc, wxPoint(0, 0), picture.GetSize());
    }
    return held.height;
}
