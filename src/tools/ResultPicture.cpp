#include "tools/ResultPicture.h"

#include "frame/TarvokrtApp.h"
#include "model/SectModel.h"
#include "model/WidthBand.h"
#include "view/Scene.h"

#include <wx/dc.h>
#include <wx/dcclient.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace {

const wxColour kRed(255, 0, 0);

wxColour ByteColour(const Colour& colour)
{
    const auto byte = [](float component) { return static_cast<unsigned char>(component * 255.0f); };
    return wxColour(byte(colour[0]), byte(colour[1]), byte(colour[2]));
}

wxColour SectionColourOf(const T_SECTION_D& section)
{
    return wxColour(static_cast<unsigned char>(section.colour[0]), static_cast<unsigned char>(section.colour[1]),
                    static_cast<unsigned char>(section.colour[2]));
}

wxFont PixelFont(int pixels, wxFontFamily family, wxFontStyle style)
{
    return wxFont(wxSize(0, pixels), family, style, wxFONTWEIGHT_BOLD);
}

void DrawTitleCard(wxDC& dc, const wxSize& size)
{
    const auto centred = [&dc, &size](const wxString& text, int y) {
        dc.DrawText(text, size.x / 2 - dc.GetTextExtent(text).x / 2, y);
    };
    dc.SetFont(PixelFont(30, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL));
    dc.SetTextForeground(*wxBLACK);
    centred("TARVO/KLX V 1.3.0", size.y / 2 - 15);
    dc.SetFont(PixelFont(20, wxFONTFAMILY_ROMAN, wxFONTSTYLE_ITALIC));
    dc.SetTextForeground(kRed);
    centred(KLX_HOMEPAGE, size.y / 2 + 20);
}

// One polyline through the points that exist, in order.
template <class FindPoint>
void DrawCurve(wxDC& dc, const PictureFit& fit, const std::vector<int>& pointIds, FindPoint findPoint)
{
    std::vector<wxPoint> drawn;
    for (int id : pointIds) {
        if (const T_POINT_D* point = findPoint(id))
            drawn.push_back(fit.Map(point->xy[0], point->xy[1]));
    }
    if (drawn.size() >= 2)
        dc.DrawLines(static_cast<int>(drawn.size()), drawn.data());
}

void DrawCentroid(wxDC& dc, const PictureFit& fit, const CSectModel& model, const T_SECTION_D& section,
                  const PictureColours& colours)
{
    const T_POINT_D* centroid = section.centroidPointId ? model.FindPoint(section.centroidPointId) : nullptr;
    if (!centroid)
        return;
    const wxPoint at = fit.Map(centroid->xy[0], centroid->xy[1]);
    dc.SetBrush(wxBrush(colours.centroid));
    dc.SetPen(wxPen(*wxBLACK, 1));
    dc.DrawEllipse(at.x - 3, at.y - 3, 6, 6);
}

bool IsComposite(const T_SECTION_D& section)
{
    if (section.baseMaterialId == 0)
        return false;
    return std::any_of(section.domains.begin(), section.domains.end(), [&section](const auto& entry) {
        return entry.second->used && entry.second->materialId != section.baseMaterialId;
    });
}

// False when the section has no point to fit.
bool DrawPlaneSection(wxDC& dc, const wxSize& size, const CSectModel& model, const T_SECTION_D& section,
                      const PictureColours& colours)
{
    PictureBox box;
    for (const auto& [id, point] : section.points)
        box.Add(point->xy[0], point->xy[1]);
    if (box.IsEmpty())
        return false;
    const PictureFit fit = FitPicture(box, size.x, size.y);
    const bool composite = IsComposite(section);
    const auto isBaseDomain = [&](const T_DOMAIN_D& domain) {
        return composite && domain.materialId == section.baseMaterialId;
    };
    const auto findPoint = [&section](int id) { return section.FindPoint(id); };

    dc.SetPen(*wxTRANSPARENT_PEN);
    for (const auto& [id, facet] : section.facets) {
        const T_DOMAIN_D* domain = section.FindDomain(facet->domainId);
        if (!domain || !domain->used)
            continue;
        std::array<wxPoint, 3> corners;
        bool complete = true;
        for (int i = 0; i < 3; ++i) {
            const T_POINT_D* point = section.FindPoint(facet->pointIds[i]);
            complete = complete && point;
            if (point)
                corners[i] = fit.Map(point->xy[0], point->xy[1]);
        }
        if (!complete)
            continue;
        dc.SetBrush(wxBrush(isBaseDomain(*domain) ? kRed : SectionColourOf(section)));
        dc.DrawPolygon(3, corners.data());
    }

    for (const auto& [id, domain] : section.domains) {
        if (!domain->used)
            continue;
        dc.SetPen(wxPen(*wxBLACK, isBaseDomain(*domain) ? 3 : 1));
        for (int loopId : domain->loopIds) {
            const T_LOOP_D* loop = section.FindLoop(loopId);
            if (!loop)
                continue;
            for (int signedCurveId : loop->curveIds) {
                if (const T_SCURVE_D* curve = section.FindCurve(std::abs(signedCurveId)))
                    DrawCurve(dc, fit, curve->pointIds, findPoint);
            }
        }
    }
    DrawCentroid(dc, fit, model, section, colours);

    if (composite) {
        dc.SetFont(PixelFont(18, wxFONTFAMILY_ROMAN, wxFONTSTYLE_NORMAL));
        dc.SetTextForeground(kRed);
        dc.SetTextBackground(*wxWHITE);
        dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
        dc.DrawText("Composite ", 5, size.y - 20);
        dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    }
    return true;
}

