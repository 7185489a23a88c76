#pragma once

// Fourteen thin-walled and compact sections with independently computed
// values: cubic finite elements on corner-graded meshes, extrapolated over
// three to five refinements and bracketed by upper and lower bounds (warping
// and stress functions for J, shear and complementary stress functions for the
// shear areas), all at Poisson's ratio 0. The digits below are converged to
// within one unit of the last one. The first six have walls of 1/25 of their
// extent or thicker; the next six are slender (cold-formed shapes, a plate
// girder, a strip 500 times longer than thick); the last two are slit tubes,
// open sections whose warping resistance is large beside their J. Header
// only, so the benchmarks use the same.

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
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
    // Below half the thinnest wall, so that drawing joins no faces of it.
    double tolerance = 1.0;
};

// The first of the slender sections and of the slit tubes in Sections().
constexpr std::size_t kFirstSlenderSection = 6;
constexpr std::size_t kFirstSlitTube = 12;

// A tube of outer radius ro and inner ri centred at the origin, cut open by a
// slit `slit` wide on the positive x side: each arc in `steps` straight lines,
// the slit's faces exactly at y = ±slit/2.
inline Outline SlitTube(double ro, double ri, double slit, int steps)
{
    const double h = slit / 2.0;
    Outline outline;
    const auto arc = [&outline, h, steps](double radius, int from, int to) {
        const double start = std::asin(h / radius);
        const int step = from < to ? 1 : -1;
        for (int k = from;; k += step) {
            const double angle = start + (2.0 * std::numbers::pi - 2.0 * start) * k / steps;
            const double y = k == 0 ? h : k == steps ? -h : radius * std::sin(angle);
            outline.push_back({radius * std::cos(angle), y});
            if (k == to)
                break;
        }
    };
    arc(ro, 0, steps);
    arc(ri, steps, 0);
    return outline;
}

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
        {"Strip500x1", {{0, 0}, {500, 0}, {500, 1}, {0, 1}}, {}, 500, 166.456583708, 416.6666667, 416.6666667,
         0.1},
        {"LippedChannel150x60x15x1_5",
         {{0, 0}, {60, 0}, {60, 15}, {58.5, 15}, {58.5, 1.5}, {1.5, 1.5}, {1.5, 148.5}, {58.5, 148.5}, {58.5, 135},
          {60, 135}, {60, 150}, {0, 150}},
         {},
         441,
         331.154390,
         116.3228527,
         183.3894699,
         0.1},
        {"Z200x70x2",
         {{0, 0}, {70, 0}, {70, 198}, {138, 198}, {138, 200}, {68, 200}, {68, 2}, {0, 2}},
         {},
         672,
         894.958373,
         197.7415385,
         361.4173568,
         0.1},
        {"SquareHollow100x100x1",
         {{0, 0}, {100, 0}, {100, 100}, {0, 100}},
         {{1, 1}, {1, 99}, {99, 99}, {99, 1}},
         396,
         974691.890,
         165.7155364,
         165.7155364,
         0.1},
        {"PlateGirder1230Web1200x6",
         {{0, 0}, {300, 0}, {300, 15}, {153, 15}, {153, 1215}, {300, 1215}, {300, 1230}, {0, 1230}, {0, 1215},
          {147, 1215}, {147, 15}, {0, 15}},
         {},
         16200,
         743817.71,
         7522.62663,
         7188.83560,
         0.1},
        {"Angle60x60x1", {{0, 0}, {60, 0}, {60, 1}, {1, 1}, {1, 60}, {0, 60}}, {}, 119, 39.52907434, 49.78609205,
         49.78609205, 0.1},
        {"SlitTubeR50Wall1_5Slit3", SlitTube(50, 48.5, 3, 90), {}, 459.2981385, 343.0363524, 231.8881435,
         77.36169289, 0.1},
        {"SlitTubeR20Wall1Slit2", SlitTube(20, 19, 2, 36), {}, 119.9153271, 39.48266918, 60.89042145, 20.34550267,
         0.1},
    };
    return sections;
}

// The section's outline and hole drawn as two-point lines, under the
// section's tolerance.
inline std::vector<int> DrawReferenceSection(CSectModel& model, const ReferenceSection& section)
{
    model.SetTolerance(section.tolerance);
    std::vector<int> curves = props_shapes::DrawPolygon(model, section.outline);
    if (!section.hole.empty()) {
        const std::vector<int> hole = props_shapes::DrawPolygon(model, section.hole);
        curves.insert(curves.end(), hole.begin(), hole.end());
    }
    return curves;
}

}  // namespace reference_sections
