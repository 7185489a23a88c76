#include "calc/SolidElements.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// Integration constants as the solver has always used them (rounded).
constexpr double kWedgeThicknessAbscissa = 0.5773502588272095;
constexpr double kWedgeWeight = 0.166667;
constexpr double kHexaAbscissa = 0.5773503184318542;

// Each element is formed in extended precision and rounded once, after the
// rigid links have merged its end face: a cantilever element is thousands of
// times longer than wide, so its in-plane terms are that many times larger
// than the stiffness left after they cancel under a rigid end, and identical
// elements of a regular grid would otherwise add up the same rounding.
using Real = StiffnessReal;
using Vector3 = std::array<Real, 3>;
using Matrix3 = std::array<Vector3, 3>;

struct IntegrationPoint {
    Vector3 natural;
    double weight;
};

// What distinguishes the two elements for the common integration.
struct ElementKind {
    int nodeCount;
    // Incompatible functions 1 - c² of the natural coordinate c = modeAxis[k],
    // each for the three displacement components.
    std::vector<int> modeAxis;
    // Natural axes along which the extrusion keeps det J constant: a mode of
    // such an axis already integrates to zero strain. The others are scaled
    // by det J0 / det J at each point so that theirs does too on a distorted
    // base; scaling the through-length mode as well would make its strain
    // vary across the section and lock the single long element in bending.
    std::vector<bool> modeAlongExtrusion;
    // Natural point where the Jacobian of the incompatible modes is taken.
    Vector3 centre;
    std::vector<IntegrationPoint> points;
    // Derivatives dN/d(natural) of every node's shape function at a point.
    void (*shapeDerivatives)(const Vector3& natural, Vector3* derivatives);
};

// Wedge: L1 = 1 - r - s, L2 = r, L3 = s; nodes 1-3 at ζ = -1, nodes 4-6 at ζ = +1.
void WedgeShapeDerivatives(const Vector3& natural, Vector3* derivatives) {
    const Real r = natural[0], s = natural[1], zeta = natural[2];
    const Real area[3] = {1.0 - r - s, r, s};
    const double dArea[3][2] = {{-1.0, -1.0}, {1.0, 0.0}, {0.0, 1.0}};
    for (int i = 0; i < 3; ++i) {
        for (int level = 0; level < 2; ++level) {
            const double side = level == 0 ? -1.0 : 1.0;
            const Real thickness = (1.0 + side * zeta) / 2.0;
            derivatives[i + 3 * level] = {dArea[i][0] * thickness, dArea[i][1] * thickness, area[i] * side / 2.0};
        }
    }
}

constexpr double kHexaCorner[8][3] = {{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1},
                                      {-1, -1, 1},  {1, -1, 1},  {1, 1, 1},  {-1, 1, 1}};

void HexaShapeDerivatives(const Vector3& natural, Vector3* derivatives) {
    for (int i = 0; i < 8; ++i) {
        Real factor[3];
        for (int k = 0; k < 3; ++k) factor[k] = 1.0 + kHexaCorner[i][k] * natural[k];
        derivatives[i] = {kHexaCorner[i][0] * factor[1] * factor[2] / 8.0,
                          kHexaCorner[i][1] * factor[0] * factor[2] / 8.0,
                          kHexaCorner[i][2] * factor[0] * factor[1] / 8.0};
    }
}

const ElementKind& WedgeKind() {
    static const ElementKind kind = [] {
        ElementKind k{6, {2}, {true}, {1.0 / 3.0, 1.0 / 3.0, 0.0}, {}, WedgeShapeDerivatives};
        const double triangle[3][2] = {{0.5, 0.5}, {0.0, 0.5}, {0.5, 0.0}};
        for (double zeta : {-kWedgeThicknessAbscissa, kWedgeThicknessAbscissa}) {
            for (const auto& rs : triangle) k.points.push_back({{rs[0], rs[1], zeta}, kWedgeWeight});
        }
        return k;
    }();
    return kind;
}

