// The result list's section picture drawn into a bitmap.

#include "model/SectModel.h"
#include "tools/ResultPicture.h"
#include "view/support/GuiTestEnvironment.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <utility>

namespace {

constexpr int kSize = 220;
const PictureColours kColours{wxColour(255, 128, 0), wxColour(178, 178, 178), wxColour(255, 0, 255)};
const wxColour kSectionColour(0, 0, 255);
const wxColour kRed(255, 0, 0);

template <class Record>
Record& Add(IdMap<Record>& map, int id)
{
    auto record = std::make_unique<Record>();
    record->id = id;
    Record& added = *record;
    map[id] = std::move(record);
    return added;
}

// A domain of the section over the axis-parallel rectangle, with its own
// points, four curves, one loop and two facets; ids start at `first`.
void AddRectangleDomain(T_SECTION_D& section, int first, double x0, double y0, double x1, double y1,
                        int materialId, bool used)
{
    const double corners[4][2] = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
    for (int i = 0; i < 4; ++i) {
        T_POINT_D& point = Add(section.points, first + i);
        point.xy[0] = corners[i][0];
        point.xy[1] = corners[i][1];
    }
    T_LOOP_D& loop = Add(section.loops, first);
    for (int i = 0; i < 4; ++i) {
        Add(section.curves, first + i).pointIds = {first + i, first + (i + 1) % 4};
        // Curves run backwards here, as a hole's loop may give them.
        loop.curveIds.push_back(-(first + i));
    }
    T_DOMAIN_D& domain = Add(section.domains, first);
    domain.materialId = materialId;
    domain.used = used;
    domain.loopIds = {first};
    for (int f = 0; f < 2; ++f) {
        T_FACET_D& facet = Add(section.facets, first + f);
        facet.domainId = first;
        const int third = f == 0 ? first + 1 : first + 3;
        facet.pointIds[0] = first;
        facet.pointIds[1] = third;
        facet.pointIds[2] = first + 2;
    }
}

T_SECTION_D& AddCalculatedSection(CSectModel& model, int id, int type)
{
    T_SECTION_D& section = Add(model.m_sections, id);
    section.type = type;
    section.propertiesCalculated = true;
    section.colour[0] = kSectionColour.Red();
    section.colour[1] = kSectionColour.Green();
    section.colour[2] = kSectionColour.Blue();
    return section;
}

void AddModelPoint(CSectModel& model, int id, double x, double y)
{
    T_POINT_D& point = Add(model.m_points, id);
    point.xy[0] = x;
    point.xy[1] = y;
}

class ResultPicture : public testing::Test {
protected:
    void SetUp() override
    {
        if (!RequireDisplay())
            GTEST_SKIP();
    }

    wxImage Draw(int sectionId)
    {
        wxBitmap bitmap(kSize, kSize, 24);
        {
            wxMemoryDC dc(bitmap);
            DrawSectionPicture(dc, wxSize(kSize, kSize), model, sectionId, kColours);
        }
        return bitmap.ConvertToImage();
    }

    static wxColour At(const wxImage& image, int x, int y)
    {
        return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
    }

    static int Count(const wxImage& image, const wxRect& area, const wxColour& colour)
    {
        int count = 0;
        for (int y = area.GetTop(); y <= area.GetBottom(); ++y) {
            for (int x = area.GetLeft(); x <= area.GetRight(); ++x)
                count += At(image, x, y) == colour;
        }
        return count;
    }

    static int Dark(const wxImage& image, const wxRect& area)
    {
        int count = 0;
        for (int y = area.GetTop(); y <= area.GetBottom(); ++y) {
            for (int x = area.GetLeft(); x <= area.GetRight(); ++x)
                count += image.GetRed(x, y) < 60 && image.GetGreen(x, y) < 60 && image.GetBlue(x, y) < 60;
        }
        return count;
    }

    // Two 10 x 10 domains side by side, 20 x 10 in all: drawn at scale 10,
    // x from 10 to 210 pixels, y from 60 (top) to 160, the domains meeting at x 110.
    T_SECTION_D& TwoDomains(int baseMaterial, int rightMaterial, bool rightUsed)
    {
        T_SECTION_D& section = AddCalculatedSection(model, 1, SECTION_PLANE);
        section.baseMaterialId = baseMaterial;
        AddRectangleDomain(section, 1, 0.0, 0.0, 10.0, 10.0, 1, true);
        AddRectangleDomain(section, 11, 10.0, 0.0, 20.0, 10.0, rightMaterial, rightUsed);
        return section;
    }

