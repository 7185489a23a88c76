#pragma once
// Our own thin OpenGL view base on wxGLCanvas with a compatibility context:
// the camera, the context handling, clear colour, the kept frame and 2-D text.
//
// A frame is rendered into the back buffer and kept in a texture; a repaint
// shows the kept frame and draws the overlay over it, without rendering the
// scene again.

#include "view/BmpWriter.h"
#include "view/GlCamera.h"
#include "view/GlTextLayer.h"

#include <wx/glcanvas.h>

#include <memory>
#include <string>

class CTGLView : public wxGLCanvas {
public:
    explicit CTGLView(wxWindow* parent, wxWindowID id = wxID_ANY);
    ~CTGLView() override;

    // Context: current only where GL work needs it. Making it current fails
    // while the window is not on screen.
    bool tglCheckCurrent() const { return current_; }
    bool tglSetCurrent();
    void tglReleaseCurrent();

    void tglSetBKColor(float r, float g, float b, float a);
    void tglSetLightPosition(float x, float y, float z);
    void tglSetAmbient(float r, float g, float b);
    void tglSetDiffuse(float r, float g, float b);
    void tglSetSpecular(float r, float g, float b);
    void tglSetReflect(float r, float g, float b);
    void tglSetShiness(int shininess);
    void tglViewpointTop();
    // Multiplies the camera's viewing transform onto the model-view matrix.
    void tglCameraON() const;
    // Shows the last rendered frame with the overlay and swaps buffers.
    void tglRedrawWnd();

    void tglZoomInOut(double step);
    // Moves the picture by dx pixels right and dy pixels up.
    void tglSetTrans(double dx, double dy);
    void tglZoomWindow(double x1, double x2, double y2, double y1);
    void tglFitToWnd(const double min[2], const double max[2]);
    void tglGetModelMatrix(double m[16]) const;
    void tglSetOrthoDepth(double depth);
    // Text at the current raster position in the current colour.
    void tglText2D(const std::string& text, int font, bool bold, bool stacked);

    // The picture the window shows: the kept frame with the overlay over it.
    RgbImage ReadShownPicture();

    GlCamera& Camera() { return camera_; }
    const GlCamera& Camera() const { return camera_; }

protected:
    // Makes the context current, sets viewport and projection and clears the
    // back buffer to the background; false when the window is not on screen.
    bool BeginFrame();
    // Keeps the back buffer's picture for later repaints.
    void KeepFrame();
    // Draws the kept frame and the overlay into the back buffer.
    void ComposeWindow();
    // Drawn over the kept frame at every repaint (rubber band, snap marker),
    // in window pixels with y down.
    virtual void DrawOverlay() {}
    // After the window changed its size (the camera knows the new size).
    virtual void OnResized() {}

private:
    void OnSizeEvent(wxSizeEvent& event);
    void ApplyProjection() const;
    void ApplyLight() const;

    std::unique_ptr<wxGLContext> context_;
    bool current_ = false;
    GlCamera camera_;
    GlTextLayer text_;
    float background_[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float lightPosition_[4] = {0.0f, 0.0f, 1.0f, 0.0f};
    float ambient_[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    float diffuse_[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    float specular_[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float reflect_[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    int shininess_ = 0;
    unsigned frameTexture_ = 0;
    int frameWidth_ = 0;
    int frameHeight_ = 0;
};
