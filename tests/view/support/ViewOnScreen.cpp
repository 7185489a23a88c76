#include "view/support/ViewOnScreen.h"

#include "view/support/ShownOnScreen.h"

#include <wx/frame.h>

#include <cmath>
#include <cstdlib>

ViewServices ViewOnScreen::Services()
{
    ViewServices services;
    services.document = &document;
    services.output = &document.user;
    services.status = &status;
    services.workspace = &workspace;
    services.combos = &workspace;
    services.query = &workspace;
    return services;
}

void ViewOnScreen::SetUp()
{
    if (!RequireDisplay())
        return;
    frame = new wxFrame(nullptr, wxID_ANY, "view test");
    view = new CTarvokrtView(frame, Services());
    frame->SetClientSize(ClientSize());
    frame->Show();
    ASSERT_TRUE(WaitUntilShownAndActive(*frame));
    // Sizing the window takes round trips to the X server.
    RunEventsUntil([this] {
        return view->IsShownOnScreen() && view->GetClientSize() == ClientSize() && view->tglSetCurrent();
    });
    view->tglReleaseCurrent();
    ASSERT_TRUE(view->IsShownOnScreen());
    ASSERT_EQ(view->GetClientSize(), ClientSize());
    view->ResetViewState();
    view->GetScene()->ResetDefaults();
    // The axis glyph sits on the origin; pixel tests look at the model alone.
    view->m_ucsAxesDisplay = 0;
}

void ViewOnScreen::TearDown()
{
    DestroyNow(frame);
}

void ViewOnScreen::DrawModel()
{
    document.outOfDate = true;
    view->OnDraw();
    view->ZoomFit();
    view->OnDraw();
}

std::array<int, 3> ViewOnScreen::PixelAt(const RgbImage& image, double x, double y) const
{
    double window[2];
    view->Camera().WorldToWindow(x, y, window);
    const int column = static_cast<int>(std::floor(window[0]));
    const int rowFromBottom = image.height - 1 - static_cast<int>(std::floor(window[1]));
    if (column < 0 || column >= image.width || rowFromBottom < 0 || rowFromBottom >= image.height)
        return {-1, -1, -1};
    const size_t at = (static_cast<size_t>(rowFromBottom) * image.width + column) * 3;
    return {image.rgb[at], image.rgb[at + 1], image.rgb[at + 2]};
}

bool ViewOnScreen::ColourNear(const RgbImage& image, double x, double y, const std::array<int, 3>& colour,
                              int radius) const
{
    const double pixel = view->Camera().UnitsPerPixel();
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const std::array<int, 3> found = PixelAt(image, x + dx * pixel, y + dy * pixel);
            if (std::abs(found[0] - colour[0]) <= 2 && std::abs(found[1] - colour[1]) <= 2
                && std::abs(found[2] - colour[2]) <= 2)
                return true;
        }
    }
    return false;
}

std::array<int, 3> ToBytes(const Colour& colour)
{
    return {static_cast<int>(std::lround(colour[0] * 255.0f)), static_cast<int>(std::lround(colour[1] * 255.0f)),
            static_cast<int>(std::lround(colour[2] * 255.0f))};
}
