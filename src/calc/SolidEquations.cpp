#include "calc/SolidEquations.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "calc/CalculationCancel.h"
#include "calc/SolidElements.h"
#include "calc/TaskThreads.h"

namespace {

constexpr int kUX = 0, kUY = 1, kUZ = 2, kRX = 3, kRY = 4, kRZ = 5;

// Freedoms each node kind marks for an equation.
constexpr bool kMarkedFreedoms[4][kNodeFreedoms] = {
    {false, false, false, false, false, false},  // in no element
    {true, true, true, false, false, false},     // element node
    {false, false, true, false, false, false},   // slave: its own UZ
    {true, true, false, false, false, true},     // master: UX, UY, RZ
};

// Lever arm d = slave - master of a link.
std::array<double, 3> LinkLever(const SolidModelTables& model, int link) {
    const int slave = model.LinkSlave(link), master = model.LinkMaster(link);
    return {model.Coordinate(slave, 0) - model.Coordinate(master, 0),
            model.Coordinate(slave, 1) - model.Coordinate(master, 1),
            model.Coordinate(slave, 2) - model.Coordinate(master, 2)};
}

// False, unfinished, once the calculation is cancelled.
bool WriteConnectivity(const SolidModelTables& model, const SolidEquationTables& equations,
                       ConnectivityDescription& description) {
    description = ConnectivityDescription{};
    description.equationCount = equations.equationCount;
    description.elementNodes.reserve(model.ElementCount());
    for (int e = 1; e <= model.ElementCount(); ++e) {
        if (CancelWatch::RequestedAt(e)) return false;
        const std::span<const int> row = model.ElementRow(e);
        description.elementNodes.emplace_back(row.begin() + 2, row.begin() + 2 + model.ElementNodeCount(e));
    }
    for (int link = 1; link <= model.RigidLinkCount(); ++link) {
        description.rigidLinks.push_back({model.LinkSlave(link), model.LinkMaster(link)});
    }
    description.nodeEquations.resize(model.NodeCount());
    for (int node = 1; node <= model.NodeCount(); ++node) {
        if (CancelWatch::RequestedAt(node)) return false;
        for (int k = 0; k < kNodeFreedoms; ++k) {
            if (equations.Equation(node, k) > 0)
                description.nodeEquations[node - 1].push_back(equations.Equation(node, k));
        }
    }
    return true;
}

// One element's record for the stream, formed on a worker.
struct FormedElement {
    bool formed = false;
    std::vector<int> equations;
    std::vector<double> upperTriangle;
};

// Workers for the element formation: the threads given (0: the machine's),
// but no more than there are elements worth a thread.
int FormationWorkerCount(int elementCount, int maxThreads) {
    constexpr int kElementsPerWorker = 256;
    return std::clamp(elementCount / kElementsPerWorker, 1, maxThreads > 0 ? maxThreads : MachineThreads());
}

}  // namespace

void NumberEquations(const SolidModelTables& model, SolidEquationTables& equations) {
    const int nodes = model.NodeCount();
    equations.nodeKinds.assign(nodes, kNodeInNoElement);
    for (int e = 1; e <= model.ElementCount(); ++e) {
        const std::span<const int> row = model.ElementRow(e);
        for (int a = 0; a < model.ElementNodeCount(e); ++a) equations.nodeKinds[row[2 + a] - 1] = kElementNode;
    }
    equations.firstSlaveLink.assign(nodes, 0);
    for (int link = 1; link <= model.RigidLinkCount(); ++link) {
        const int slave = model.LinkSlave(link), master = model.LinkMaster(link);
        equations.nodeKinds[slave - 1] = kSlaveNode;
        equations.nodeKinds[master - 1] = kMasterNode;
        if (equations.firstSlaveLink[slave - 1] == 0) equations.firstSlaveLink[slave - 1] = link;
    }

    // 1 marks a freedom that gets an equation, until numbered.
    equations.nodeEquations.assign(static_cast<std::size_t>(nodes) * kNodeFreedoms, 0);
    for (int node = 1; node <= nodes; ++node) {
        for (int k = 0; k < kNodeFreedoms; ++k) {
            equations.nodeEquations[static_cast<std::size_t>(node - 1) * kNodeFreedoms + k] =
                kMarkedFreedoms[equations.Kind(node)][k] ? 1 : 0;
        }
    }
    for (int row = 0; row < model.ConstraintCount(); ++row) {
        const std::span<const int> constraint =
            model.constraints.subspan(static_cast<std::size_t>(row) * kConstraintColumns, kConstraintColumns);
        for (int k = 0; k < kNodeFreedoms; ++k) {
            if (constraint[1 + k] == 1) {
                equations.nodeEquations[static_cast<std::size_t>(constraint[0] - 1) * kNodeFreedoms + k] = 0;
            }
        }
    }
    int count = 0;
    for (int& equation : equations.nodeEquations) {
        if (equation != 0) equation = ++count;
    }
    equations.equationCount = count;

    for (int link = 1; link <= model.RigidLinkCount(); ++link) {
        const std::size_t slave = static_cast<std::size_t>(model.LinkSlave(link) - 1) * kNodeFreedoms;
        const std::size_t master = static_cast<std::size_t>(model.LinkMaster(link) - 1) * kNodeFreedoms;
        for (int k : {kUX, kUY, kRZ}) equations.nodeEquations[slave + k] = equations.nodeEquations[master + k];
    }
}

