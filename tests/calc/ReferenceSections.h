#pragma once

// Six thin-walled and compact sections with independently computed values:
// cubic finite elements on corner-graded meshes, extrapolated over five
// refinements and bracketed by upper and lower bounds (warping and stress
// functions for J, shear and complementary stress functions for the shear
// areas), all at Poisson's ratio 0. The digits below are converged to within
// one unit of the last one. Header only, so the benchmarks use the same.

#include <array>
#include <vector>

#include "PropsShapes.h"

namespace reference_sections {

using Outline = std::vector<std::array<double, 2>>;

struct ReferenceSection {
    const char* name;
    Outline outline;  // counter-clockwise
    Outline hole;     // clockwise; empty when none
    double area;
    double torsion;
    double shearAreaX;  // shear force along x
    double shearAreaY;
};

inline const std::vector<ReferenceSection>& Sections()
{
    static const std::vector<ReferenceSection> sections = {
        {"I300x150",
         {{0, 0}, {150, 0}, {150, 10}, {78.75, 10}, {78.75, 290}, {150, 290}, {150, 300}, {0, 300}, {0, 290},
          {71.25, 290}, {71.25, 10}, {0, 10}},
         {},
         5100,
         138226.7092,
         2536.360914,
         2104.152062},
        {"Channel200x80",
         {{0, 0}, {80, 0}, {80, 11}, {7.5, 11}, {7.5, 189}, {80, 189}, {80, 200}, {0, 200}},
         {},
         3095,
         91621.7184,
         911.539429,
         1296.775014},
        {"Angle120x80x10", {{0, 0}, {120, 0}, {120, 10}, {10, 10}, {10, 80}, {0, 80}}, {}, 1900, 61957.4100,
         1018.6174380, 626.223285},
        {"T150x100x12",
         {{-6, 0}, {6, 0}, {6, 88}, {75, 88}, {75, 100}, {-75, 100}, {-75, 88}, {-6, 88}},
         {},
         2856,
         136607.5552,
         1546.308075,
         879.258422},
        {"Strip150x6", {{0, 0}, {150, 0}, {150, 6}, {0, 6}}, {}, 900, 10527.7324854, 750, 750},
        {"RHS150x100x6",
         {{0, 0}, {150, 0}, {150, 100}, {0, 100}},
         {{6, 6}, {6, 94}, {144, 94}, {144, 6}},
         2856,
         9461883.94,
         1572.088335,
         863.428490},
    };
    return sections;
}

// The section's outline and hole drawn as two-point lines.
inline std::vector<int> DrawReferenceSection(CSectModel& model, const ReferenceSection& section)
{
    std::vector<int> curves = props_shapes::DrawPolygon(model, section.outline);
    if (!section.hole.empty()) {
        const std::vector<int> hole = props_shapes::DrawPolygon(model, section.hole);
        curves.insert(curves.end(), hole.begin(), hole.end());
    }
    return curves;
}

}  // namespace reference_sections
