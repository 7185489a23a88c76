#include "calc/SkylineProfile.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "calc/CalculationCancel.h"

namespace {

// Range of positions in graph.nodeEquations that belongs to a node.
struct EquationRange {
    int begin = 0;
    int end = 0;
};

EquationRange NodeEquationRange(const SolverGraph& graph, int node) {
    return {graph.nodeEquationStart[node - 1], graph.nodeEquationStart[node]};
}

bool CarriesEquation(const SolverGraph& graph, int node, int equation) {
    const EquationRange range = NodeEquationRange(graph, node);
    return std::find(graph.nodeEquations.begin() + range.begin, graph.nodeEquations.begin() + range.end, equation) !=
           graph.nodeEquations.begin() + range.end;
}

}  // namespace

bool BuildSolverGraph(const ConnectivityDescription& description, SolverGraph& graph) {
    graph = SolverGraph{};
    graph.nodeCount = description.NodeCount();
    graph.equationCount = description.equationCount;
    if (graph.nodeCount < 1 || graph.equationCount < 1) return false;

    for (const std::vector<int>& nodes : description.elementNodes) {
        if (CancelWatch::RequestedAt(graph.records.ElementCount())) return false;
        graph.records.AddElement(nodes);
    }
    for (const RigidLinkNodes& link : description.rigidLinks) {
        if (link.slave == link.master) return false;
        graph.records.AddElement({link.slave, link.master});
    }
    if (!ElementListsAreValid(graph.nodeCount, graph.records)) return false;
    graph.links = description.rigidLinks;

    graph.nodeEquationStart.push_back(0);
    for (const std::vector<int>& equations : description.nodeEquations) {
        if (CancelWatch::RequestedAt(graph.nodeEquationStart.size())) return false;
        for (int equation : equations) {
            if (equation < 1 || equation > graph.equationCount) return false;
        }
        graph.nodeEquations.insert(graph.nodeEquations.end(), equations.begin(), equations.end());
        graph.nodeEquationStart.push_back(static_cast<int>(graph.nodeEquations.size()));
    }
    return true;
}

bool OrderSolverNodes(const SolverGraph& graph, std::vector<int>& newNumber) {
    NodeAdjacency adjacency;
    if (!BuildNodeAdjacency(graph.nodeCount, graph.records, adjacency) || CancelWatch::Requested()) return false;
    LabelComponents(graph.nodeCount, adjacency, newNumber);
    return true;
}

bool OrderSolverEquations(const SolverGraph& graph, SkylineProfile& profile) {
    std::vector<int> reduced;
    if (!OrderSolverNodes(graph, reduced) || CancelWatch::Requested()) return false;
    if (!NumberSolverEquations(graph, reduced, profile) || !ComputeSkylineProfile(graph, profile)) return false;
    if (CancelWatch::Requested()) return false;

    std::vector<int> given(graph.nodeCount + 1);
    std::iota(given.begin(), given.end(), 0);
    SkylineProfile underGiven;
    if (!NumberSolverEquations(graph, given, underGiven) || !ComputeSkylineProfile(graph, underGiven)) return false;
    if (underGiven.profileSize < profile.profileSize) profile = std::move(underGiven);
    return true;
}

bool NumberSolverEquations(const SolverGraph& graph, const std::vector<int>& newNumber, SkylineProfile& profile) {
    // A slave's positions whose equation its master carries are numbered at the master.
    std::vector<char> sharedWithMaster(graph.nodeEquations.size(), 0);
    for (const RigidLinkNodes& link : graph.links) {
        const EquationRange slave = NodeEquationRange(graph, link.slave);
        for (int p = slave.begin; p < slave.end; ++p) {
            if (CarriesEquation(graph, link.master, graph.nodeEquations[p])) sharedWithMaster[p] = 1;
        }
    }

    std::vector<int> nodeAt(graph.nodeCount + 1, 0);
    for (int i = 1; i <= graph.nodeCount; ++i) nodeAt[newNumber[i]] = i;

    const int n = graph.equationCount;
    profile.newEquation.assign(n + 1, 0);
    std::int64_t counter = 0;
    for (int p = 1; p <= graph.nodeCount; ++p) {
        if (CancelWatch::RequestedAt(p)) return false;
        const EquationRange range = NodeEquationRange(graph, nodeAt[p]);
        for (int position = range.begin; position < range.end; ++position) {
            if (sharedWithMaster[position]) continue;
            std::int64_t& mapped = profile.newEquation[graph.nodeEquations[position]];
            if (mapped != 0) return false;
            mapped = ++counter;
        }
    }
    if (counter != n) return false;

    profile.oldEquation.assign(n + 1, 0);
    for (int old = 1; old <= n; ++old) profile.oldEquation[profile.newEquation[old]] = old;
    return true;
}

bool ComputeSkylineProfile(const SolverGraph& graph, SkylineProfile& profile) {
    const int n = graph.equationCount;
    std::vector<std::int64_t>& columnTop = profile.columnTop;
    columnTop.assign(n + 1, 0);

    const auto forEachEquationOfRecord = [&](int record, auto&& visit) {
        for (int p = graph.records.start[record]; p < graph.records.start[record + 1]; ++p) {
            const EquationRange range = NodeEquationRange(graph, graph.records.nodes[p]);
            for (int position = range.begin; position < range.end; ++position) {
                visit(profile.newEquation[graph.nodeEquations[position]]);
            }
        }
    };
    for (int record = 0; record < graph.records.ElementCount(); ++record) {
        if (CancelWatch::RequestedAt(record)) return false;
        std::int64_t lowest = n;
        forEachEquationOfRecord(record, [&](std::int64_t q) { lowest = std::min(lowest, q); });
        forEachEquationOfRecord(record, [&](std::int64_t q) { columnTop[q] = std::max(columnTop[q], q - lowest + 1); });
    }

    // Every column needs at least its diagonal; an equation outside every
    // element and link would leave a column with no storage at all.
    profile.maxColumnHeight = 0;
    for (int column = 1; column <= n; ++column) {
        if (columnTop[column] < 1) return false;
        profile.maxColumnHeight = std::max<int>(profile.maxColumnHeight, static_cast<int>(columnTop[column]));
        columnTop[column] += columnTop[column - 1];
    }
    profile.profileSize = columnTop[n];
    return true;
}
