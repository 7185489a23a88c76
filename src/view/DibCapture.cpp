#include "view/DibCapture.h"

#include <GL/gl.h>

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
