#include "tabs_on_screen.h"

#include "painted_picture.h"

#include "frame/ColourContrast.h"
#include "frame/TabCtrlBase.h"

#include <wx/toplevel.h>
#include <wx/utils.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <map>

bool DrawnIn(const TabLook& look, const wxColour& colour)
{
    const auto near = [](int a, int b) { return std::abs(a - b) <= 8; };
    return look.text.IsOk() && colour.IsOk() && near(look.text.Red(), colour.Red())
           && near(look.text.Green(), colour.Green()) && near(look.text.Blue(), colour.Blue());
}

TabsOnScreen::TabsOnScreen(CTabCtrlBase& tabs)
    : tabs_(tabs),
      window_(*wxGetTopLevelParent(&tabs)),
      capture_(window_),
      pointerBefore_(wxGetMousePosition())
{
    window_.Refresh();
    if (wxWindow* page = tabs.GetCurrentPage())
        wxUIActionSimulator().MouseMove(page->GetScreenRect().GetPosition() + page->GetSize() / 2);
}

TabsOnScreen::~TabsOnScreen()
{
    wxUIActionSimulator().MouseMove(pointerBefore_);
}

wxImage TabsOnScreen::Picture(const std::function<bool(const wxImage&)>& shows)
{
    return PaintedPicture(window_, capture_, shows);
}

wxImage TabsOnScreen::PointAt(int index, const std::function<bool(const wxImage&)>& shows)
{
    wxUIActionSimulator pointer;
    const auto moveOnto = [&] {
        window_.Raise();
        const wxRect text = tabs_.TabTextRect(index);
        pointer.MouseMove(tabs_.ClientToScreen(text.GetPosition() + text.GetSize() / 2));
    };
    moveOnto();
    int round = 0;
    return Picture([&](const wxImage& picture) {
        if (shows(picture))
            return true;
        if (++round % 20 == 0)
            moveOnto();
        return false;
    });
}

TabLook TabsOnScreen::Look(const wxImage& picture, int index) const
{
    TabLook look;
    if (!picture.IsOk())
        return look;
    wxRect box = tabs_.TabTextRect(index);
    box.SetPosition(tabs_.ClientToScreen(box.GetPosition()) - PictureOrigin(window_));
    box.Intersect(wxRect(picture.GetSize()));
    std::map<unsigned long, int> counts;
    for (int y = box.GetTop(); y <= box.GetBottom(); ++y) {
        for (int x = box.GetLeft(); x <= box.GetRight(); ++x)
            ++counts[wxColour(picture.GetRed(x, y), picture.GetGreen(x, y), picture.GetBlue(x, y)).GetRGB()];
    }
    int most = 0;
    for (const auto& [rgb, count] : counts) {
        if (count > most) {
            most = count;
            look.background.SetRGB(static_cast<wxUint32>(rgb));
        }
    }
    double strongest = 0.0;
    for (const auto& [rgb, count] : counts) {
        const wxColour pixel(static_cast<unsigned long>(rgb));
        if (look.background.IsOk() && ContrastRatio(pixel, look.background) > strongest) {
            strongest = ContrastRatio(pixel, look.background);
            look.text = pixel;
        }
    }
    return look;
}