const ElementKind& HexaKind() {
    static const ElementKind kind = [] {
        ElementKind k{8, {0, 1, 2}, {false, false, true}, {0.0, 0.0, 0.0}, {}, HexaShapeDerivatives};
        // The point nearest node i is point i.
        for (const auto& corner : kHexaCorner) {
            k.points.push_back(
                {{corner[0] * kHexaAbscissa, corner[1] * kHexaAbscissa, corner[2] * kHexaAbscissa}, 1.0});
        }
        return k;
    }();
    return kind;
}

// Jacobian J(i, j) = d x_j / d natural_i; false when its determinant is not positive.
bool JacobianInverse(const Vector3* derivatives, const Vector3* local, int nodeCount, Matrix3& inverse,
                     Real& determinant) {
    Matrix3 j{};
    for (int a = 0; a < nodeCount; ++a) {
        for (int i = 0; i < 3; ++i) {
            for (int k = 0; k < 3; ++k) j[i][k] += derivatives[a][i] * local[a][k];
        }
    }
    const Real c00 = j[1][1] * j[2][2] - j[1][2] * j[2][1];
    const Real c01 = j[1][2] * j[2][0] - j[1][0] * j[2][2];
    const Real c02 = j[1][0] * j[2][1] - j[1][1] * j[2][0];
    determinant = j[0][0] * c00 + j[0][1] * c01 + j[0][2] * c02;
    if (!(determinant > 0.0)) return false;
    const Real f = 1.0 / determinant;
    inverse[0] = {c00 * f, (j[0][2] * j[2][1] - j[0][1] * j[2][2]) * f, (j[0][1] * j[1][2] - j[0][2] * j[1][1]) * f};
    inverse[1] = {c01 * f, (j[0][0] * j[2][2] - j[0][2] * j[2][0]) * f, (j[0][2] * j[1][0] - j[0][0] * j[1][2]) * f};
    inverse[2] = {c02 * f, (j[0][1] * j[2][0] - j[0][0] * j[2][1]) * f, (j[0][0] * j[1][1] - j[0][1] * j[1][0]) * f};
    return true;
}

// Strain rows and gradient components of the nonzero entries of the
// strain-displacement columns (u, v, w) of one function; strains are
// εx, εy, εz, γxy, γyz, γzx.
constexpr int kStrainRow[3][3] = {{0, 3, 5}, {1, 3, 4}, {2, 4, 5}};
constexpr int kGradientComponent[3][3] = {{0, 1, 2}, {1, 0, 2}, {2, 1, 0}};

// Nodes and incompatible modes of the larger element.
constexpr int kMaxFunctions = 11;

// Whether function f (nodes first, then modes) is a node the caller throws away.
bool IsSkipped(unsigned skippedNodes, int function) {
    return function < 32 && ((skippedNodes >> function) & 1u) != 0;
}

// Adds the stiffness of one integration point to the upper triangle of k
// (row by row): for every pair of functions (nodes, then modes) the 3 x 3
// block Bᵀ D B times the factor. Blocks of skipped nodes stay untouched.
void AddPointStiffness(const Real (*gradients)[3], int functions, const Elasticity6& d, Real factor, Real* k,
                       int order, unsigned skippedNodes) {
    Real db[kMaxFunctions][6][3];  // D·B of each function
    for (int f = 0; f < functions; ++f) {
        if (IsSkipped(skippedNodes, f)) continue;
        for (int r = 0; r < 6; ++r) {
            for (int c = 0; c < 3; ++c) {
                Real sum = 0.0;
                for (int t = 0; t < 3; ++t) sum += d[r][kStrainRow[c][t]] * gradients[f][kGradientComponent[c][t]];
                db[f][r][c] = sum * factor;
            }
        }
    }
    for (int f1 = 0; f1 < functions; ++f1) {
        if (IsSkipped(skippedNodes, f1)) continue;
        const Real* g = gradients[f1];
        for (int i = 0; i < 3; ++i) {
            const int r0 = kStrainRow[i][0], r1 = kStrainRow[i][1], r2 = kStrainRow[i][2];
            const Real g0 = g[kGradientComponent[i][0]], g1 = g[kGradientComponent[i][1]],
                         g2 = g[kGradientComponent[i][2]];
            Real* row = k + static_cast<std::size_t>(3 * f1 + i) * order;
            for (int f2 = f1; f2 < functions; ++f2) {
                if (IsSkipped(skippedNodes, f2)) continue;
                for (int j = 0; j < 3; ++j)
                    row[3 * f2 + j] += g0 * db[f2][r0][j] + g1 * db[f2][r1][j] + g2 * db[f2][r2][j];
            }
        }
    }
}

