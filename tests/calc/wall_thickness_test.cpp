// The thickness of a section's walls: faces of one domain looking at each
// other across material, whichever curves draw them, and nothing else.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "ReferenceSections.h"
#include "calc/WallThickness.h"
#include "sections/SectionTestSupport.h"

namespace {

class WallThicknessTest : public SectionTest {
protected:
    int DrawOutline(const reference_sections::Outline& corners, std::vector<int>& curves)
    {
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const auto& a = corners[i];
            const auto& b = corners[(i + 1) % corners.size()];
            curves.push_back(Draw({{a[0], a[1]}, {b[0], b[1]}}));
        }
        return curves.back();
    }

    // The thinnest wall of the section, 1e9 when none is found.
    static double Narrowest(const std::map<int, double>& walls)
    {
        double narrowest = 1e9;
        for (const auto& [curveId, thickness] : walls)
            narrowest = std::min(narrowest, thickness);
        return narrowest;
    }
};

struct OutlineCase {
    const char* name;
    std::vector<reference_sections::Outline> outlines;  // each drawn as lines
    double thickness;                                   // worked out by hand
};

void PrintTo(const OutlineCase& c, std::ostream* os) { *os << c.name; }

class WallThicknessOfOutlines : public WallThicknessTest, public ::testing::WithParamInterface<OutlineCase> {};

TEST_P(WallThicknessOfOutlines, IsTheThinnestWallAcrossMaterial)
{
    model.SetTolerance(0.001);  // below the notch's width
    std::vector<int> curves;
    for (const auto& outline : GetParam().outlines)
        DrawOutline(outline, curves);
    const int id = GeneratePlane(curves);
    ASSERT_NE(id, 0);
    EXPECT_NEAR(Narrowest(WallsOfCurves(Section(id), 1e6)), GetParam().thickness, 1e-9);
}

const reference_sections::Outline kBlock = {{0, 0}, {100, 0}, {100, 100}, {0, 100}};

INSTANTIATE_TEST_SUITE_P(
    ByHand, WallThicknessOfOutlines,
    ::testing::Values(
        // The web of 78.75 - 71.25; the flanges are 10.
        OutlineCase{"ISection", {reference_sections::Sections()[0].outline}, 7.5},
        OutlineCase{"Channel", {reference_sections::Sections()[1].outline}, 7.5},
        OutlineCase{"HollowRectangle",
                    {reference_sections::Sections()[5].outline, reference_sections::Sections()[5].hole},
                    6.0},
        // A notch 1 wide and 1 deep: its faces look at each other across air
        // and meet its floor at corners, so none of them makes a wall of 1.
        // The thinnest is between a notch face and the block's side.
        OutlineCase{"NotchedBlock",
                    {{{0, 0}, {49.5, 0}, {49.5, 1}, {50.5, 1}, {50.5, 0}, {100, 0}, {100, 100}, {0, 100}}},
                    49.5},
        OutlineCase{"Block", {kBlock}, 100.0},
        // Two plates 6 thick, 2 apart: the gap is air, each plate a wall.
        OutlineCase{"TwoPlates", {{{0, 0}, {150, 0}, {150, 6}, {0, 6}}, {{0, 8}, {150, 8}, {150, 14}, {0, 14}}}, 6.0},
        // An equilateral triangle's sides all meet: no two of them face.
        OutlineCase{"Triangle", {{{0, 0}, {100, 0}, {50, 50 * std::sqrt(3.0)}}}, 1e9}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WallThicknessTest, WallBetweenCurvesOfManyPointsIsFoundAcrossThem)
{
    // A tube of two 36-gons: the chords of the outer lie 50 cos 5° from the
    // centre, the inner corners 45 from it, so the wall is 5 cos 5°. In a
    // disc the nearest chords that face each other are 140° apart (normals
    // within 45° of opposite), their near ends 130° apart on the circle.
    const int id = GeneratePlane({DrawCircle(0, 0, 50, 36), DrawCircle(0, 0, 45, 36)});
    ASSERT_NE(id, 0);
    EXPECT_NEAR(Narrowest(WallsOfCurves(Section(id), 1e6)), 5.0 * std::cos(DegToRad(5.0)), 1e-9);
    const int disc = GeneratePlane({DrawCircle(200, 0, 50, 36)});
    EXPECT_NEAR(Narrowest(WallsOfCurves(Section(disc), 1e6)), 100.0 * std::sin(DegToRad(65.0)), 1e-9);
}

TEST_F(WallThicknessTest, EachCurveKnowsItsOwnWallAndFlangeEndsCloseTheirs)
{
    std::vector<int> curves;
    DrawOutline(reference_sections::Sections()[0].outline, curves);  // the I, from its lower left corner
    const int id = GeneratePlane(curves);
    ASSERT_NE(id, 0);
    const std::map<int, double> walls = WallsOfCurves(Section(id), 1e6);
    // The wall of the section's line between two corners; -1 for none.
    const auto wallOfLine = [&](std::array<double, 2> a, std::array<double, 2> b) {
        const T_SECTION_D& section = Section(id);
        const auto at = [&](int pointId, std::array<double, 2> p) {
            const double* xy = section.FindPoint(pointId)->xy;
            return xy[0] == p[0] && xy[1] == p[1];
        };
        for (const auto& [curveId, curve] : section.curves) {
            const int first = curve->pointIds.front(), last = curve->pointIds.back();
            if (((at(first, a) && at(last, b)) || (at(first, b) && at(last, a))) && walls.count(curveId) != 0)
                return walls.at(curveId);
        }
        return -1.0;
    };
    EXPECT_EQ(wallOfLine({0, 0}, {150, 0}), 10.0);           // bottom of the lower flange
    EXPECT_EQ(wallOfLine({150, 10}, {78.75, 10}), 10.0);     // its top, out to the web
    EXPECT_EQ(wallOfLine({78.75, 10}, {78.75, 290}), 7.5);   // a face of the web
    EXPECT_EQ(wallOfLine({150, 0}, {150, 10}), 10.0);        // the flange's end closes it
    // Searched only below the limit: walls of 10 are then left out.
    const std::map<int, double> thinOnly = WallsOfCurves(Section(id), 9.0);
    ASSERT_EQ(thinOnly.size(), 2u);
    for (const auto& [curveId, thickness] : thinOnly)
        EXPECT_EQ(thickness, 7.5);
}

TEST_F(WallThicknessTest, UnusedDomainsHaveNoWalls)
{
    const int id = GeneratePlane(DrawRectangle(0, 0, 150, 6));
    ASSERT_NE(id, 0);
    for (auto& [domainId, domain] : model.FindSection(id)->domains)
        domain->used = false;
    EXPECT_TRUE(WallsOfCurves(Section(id), 1e6).empty());
}

}  // namespace
