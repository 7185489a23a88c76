#include "view/ViewPrintout.h"
#include "view/support/DrawingModel.h"
#include "view/support/ViewOnScreen.h"

#include <gtest/gtest.h>

#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/utils.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct TargetCase {
    const char* name;
    wxSize client;
    wxSize page;
    wxSize ppi;
    wxRect expected;
};

// Expected rectangles worked by hand: H = h * pageWidth * ppiY / (w * ppiX),
// the picture from (100, 100) to (pageWidth - 100, H - 100); when H - 100 is
// below the page's height less 100, the height is cut to the page's less 200
// and the width shrunk by the same factor.
TEST(PrintTargetRect, FollowsThePageWidthAndShrinksOnlyWhatRunsPastTheFoot)
{
    const TargetCase cases[] = {
        {"wide view, A4 portrait", {400, 300}, {2480, 3508}, {300, 300}, {100, 100, 2280, 1660}},
        {"wide view, A4 landscape", {400, 300}, {3508, 2480}, {300, 300}, {100, 100, 3102, 2280}},
        {"wide view, finer vertical resolution", {400, 300}, {2480, 7016}, {300, 600}, {100, 100, 2280, 3520}},
        {"tall view, A4 portrait", {300, 400}, {2480, 3508}, {300, 300}, {100, 100, 2280, 3106}},
        {"tall view, A4 landscape", {300, 400}, {3508, 2480}, {300, 300}, {100, 100, 1684, 2280}},
        {"exactly the page's room", {100, 120}, {1200, 1440}, {100, 100}, {100, 100, 1000, 1240}},
        {"no window", {0, 300}, {2480, 3508}, {300, 300}, {}},
        {"no printer resolution", {400, 300}, {2480, 3508}, {0, 0}, {}},
        {"a page narrower than its margins", {400, 300}, {150, 3508}, {300, 300}, {}},
    };
    for (const TargetCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PrintTargetRect(c.client, c.page, c.ppi), c.expected);
    }
}

bool IsWhite(const wxImage& image, int x, int y)
{
    return image.GetRed(x, y) == 255 && image.GetGreen(x, y) == 255 && image.GetBlue(x, y) == 255;
}

struct PageCase {
    const char* name;
    wxSize page;
    wxSize ppi;
    wxRect target;  // worked by hand as in the table above
};

class ViewPrint : public ViewOnScreen {
protected:
    // Each page of the table printed from the model's picture, fresh and
    // after a bitmap export: the picture fills the target, the margins stay
    // white, a line shows its colour where it lies.
    void CheckPrintedPages(const std::vector<PageCase>& cases);

    // The page the printout draws on a white bitmap, as a printer DC gets it.
    static wxImage PrintedPage(CViewPrintout& printout, const wxSize& page, const wxSize& ppi)
    {
        wxBitmap bitmap(page, 24);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
            printout.SetDC(&dc);
            printout.SetPageSizePixels(page.x, page.y);
            printout.SetPPIPrinter(ppi.x, ppi.y);
            EXPECT_TRUE(printout.OnPrintPage(1));
            printout.SetDC(nullptr);
        }
        return bitmap.ConvertToImage();
    }

    // Where a world point of the view lands on the page.
    wxPoint PagePoint(double x, double y, const wxRect& target) const
    {
        double window[2];
        view->Camera().WorldToWindow(x, y, window);
        const wxSize client = view->GetClientSize();
        return {target.x + static_cast<int>(window[0] * target.width / client.x),
                target.y + static_cast<int>(window[1] * target.height / client.y)};
    }
};

bool ColourAround(const wxImage& image, const wxPoint& at, const std::array<int, 3>& colour, int radius)
{
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const int x = at.x + dx;
            const int y = at.y + dy;
            if (x < 0 || y < 0 || x >= image.GetWidth() || y >= image.GetHeight())
                continue;
            if (std::abs(image.GetRed(x, y) - colour[0]) <= 2 && std::abs(image.GetGreen(x, y) - colour[1]) <= 2
                && std::abs(image.GetBlue(x, y) - colour[2]) <= 2)
                return true;
        }
    }
    return false;
}

