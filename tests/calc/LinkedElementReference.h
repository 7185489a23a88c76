#pragma once

// An element's record on its equations formed the long way, for comparison
// with the solver's record: the plain element's translational stiffness
// spread over six freedoms per node, Tᵀ·K·T with T turning each slave's
// freedoms into its master's motion (u(slave) = u + θ × d) and its own UZ,
// then the rows and columns of freedoms that share an equation summed. The
// products and sums are taken in long double, so that on elements of moderate
// shape the reference is as good as the plain element's rounding allows.

#include <algorithm>
#include <cmath>
#include <vector>

#include "calc/SolidElements.h"
#include "calc/SolidEquations.h"

namespace linked_element {

struct Record {
    std::vector<int> equations;            // ascending
    std::vector<long double> stiffness;    // full, row by row
    long double At(std::size_t r, std::size_t c) const { return stiffness[r * equations.size() + c]; }
    long double LargestEntry() const {
        long double largest = 0.0;
        for (long double v : stiffness) largest = std::max(largest, std::abs(v));
        return largest;
    }
};

// False when the plain element cannot be formed.
inline bool Reference(const SolidModelTables& model, const SolidEquationTables& equations, int element,
                      Record& record) {
    const int nodes = model.ElementNodeCount(element);
    const std::vector<int> elementNodes(model.ElementRow(element).begin() + 2,
                                        model.ElementRow(element).begin() + 2 + nodes);
    const std::size_t translations = 3 * static_cast<std::size_t>(nodes), order = 6 * static_cast<std::size_t>(nodes);
    std::vector<double> plain(translations * translations);
    if (!(nodes == 8 ? FormHexaStiffness(model, element, plain) : FormWedgeStiffness(model, element, plain)))
        return false;

    // K over six freedoms per node, row by row; rotations get no stiffness.
    std::vector<long double> k(order * order, 0.0);
    for (std::size_t r = 0; r < translations; ++r) {
        for (std::size_t c = 0; c < translations; ++c)
            k[(6 * (r / 3) + r % 3) * order + 6 * (c / 3) + c % 3] = plain[c * translations + r];
    }
    std::vector<long double> t(order * order, 0.0);
    for (std::size_t i = 0; i < order; ++i) t[i * order + i] = 1.0;
    for (int a = 0; a < nodes; ++a) {
        const int link = equations.SlaveLink(elementNodes[a]);
        if (link == 0) continue;
        const int slave = model.LinkSlave(link), master = model.LinkMaster(link);
        const long double dx = model.Coordinate(slave, 0) - model.Coordinate(master, 0);
        const long double dy = model.Coordinate(slave, 1) - model.Coordinate(master, 1);
        const long double dz = model.Coordinate(slave, 2) - model.Coordinate(master, 2);
        const auto set = [&](int row, int column, long double value) {
            t[(6 * a + row) * order + 6 * a + column] = value;
        };
        set(0, 4, dz);
        set(0, 5, -dy);
        set(1, 3, -dz);
        set(1, 5, dx);
        set(2, 3, dy);
        set(2, 4, -dx);
    }
    std::vector<long double> kt(order * order, 0.0), tkt(order * order, 0.0);
    for (std::size_t r = 0; r < order; ++r) {
        for (std::size_t s = 0; s < order; ++s) {
            for (std::size_t c = 0; c < order; ++c) kt[r * order + c] += k[r * order + s] * t[s * order + c];
        }
    }
    for (std::size_t r = 0; r < order; ++r) {
        for (std::size_t s = 0; s < order; ++s) {
            for (std::size_t c = 0; c < order; ++c) tkt[r * order + c] += t[s * order + r] * kt[s * order + c];
        }
    }

    std::vector<int> freedomEquations;
    for (int node : elementNodes) {
        for (int f = 0; f < kNodeFreedoms; ++f) freedomEquations.push_back(equations.Equation(node, f));
    }
    record.equations.clear();
    for (int equation : freedomEquations) {
        if (equation != 0) record.equations.push_back(equation);
    }
    std::sort(record.equations.begin(), record.equations.end());
    record.equations.erase(std::unique(record.equations.begin(), record.equations.end()), record.equations.end());
    const std::size_t n = record.equations.size();
    const auto indexOf = [&](int equation) {
        return static_cast<std::size_t>(
            std::lower_bound(record.equations.begin(), record.equations.end(), equation) - record.equations.begin());
    };
    record.stiffness.assign(n * n, 0.0);
    for (std::size_t p = 0; p < order; ++p) {
        if (freedomEquations[p] == 0) continue;
        for (std::size_t q = 0; q < order; ++q) {
            if (freedomEquations[q] != 0)
                record.stiffness[indexOf(freedomEquations[p]) * n + indexOf(freedomEquations[q])] += tkt[p * order + q];
        }
    }
    return true;
}

}  // namespace linked_element
