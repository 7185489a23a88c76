#pragma once

// Grid models for exercising the equation solver: a plane-stress cantilever of
// 4-node quadrilaterals (2 freedoms per node) and a 3-D block of 8-node
// elements with random positive definite stiffness (3 freedoms per node), both
// optionally with rigid links whose slaves share equations with a master.
// Header only, so the benchmarks build the same systems.

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numeric>
#include <random>
#include <vector>

#include "calc/SolverInput.h"

namespace solver_models {

struct SolverModel {
    ConnectivityDescription description;
    ElementStream stream;
};

// Appends an element whose full matrix (row-major, one row per freedom) acts on
// the given equation numbers; 0 marks a restrained freedom and equal numbers
// are merged by summing their rows and columns.
inline void AppendCondensedElement(ElementStream& stream, const std::vector<int>& freedomEquations,
                                   const std::vector<double>& matrix) {
    std::vector<int> equations;
    for (int q : freedomEquations) {
        if (q > 0) equations.push_back(q);
    }
    std::sort(equations.begin(), equations.end());
    equations.erase(std::unique(equations.begin(), equations.end()), equations.end());
    const std::size_t n = equations.size();
    const std::size_t freedoms = freedomEquations.size();
    std::vector<double> merged(n * n, 0.0);
    const auto indexOf = [&](int q) {
        return static_cast<std::size_t>(std::lower_bound(equations.begin(), equations.end(), q) - equations.begin());
    };
    for (std::size_t a = 0; a < freedoms; ++a) {
        if (freedomEquations[a] == 0) continue;
        for (std::size_t b = 0; b < freedoms; ++b) {
            if (freedomEquations[b] == 0) continue;
            merged[indexOf(freedomEquations[a]) * n + indexOf(freedomEquations[b])] += matrix[a * freedoms + b];
        }
    }
    std::vector<double> triangle;
    for (std::size_t a = 0; a < n; ++a) {
        for (std::size_t b = a; b < n; ++b) triangle.push_back(merged[a * n + b]);
    }
    stream.AppendElement(equations, triangle);
}

// Stiffness (8 x 8, row-major, freedoms UX1 UY1 .. UX4 UY4) of a bilinear
// plane-stress quadrilateral, corners counter-clockwise, 2 x 2 Gauss points.
inline std::vector<double> PlaneStressQuadStiffness(const std::array<double, 4>& x, const std::array<double, 4>& y,
                                                    double modulus, double poisson, double thickness) {
    const double factor = modulus / (1.0 - poisson * poisson);
    const double d[3][3] = {{factor, factor * poisson, 0.0},
                            {factor * poisson, factor, 0.0},
                            {0.0, 0.0, factor * (1.0 - poisson) / 2.0}};
    const double corner[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    const double g = 1.0 / std::sqrt(3.0);
    std::vector<double> k(64, 0.0);
    for (double xi : {-g, g}) {
        for (double eta : {-g, g}) {
            double dXi[4], dEta[4];
            for (int a = 0; a < 4; ++a) {
                dXi[a] = 0.25 * corner[a][0] * (1.0 + corner[a][1] * eta);
                dEta[a] = 0.25 * corner[a][1] * (1.0 + corner[a][0] * xi);
            }
            double j11 = 0, j12 = 0, j21 = 0, j22 = 0;
            for (int a = 0; a < 4; ++a) {
                j11 += dXi[a] * x[a];
                j12 += dXi[a] * y[a];
                j21 += dEta[a] * x[a];
                j22 += dEta[a] * y[a];
            }
            const double det = j11 * j22 - j12 * j21;
            double b[3][8] = {};
            for (int a = 0; a < 4; ++a) {
                const double dx = (j22 * dXi[a] - j12 * dEta[a]) / det;
                const double dy = (-j21 * dXi[a] + j11 * dEta[a]) / det;
                b[0][2 * a] = dx;
                b[1][2 * a + 1] = dy;
                b[2][2 * a] = dy;
                b[2][2 * a + 1] = dx;
            }
            for (int r = 0; r < 8; ++r) {
                for (int c = 0; c < 8; ++c) {
                    double sum = 0.0;
                    for (int p = 0; p < 3; ++p) {
                        for (int q = 0; q < 3; ++q) sum += b[p][r] * d[p][q] * b[q][c];
                    }
                    k[r * 8 + c] += sum * det * thickness;
                }
            }
        }
    }
    return k;
}

// Gives node numbers 1..count in natural order, or shuffled with the seed.
inline std::vector<int> NodeNumbers(int count, unsigned shuffleSeed) {
    std::vector<int> numbers(count);
    std::iota(numbers.begin(), numbers.end(), 1);
    if (shuffleSeed != 0) std::shuffle(numbers.begin(), numbers.end(), std::mt19937(shuffleSeed));
    return numbers;
}

// Numbers the freedoms of all nodes in node order; restrained[node] lists the
// restrained freedoms; sharedWith maps a slave to its master and the freedoms
// it shares with it. Fills the description's node records.
inline void NumberModelEquations(ConnectivityDescription& description, int freedomsPerNode,
                                 const std::vector<std::vector<bool>>& restrained,
                                 const std::map<int, std::vector<int>>& sharedFreedoms,
                                 std::vector<std::vector<int>>& freedomEquation) {
    const int nodes = static_cast<int>(restrained.size()) - 1;
    freedomEquation.assign(nodes + 1, std::vector<int>(freedomsPerNode, 0));
    const auto sharedByNode = [&](int node, int f) {
        const auto found = sharedFreedoms.find(node);
        return found != sharedFreedoms.end() &&
               std::find(found->second.begin(), found->second.end(), f) != found->second.end();
    };
    int next = 0;
    for (int node = 1; node <= nodes; ++node) {
        for (int f = 0; f < freedomsPerNode; ++f) {
            if (!restrained[node][f] && !sharedByNode(node, f)) freedomEquation[node][f] = ++next;
        }
    }
    for (const RigidLinkNodes& link : description.rigidLinks) {
        for (int f : sharedFreedoms.at(link.slave)) freedomEquation[link.slave][f] = freedomEquation[link.master][f];
    }
    description.equationCount = next;
    description.nodeEquations.assign(nodes, {});
    for (int node = 1; node <= nodes; ++node) {
        for (int q : freedomEquation[node]) {
            if (q > 0) description.nodeEquations[node - 1].push_back(q);
        }
    }
}

struct CantileverOptions {
    int columns = 4;          // elements along x
    int rows = 2;             // elements along y
    double width = 1.0;       // element size along x
    double height = 1.0;      // element size along y
    unsigned shuffleSeed = 0;  // 0 keeps the row-by-row node numbers
    bool rigidTip = false;    // tie the free end's nodes to one master node
};

// Plane-stress cantilever: the left edge is fixed; with rigidTip the right
// edge's nodes are slaves that share UX and UY with an extra master node.
inline SolverModel PlaneStressCantilever(const CantileverOptions& options) {
    const int gridNodes = (options.columns + 1) * (options.rows + 1);
    const int nodes = gridNodes + (options.rigidTip ? 1 : 0);
    const std::vector<int> id = NodeNumbers(gridNodes, options.shuffleSeed);
    const auto nodeAt = [&](int ix, int iy) { return id[iy * (options.columns + 1) + ix]; };

    SolverModel model;
    std::vector<std::vector<bool>> restrained(nodes + 1, std::vector<bool>(2, false));
    std::map<int, std::vector<int>> shared;
    for (int iy = 0; iy <= options.rows; ++iy) {
        restrained[nodeAt(0, iy)] = {true, true};
        if (options.rigidTip) {
            const int slave = nodeAt(options.columns, iy);
            model.description.rigidLinks.push_back({slave, nodes});
            shared[slave] = {0, 1};
        }
    }
    std::vector<std::vector<int>> equation;
    NumberModelEquations(model.description, 2, restrained, shared, equation);

    const std::vector<double> k = PlaneStressQuadStiffness({0, options.width, options.width, 0},
                                                           {0, 0, options.height, options.height}, 210000.0, 0.3, 1.0);
    for (int iy = 0; iy < options.rows; ++iy) {
        for (int ix = 0; ix < options.columns; ++ix) {
            const std::vector<int> corners = {nodeAt(ix, iy), nodeAt(ix + 1, iy), nodeAt(ix + 1, iy + 1),
                                              nodeAt(ix, iy + 1)};
            model.description.elementNodes.push_back(corners);
            std::vector<int> freedoms;
            for (int node : corners) freedoms.insert(freedoms.end(), equation[node].begin(), equation[node].end());
            AppendCondensedElement(model.stream, freedoms, k);
        }
    }
    return model;
}

// Cantilever on a square grid of about nodeCount nodes.
inline SolverModel SquareCantilever(int nodeCount) {
    const int side = std::max(1, static_cast<int>(std::lround(std::sqrt(static_cast<double>(nodeCount)))) - 1);
    return PlaneStressCantilever({side, side, 1.0, 1.0, 0, false});
}

struct BlockOptions {
    int nx = 2, ny = 2, nz = 2;  // elements per direction
    unsigned seed = 1;           // random stiffness and node numbers
    int linkedSlaves = 0;        // nodes tied to an extra master (sharing UX, UY)
};

// 3-D block of 8-node elements with random positive definite stiffness
// R·Rᵀ + I (24 x 24, freedoms UX UY UZ per node); nothing is restrained.
inline SolverModel RandomBlock(const BlockOptions& options) {
    const int gridNodes = (options.nx + 1) * (options.ny + 1) * (options.nz + 1);
    const int nodes = gridNodes + (options.linkedSlaves > 0 ? 1 : 0);
    const std::vector<int> id = NodeNumbers(gridNodes, options.seed);
    const auto nodeAt = [&](int ix, int iy, int iz) {
        return id[(iz * (options.ny + 1) + iy) * (options.nx + 1) + ix];
    };

    SolverModel model;
    std::vector<std::vector<bool>> restrained(nodes + 1, std::vector<bool>(3, false));
    std::map<int, std::vector<int>> shared;
    if (options.linkedSlaves > 0) restrained[nodes][2] = true;  // the master carries UX and UY only
    for (int s = 0; s < options.linkedSlaves && s < gridNodes; ++s) {
        const int slave = id[(s * 7) % gridNodes];
        if (shared.count(slave) != 0) continue;
        model.description.rigidLinks.push_back({slave, nodes});
        shared[slave] = {0, 1};
    }
    std::vector<std::vector<int>> equation;
    NumberModelEquations(model.description, 3, restrained, shared, equation);

    std::mt19937 random(options.seed);
    std::uniform_real_distribution<double> entry(-1.0, 1.0);
    for (int iz = 0; iz < options.nz; ++iz) {
        for (int iy = 0; iy < options.ny; ++iy) {
            for (int ix = 0; ix < options.nx; ++ix) {
                std::vector<int> corners;
                for (int c = 0; c < 8; ++c) corners.push_back(nodeAt(ix + (c & 1), iy + ((c >> 1) & 1), iz + (c >> 2)));
                model.description.elementNodes.push_back(corners);
                std::vector<double> r(24 * 24);
                for (double& value : r) value = entry(random);
                std::vector<double> k(24 * 24, 0.0);
                for (int a = 0; a < 24; ++a) {
                    for (int b = 0; b < 24; ++b) {
                        for (int p = 0; p < 24; ++p) k[a * 24 + b] += r[a * 24 + p] * r[b * 24 + p];
                    }
                    k[a * 24 + a] += 1.0;
                }
                std::vector<int> freedoms;
                for (int node : corners) freedoms.insert(freedoms.end(), equation[node].begin(), equation[node].end());
                AppendCondensedElement(model.stream, freedoms, k);
            }
        }
    }
    return model;
}

}  // namespace solver_models
