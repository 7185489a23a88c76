#pragma once
// The camera of the view in plain arithmetic, free of any window system: a
// top view with an orthographic projection. World points go to eye
// coordinates by the view matrix (pan after the shift to the centre); the
// eye box is half-height tall, half-height * aspect wide and +-depth deep.

struct CHomoPoint {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double w = 1.0;
};

// The zoom step that scales the picture by e (see GlCamera::ZoomInOut).
constexpr double ZOOM_STEP_PER_E = 500.0;

// A 4x4 matrix stored column by column, as OpenGL takes it.
class CTGLMatrix {
public:
    CTGLMatrix();  // identity
    static CTGLMatrix Translation(double x, double y, double z);

    CHomoPoint Mult3DPoint(const CHomoPoint& point) const;
    CTGLMatrix operator*(const CTGLMatrix& right) const;
    const double* Data() const { return m_; }
    double At(int row, int column) const { return m_[column * 4 + row]; }

private:
    double m_[16];
};

// The least depth of the orthographic box; also the floor of a depth range
// computed from the model.
constexpr double MIN_ORTHO_DEPTH = 500.0;

// The depth of the box for a model whose extents span `diagonal`, drawn over a
// grid of the given counts and spacing: ten times the largest, at least
// MIN_ORTHO_DEPTH.
double DepthRangeFor(double diagonal, int gridCountX, int gridCountY, double gridSize);

class GlCamera {
public:
    void SetWindowSize(int width, int height);
    int WindowWidth() const { return width_; }
    int WindowHeight() const { return height_; }
    double Aspect() const;

    void SetCentre(double x, double y, double z);
    const double* Centre() const { return centre_; }
    const double* Pan() const { return pan_; }
    double HalfHeight() const { return halfHeight_; }
    double HalfWidth() const { return halfHeight_ * Aspect(); }
    double Depth() const { return depth_; }
    void SetDepth(double depth) { depth_ = depth; }

    CTGLMatrix ViewMatrix() const;
    // World units per window pixel.
    double UnitsPerPixel() const;

    // A positive step zooms in, a negative one out, by exp(|step| / ZOOM_STEP_PER_E);
    // a step in and the same step out give the old zoom back.
    void ZoomInOut(double step);
    // Moves the picture with the mouse: dx right, dy down, in pixels.
    void Pan(double dxPixels, double dyPixels);
    // Fits the window rectangle between the two corners (pixels, y down).
    void ZoomWindow(double x1, double x2, double y2, double y1);
    // Fits the rectangle between the corners, given in eye coordinates, into
    // the window, keeping the picture's shape.
    void FitToWindow(const double min[2], const double max[2]);

    void WindowToEye(double px, double py, double eye[2]) const;
    void EyeToWindow(const double eye[2], double window[2]) const;
    // Where a world point shows in the window (pixels, y down).
    void WorldToWindow(double x, double y, double window[2]) const;
    // The world point (z = 0) that shows at a window position.
    void WindowToWorld(double px, double py, double world[2]) const;

private:
    int width_ = 1;
    int height_ = 1;
    double centre_[3] = {0.0, 0.0, 0.0};
    double pan_[2] = {0.0, 0.0};
    double halfHeight_ = 1000.0;
    double depth_ = MIN_ORTHO_DEPTH;
};
