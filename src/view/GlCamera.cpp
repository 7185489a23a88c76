#include "view/GlCamera.h"

#include <algorithm>
#include <cmath>

CTGLMatrix::CTGLMatrix() : m_{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1} {}

CTGLMatrix CTGLMatrix::Translation(double x, double y, double z)
{
    CTGLMatrix matrix;
    matrix.m_[12] = x;
    matrix.m_[13] = y;
    matrix.m_[14] = z;
    return matrix;
}

CHomoPoint CTGLMatrix::Mult3DPoint(const CHomoPoint& p) const
{
    const double in[4] = {p.x, p.y, p.z, p.w};
    double out[4];
    for (int row = 0; row < 4; ++row) {
        out[row] = 0.0;
        for (int column = 0; column < 4; ++column)
            out[row] += At(row, column) * in[column];
    }
    return CHomoPoint{out[0], out[1], out[2], out[3]};
}

CTGLMatrix CTGLMatrix::operator*(const CTGLMatrix& right) const
{
    CTGLMatrix product;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k)
                sum += At(row, k) * right.At(k, column);
            product.m_[column * 4 + row] = sum;
        }
    }
    return product;
}

double DepthRangeFor(double diagonal, int gridCountX, int gridCountY, double gridSize)
{
    const double gridX = 2.0 * gridCountX * gridSize;
    const double gridY = 2.0 * gridCountY * gridSize;
    return std::max(10.0 * std::max({gridX, gridY, diagonal}), MIN_ORTHO_DEPTH);
}

void GlCamera::SetWindowSize(int width, int height)
{
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
}

double GlCamera::Aspect() const
{
    return static_cast<double>(width_) / height_;
}

void GlCamera::SetCentre(double x, double y, double z)
{
    centre_[0] = x;
    centre_[1] = y;
    centre_[2] = z;
}

CTGLMatrix GlCamera::ViewMatrix() const
{
    return CTGLMatrix::Translation(pan_[0] - centre_[0], pan_[1] - centre_[1], -centre_[2]);
}

double GlCamera::UnitsPerPixel() const
{
    return 2.0 * halfHeight_ / height_;
}

void GlCamera::ZoomInOut(double step)
{
    // Exponential, so equal steps give equal ratios and a step in and out
    // cancel; a button click (50) is about x1.1, a wheel notch (120) x1.27.
    halfHeight_ /= std::exp(step / ZOOM_STEP_PER_E);
}

void GlCamera::Pan(double dxPixels, double dyPixels)
{
    pan_[0] += dxPixels * UnitsPerPixel();
    pan_[1] -= dyPixels * UnitsPerPixel();
}

void GlCamera::ZoomWindow(double x1, double x2, double y2, double y1)
{
    double first[2];
    double second[2];
    WindowToEye(x1, y1, first);
    WindowToEye(x2, y2, second);
    const double min[2] = {std::min(first[0], second[0]), std::min(first[1], second[1])};
    const double max[2] = {std::max(first[0], second[0]), std::max(first[1], second[1])};
    FitToWindow(min, max);
}

void GlCamera::FitToWindow(const double min[2], const double max[2])
{
    pan_[0] -= (min[0] + max[0]) / 2.0;
    pan_[1] -= (min[1] + max[1]) / 2.0;
    const double halfHeight = std::max(std::fabs(max[1] - min[1]) / 2.0, std::fabs(max[0] - min[0]) / 2.0 / Aspect());
    // A rectangle of no size keeps the zoom and only centres.
    if (halfHeight > 0.0 && std::isfinite(halfHeight))
        halfHeight_ = halfHeight;
}

void GlCamera::WindowToEye(double px, double py, double eye[2]) const
{
    eye[0] = (px - width_ / 2.0) * UnitsPerPixel();
    eye[1] = (height_ / 2.0 - py) * UnitsPerPixel();
}

void GlCamera::EyeToWindow(const double eye[2], double window[2]) const
{
    window[0] = eye[0] / UnitsPerPixel() + width_ / 2.0;
    window[1] = height_ / 2.0 - eye[1] / UnitsPerPixel();
}

void GlCamera::WorldToWindow(double x, double y, double window[2]) const
{
    const CHomoPoint eye = ViewMatrix().Mult3DPoint(CHomoPoint{x, y, 0.0, 1.0});
    const double eyeXY[2] = {eye.x, eye.y};
    EyeToWindow(eyeXY, window);
}

void GlCamera::WindowToWorld(double px, double py, double world[2]) const
{
    double eye[2];
    WindowToEye(px, py, eye);
    // The view matrix only translates.
    world[0] = eye[0] - (pan_[0] - centre_[0]);
    world[1] = eye[1] - (pan_[1] - centre_[1]);
}