void ViewPrint::CheckPrintedPages(const std::vector<PageCase>& cases)
{
    BuildDrawingModel(document);
    // A coloured background shows where the picture lies on the white page.
    view->m_background[2] = 0.5f;
    const std::string exported = testing::TempDir() + "view_print_test.bmp";
    for (const PageCase& c : cases) {
        for (const bool afterExport : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (afterExport ? ", after a bitmap export" : ", fresh"));
            DrawModel();
            if (afterExport) {
                ASSERT_TRUE(view->ExportBitmap(exported));
            }
            const std::unique_ptr<CViewPrintout> printout = view->MakePrintout();
            const wxImage page = PrintedPage(*printout, c.page, c.ppi);
            const wxRect& t = c.target;

            // Inside, at each corner: the view's background.
            for (const wxPoint corner : {t.GetTopLeft(), t.GetTopRight(), t.GetBottomLeft(), t.GetBottomRight()}) {
                EXPECT_NEAR(page.GetBlue(corner.x, corner.y), 128, 2) << corner.x << "," << corner.y;
                EXPECT_EQ(page.GetRed(corner.x, corner.y), 255) << corner.x << "," << corner.y;
            }
            // Outside: white everywhere.
            int colouredOutside = 0;
            for (int y = 0; y < page.GetHeight(); ++y) {
                for (int x = 0; x < page.GetWidth(); ++x) {
                    if (!t.Contains(x, y) && !IsWhite(page, x, y))
                        ++colouredOutside;
                }
            }
            EXPECT_EQ(colouredOutside, 0);
            // The line section's curve in its colour where it lies.
            const std::array<int, 3> lineColour{LINE_SECTION_COLOUR[0], LINE_SECTION_COLOUR[1], LINE_SECTION_COLOUR[2]};
            EXPECT_TRUE(ColourAround(page, PagePoint(50, 200, t), lineColour, 4));
            EXPECT_FALSE(ColourAround(page, PagePoint(300, 400, t), lineColour, 4));
        }
    }
    std::remove(exported.c_str());
}

TEST_F(ViewPrint, AWideViewFillsItsRectangleWithWhiteMargins)
{
    CheckPrintedPages({
        {"portrait", {1000, 1400}, {100, 100}, {100, 100, 800, 550}},
        {"landscape: shrunk to the foot margin", {1400, 1000}, {100, 100}, {100, 100, 1129, 800}},
        {"finer vertical resolution", {1000, 2800}, {100, 200}, {100, 100, 800, 1301}},
    });
}

class TallViewPrint : public ViewPrint {
protected:
    wxSize ClientSize() const override { return {301, 401}; }
};

TEST_F(TallViewPrint, ATallViewFillsItsRectangleWithWhiteMargins)
{
    CheckPrintedPages({
        {"portrait", {1000, 1400}, {100, 100}, {100, 100, 800, 1132}},
        {"landscape: shrunk to the foot margin", {1400, 1000}, {100, 100}, {100, 100, 576, 800}},
        {"finer horizontal resolution", {2000, 1400}, {200, 100}, {100, 100, 1800, 1132}},
    });
}