// Static condensation of the freedoms kept .. order - 1, the last one first.
// Rows and columns of skipped nodes are left as they are.
void CondenseTrailingFreedoms(Real* k, int order, int kept, unsigned skippedNodes) {
    for (int p = order - 1; p >= kept; --p) {
        const Real* pivotRow = k + static_cast<std::size_t>(p) * order;
        for (int i = 0; i < p; ++i) {
            if (IsSkipped(skippedNodes, i / 3)) continue;
            Real* row = k + static_cast<std::size_t>(i) * order;
            const Real factor = row[p] / pivotRow[p];
            if (factor == 0.0) continue;
            for (int j = 0; j < p; ++j) {
                if (!IsSkipped(skippedNodes, j / 3)) row[j] -= factor * pivotRow[j];
            }
        }
    }
}

template <typename Number>
void TransformToGlobal(std::span<Number> matrix, int leadingDimension, const Rotation3& rotation, int order,
                       unsigned skippedNodes) {
    const auto at = [&](int r, int c) -> Number& { return matrix[static_cast<std::size_t>(c) * leadingDimension + r]; };
    for (int br = 0; br < order; br += 3) {
        if (IsSkipped(skippedNodes, br / 3)) continue;
        for (int bc = 0; bc < order; bc += 3) {
            if (IsSkipped(skippedNodes, bc / 3)) continue;
            Number kr[3][3] = {};  // K·R of the block
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j) {
                    for (int t = 0; t < 3; ++t) kr[i][j] += at(br + i, bc + t) * rotation[t][j];
                }
            }
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j) {
                    Number sum = 0.0;
                    for (int t = 0; t < 3; ++t) sum += rotation[t][i] * kr[t][j];
                    at(br + i, bc + j) = sum;
                }
            }
        }
    }
}

