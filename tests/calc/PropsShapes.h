#pragma once

// Plane sections drawn through the model's own curve commands and generated,
// as a user would make them. Header only, so the benchmarks build the same.

#include <array>
#include <cmath>
#include <utility>
#include <numbers>
#include <string>
#include <vector>

#include "model/SectModel.h"

namespace props_shapes {

inline std::vector<int> NewCurves(CSectModel& model)
{
    std::vector<int> ids;
    model.GetNewcomerCurves(ids);
    return ids;
}

// A closed polygon of two-point lines through the corners.
inline std::vector<int> DrawPolygon(CSectModel& model, const std::vector<std::array<double, 2>>& corners)
{
    std::vector<int> ids;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const std::array<double, 2>& a = corners[i];
        const std::array<double, 2>& b = corners[(i + 1) % corners.size()];
        model.CreateLine(a.data(), b.data(), ALIGN_CENTER, 0.0);
        const std::vector<int> made = NewCurves(model);
        ids.insert(ids.end(), made.begin(), made.end());
    }
    return ids;
}

inline std::vector<int> DrawRectangle(CSectModel& model, double width, double height)
{
    const double c1[2] = {0.0, 0.0}, c2[2] = {width, height};
    model.CreateRectangle(c1, c2, ALIGN_CENTER, 0.0);
    return NewCurves(model);
}

// Circles are divided by the project's angle step (36 points at the default).
inline std::vector<int> DrawTube(CSectModel& model, double diameter, double wall)
{
    const double centre[2] = {0.0, 0.0};
    model.CreateCircle(centre, diameter / 2.0, ALIGN_CENTER, 0.0, 0.0);
    std::vector<int> ids = NewCurves(model);
    if (wall > 0.0) {
        model.CreateCircle(centre, diameter / 2.0 - wall, ALIGN_CENTER, 0.0, 0.0);
        const std::vector<int> inner = NewCurves(model);
        ids.insert(ids.end(), inner.begin(), inner.end());
    }
    return ids;
}

inline std::vector<int> DrawEquilateralTriangle(CSectModel& model, double side)
{
    return DrawPolygon(model, {{0.0, 0.0}, {side, 0.0}, {side / 2.0, side * std::sqrt(3.0) / 2.0}});
}

// A doubly symmetric I: flanges width × flange, web web thick, depth overall.
inline std::vector<int> DrawISection(CSectModel& model, double depth, double width, double flange, double web)
{
    const double x0 = (width - web) / 2.0, x1 = (width + web) / 2.0;
    return DrawPolygon(model, {{0, 0}, {width, 0}, {width, flange}, {x1, flange}, {x1, depth - flange},
                               {width, depth - flange}, {width, depth}, {0, depth}, {0, depth - flange},
                               {x0, depth - flange}, {x0, flange}, {0, flange}});
}

// A channel depth × width, flanges and web all `wall` thick, open to the right.
inline std::vector<int> DrawChannel(CSectModel& model, double depth, double width, double wall)
{
    return DrawPolygon(model, {{0, 0}, {width, 0}, {width, wall}, {wall, wall}, {wall, depth - wall},
                               {width, depth - wall}, {width, depth}, {0, depth}});
}

// An angle with legs `horizontal` and `vertical` long, both `wall` thick.
inline std::vector<int> DrawAngle(CSectModel& model, double horizontal, double vertical, double wall)
{
    return DrawPolygon(model, {{0, 0}, {horizontal, 0}, {horizontal, wall}, {wall, wall}, {wall, vertical},
                               {0, vertical}});
}

// A material of near-zero Poisson's ratio (the material commands refuse 0)
// on every domain of a new plane section; the section's id, 0 when refused.
inline int GenerateSteelSection(CSectModel& model, const std::vector<int>& curveIds)
{
    if (!model.FindMaterial(1))
        model.CreateMaterial(1, "Steel", 2.0e5, 1e-6);
    const int grey[3] = {128, 128, 128};
    const int id = model.GenerateSection("", SECTION_PLANE, curveIds, false, 0.0, grey, "", false, 0.0);
    if (T_SECTION_D* section = model.FindSection(id)) {
        for (auto& [domainId, domain] : section->domains)
            domain->materialId = 1;
    }
    return id;
}

// Saint-Venant's series for a solid rectangle a × b: J = β a b³ (a ≥ b).
inline double RectangleTorsion(double a, double b)
{
    if (a < b)
        std::swap(a, b);
    double sum = 0.0;
    for (int n = 1; n < 200; n += 2)
        sum += std::tanh(n * std::numbers::pi * a / (2.0 * b)) / std::pow(n, 5);
    return a * b * b * b / 3.0 * (1.0 - 192.0 / std::pow(std::numbers::pi, 5) * b / a * sum);
}

// J of a disc of diameter d drawn as the 36-gon of the default angle step:
// the disc's J scaled by the square of the area ratio, as J of a nearly
// circular section grows with the square of its area. A series solution for
// the 36-gon itself gives 0.02 % less (9,716,284 for d = 100).
inline double Disc36Torsion(double diameter)
{
    const double areaRatio = 36.0 * std::sin(2.0 * std::numbers::pi / 36.0) / 2.0 / std::numbers::pi;
    return std::numbers::pi * std::pow(diameter, 4) / 32.0 * areaRatio * areaRatio;
}

inline double TubeTorsion(double diameter, double wall)
{
    return std::numbers::pi * (std::pow(diameter, 4) - std::pow(diameter - 2.0 * wall, 4)) / 32.0;
}

inline double EquilateralTriangleTorsion(double side) { return std::sqrt(3.0) * std::pow(side, 4) / 80.0; }

}  // namespace props_shapes
