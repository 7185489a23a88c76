// The contrast of text on its background as WCAG 2 defines it, and the
// choice of a text colour that can be read on a fill.

#include "frame/ColourContrast.h"

#include <gtest/gtest.h>

namespace {

TEST(ColourContrast, RatiosAreThoseOfTheGuidelines)
{
    // Black on white is the largest ratio, 21; grey #767676 is the lightest
    // grey the guidelines' examples give as 4.5 on white; #949494 is 3.03.
    const struct {
        wxColour first;
        wxColour second;
        double ratio;
    } cases[] = {
        {*wxBLACK, *wxWHITE, 21.0},
        {*wxWHITE, *wxBLACK, 21.0},
        {wxColour(0x76, 0x76, 0x76), *wxWHITE, 4.54},
        {wxColour(0x94, 0x94, 0x94), *wxWHITE, 3.03},
        {wxColour(0, 0, 255), *wxWHITE, 8.59},
        {wxColour(10, 200, 30), wxColour(10, 200, 30), 1.0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(ContrastRatio(c.first, c.second), c.ratio, 0.005) << c.first.GetAsString(wxC2S_HTML_SYNTAX);
}

TEST(ColourContrast, TheFirstCandidateThatCanBeReadOnTheFillIsChosen)
{
    const wxColour lightGrey(0xED, 0xEB, 0xE9);
    const wxColour darkGrey(0x30, 0x30, 0x30);
    const wxColour link(0x1B, 0x6A, 0xCB);
    const struct {
        const char* name;
        wxColour fill;
        std::vector<wxColour> candidates;
        wxColour chosen;
    } cases[] = {
        {"white on light grey gives way", lightGrey, {*wxWHITE, link}, link},
        {"white on dark grey stays", darkGrey, {*wxWHITE, link}, *wxWHITE},
        {"an unset colour is passed over", lightGrey, {wxNullColour, link}, link},
        {"none readable", lightGrey, {*wxWHITE, wxColour(0xD0, 0xD0, 0xD0)}, wxNullColour},
        {"no candidates", lightGrey, {}, wxNullColour},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstReadableOn(c.fill, c.candidates), c.chosen) << c.name;
}

}  // namespace