bool IncompatibleElementStiffness(const ElementKind& kind, const double x[], const double y[], const double z[],
                                  const Rotation3& rotation, const Elasticity6& d, std::span<Real> stiffness,
                                  int leadingDimension, unsigned skippedNodes) {
    const int nodes = kind.nodeCount;
    const int modes = static_cast<int>(kind.modeAxis.size());
    const int nodalOrder = 3 * nodes;
    const int order = 3 * (nodes + modes);

    // Local coordinates, the first node at the origin.
    std::vector<Vector3> local(nodes);
    for (int a = 0; a < nodes; ++a) {
        const Real delta[3] = {Real{x[a]} - x[0], Real{y[a]} - y[0], Real{z[a]} - z[0]};
        for (int k = 0; k < 3; ++k) {
            local[a][k] = rotation[k][0] * delta[0] + rotation[k][1] * delta[1] + rotation[k][2] * delta[2];
        }
    }

    std::vector<Vector3> naturalDerivatives(nodes);
    Matrix3 centreInverse{};
    Real centreDeterminant = 0.0;
    kind.shapeDerivatives(kind.centre, naturalDerivatives.data());
    if (!JacobianInverse(naturalDerivatives.data(), local.data(), nodes, centreInverse, centreDeterminant))
        return false;

    std::vector<Real> k(static_cast<std::size_t>(order) * order, 0.0);
    Real gradients[kMaxFunctions][3];
    for (const IntegrationPoint& point : kind.points) {
        Matrix3 inverse{};
        Real determinant = 0.0;
        kind.shapeDerivatives(point.natural, naturalDerivatives.data());
        if (!JacobianInverse(naturalDerivatives.data(), local.data(), nodes, inverse, determinant)) return false;
        for (int a = 0; a < nodes; ++a) {
            for (int j = 0; j < 3; ++j) {
                gradients[a][j] = inverse[j][0] * naturalDerivatives[a][0] + inverse[j][1] * naturalDerivatives[a][1] +
                                  inverse[j][2] * naturalDerivatives[a][2];
            }
        }
        // The modes' gradients through the centre Jacobian.
        for (int m = 0; m < modes; ++m) {
            const int axis = kind.modeAxis[m];
            const Real scale = kind.modeAlongExtrusion[m] ? 1.0 : centreDeterminant / determinant;
            for (int j = 0; j < 3; ++j)
                gradients[nodes + m][j] = centreInverse[j][axis] * (-2.0 * point.natural[axis]) * scale;
        }
        AddPointStiffness(gradients, nodes + modes, d, determinant * point.weight, k.data(), order, skippedNodes);
    }
    for (int r = 0; r < order; ++r) {
        for (int c = 0; c < r; ++c)
            k[static_cast<std::size_t>(r) * order + c] = k[static_cast<std::size_t>(c) * order + r];
    }

    CondenseTrailingFreedoms(k.data(), order, nodalOrder, skippedNodes);
    TransformToGlobal<Real>(k, order, rotation, nodalOrder, skippedNodes);
    for (int c = 0; c < nodalOrder; ++c) {
        for (int r = 0; r < nodalOrder; ++r) {
            stiffness[static_cast<std::size_t>(c) * leadingDimension + r] = k[static_cast<std::size_t>(c) * order + r];
        }
    }
    return true;
}

std::array<double, 3> Normalised(const std::array<double, 3>& v) {
    const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    return {v[0] / length, v[1] / length, v[2] / length};
}

// The element of the model's table in global axes, leading dimension 3 x nodes.
bool FormElementStiffness(const SolidModelTables& model, int element, const ElementKind& kind, LocalAxesKind axesKind,
                          std::span<Real> stiffness, unsigned skippedNodes) {
    const std::span<const int> row = model.ElementRow(element);
    const int material = row[0];
    if (material < 1 || material > model.MaterialCount()) return false;
    const std::size_t at = static_cast<std::size_t>(material - 1) * kMaterialColumns;
    Elasticity6 d;
    if (!IsotropicElasticity(model.materials[at], model.materials[at + 1], d)) return false;
    double x[8], y[8], z[8];
    for (int a = 0; a < kind.nodeCount; ++a) {
        const int node = row[2 + a];
        x[a] = model.Coordinate(node, 0);
        y[a] = model.Coordinate(node, 1);
        z[a] = model.Coordinate(node, 2);
    }
    Rotation3 rotation;
    ElementLocalAxes(x, y, z, rotation, axesKind);
    return IncompatibleElementStiffness(kind, x, y, z, rotation, d, stiffness, 3 * kind.nodeCount, skippedNodes);
}

// An element formed in extended precision, rounded into `stiffness`; entries
// the element does not write keep their values.
template <typename Form>
bool RoundedFormed(std::span<double> stiffness, Form form) {
    std::vector<Real> k(stiffness.begin(), stiffness.end());
    if (!form(std::span<Real>(k))) return false;
    std::copy(k.begin(), k.end(), stiffness.begin());
    return true;
}

bool RoundedElementStiffness(const ElementKind& kind, const double x[], const double y[], const double z[],
                             const Rotation3& rotation, const Elasticity6& d, std::span<double> stiffness,
                             int leadingDimension) {
    return RoundedFormed(stiffness, [&](std::span<Real> k) {
        return IncompatibleElementStiffness(kind, x, y, z, rotation, d, k, leadingDimension, 0);
    });
}

}  // namespace

