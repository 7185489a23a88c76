#include "calc/SolidEquations.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <exception>
#include <system_error>
#include <thread>
#include <utility>

#include "calc/SolidElements.h"

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

void WriteConnectivity(const SolidModelTables& model, const SolidEquationTables& equations,
                       ConnectivityDescription& description) {
    description = ConnectivityDescription{};
    description.equationCount = equations.equationCount;
    description.elementNodes.reserve(model.ElementCount());
    for (int e = 1; e <= model.ElementCount(); ++e) {
        const std::span<const int> row = model.ElementRow(e);
        description.elementNodes.emplace_back(row.begin() + 2, row.begin() + 2 + model.ElementNodeCount(e));
    }
    for (int link = 1; link <= model.RigidLinkCount(); ++link) {
        description.rigidLinks.push_back({model.LinkSlave(link), model.LinkMaster(link)});
    }
    description.nodeEquations.resize(model.NodeCount());
    for (int node = 1; node <= model.NodeCount(); ++node) {
        for (int k = 0; k < kNodeFreedoms; ++k) {
            if (equations.Equation(node, k) > 0)
                description.nodeEquations[node - 1].push_back(equations.Equation(node, k));
        }
    }
}

// One element's record for the stream, formed on a worker.
struct FormedElement {
    bool formed = false;
    std::vector<int> equations;
    std::vector<double> upperTriangle;
};

// Scratch space of one worker.
struct FormationWork {
    std::vector<StiffnessReal> translational = std::vector<StiffnessReal>(24 * 24);
    std::vector<StiffnessReal> matrix;
    std::vector<int> freedomEquations;
};

// Workers for the element formation: the machine's threads, but no more than
// there are elements worth a thread.
int FormationWorkerCount(int elementCount) {
    constexpr int kElementsPerWorker = 256;
    const int hardware = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    return std::clamp(elementCount / kElementsPerWorker, 1, hardware);
}

// Nodes of the element none of whose translations carries an equation: the
// element routine need not compute their rows and columns, which the
// condensation drops.
unsigned NodesWithoutEquations(std::span<const int> elementNodes, const SolidEquationTables& equations) {
    unsigned skipped = 0;
    for (std::size_t a = 0; a < elementNodes.size(); ++a) {
        const int node = elementNodes[a];
        if (equations.Equation(node, kUX) == 0 && equations.Equation(node, kUY) == 0 &&
            equations.Equation(node, kUZ) == 0) {
            skipped |= 1u << a;
        }
    }
    return skipped;
}

// The element's condensed stiffness on its equations; formed is false when
// the element routine fails.
void FormElement(const SolidModelTables& model, const SolidEquationTables& equations, int e, FormationWork& work,
                 FormedElement& out) {
    const int nodes = model.ElementNodeCount(e);
    const std::span<const int> elementNodes = model.ElementRow(e).subspan(2, nodes);
    const unsigned skipped = NodesWithoutEquations(elementNodes, equations);
    out.formed = nodes == 8 ? FormHexaStiffness(model, e, work.translational, skipped)
                            : FormWedgeStiffness(model, e, work.translational, skipped);
    if (!out.formed) return;

    // Translation i of node a (row 3a + i) goes to row 6a + i of the full matrix.
    const int order = kNodeFreedoms * nodes;
    const int translations = 3 * nodes;
    const auto full = [](int t) { return static_cast<std::size_t>(kNodeFreedoms * (t / 3) + t % 3); };
    std::vector<StiffnessReal>& matrix = work.matrix;
    matrix.assign(static_cast<std::size_t>(order) * order, 0.0);
    for (int c = 0; c < translations; ++c) {
        for (int r = 0; r < translations; ++r) {
            matrix[full(c) * order + full(r)] = work.translational[static_cast<std::size_t>(c) * translations + r];
        }
    }
    ApplyRigidLinkTransform(elementNodes, matrix, model, equations);

    work.freedomEquations.clear();
    for (int node : elementNodes) {
        for (int k = 0; k < kNodeFreedoms; ++k) work.freedomEquations.push_back(equations.Equation(node, k));
    }
    CondenseElementMatrix(work.freedomEquations, matrix, out.equations, out.upperTriangle);
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
                           ConnectivityDescription& description, ElementStream& stream) {
    WriteConnectivity(model, equations, description);

    // Batches bound the memory held outside the stream; the workers take the
    // elements of a batch one by one and the batch is appended in element
    // order, so the stream does not depend on the workers.
    constexpr int kBatch = 4096;
    const int elementCount = model.ElementCount();
    const int workers = FormationWorkerCount(elementCount);
    std::vector<FormedElement> batch(std::min(kBatch, elementCount));
    for (int first = 1; first <= elementCount; first += kBatch) {
        const int size = std::min(kBatch, elementCount - first + 1);
        std::atomic<int> next{0};
        std::vector<std::exception_ptr> failures(workers);
        const auto formShare = [&](int worker) {
            try {
                FormationWork work;
                for (int i = next++; i < size; i = next++) FormElement(model, equations, first + i, work, batch[i]);
            } catch (...) {
                failures[worker] = std::current_exception();
            }
        };
        std::vector<std::thread> threads;
        try {
            for (int worker = 1; worker < workers; ++worker) threads.emplace_back(formShare, worker);
        } catch (const std::system_error&) {
            // Fewer threads than asked for: the started ones share the batch.
        }
        formShare(0);
        for (std::thread& thread : threads) thread.join();
        for (const std::exception_ptr& failure : failures) {
            if (failure) std::rethrow_exception(failure);
        }
        for (int i = 0; i < size; ++i) {
            if (!batch[i].formed) return false;
            stream.AppendElement(batch[i].equations, batch[i].upperTriangle);
        }
    }
    return true;
}

