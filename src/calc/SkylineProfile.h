#pragma once

// The equation solver's own equation order and the skyline (column profile) it
// gives: the nodes of the solver model are reordered for a small profile, the
// equations are numbered node by node in that order, and each column's height
// and diagonal address follow.

#include <cstdint>
#include <vector>

#include "calc/NodeRenumbering.h"
#include "calc/SolverInput.h"

// The connectivity description in the compressed form the ordering works on.
struct SolverGraph {
    int nodeCount = 0;
    int equationCount = 0;
    // Every element, then every rigid link as a two-node record (slave, master).
    ElementNodeLists records;
    std::vector<RigidLinkNodes> links;
    // Node n (1..nodeCount) carries the model equations
    // nodeEquations[nodeEquationStart[n - 1]] .. nodeEquations[nodeEquationStart[n] - 1].
    std::vector<int> nodeEquationStart;
    std::vector<int> nodeEquations;
};

// Equation maps and profile. The 1-based tables hold N + 1 entries; entry 0 is
// a zero sentinel, so height(j) = columnTop[j] - columnTop[j - 1] for every j.
struct SkylineProfile {
    std::vector<std::int64_t> newEquation;  // model equation -> solver equation
    std::vector<std::int64_t> oldEquation;  // solver equation -> model equation
    std::vector<std::int64_t> columnTop;    // profile address (1-based) of each diagonal
    int maxColumnHeight = 0;
    std::int64_t profileSize = 0;

    int EquationCount() const { return columnTop.empty() ? 0 : static_cast<int>(columnTop.size()) - 1; }
    std::int64_t Height(std::int64_t column) const { return columnTop[column] - columnTop[column - 1]; }
    // First row stored in a column.
    std::int64_t Top(std::int64_t column) const { return column - Height(column) + 1; }
};

// Checks the description and builds the graph. False when a count, node or
// equation number is out of range, or once the user cancels (CancelWatch).
[[nodiscard]] bool BuildSolverGraph(const ConnectivityDescription& description, SolverGraph& graph);

// The profile-reducing node order of the graph (newNumber[i] for
// i = 1..nodeCount), whatever profile it gives.
[[nodiscard]] bool OrderSolverNodes(const SolverGraph& graph, std::vector<int>& newNumber);

// The solver's equation order: the equations numbered node by node under the
// reducing node order and under the given one, keeping the smaller equation
// profile; a tie keeps the reducing order. Judged by the equations, a layer of
// fixed nodes counts for nothing, as it should. Fills the equation maps and the
// profile; false when a step below is, or when the user cancels (CancelWatch).
[[nodiscard]] bool OrderSolverEquations(const SolverGraph& graph, SkylineProfile& profile);

// Numbers the equations node by node in the new order. A slave's equations that
// its master also carries are numbered once, when the master is reached. Fills
// both equation maps; false when an equation is carried by no node, or by two
// nodes that no rigid link joins, or once the user cancels (CancelWatch).
[[nodiscard]] bool NumberSolverEquations(const SolverGraph& graph, const std::vector<int>& newNumber,
                                         SkylineProfile& profile);

// Column heights, diagonal addresses, largest height and profile size from the
// numbered equations. False when some equation belongs to no element or link,
// or once the user cancels (CancelWatch).
[[nodiscard]] bool ComputeSkylineProfile(const SolverGraph& graph, SkylineProfile& profile);
