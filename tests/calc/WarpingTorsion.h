#pragma once

// An independent torsion constant: Saint-Venant's warping function ψ solved
// with linear triangles on a structured mesh, J = min over ψ of
// ∫ (∂ψ/∂x − y)² + (∂ψ/∂y + x)² dA = Ip − ∫ |∇ψ|² dA, by conjugate gradients.
// Nothing here shares code with the solid model. Header only, so the
// benchmarks use the same reference values.

#include <array>
#include <cmath>
#include <numbers>
#include <set>
#include <vector>

namespace warping {

struct TriangleMesh {
    std::vector<std::array<double, 2>> nodes;
    std::vector<std::array<int, 3>> triangles;  // counter-clockwise, 0-based
};

// Grid lines through every edge of the parts, each interval cut into pieces
// no longer than h.
inline std::vector<double> GridLines(std::set<double> edges, double h) {
    std::vector<double> lines;
    double previous = *edges.begin();
    lines.push_back(previous);
    for (auto it = std::next(edges.begin()); it != edges.end(); ++it) {
        const int pieces = static_cast<int>(std::ceil((*it - previous) / h - 1e-9));
        for (int k = 1; k <= pieces; ++k) lines.push_back(previous + (*it - previous) * k / pieces);
        previous = *it;
    }
    return lines;
}

// A union of axis-parallel rectangles {x0, y0, x1, y1}, cells of size up to
// h, each cut into two triangles.
inline TriangleMesh RectanglesMesh(const std::vector<std::array<double, 4>>& parts, double h) {
    std::set<double> xs, ys;
    for (const auto& [x0, y0, x1, y1] : parts) {
        xs.insert({x0, x1});
        ys.insert({y0, y1});
    }
    const std::vector<double> gx = GridLines(xs, h), gy = GridLines(ys, h);
    const auto inside = [&](double x, double y) {
        for (const auto& [x0, y0, x1, y1] : parts) {
            if (x > x0 && x < x1 && y > y0 && y < y1) return true;
        }
        return false;
    };
    TriangleMesh mesh;
    std::vector<int> id(gx.size() * gy.size(), -1);
    const auto node = [&](std::size_t i, std::size_t j) {
        int& slot = id[j * gx.size() + i];
        if (slot < 0) {
            slot = static_cast<int>(mesh.nodes.size());
            mesh.nodes.push_back({gx[i], gy[j]});
        }
        return slot;
    };
    for (std::size_t j = 0; j + 1 < gy.size(); ++j) {
        for (std::size_t i = 0; i + 1 < gx.size(); ++i) {
            if (!inside((gx[i] + gx[i + 1]) / 2, (gy[j] + gy[j + 1]) / 2)) continue;
            const int a = node(i, j), b = node(i + 1, j), c = node(i + 1, j + 1), d = node(i, j + 1);
            mesh.triangles.push_back({a, b, c});
            mesh.triangles.push_back({a, c, d});
        }
    }
    return mesh;
}

// The ring between two regular polygons of `sides` sides (circumradii inner
// and outer, a vertex on +x), `around` cells around (a multiple of sides) and
// `through` cells through the wall.
inline TriangleMesh PolygonRingMesh(double inner, double outer, int sides, int around, int through) {
    TriangleMesh mesh;
    for (int i = 0; i <= through; ++i) {
        const double radius = inner + (outer - inner) * i / through;
        for (int k = 0; k < around; ++k) {
            const int side = k * sides / around;
            const double t = static_cast<double>(k * sides % around) / around;
            const double a0 = 2 * std::numbers::pi * side / sides, a1 = 2 * std::numbers::pi * (side + 1) / sides;
            mesh.nodes.push_back({radius * ((1 - t) * std::cos(a0) + t * std::cos(a1)),
                                  radius * ((1 - t) * std::sin(a0) + t * std::sin(a1))});
        }
    }
    const auto node = [&](int i, int k) { return i * around + k % around; };
    for (int i = 0; i < through; ++i) {
        for (int k = 0; k < around; ++k) {
            const int a = node(i, k), b = node(i + 1, k), c = node(i + 1, k + 1), d = node(i, k + 1);
            mesh.triangles.push_back({a, b, c});
            mesh.triangles.push_back({a, c, d});
        }
    }
    return mesh;
}

// J of the mesh's domain.
inline double TorsionConstant(const TriangleMesh& mesh) {
    struct Element {
        std::array<int, 3> node;
        double area;
        double gx[3], gy[3];  // gradients of the shape functions
        double x, y;          // centroid
    };
    double area = 0.0, sx = 0.0, sy = 0.0;
    for (const auto& t : mesh.triangles) {
        const auto &p = mesh.nodes[t[0]], &q = mesh.nodes[t[1]], &r = mesh.nodes[t[2]];
        const double a = ((q[0] - p[0]) * (r[1] - p[1]) - (r[0] - p[0]) * (q[1] - p[1])) / 2;
        area += a;
        sx += a * (p[0] + q[0] + r[0]) / 3;
        sy += a * (p[1] + q[1] + r[1]) / 3;
    }
    const double cx = sx / area, cy = sy / area;

    std::vector<Element> elements;
    double polar = 0.0;
    for (const auto& t : mesh.triangles) {
        double x[3], y[3];
        for (int a = 0; a < 3; ++a) {
            x[a] = mesh.nodes[t[a]][0] - cx;
            y[a] = mesh.nodes[t[a]][1] - cy;
        }
        Element e{t, ((x[1] - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (y[1] - y[0])) / 2, {}, {}, 0, 0};
        for (int a = 0; a < 3; ++a) {
            const int b = (a + 1) % 3, c = (a + 2) % 3;
            e.gx[a] = (y[b] - y[c]) / (2 * e.area);
            e.gy[a] = (x[c] - x[b]) / (2 * e.area);
        }
        e.x = (x[0] + x[1] + x[2]) / 3;
        e.y = (y[0] + y[1] + y[2]) / 3;
        // ∫ x² + y² over the triangle: area/12 · (Σ u_a² + 9 ū²) per coordinate.
        polar += e.area / 12 *
                 (x[0] * x[0] + x[1] * x[1] + x[2] * x[2] + 9 * e.x * e.x + y[0] * y[0] + y[1] * y[1] + y[2] * y[2] +
                  9 * e.y * e.y);
        elements.push_back(e);
    }

    const std::size_t n = mesh.nodes.size();
    const auto multiply = [&](const std::vector<double>& v, std::vector<double>& out) {
        out.assign(n, 0.0);
        for (const Element& e : elements) {
            double gx = 0, gy = 0;
            for (int a = 0; a < 3; ++a) {
                gx += e.gx[a] * v[e.node[a]];
                gy += e.gy[a] * v[e.node[a]];
            }
            for (int a = 0; a < 3; ++a) out[e.node[a]] += e.area * (e.gx[a] * gx + e.gy[a] * gy);
        }
    };
    std::vector<double> rhs(n, 0.0), diagonal(n, 0.0);
    for (const Element& e : elements) {
        for (int a = 0; a < 3; ++a) {
            rhs[e.node[a]] += e.area * (e.y * e.gx[a] - e.x * e.gy[a]);
            diagonal[e.node[a]] += e.area * (e.gx[a] * e.gx[a] + e.gy[a] * e.gy[a]);
        }
    }
    // Jacobi-preconditioned conjugate gradients; the system is singular only
    // by a constant, which the right-hand side does not excite.
    const auto dot = [n](const std::vector<double>& a, const std::vector<double>& b) {
        double sum = 0.0;
        for (std::size_t i = 0; i < n; ++i) sum += a[i] * b[i];
        return sum;
    };
    std::vector<double> psi(n, 0.0), r = rhs, z(n), p(n), kp;
    for (std::size_t i = 0; i < n; ++i) z[i] = r[i] / diagonal[i];
    p = z;
    double rz = dot(r, z);
    const double stop = 1e-26 * dot(rhs, rhs);
    for (std::size_t iteration = 0; iteration < 20 * n && dot(r, r) > stop; ++iteration) {
        multiply(p, kp);
        const double alpha = rz / dot(p, kp);
        for (std::size_t i = 0; i < n; ++i) {
            psi[i] += alpha * p[i];
            r[i] -= alpha * kp[i];
            z[i] = r[i] / diagonal[i];
        }
        const double next = dot(r, z);
        for (std::size_t i = 0; i < n; ++i) p[i] = z[i] + next / rz * p[i];
        rz = next;
    }
    multiply(psi, kp);
    return polar - dot(psi, kp);
}

// J extrapolated from cells of size h and h/2 (the error of linear triangles
// falls as h²).
inline double ExtrapolatedTorsion(const std::vector<std::array<double, 4>>& parts, double h) {
    const double coarse = TorsionConstant(RectanglesMesh(parts, h));
    const double fine = TorsionConstant(RectanglesMesh(parts, h / 2));
    return (4 * fine - coarse) / 3;
}

}  // namespace warping
