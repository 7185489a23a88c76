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

using Vector3 = std::array<double, 3>;
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
    const double r = natural[0], s = natural[1], zeta = natural[2];
    const double area[3] = {1.0 - r - s, r, s};
    const double dArea[3][2] = {{-1.0, -1.0}, {1.0, 0.0}, {0.0, 1.0}};
    for (int i = 0; i < 3; ++i) {
        for (int level = 0; level < 2; ++level) {
            const double side = level == 0 ? -1.0 : 1.0;
            const double thickness = (1.0 + side * zeta) / 2.0;
            derivatives[i + 3 * level] = {dArea[i][0] * thickness, dArea[i][1] * thickness, area[i] * side / 2.0};
        }
    }
}

constexpr double kHexaCorner[8][3] = {{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1},
                                      {-1, -1, 1},  {1, -1, 1},  {1, 1, 1},  {-1, 1, 1}};

void HexaShapeDerivatives(const Vector3& natural, Vector3* derivatives) {
    for (int i = 0; i < 8; ++i) {
        double factor[3];
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
                     double& determinant) {
    Matrix3 j{};
    for (int a = 0; a < nodeCount; ++a) {
        for (int i = 0; i < 3; ++i) {
            for (int k = 0; k < 3; ++k) j[i][k] += derivatives[a][i] * local[a][k];
        }
    }
    const double c00 = j[1][1] * j[2][2] - j[1][2] * j[2][1];
    const double c01 = j[1][2] * j[2][0] - j[1][0] * j[2][2];
    const double c02 = j[1][0] * j[2][1] - j[1][1] * j[2][0];
    determinant = j[0][0] * c00 + j[0][1] * c01 + j[0][2] * c02;
    if (!(determinant > 0.0)) return false;
    const double f = 1.0 / determinant;
    inverse[0] = {c00 * f, (j[0][2] * j[2][1] - j[0][1] * j[2][2]) * f, (j[0][1] * j[1][2] - j[0][2] * j[1][1]) * f};
    inverse[1] = {c01 * f, (j[0][0] * j[2][2] - j[0][2] * j[2][0]) * f, (j[0][2] * j[1][0] - j[0][0] * j[1][2]) * f};
    inverse[2] = {c02 * f, (j[0][1] * j[2][0] - j[0][0] * j[2][1]) * f, (j[0][0] * j[1][1] - j[0][1] * j[1][0]) * f};
    return true;
}

// The strain εx, εy, εz, γxy, γyz, γzx of a displacement gradient
// g(i, j) = d u_i / d x_j.
void StrainOf(const Matrix3& g, double strain[6]) {
    strain[0] = g[0][0];
    strain[1] = g[1][1];
    strain[2] = g[2][2];
    strain[3] = g[0][1] + g[1][0];
    strain[4] = g[1][2] + g[2][1];
    strain[5] = g[2][0] + g[0][2];
}

// Columns of the strain-displacement matrix: the unknowns, then three per
// incompatible mode (the larger element has three modes).
constexpr int kMaxColumns = kMaxElementUnknowns + 9;

// The displacement of one node, in the element's local axes, under a unit
// value of one unknown.
struct NodalTerm {
    int node;
    Vector3 local;
};

// Static condensation of the columns kept .. order - 1 of a full symmetric
// matrix (row by row), the last one first.
void CondenseTrailingColumns(double* k, int order, int kept) {
    for (int p = order - 1; p >= kept; --p) {
        const double* pivotRow = k + static_cast<std::size_t>(p) * order;
        for (int i = 0; i < p; ++i) {
            double* row = k + static_cast<std::size_t>(i) * order;
            const double factor = row[p] / pivotRow[p];
            if (factor == 0.0) continue;
            for (int j = 0; j < p; ++j) row[j] -= factor * pivotRow[j];
        }
    }
}

// The element formed in the unknowns whose node displacements `patterns`
// gives (global axes, 3 x nodes values per unknown), integrated in the
// element's local axes.
//
// Each unknown is turned into its displacement gradient at every integration
// point before anything is integrated. The solid model's elements span the
// whole cantilever, thousands of times longer than wide, and a rigidly linked
// end face moves all its nodes alike: the large in-plane gradients of those
// nodes then cancel in the gradient of the unknown, exactly up to one
// rounding. Integrating node by node first and summing the nodes' rows of the
// matrix afterwards would cancel terms (L/h)² times larger than what is left,
// more than double precision holds.
bool IncompatibleElementStiffness(const ElementKind& kind, const double x[], const double y[], const double z[],
                                  const Rotation3& rotation, const Elasticity6& d, std::span<const double> patterns,
                                  std::span<double> stiffness, int leadingDimension) {
    const int nodes = kind.nodeCount;
    const int modes = static_cast<int>(kind.modeAxis.size());
    const int unknowns = static_cast<int>(patterns.size()) / (3 * nodes);
    const int order = unknowns + 3 * modes;

    // Local coordinates, the first node at the origin.
    Vector3 local[8];
    for (int a = 0; a < nodes; ++a) {
        const double delta[3] = {x[a] - x[0], y[a] - y[0], z[a] - z[0]};
        for (int k = 0; k < 3; ++k) {
            local[a][k] = rotation[k][0] * delta[0] + rotation[k][1] * delta[1] + rotation[k][2] * delta[2];
        }
    }

    Vector3 naturalDerivatives[8];
    Matrix3 centreInverse{};
    double centreDeterminant = 0.0;
    kind.shapeDerivatives(kind.centre, naturalDerivatives);
    if (!JacobianInverse(naturalDerivatives, local, nodes, centreInverse, centreDeterminant)) return false;

    // The nodes each unknown moves, their displacements turned into local axes.
    NodalTerm terms[kMaxElementUnknowns * 8];
    int firstTerm[kMaxElementUnknowns + 1];
    int termCount = 0;
    for (int c = 0; c < unknowns; ++c) {
        firstTerm[c] = termCount;
        for (int a = 0; a < nodes; ++a) {
            const double* u = &patterns[(static_cast<std::size_t>(c) * nodes + a) * 3];
            if (u[0] == 0.0 && u[1] == 0.0 && u[2] == 0.0) continue;
            NodalTerm& term = terms[termCount++];
            term.node = a;
            for (int k = 0; k < 3; ++k)
                term.local[k] = rotation[k][0] * u[0] + rotation[k][1] * u[1] + rotation[k][2] * u[2];
        }
    }
    firstTerm[unknowns] = termCount;

    std::array<double, kMaxColumns * kMaxColumns> kBuffer;
    double* k = kBuffer.data();
    std::fill_n(k, static_cast<std::size_t>(order) * order, 0.0);
    for (const IntegrationPoint& point : kind.points) {
        Matrix3 inverse{};
        double determinant = 0.0;
        kind.shapeDerivatives(point.natural, naturalDerivatives);
        if (!JacobianInverse(naturalDerivatives, local, nodes, inverse, determinant)) return false;
        Vector3 gradients[8];
        for (int a = 0; a < nodes; ++a) {
            for (int j = 0; j < 3; ++j) {
                gradients[a][j] = inverse[j][0] * naturalDerivatives[a][0] + inverse[j][1] * naturalDerivatives[a][1] +
                                  inverse[j][2] * naturalDerivatives[a][2];
            }
        }

        double strain[kMaxColumns][6];
        for (int c = 0; c < unknowns; ++c) {
            Matrix3 g{};
            for (int t = firstTerm[c]; t < firstTerm[c + 1]; ++t) {
                for (int i = 0; i < 3; ++i) {
                    for (int j = 0; j < 3; ++j) g[i][j] += terms[t].local[i] * gradients[terms[t].node][j];
                }
            }
            StrainOf(g, strain[c]);
        }
        // The modes' gradients through the centre Jacobian, one column per
        // local displacement component.
        for (int m = 0; m < modes; ++m) {
            const int axis = kind.modeAxis[m];
            const double scale = kind.modeAlongExtrusion[m] ? 1.0 : centreDeterminant / determinant;
            Vector3 modeGradient;
            for (int j = 0; j < 3; ++j) modeGradient[j] = centreInverse[j][axis] * (-2.0 * point.natural[axis]) * scale;
            for (int i = 0; i < 3; ++i) {
                Matrix3 g{};
                g[i] = modeGradient;
                StrainOf(g, strain[unknowns + 3 * m + i]);
            }
        }

        const double factor = determinant * point.weight;
        // D·ε of each column, times the point's factor, component by
        // component. The elasticity is isotropic: normal strains couple among
        // themselves, each shear only with itself.
        double stress[6][kMaxColumns];
        for (int c = 0; c < order; ++c) {
            for (int r = 0; r < 3; ++r)
                stress[r][c] = (d[r][0] * strain[c][0] + d[r][1] * strain[c][1] + d[r][2] * strain[c][2]) * factor;
            for (int r = 3; r < 6; ++r) stress[r][c] = d[r][r] * strain[c][r] * factor;
        }
        for (int c1 = 0; c1 < order; ++c1) {
            double* row = k + static_cast<std::size_t>(c1) * order;
            const double* e = strain[c1];
            for (int c2 = c1; c2 < order; ++c2) {
                row[c2] += e[0] * stress[0][c2] + e[1] * stress[1][c2] + e[2] * stress[2][c2] + e[3] * stress[3][c2] +
                           e[4] * stress[4][c2] + e[5] * stress[5][c2];
            }
        }
    }
    for (int r = 0; r < order; ++r) {
        for (int c = 0; c < r; ++c)
            k[static_cast<std::size_t>(r) * order + c] = k[static_cast<std::size_t>(c) * order + r];
    }

    CondenseTrailingColumns(k, order, unknowns);
    for (int c = 0; c < unknowns; ++c) {
        for (int r = 0; r < unknowns; ++r) {
            stiffness[static_cast<std::size_t>(c) * leadingDimension + r] = k[static_cast<std::size_t>(r) * order + c];
        }
    }
    return true;
}

// The unknowns of the plain element: each translation of each node in turn.
std::span<const double> NodeTranslationPatterns(int nodes) {
    const auto identity = [](int count) {
        const int order = 3 * count;
        std::vector<double> patterns(static_cast<std::size_t>(order) * order, 0.0);
        for (int c = 0; c < order; ++c) patterns[static_cast<std::size_t>(c) * order + c] = 1.0;
        return patterns;
    };
    static const std::vector<double> wedge = identity(6), hexa = identity(8);
    return nodes == 8 ? hexa : wedge;
}

std::array<double, 3> Normalised(const std::array<double, 3>& v) {
    const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    return {v[0] / length, v[1] / length, v[2] / length};
}

// The element of the model's table formed in the given unknowns.
bool FormElement(const SolidModelTables& model, int element, const ElementKind& kind, LocalAxesKind axesKind,
                 std::span<const double> patterns, std::span<double> stiffness, int leadingDimension) {
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
    return IncompatibleElementStiffness(kind, x, y, z, rotation, d, patterns, stiffness, leadingDimension);
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
    return IncompatibleElementStiffness(WedgeKind(), x, y, z, rotation, d, NodeTranslationPatterns(6), stiffness,
                                        leadingDimension);
}

bool HexaElementStiffness(const double x[8], const double y[8], const double z[8], const Rotation3& rotation,
                          const Elasticity6& d, std::span<double> stiffness, int leadingDimension) {
    return IncompatibleElementStiffness(HexaKind(), x, y, z, rotation, d, NodeTranslationPatterns(8), stiffness,
                                        leadingDimension);
}

bool FormWedgeStiffness(const SolidModelTables& model, int element, std::span<double> stiffness) {
    return FormElement(model, element, WedgeKind(), LocalAxesKind::Wedge, NodeTranslationPatterns(6), stiffness, 18);
}

bool FormHexaStiffness(const SolidModelTables& model, int element, std::span<double> stiffness) {
    return FormElement(model, element, HexaKind(), LocalAxesKind::Hexa, NodeTranslationPatterns(8), stiffness, 24);
}

bool FormElementInUnknowns(const SolidModelTables& model, int element, std::span<const double> patterns,
                           std::span<double> stiffness, int leadingDimension) {
    const std::size_t perUnknown = 3 * static_cast<std::size_t>(model.ElementNodeCount(element));
    if (patterns.size() % perUnknown != 0 || patterns.size() / perUnknown > kMaxElementUnknowns) return false;
    return model.ElementNodeCount(element) == 8
               ? FormElement(model, element, HexaKind(), LocalAxesKind::Hexa, patterns, stiffness, leadingDimension)
               : FormElement(model, element, WedgeKind(), LocalAxesKind::Wedge, patterns, stiffness, leadingDimension);
}