    CSectModel model;
};

TEST_F(ResultPicture, ACompositeSectionShowsItsBaseMaterialRedWithAThickOutline)
{
    T_SECTION_D& section = TwoDomains(1, 2, true);
    AddModelPoint(model, 5, 15.0, 8.0);  // drawn at (160, 80)
    section.centroidPointId = 5;
    const wxImage image = Draw(1);

    EXPECT_EQ(At(image, 60, 110), kRed);
    EXPECT_EQ(At(image, 170, 120), kSectionColour);
    EXPECT_EQ(At(image, 160, 80), kColours.centroid);
    EXPECT_GE(Count(image, wxRect(150, 70, 21, 21), kColours.centroid), 4) << "a filled circle";
    EXPECT_GT(Dark(image, wxRect(150, 70, 21, 21)), 6) << "the circle's black outline";
    // The base-material domain's left edge is 3 pixels wide, the other's right edge 1.
    EXPECT_GE(Dark(image, wxRect(5, 110, 11, 1)), 3);
    EXPECT_EQ(Dark(image, wxRect(205, 110, 11, 1)), 1);
    // "Composite " in red at the bottom left, below the drawing.
    EXPECT_GT(Count(image, wxRect(0, kSize - 22, 110, 22), kRed), 20);
    EXPECT_EQ(Count(image, wxRect(110, kSize - 22, 110, 22), kRed), 0);
}

TEST_F(ResultPicture, AnUnusedDomainIsNeitherFilledNorOutlinedAndMakesNoComposite)
{
    TwoDomains(1, 2, false);
    const wxImage image = Draw(1);
    EXPECT_EQ(At(image, 60, 110), kSectionColour);
    EXPECT_EQ(Count(image, wxRect(113, 50, kSize - 113, 120), *wxWHITE), (kSize - 113) * 120);
    EXPECT_EQ(Count(image, wxRect(0, 0, kSize, kSize), kRed), 0);
    // Without a base material nothing is composite either.
    model.m_sections.clear();
    TwoDomains(0, 2, true);
    EXPECT_EQ(Count(Draw(1), wxRect(0, 0, kSize, kSize), kRed), 0);
}

TEST_F(ResultPicture, ALineSectionShowsItsBandsAndItsClosedLoop)
{
    // A 100 long curve 10 wide along the x axis, in closed loop 3: drawn at
    // scale 2, the band from y 100 to 120 pixels, its axis at y 110.
    AddModelPoint(model, 1, 0.0, 0.0);
    AddModelPoint(model, 2, 50.0, 0.0);
    AddModelPoint(model, 3, 100.0, 0.0);
    T_CURVE_D& curve = Add(model.m_curves, 7);
    curve.pointIds = {1, 2, 3};
    curve.width = 10.0;
    curve.alignment = ALIGN_CENTER;
    curve.closedLoopIds = {3, 3};
    Add(model.m_closedLoops, 3).curveIds = {-7};
    T_SECTION_D& section = AddCalculatedSection(model, 2, SECTION_LINE);
    section.curveIds = {7, 8};  // curve 8 is missing and skipped
    const wxImage image = Draw(2);

    EXPECT_EQ(At(image, 60, 104), kColours.width);
    EXPECT_EQ(At(image, 160, 116), kColours.width);
    EXPECT_EQ(At(image, 60, 110), kColours.closedLoop);
    EXPECT_EQ(At(image, 60, 95), *wxWHITE);
    EXPECT_GT(Count(image, wxRect(20, 98, 180, 4), kSectionColour), 150) << "the band's outline";
    EXPECT_EQ(Count(image, wxRect(0, 0, kSize, kSize), kRed), 0);
}

TEST_F(ResultPicture, WithoutACalculatedSectionTheTitleCardShows)
{
    const auto titleCard = [this](const wxImage& image) {
        return Dark(image, wxRect(0, kSize / 2 - 15, kSize, 30)) > 50 &&
               Count(image, wxRect(0, kSize / 2 + 20, kSize, 20), kRed) > 20;
    };
    AddCalculatedSection(model, 1, SECTION_PLANE).propertiesCalculated = false;
    EXPECT_TRUE(titleCard(Draw(1))) << "not calculated";
    EXPECT_TRUE(titleCard(Draw(4))) << "not found";
    // A line section whose curves are all missing has nothing to fit.
    AddCalculatedSection(model, 2, SECTION_LINE).curveIds = {9};
    EXPECT_TRUE(titleCard(Draw(2))) << "no curve";
    TwoDomains(0, 1, true);
    EXPECT_FALSE(titleCard(Draw(1))) << "a calculated section";
}

}  // namespace