// False when none of the section's curves could be placed.
bool DrawLineSection(wxDC& dc, const wxSize& size, const CSectModel& model, const T_SECTION_D& section,
                     const PictureColours& colours)
{
    struct Band {
        double corners[4][2];
    };
    std::vector<Band> bands;
    std::vector<int> closedLoopIds;
    PictureBox box;
    for (int curveId : section.curveIds) {
        const T_CURVE_D* curve = model.FindCurve(curveId);
        if (!curve)
            continue;
        closedLoopIds.insert(closedLoopIds.end(), curve->closedLoopIds.begin(), curve->closedLoopIds.end());
        for (std::size_t i = 0; i + 1 < curve->pointIds.size(); ++i) {
            const T_POINT_D* a = model.FindPoint(curve->pointIds[i]);
            const T_POINT_D* b = model.FindPoint(curve->pointIds[i + 1]);
            if (!a || !b)
                continue;
            Band band;
            CurveBandCorners(a->xy, b->xy, *curve, band.corners);
            for (const double* corner : band.corners)
                box.Add(corner[0], corner[1]);
            bands.push_back(band);
        }
    }
    if (box.IsEmpty())
        return false;
    std::sort(closedLoopIds.begin(), closedLoopIds.end());
    closedLoopIds.erase(std::unique(closedLoopIds.begin(), closedLoopIds.end()), closedLoopIds.end());

    const PictureFit fit = FitPicture(box, size.x, size.y);
    const auto drawn = [&fit](const Band& band) {
        std::array<wxPoint, 5> corners;
        for (int i = 0; i < 4; ++i)
            corners[i] = fit.Map(band.corners[i][0], band.corners[i][1]);
        corners[4] = corners[0];
        return corners;
    };
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(colours.width));
    for (const Band& band : bands)
        dc.DrawPolygon(4, drawn(band).data());
    dc.SetPen(wxPen(SectionColourOf(section), 1));
    for (const Band& band : bands)
        dc.DrawLines(5, drawn(band).data());

    dc.SetPen(wxPen(colours.closedLoop, 2));
    const auto findPoint = [&model](int id) { return model.FindPoint(id); };
    for (int loopId : closedLoopIds) {
        const T_LOOP_D* loop = model.FindClosedLoop(loopId);
        if (!loop)
            continue;
        for (int signedCurveId : loop->curveIds) {
            if (const T_CURVE_D* curve = model.FindCurve(std::abs(signedCurveId)))
                DrawCurve(dc, fit, curve->pointIds, findPoint);
        }
    }
    DrawCentroid(dc, fit, model, section, colours);
    return true;
}

}  // namespace

void PictureBox::Add(double x, double y)
{
    xmin = std::min(xmin, x);
    ymin = std::min(ymin, y);
    xmax = std::max(xmax, x);
    ymax = std::max(ymax, y);
}

wxPoint PictureFit::Map(double x, double y) const
{
    return wxPoint(static_cast<int>((x - xmin) * scale + offsetX), static_cast<int>(offsetY - (y - ymin) * scale));
}

PictureFit FitPicture(const PictureBox& box, int width, int height)
{
    PictureFit fit;
    fit.xmin = box.xmin;
    fit.ymin = box.ymin;
    const double extentX = box.xmax - box.xmin;
    const double extentY = box.ymax - box.ymin;
    const double scaleX = (width - 20) / extentX;
    const double scaleY = (height - 20) / extentY;
    if (extentX > 0.0 && extentY > 0.0)
        fit.scale = std::min(scaleX, scaleY);
    else if (extentX > 0.0)
        fit.scale = scaleX;
    else if (extentY > 0.0)
        fit.scale = scaleY;
    fit.drawnWidth = static_cast<int>(extentX * fit.scale);
    fit.drawnHeight = static_cast<int>(extentY * fit.scale);
    fit.offsetX = width / 2 - fit.drawnWidth / 2;
    fit.offsetY = height - (height / 2 - fit.drawnHeight / 2);
    return fit;
}

PictureColours PictureColoursOf(const CScene& scene)
{
    return PictureColours{ByteColour(scene.m_colours[COLOUR_CENTROID]), ByteColour(scene.m_colours[COLOUR_WIDTH]),
                          ByteColour(scene.m_colours[COLOUR_CLOSED_LOOP])};
}

void DrawSectionPicture(wxDC& dc, const wxSize& size, const CSectModel& model, int sectionId,
                        const PictureColours& colours)
{
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const T_SECTION_D* section = model.FindSection(sectionId);
    bool drawn = false;
    if (section && section->propertiesCalculated) {
        if (section->type == SECTION_PLANE)
            drawn = DrawPlaneSection(dc, size, model, *section, colours);
        else if (section->type == SECTION_LINE)
            drawn = DrawLineSection(dc, size, model, *section, colours);
        else
            drawn = true;  // a type nothing draws
    }
    if (!drawn)
        DrawTitleCard(dc, size);
    dc.SetPen(wxNullPen);
    dc.SetBrush(wxNullBrush);
    dc.SetFont(wxNullFont);
}

CResultListDraw::CResultListDraw(wxWindow* parent, wxWindowID id, const wxSize& size, const CSectModel& model,
                                 const PictureColours& colours)
    : wxPanel(parent, id, wxDefaultPosition, size, wxBORDER_SUNKEN), model_(model), colours_(colours)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CResultListDraw::OnPaint, this);
}

void CResultListDraw::ShowSection(int sectionId)
{
    m_nSectionId = sectionId;
    Refresh();
    Update();
}

void CResultListDraw::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    DrawSectionPicture(dc, GetClientSize(), model_, m_nSectionId, colours_);
}