void ElementLocalAxes(const double x[], const double y[], const double z[], Rotation3& rotation, LocalAxesKind kind) {
    using Point = std::array<double, 3>;
    const auto point = [&](int i) { return Point{x[i], y[i], z[i]}; };
    Point a{}, b{};
    if (kind == LocalAxesKind::Wedge) {
        for (int k = 0; k < 3; ++k) {
            a[k] = point(1)[k] - point(0)[k];
            b[k] = point(2)[k] - point(1)[k];
        }
    } else {
        for (int k = 0; k < 3; ++k) {
            a[k] = (point(1)[k] + point(2)[k]) - (point(3)[k] + point(0)[k]);
            b[k] = (point(2)[k] + point(3)[k]) - (point(0)[k] + point(1)[k]);
        }
    }
    const double ratio = (a[0] * b[0] + a[1] * b[1] + a[2] * b[2]) / (a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
    const Point e1 = Normalised(a);
    const Point e2 = Normalised({b[0] - ratio * a[0], b[1] - ratio * a[1], b[2] - ratio * a[2]});
    const Point e3 = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2], e1[0] * e2[1] - e1[1] * e2[0]};
    for (int k = 0; k < 3; ++k) {
        rotation[0][k] = e1[k];
        rotation[1][k] = e2[k];
        rotation[2][k] = e3[k];
    }
}

bool IsotropicElasticity(double modulus, double poisson, Elasticity6& d) {
    if (!std::isfinite(modulus) || !(poisson >= 0.0 && poisson < 0.5)) return false;
    const double c = modulus / ((1.0 + poisson) * (1.0 - 2.0 * poisson));
    for (auto& row : d) {
        for (double& entry : row) entry = 0.0;
    }
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) d[i][j] = i == j ? (1.0 - poisson) * c : poisson * c;
        d[3 + i][3 + i] = c * (1.0 - 2.0 * poisson) / 2.0;
    }
    return true;
}

bool WedgeElementStiffness(const double x[6], const double y[6], const double z[6], const Rotation3& rotation,
                           const Elasticity6& d, std::span<double> stiffness, int leadingDimension) {
    return RoundedElementStiffness(WedgeKind(), x, y, z, rotation, d, stiffness, leadingDimension);
}

bool HexaElementStiffness(const double x[8], const double y[8], const double z[8], const Rotation3& rotation,
                          const Elasticity6& d, std::span<double> stiffness, int leadingDimension) {
    return RoundedElementStiffness(HexaKind(), x, y, z, rotation, d, stiffness, leadingDimension);
}


void TransformStiffnessToGlobal(std::span<double> matrix, int leadingDimension, const Rotation3& rotation, int order,
                                unsigned skippedNodes) {
    TransformToGlobal(matrix, leadingDimension, rotation, order, skippedNodes);
}

bool FormWedgeStiffness(const SolidModelTables& model, int element, std::span<StiffnessReal> stiffness,
                        unsigned skippedNodes) {
    return FormElementStiffness(model, element, WedgeKind(), LocalAxesKind::Wedge, stiffness, skippedNodes);
}

bool FormHexaStiffness(const SolidModelTables& model, int element, std::span<StiffnessReal> stiffness,
                       unsigned skippedNodes) {
    return FormElementStiffness(model, element, HexaKind(), LocalAxesKind::Hexa, stiffness, skippedNodes);
}

bool FormWedgeStiffness(const SolidModelTables& model, int element, std::span<double> stiffness) {
    return RoundedFormed(stiffness, [&](std::span<StiffnessReal> k) { return FormWedgeStiffness(model, element, k); });
}

bool FormHexaStiffness(const SolidModelTables& model, int element, std::span<double> stiffness) {
    return RoundedFormed(stiffness, [&](std::span<StiffnessReal> k) { return FormHexaStiffness(model, element, k); });
}