TEST_F(ViewPrint, DrawCopiesTheHeldPictureAtTheSameSizeOrScaled)
{
    BuildDrawingModel(document);
    DrawModel();
    CDibCapture capture;
    ASSERT_TRUE(view->TakePicture(capture));
    const RgbImage& held = capture.Image();
    // The held pixel at (x, y), y counted from the top.
    const auto heldAt = [&held](int x, int y) {
        const size_t at = (static_cast<size_t>(held.height - 1 - y) * held.width + x) * 3;
        return std::array<int, 3>{held.rgb[at], held.rgb[at + 1], held.rgb[at + 2]};
    };
    const auto pixel = [](const wxImage& image, int x, int y) {
        return std::array<int, 3>{image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
    };

    struct DrawCase {
        const char* name;
        wxRect target;
        wxRect source;
        int scale;
    };
    const DrawCase cases[] = {
        {"same size, a part", {5, 7, 120, 90}, {30, 40, 120, 90}, 1},
        {"same size, the whole picture", {0, 0, CLIENT_WIDTH, CLIENT_HEIGHT}, {0, 0, CLIENT_WIDTH, CLIENT_HEIGHT}, 1},
        {"twice the size", {10, 20, 2 * CLIENT_WIDTH, 2 * CLIENT_HEIGHT}, {0, 0, CLIENT_WIDTH, CLIENT_HEIGHT}, 2},
        {"three times a part", {0, 0, 300, 150}, {200, 100, 100, 50}, 3},
    };
    for (const DrawCase& c : cases) {
        SCOPED_TRACE(c.name);
        wxBitmap bitmap(c.target.GetRight() + 11, c.target.GetBottom() + 11, 24);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(*wxBLACK_BRUSH);
            dc.Clear();
            EXPECT_EQ(capture.Draw(dc, c.target, c.source), c.source.height);
        }
        const wxImage image = bitmap.ConvertToImage();
        int differing = 0;
        for (int y = 0; y < c.target.height; ++y) {
            for (int x = 0; x < c.target.width; ++x) {
                if (pixel(image, c.target.x + x, c.target.y + y) != heldAt(c.source.x + x / c.scale, c.source.y + y / c.scale))
                    ++differing;
            }
        }
        EXPECT_EQ(differing, 0);
        // Nothing beyond the target.
        EXPECT_EQ(pixel(image, c.target.GetRight() + 5, c.target.GetBottom() + 5), (std::array<int, 3>{0, 0, 0}));
    }
}

TEST_F(ViewPrint, APreviewedPageKeepsItsThinLinesAtEachZoom)
{
    BuildDrawingModel(document);
    DrawModel();
    const std::unique_ptr<CViewPrintout> printout = view->MakePrintout();
    const wxSize page(1000, 1400);
    const wxSize ppi(100, 100);
    const wxRect target(100, 100, 800, 550);  // as in the table above
    const auto dark = [](const wxImage& image, int x, int y) {
        return x >= 0 && y >= 0 && x < image.GetWidth() && y < image.GetHeight()
               && image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 300;
    };
    // The preview draws the page into a bitmap smaller than the page and
    // smaller than the picture: 401 picture pixels on 240 and on 360.
    for (const double zoom : {0.3, 0.45}) {
        SCOPED_TRACE(zoom);
        const wxSize device(static_cast<int>(page.x * zoom), static_cast<int>(page.y * zoom));
        wxBitmap bitmap(device, 24);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
            printout->SetDC(&dc);
            printout->SetPageSizePixels(page.x, page.y);
            printout->SetPPIPrinter(ppi.x, ppi.y);
            ASSERT_TRUE(printout->OnPrintPage(1));
            printout->SetDC(nullptr);
        }
        const wxImage image = bitmap.ConvertToImage();
        const auto onDevice = [&](double x, double y) {
            const wxPoint at = PagePoint(x, y, target);
            return wxPoint(static_cast<int>(at.x * zoom), static_cast<int>(at.y * zoom));
        };
        // Curve 4 across from (500, 500) to (600, 500): every device column
        // of its inner part shows it within a pixel of its row.
        int gaps = 0;
        const wxPoint left = onDevice(510, 500);
        const wxPoint right = onDevice(590, 500);
        for (int x = left.x; x <= right.x; ++x)
            gaps += !(dark(image, x, left.y - 1) || dark(image, x, left.y) || dark(image, x, left.y + 1));
        // Curve 5 up from (500, 500) to (500, 600): every device row.
        const wxPoint top = onDevice(500, 590);
        const wxPoint bottom = onDevice(500, 510);
        for (int y = top.y; y <= bottom.y; ++y)
            gaps += !(dark(image, top.x - 1, y) || dark(image, top.x, y) || dark(image, top.x + 1, y));
        EXPECT_GT(right.x - left.x, 10);
        EXPECT_EQ(gaps, 0);
    }
}

TEST_F(ViewPrint, DrawWithoutAPictureDrawsNothing)
{
    CDibCapture empty;
    wxBitmap bitmap(60, 40, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        EXPECT_EQ(empty.Draw(dc, wxRect(0, 0, 60, 40), wxRect(0, 0, 30, 20)), 0);
    }
    const wxImage image = bitmap.ConvertToImage();
    int drawn = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x)
            drawn += image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) != 0;
    }
    EXPECT_EQ(drawn, 0);
}

}  // namespace