bool AssembleElementSystem(const SolidModelTables& model, const SolidEquationTables& equations,
                           ConnectivityDescription& description, ElementStream& stream, int maxThreads) {
    if (!WriteConnectivity(model, equations, description)) return false;

    // Batches bound the memory held outside the stream; the workers take the
    // elements of a batch one by one and the batch is appended in element
    // order, so the stream does not depend on the workers.
    constexpr int kBatch = 4096;
    const int elementCount = model.ElementCount();
    const int workers = FormationWorkerCount(elementCount, maxThreads);
    std::vector<FormedElement> batch(std::min(kBatch, elementCount));
    for (int first = 1; first <= elementCount; first += kBatch) {
        if (CancelWatch::Requested()) return false;
        const int size = std::min(kBatch, elementCount - first + 1);
        RunTasks(size, workers, [&](int i) {
            FormedElement& element = batch[i];
            element.formed = FormElementRecord(model, equations, first + i, element.equations, element.upperTriangle);
        });
        for (int i = 0; i < size; ++i) {
            if (!batch[i].formed) return false;
            stream.AppendElement(batch[i].equations, batch[i].upperTriangle);
        }
    }
    return true;
}

bool FormElementRecord(const SolidModelTables& model, const SolidEquationTables& equations, int element,
                       std::vector<int>& recordEquations, std::vector<double>& upperTriangle) {
    const int nodes = model.ElementNodeCount(element);
    const std::span<const int> elementNodes = model.ElementRow(element).subspan(2, nodes);
    recordEquations.clear();
    upperTriangle.clear();
    for (int node : elementNodes) {
        for (int k = 0; k < kNodeFreedoms; ++k) {
            if (const int equation = equations.Equation(node, k); equation != 0) recordEquations.push_back(equation);
        }
    }
    std::sort(recordEquations.begin(), recordEquations.end());
    recordEquations.erase(std::unique(recordEquations.begin(), recordEquations.end()), recordEquations.end());
    const int unknowns = static_cast<int>(recordEquations.size());

    // The element is formed directly in its equations: a unit value of each
    // equation moves the element's nodes by the rigid-link rule, and the
    // element integrates the strain of that motion, so that a rigid end face
    // cancels within each strain (see the element routine).
    const std::size_t perUnknown = 3 * static_cast<std::size_t>(nodes);
    std::array<double, kMaxElementUnknowns * 3 * 8> patterns;
    std::fill_n(patterns.begin(), unknowns * perUnknown, 0.0);
    const auto move = [&](int equation, int a, int direction, double coefficient) {
        if (equation == 0) return;
        const auto column = std::lower_bound(recordEquations.begin(), recordEquations.end(), equation);
        patterns[static_cast<std::size_t>(column - recordEquations.begin()) * perUnknown + 3 * a + direction] +=
            coefficient;
    };
    for (int a = 0; a < nodes; ++a) {
        const int node = elementNodes[a];
        for (int k : {kUX, kUY, kUZ}) move(equations.Equation(node, k), a, k, 1.0);
        if (const int link = equations.SlaveLink(node); link != 0) {
            const auto [dx, dy, dz] = LinkLever(model, link);
            const int rx = equations.Equation(node, kRX), ry = equations.Equation(node, kRY),
                      rz = equations.Equation(node, kRZ);
            move(ry, a, kUX, dz);
            move(rz, a, kUX, -dy);
            move(rx, a, kUY, -dz);
            move(rz, a, kUY, dx);
            move(rx, a, kUZ, dy);
            move(ry, a, kUZ, -dx);
        }
    }

    std::array<double, kMaxElementUnknowns * kMaxElementUnknowns> stiffness;
    if (!FormElementInUnknowns(model, element, std::span<const double>(patterns.data(), unknowns * perUnknown),
                               stiffness, unknowns)) {
        recordEquations.clear();
        return false;
    }
    for (int r = 0; r < unknowns; ++r) {
        for (int c = r; c < unknowns; ++c)
            upperTriangle.push_back(stiffness[static_cast<std::size_t>(c) * unknowns + r]);
    }
    return true;
}

void AssembleLoadVectors(const SolidModelTables& model, const SolidEquationTables& equations,
                         std::vector<double>& loads) {
    const std::size_t rows = static_cast<std::size_t>(equations.equationCount);
    loads.assign(rows * static_cast<std::size_t>(model.loadCaseCount), 0.0);
    for (int row = 0; row < model.NodalLoadCount(); ++row) {
        const std::span<const double> load =
            model.nodalLoads.subspan(static_cast<std::size_t>(row) * kNodalLoadColumns, kNodalLoadColumns);
        const int node = static_cast<int>(std::lround(load[0]));
        const int loadCase = static_cast<int>(std::lround(load[1]));
        double f[kNodeFreedoms];
        std::copy(load.begin() + 2, load.end(), f);
        if (const int link = equations.SlaveLink(node); link != 0) {
            const auto [dx, dy, dz] = LinkLever(model, link);
            f[kRX] += dy * f[kUZ] - dz * f[kUY];
            f[kRY] += dz * f[kUX] - dx * f[kUZ];
            f[kRZ] += dx * f[kUY] - dy * f[kUX];
        }
        for (int k = 0; k < kNodeFreedoms; ++k) {
            const int equation = equations.Equation(node, k);
            if (equation > 0 && f[k] != 0.0)
                loads[(static_cast<std::size_t>(loadCase) - 1) * rows + equation - 1] += f[k];
        }
    }
}
