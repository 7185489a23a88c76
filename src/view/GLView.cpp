#include "view/GLView.h"

#include <GL/gl.h>

namespace {

const wxGLAttributes& CanvasAttributes()
{
    static wxGLAttributes attributes = [] {
        wxGLAttributes list;
        list.PlatformDefaults().RGBA().DoubleBuffer().Depth(16).EndList();
        return list;
    }();
    return attributes;
}

void SetTriple(float target[4], float a, float b, float c)
{
    target[0] = a;
    target[1] = b;
    target[2] = c;
}

}  // namespace

CTGLView::CTGLView(wxWindow* parent, wxWindowID id)
    : wxGLCanvas(parent, CanvasAttributes(), id, wxDefaultPosition, wxDefaultSize, wxFULL_REPAINT_ON_RESIZE)
{
    context_ = std::make_unique<wxGLContext>(this);
    Bind(wxEVT_SIZE, &CTGLView::OnSizeEvent, this);
    const wxSize size = GetClientSize();
    camera_.SetWindowSize(size.x, size.y);
}

CTGLView::~CTGLView()
{
    if (frameTexture_ != 0 && tglSetCurrent())
        glDeleteTextures(1, &frameTexture_);
}

bool CTGLView::tglSetCurrent()
{
    if (!context_ || !IsShownOnScreen())
        return false;
    current_ = SetCurrent(*context_);
    return current_;
}

void CTGLView::tglReleaseCurrent()
{
    current_ = false;
}

void CTGLView::tglSetBKColor(float r, float g, float b, float a)
{
    background_[0] = r;
    background_[1] = g;
    background_[2] = b;
    background_[3] = a;
}

void CTGLView::tglSetLightPosition(float x, float y, float z)
{
    SetTriple(lightPosition_, x, y, z);
    lightPosition_[3] = 1.0f;  // a positional light
}

void CTGLView::tglSetAmbient(float r, float g, float b)
{
    SetTriple(ambient_, r, g, b);
}

void CTGLView::tglSetDiffuse(float r, float g, float b)
{
    SetTriple(diffuse_, r, g, b);
}

void CTGLView::tglSetSpecular(float r, float g, float b)
{
    SetTriple(specular_, r, g, b);
}

void CTGLView::tglSetReflect(float r, float g, float b)
{
    SetTriple(reflect_, r, g, b);
}

void CTGLView::tglSetShiness(int shininess)
{
    shininess_ = shininess;
}

void CTGLView::tglViewpointTop()
{
    // The camera looks down the z-axis; a top view is its only viewpoint.
    camera_.SetCentre(camera_.Centre()[0], camera_.Centre()[1], 0.0);
}

void CTGLView::tglCameraON() const
{
    glMultMatrixd(camera_.ViewMatrix().Data());
}

void CTGLView::ApplyProjection() const
{
    glViewport(0, 0, camera_.WindowWidth(), camera_.WindowHeight());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-camera_.HalfWidth(), camera_.HalfWidth(), -camera_.HalfHeight(), camera_.HalfHeight(), -camera_.Depth(),
            camera_.Depth());
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void CTGLView::ApplyLight() const
{
    // The light shades what carries normals (the axis glyph) while lighting
    // is switched on for it; colours still come from glColor.
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition_);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient_);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse_);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular_);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, reflect_);
    glMateriali(GL_FRONT_AND_BACK, GL_SHININESS, shininess_);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_LIGHT0);
}

bool CTGLView::BeginFrame()
{
    if (!current_ && !tglSetCurrent())
        return false;
    const wxSize size = GetClientSize() * GetContentScaleFactor();
    camera_.SetWindowSize(size.x, size.y);
    ApplyProjection();
    ApplyLight();
    text_.BeginFrame();
    glClearColor(background_[0], background_[1], background_[2], background_[3]);
    return true;
}

void CTGLView::KeepFrame()
{
    if (frameTexture_ == 0)
        glGenTextures(1, &frameTexture_);
    glBindTexture(GL_TEXTURE_2D, frameTexture_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glReadBuffer(GL_BACK);
    frameWidth_ = camera_.WindowWidth();
    frameHeight_ = camera_.WindowHeight();
    glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 0, 0, frameWidth_, frameHeight_, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void CTGLView::tglRedrawWnd()
{
    if (!current_ && !tglSetCurrent())
        return;
    ComposeWindow();
    SwapBuffers();
}

RgbImage CTGLView::ReadShownPicture()
{
    RgbImage image;
    const bool madeCurrent = !current_;
    if (madeCurrent && !tglSetCurrent())
        return image;
    ComposeWindow();
    image.width = camera_.WindowWidth();
    image.height = camera_.WindowHeight();
    image.rgb.assign(static_cast<size_t>(image.width) * image.height * 3, 0);
    glReadBuffer(GL_BACK);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE, image.rgb.data());
    glPopClientAttrib();
    if (madeCurrent)
        tglReleaseCurrent();
    return image;
}

void CTGLView::ComposeWindow()
{
    glViewport(0, 0, camera_.WindowWidth(), camera_.WindowHeight());
    glClearColor(background_[0], background_[1], background_[2], background_[3]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, camera_.WindowWidth(), camera_.WindowHeight(), 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_TEXTURE_BIT | GL_POLYGON_BIT | GL_LINE_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    if (frameTexture_ != 0) {
        // The kept frame, pixel for pixel from the bottom-left corner.
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, frameTexture_);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        const double w = frameWidth_;
        const double h = frameHeight_;
        const double bottom = camera_.WindowHeight();
        glBegin(GL_QUADS);
        glTexCoord2d(0.0, 0.0);
        glVertex2d(0.0, bottom);
        glTexCoord2d(1.0, 0.0);
        glVertex2d(w, bottom);
        glTexCoord2d(1.0, 1.0);
        glVertex2d(w, bottom - h);
        glTexCoord2d(0.0, 1.0);
        glVertex2d(0.0, bottom - h);
        glEnd();
        glBindTexture(GL_TEXTURE_2D, 0);
        glDisable(GL_TEXTURE_2D);
    }
    DrawOverlay();
    glPopAttrib();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glFlush();
}

void CTGLView::tglZoomInOut(double step)
{
    camera_.ZoomInOut(step);
}

void CTGLView::tglSetTrans(double dx, double dy)
{
    camera_.Pan(dx, -dy);
}

void CTGLView::tglZoomWindow(double x1, double x2, double y2, double y1)
{
    camera_.ZoomWindow(x1, x2, y2, y1);
}

void CTGLView::tglFitToWnd(const double min[2], const double max[2])
{
    const wxSize size = GetClientSize() * GetContentScaleFactor();
    camera_.SetWindowSize(size.x, size.y);
    camera_.FitToWindow(min, max);
}

void CTGLView::tglGetModelMatrix(double m[16]) const
{
    const double* data = camera_.ViewMatrix().Data();
    for (int i = 0; i < 16; ++i)
        m[i] = data[i];
}

void CTGLView::tglSetOrthoDepth(double depth)
{
    camera_.SetDepth(depth);
}

void CTGLView::tglText2D(const std::string& text, int font, bool bold, bool stacked)
{
    text_.Text2D(text, font, bold, stacked);
}

void CTGLView::OnSizeEvent(wxSizeEvent& event)
{
    const wxSize size = GetClientSize() * GetContentScaleFactor();
    camera_.SetWindowSize(size.x, size.y);
    OnResized();
    event.Skip();
}
