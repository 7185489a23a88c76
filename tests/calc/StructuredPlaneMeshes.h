#pragma once

// Hand-made structured plane meshes written straight into a model's
// finite-element maps, as the mesher leaves them: nodes and elements counted
// from 1, element corners counter-clockwise. Header only, so the benchmarks
// build the same meshes.

#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <vector>

#include "model/SectModel.h"

namespace plane_meshes {

inline constexpr int kSteelId = 1;

// A material record as the model holds it; built directly so that a Poisson's
// ratio of 0 is possible.
inline void AddMaterial(CSectModel& model, int id, double modulus, double poisson) {
    auto material = std::make_unique<T_MATERIAL_D>();
    material->id = id;
    material->name = std::to_string(id);  // names play no part here
    material->elasticModulus = modulus;
    material->poissonRatio = poisson;
    model.m_materials[id] = std::move(material);
}

inline int AddNode(CSectModel& model, double x, double y) {
    const int id = static_cast<int>(model.m_feNodes.size()) + 1;
    auto node = std::make_unique<T_FENODE_D>();
    node->id = id;
    node->xy[0] = x;
    node->xy[1] = y;
    model.m_feNodes[id] = std::move(node);
    return id;
}

inline int AddElement(CSectModel& model, std::vector<int> nodeIds, int materialId = kSteelId) {
    const int id = static_cast<int>(model.m_feElements.size()) + 1;
    auto element = std::make_unique<T_FEELEM_D>();
    element->id = id;
    element->materialId = materialId;
    for (int node : nodeIds) model.m_feNodes.at(node)->elementIds.push_back(id);
    element->nodeIds = std::move(nodeIds);
    model.m_feElements[id] = std::move(element);
    return id;
}

enum class Cells { Quadrilaterals, Triangles };

// Maps the parameter square's grid point (i / nx, j / ny) to the plane.
using GridMap = std::function<void(double u, double v, double& x, double& y)>;
// Whether cell (i, j) belongs to the mesh.
using CellFilter = std::function<bool(int i, int j)>;

// A structured nx x ny grid through a map that keeps the orientation; cells
// the filter drops leave their unused nodes out. Triangles split each cell
// along alternating diagonals.
inline void AddGrid(CSectModel& model, int nx, int ny, const GridMap& map, Cells cells = Cells::Quadrilaterals,
                    const CellFilter& keep = {}, int materialId = kSteelId) {
    const auto used = [&](int i, int j) { return !keep || keep(i, j); };
    std::vector<int> id(static_cast<std::size_t>(nx + 1) * (ny + 1), 0);
    const auto node = [&](int i, int j) -> int {
        int& slot = id[static_cast<std::size_t>(j) * (nx + 1) + i];
        if (slot == 0) {
            double x = 0.0, y = 0.0;
            map(static_cast<double>(i) / nx, static_cast<double>(j) / ny, x, y);
            slot = AddNode(model, x, y);
        }
        return slot;
    };
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) {
            if (!used(i, j)) continue;
            const int a = node(i, j), b = node(i + 1, j), c = node(i + 1, j + 1), d = node(i, j + 1);
            if (cells == Cells::Quadrilaterals) {
                AddElement(model, {a, b, c, d}, materialId);
            } else if ((i + j) % 2 == 0) {
                AddElement(model, {a, b, c}, materialId);
                AddElement(model, {a, c, d}, materialId);
            } else {
                AddElement(model, {a, b, d}, materialId);
                AddElement(model, {b, c, d}, materialId);
            }
        }
    }
}

// A rectangle width x height with its lower-left corner at (x0, y0).
inline GridMap Rectangle(double width, double height, double x0 = 0.0, double y0 = 0.0) {
    return [=](double u, double v, double& x, double& y) {
        x = x0 + u * width;
        y = y0 + v * height;
    };
}

// Any grid map followed by a rotation about the origin and a shift.
inline GridMap Turned(GridMap map, double degrees, double dx = 0.0, double dy = 0.0) {
    const double c = std::cos(degrees * std::numbers::pi / 180.0), s = std::sin(degrees * std::numbers::pi / 180.0);
    return [=](double u, double v, double& x, double& y) {
        double px = 0.0, py = 0.0;
        map(u, v, px, py);
        x = c * px - s * py + dx;
        y = s * px + c * py + dy;
    };
}

