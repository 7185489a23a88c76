#pragma once
// The result list's picture of the chosen section: a plane section as its
// filled domains and their outlines, a line section as the bands of its
// curves and its closed loops, each with its centroid; the title card when no
// calculated section is chosen. Scaled to fit the window, y upwards.

#include <wx/colour.h>
#include <wx/panel.h>

class CSectModel;
class CScene;
class wxDC;

// Model extent, grown point by point; empty until it takes in a point.
struct PictureBox {
    double xmin = 1.0e308;
    double ymin = 1.0e308;
    double xmax = -1.0e308;
    double ymax = -1.0e308;

    void Add(double x, double y);
    bool IsEmpty() const { return xmin > xmax || ymin > ymax; }
};

// The scale and placement that fit a box into a window of width by height
// pixels with 10 pixels free on each side in the direction that sets the
// scale. A zero extent in one direction leaves the scale to the other; zero
// in both draws at scale 1, centred.
struct PictureFit {
    double xmin = 0.0;
    double ymin = 0.0;
    double scale = 1.0;
    int drawnWidth = 0;
    int drawnHeight = 0;
    int offsetX = 0;
    int offsetY = 0;

    wxPoint Map(double x, double y) const;
};
PictureFit FitPicture(const PictureBox& box, int width, int height);

// The three colours of the view's drawing the picture uses.
struct PictureColours {
    wxColour centroid;
    wxColour width;
    wxColour closedLoop;
};
PictureColours PictureColoursOf(const CScene& scene);

// The whole picture on a white ground of the given size.
void DrawSectionPicture(wxDC& dc, const wxSize& size, const CSectModel& model, int sectionId,
                        const PictureColours& colours);

class CResultListDraw : public wxPanel {
public:
    CResultListDraw(wxWindow* parent, wxWindowID id, const wxSize& size, const CSectModel& model,
                    const PictureColours& colours);

    // Draws the section at once and at every later paint.
    void ShowSection(int sectionId);
    int m_nSectionId = 0;

private:
    void OnPaint(wxPaintEvent& event);

    const CSectModel& model_;
    PictureColours colours_;
};