void ApplyRigidLinkTransform(std::span<const int> elementNodes, std::span<StiffnessReal> matrix,
                             const SolidModelTables& model, const SolidEquationTables& equations) {
    const int nodes = static_cast<int>(elementNodes.size());
    const int order = kNodeFreedoms * nodes;
    // T is the identity but for a 6 x 6 diagonal block per slave node.
    std::vector<std::array<double, 36>> blocks(nodes);
    std::vector<bool> isSlave(nodes, false);
    bool anySlave = false;
    for (int a = 0; a < nodes; ++a) {
        const int link = equations.SlaveLink(elementNodes[a]);
        if (link == 0) continue;
        const auto [dx, dy, dz] = LinkLever(model, link);
        auto& t = blocks[a];
        t.fill(0.0);
        for (int i = 0; i < kNodeFreedoms; ++i) t[i * 6 + i] = 1.0;
        const auto set = [&t](int row, int column, double value) { t[column * 6 + row] = value; };
        set(kUX, kRY, dz);
        set(kUX, kRZ, -dy);
        set(kUY, kRX, -dz);
        set(kUY, kRZ, dx);
        set(kUZ, kRX, dy);
        set(kUZ, kRY, -dx);
        isSlave[a] = true;
        anySlave = true;
    }
    if (!anySlave) return;

    StiffnessReal* k = matrix.data();
    const std::size_t n = static_cast<std::size_t>(order);
    std::vector<StiffnessReal> columns(6 * n);
    // K·T: only the column blocks of slaves change.
    for (int b = 0; b < nodes; ++b) {
        if (!isSlave[b]) continue;
        const auto& t = blocks[b];
        std::fill(columns.begin(), columns.end(), 0.0);
        for (int j = 0; j < 6; ++j) {
            for (int q = 0; q < 6; ++q) {
                const double factor = t[j * 6 + q];
                if (factor == 0.0) continue;
                const StiffnessReal* source = k + (6 * b + q) * n;
                StiffnessReal* target = columns.data() + j * n;
                for (std::size_t r = 0; r < n; ++r) target[r] += factor * source[r];
            }
        }
        std::copy(columns.begin(), columns.end(), k + 6 * b * n);
    }
    // Tᵀ·(K·T): only the row blocks of slaves change.
    for (int a = 0; a < nodes; ++a) {
        if (!isSlave[a]) continue;
        const auto& t = blocks[a];
        for (std::size_t c = 0; c < n; ++c) {
            StiffnessReal* column = k + c * n + 6 * a;
            StiffnessReal turned[6];
            for (int i = 0; i < 6; ++i) {
                StiffnessReal sum = 0.0;
                for (int q = 0; q < 6; ++q) sum += t[i * 6 + q] * column[q];
                turned[i] = sum;
            }
            std::copy(turned, turned + 6, column);
        }
    }
}

void CondenseElementMatrix(std::span<int> freedomEquations, std::span<StiffnessReal> matrix,
                           std::vector<int>& equations, std::vector<double>& upperTriangle) {
    const int order = static_cast<int>(freedomEquations.size());
    const auto at = [&](int r, int c) -> StiffnessReal& { return matrix[static_cast<std::size_t>(c) * order + r]; };
    equations.clear();
    upperTriangle.clear();

    // Freedoms that share an equation (a slave and its master, or two slaves
    // of one master) become one row and column, kept at the first of them.
    for (int i = order - 1; i >= 0; --i) {
        if (freedomEquations[i] == 0) continue;
        for (int j = 0; j < i; ++j) {
            if (freedomEquations[j] != freedomEquations[i]) continue;
            for (int c = 0; c < order; ++c) {
                at(j, c) += at(i, c);
                at(i, c) = 0.0;
            }
            for (int r = 0; r < order; ++r) {
                at(r, j) += at(r, i);
                at(r, i) = 0.0;
            }
            freedomEquations[i] = 0;
            break;
        }
    }

    std::vector<std::pair<int, int>> kept;  // (equation, freedom position)
    for (int i = 0; i < order; ++i) {
        if (freedomEquations[i] != 0) kept.emplace_back(freedomEquations[i], i);
    }
    std::sort(kept.begin(), kept.end());
    for (const auto& [equation, position] : kept) equations.push_back(equation);
    for (std::size_t a = 0; a < kept.size(); ++a) {
        for (std::size_t b = a; b < kept.size(); ++b)
            upperTriangle.push_back(static_cast<double>(at(kept[a].second, kept[b].second)));
    }
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