// Point on a regular polygon of `sides` sides and circumradius `radius`, at
// the fraction v of the way around (counter-clockwise from the +x axis).
inline void PolygonPoint(double radius, int sides, double v, double& x, double& y) {
    const double side = v * sides;
    const int k = static_cast<int>(std::floor(side + 1e-9));
    const double t = side - k;
    const double a0 = 2.0 * std::numbers::pi * k / sides, a1 = 2.0 * std::numbers::pi * (k + 1) / sides;
    x = radius * ((1.0 - t) * std::cos(a0) + t * std::cos(a1));
    y = radius * ((1.0 - t) * std::sin(a0) + t * std::sin(a1));
}

// Polygonal ring (or disc, inner = 0) between regular polygons of `sides`
// sides, `around` cells around (a multiple of sides: the extra nodes lie on
// the polygon sides) and `through` cells through the wall. A disc's centre
// is one node with a fan of triangles around it.
inline void AddPolygonalRing(CSectModel& model, double inner, double outer, int sides, int around, int through,
                             Cells cells = Cells::Quadrilaterals) {
    const bool disc = inner == 0.0;
    const int centre = disc ? AddNode(model, 0.0, 0.0) : 0;
    std::vector<int> id(static_cast<std::size_t>(around) * (through + 1), 0);
    for (int i = disc ? 1 : 0; i <= through; ++i) {
        const double radius = inner + (outer - inner) * i / through;
        for (int k = 0; k < around; ++k) {
            double x = 0.0, y = 0.0;
            PolygonPoint(radius, sides, static_cast<double>(k) / around, x, y);
            id[static_cast<std::size_t>(k) * (through + 1) + i] = AddNode(model, x, y);
        }
    }
    const auto node = [&](int i, int k) { return id[static_cast<std::size_t>(k % around) * (through + 1) + i]; };
    for (int k = 0; k < around; ++k) {
        if (disc) AddElement(model, {centre, node(1, k), node(1, k + 1)});
        for (int i = disc ? 1 : 0; i < through; ++i) {
            // Radially outwards, then counter-clockwise around: counter-clockwise corners.
            const int a = node(i, k), b = node(i + 1, k), c = node(i + 1, k + 1), d = node(i, k + 1);
            if (cells == Cells::Quadrilaterals) {
                AddElement(model, {a, b, c, d});
            } else {
                AddElement(model, {a, b, c});
                AddElement(model, {a, c, d});
            }
        }
    }
}

// A tube of outer radius `outer` and wall `wall`, centred at the origin, cut
// open on the +x side by a slit of `slitAngle` radians: `around` cells along
// the wall and `through` across it.
inline void AddSlitRing(CSectModel& model, double outer, double wall, double slitAngle, int around, int through) {
    AddGrid(model, through, around, [=](double u, double v, double& x, double& y) {
        // Outwards, then counter-clockwise around: counter-clockwise corners.
        const double radius = outer - wall + wall * u;
        const double angle = slitAngle / 2.0 + (2.0 * std::numbers::pi - slitAngle) * v;
        x = radius * std::cos(angle);
        y = radius * std::sin(angle);
    });
}

// Second moments of a simple polygon (counter-clockwise vertices) about the
// origin: area, Ixx = ∫y², Iyy = ∫x², and the first moments.
struct PolygonMoments {
    double area = 0.0, sx = 0.0, sy = 0.0, ixx = 0.0, iyy = 0.0;
};

inline PolygonMoments MomentsOf(const std::vector<std::pair<double, double>>& vertices) {
    PolygonMoments m;
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        const auto [x0, y0] = vertices[i];
        const auto [x1, y1] = vertices[(i + 1) % vertices.size()];
        const double cross = x0 * y1 - x1 * y0;
        m.area += cross / 2.0;
        m.sx += (x0 + x1) * cross / 6.0;
        m.sy += (y0 + y1) * cross / 6.0;
        m.iyy += (x0 * x0 + x0 * x1 + x1 * x1) * cross / 12.0;
        m.ixx += (y0 * y0 + y0 * y1 + y1 * y1) * cross / 12.0;
    }
    return m;
}

inline std::vector<std::pair<double, double>> RegularPolygon(double radius, int sides) {
    std::vector<std::pair<double, double>> vertices;
    for (int k = 0; k < sides; ++k) {
        const double a = 2.0 * std::numbers::pi * k / sides;
        vertices.emplace_back(radius * std::cos(a), radius * std::sin(a));
    }
    return vertices;
}

}  // namespace plane_meshes
