#include "frame/ToolbarImages.h"

#include <wx/dcmemory.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

namespace {

constexpr int IMAGE_SIZE = 16;

// The picture each toolbar command shows, by command id; the names are the
// files in src/frame/toolbar-images.
const std::map<int, std::string_view>& PictureNames()
{
    static const std::map<int, std::string_view> names = {
        // File
        {57600, "file-new"},
        {57601, "file-open"},
        {57603, "file-save"},
        {57664, "file-about"},
        {57643, "file-undo"},
        {57644, "file-redo"},
        // View
        {32795, "view-zoom-auto-fit"},
        {32796, "view-zoom-fit"},
        {32799, "view-zoom-out"},
        {32798, "view-zoom-in"},
        {32797, "view-zoom-window"},
        {32801, "view-pan-right"},
        {32800, "view-pan-left"},
        {32802, "view-pan-up"},
        {32803, "view-pan-down"},
        {32794, "view-dynamic-zoom"},
        {32793, "view-dynamic-pan"},
        // Grid/Snap
        {32807, "grid-setting"},
        {32792, "grid-grid-setting"},
        {32790, "grid-point-grid"},
        {32776, "grid-grid-snap"},
        {32777, "grid-point-snap"},
        // Property
        {32904, "property-calculate"},
        {32871, "property-display"},
        {32902, "property-list"},
        {32977, "property-export"},
        // Active
        {32901, "active-select"},
        {32899, "active-select-previous"},
        {32900, "active-select-newcomer"},
        {32905, "active-select-group"},
        {32787, "active-activate"},
        {32786, "active-inactivate"},
        {32788, "active-reverse-activity"},
        {32789, "active-activate-all"},
        {32965, "active-inactivate-all"},
        {32961, "active-gcs"},
        {32960, "active-ucs"},
        // Point
        {32825, "point-coordinate"},
        {32829, "point-ratio-on-curve"},
        {32820, "point-interpolating-on-curve"},
        {32831, "point-ratio-between-points"},
        {32832, "point-interpolating-between-points"},
        {32833, "point-translate"},
        {32834, "point-rotate"},
        {32835, "point-mirror"},
        {32828, "point-equalize"},
        {32836, "point-delete"},
        {32826, "point-pick"},
        {32827, "point-query"},
        // Curve
        {32839, "curve-line"},
        {32840, "curve-polyline"},
        {32856, "curve-shortest-path-line"},
        {32855, "curve-rectangle"},
        {32843, "curve-circle"},
        {32844, "curve-arc"},
        {32852, "curve-ellipse"},
        {32849, "curve-quadratic"},
        {32850, "curve-cubic"},
        {32841, "curve-bezier"},
        {32884, "curve-convert-width"},
        {32880, "curve-register-loop"},
        {32881, "curve-unregister-loop"},
        {32853, "curve-translate"},
        {32854, "curve-rotate"},
        {32859, "curve-mirror"},
        {32846, "curve-intersect"},
        {32837, "curve-fillet"},
        {32838, "curve-extend"},
        {32842, "curve-merge"},
        {32848, "curve-split"},
        {32847, "curve-reverse"},
        {32860, "curve-delete"},
        {32886, "curve-scale-line"},
        {32882, "curve-change-width"},
        {32857, "curve-pick"},
        {32858, "curve-query"},
        // Section
        {32813, "section-generate"},
        {32814, "section-redefine"},
        {32821, "section-translate"},
        {32822, "section-rotate"},
        {32816, "section-delete"},
        {32824, "section-arrange"},
        {32815, "section-domain-state"},
        {32819, "section-domain-material"},
        {32823, "section-export"},
        {32818, "section-pick"},
        {32817, "section-query"},
    };
    return names;
}

// First letters of the first two words ("Zoom Fit" -> "ZF").
std::string Initials(const char* tooltip)
{
    std::string initials;
    bool wordStart = true;
    for (const char* c = tooltip; *c && initials.size() < 2; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c))) {
            if (wordStart)
                initials += *c;
            wordStart = false;
        } else {
            wordStart = true;
        }
    }
    return initials;
}

wxBitmap InitialsTile(const char* tooltip)
{
    wxBitmap bitmap(IMAGE_SIZE, IMAGE_SIZE, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(wxBrush(wxColour(236, 236, 236)));
    dc.Clear();
    dc.SetPen(wxPen(wxColour(90, 110, 150)));
    dc.SetBrush(wxBrush(wxColour(214, 224, 242)));
    dc.DrawRectangle(0, 0, IMAGE_SIZE, IMAGE_SIZE);
    wxFont font(wxFontInfo(6).Family(wxFONTFAMILY_SWISS).Bold());
    dc.SetFont(font);
    dc.SetTextForeground(wxColour(20, 40, 90));
    const wxString text = Initials(tooltip);
    const wxSize extent = dc.GetTextExtent(text);
    dc.DrawText(text, (IMAGE_SIZE - extent.x) / 2, (IMAGE_SIZE - extent.y) / 2);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

}  // namespace

const ToolbarPicture* FindToolbarPicture(int commandId)
{
    const auto named = PictureNames().find(commandId);
    if (named == PictureNames().end())
        return nullptr;
    const std::span<const ToolbarPicture> pictures = ToolbarPictures();
    const auto found = std::find_if(pictures.begin(), pictures.end(),
                                    [&](const ToolbarPicture& picture) { return picture.name == named->second; });
    return found != pictures.end() ? &*found : nullptr;
}

wxBitmapBundle ToolbarButtonImage(int commandId, const char* tooltip)
{
    if (const ToolbarPicture* picture = FindToolbarPicture(commandId)) {
        wxBitmapBundle image = wxBitmapBundle::FromSVG(picture->svg, wxSize(IMAGE_SIZE, IMAGE_SIZE));
        if (image.IsOk())
            return image;
    }
    return InitialsTile(tooltip);
}
