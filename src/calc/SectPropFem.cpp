#include "calc/SectPropFem.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "calc/CalculationCancel.h"
#include "calc/SolidFemSolver.h"
#include "calc/TaskThreads.h"

namespace {

constexpr double kUnitLoad = 1.0;
constexpr int kRZ = 5;  // result column of the twist

// Thresholds of the lengthening of the torsion cantilevers; see SettleTorsion.
constexpr double kSettledExcess = 0.5;
constexpr double kAimedExcess = 0.1;
// The longest cantilever the torsion may take, in shortest element edges.
// Trials kept J right to the digit up to 1e8 to 1e9 edges, where the solver
// began to find the stiffness singular.
constexpr double kMostEdgesAlong = 1e7;

// J (normalised) as read from the twists of the two cantilevers of one length,
// L and 2L, under the unit torque.
struct TorsionReading {
    double shortJ = 0.0;
    double longJ = 0.0;

    // Held against warping at the root, a cantilever reads J too high by
    // a/L² once it is long beside the section's warping decay length
    // √(E·Cw / (G·J)) (measured: the excess falls by 4.0 each time L
    // doubles), which the lengths L and 2L cancel.
    double Extrapolated() const { return (4.0 * longJ - shortJ) / 3.0; }
    // The excess the long cantilever still read, relative: the share the
    // extrapolation took away. What the extrapolation leaves wrong was
    // measured at 0.0015 to 0.004 times its square on open thin walls (slit
    // tubes, channels, a Z), so 0.5 leaves at most about 0.1 %.
    double Excess() const { return std::fabs(shortJ - longJ) / (3.0 * Extrapolated()); }
};

// What one pass derives from the free-end results.
struct PassResult {
    TorsionReading torsion;
    double shearArea[2] = {0.0, 0.0};  // x, y
};

bool IsPositiveFinite(double value) { return std::isfinite(value) && value > 0.0; }

// The material rows of the solid model: each modulus referred to the
// reference material's as kReferenceModulus · E / E_ref (kReferenceModulus
// where either is 0), each material's own Poisson's ratio.
std::vector<double> ScaledMaterialRows(const std::vector<T_MATL_D>& materials, int referenceMaterial) {
    std::vector<double> rows;
    CSectPropFem::BuildMaterialTable(materials, rows);
    const double referenceModulus = materials[referenceMaterial - 1].E;
    for (std::size_t m = 0; m < materials.size(); ++m) {
        const double modulus = materials[m].E;
        rows[m * kMaterialColumns] = modulus == 0.0 || referenceModulus == 0.0
                                         ? CSectPropFem::kReferenceModulus
                                         : CSectPropFem::kReferenceModulus * modulus / referenceModulus;
    }
    return rows;
}

// The same materials for the torque case: each keeps its shear modulus
// E / (2(1 + ν)) but loses its Poisson's ratio. The root of each cantilever
// is held against warping, and an open section's warping then strains the
// bar axially with the Poisson-stiffened modulus E(1 - ν)/((1 + ν)(1 - 2ν)),
// which has no bound as ν nears 0.5; with ν = 0 that restraint is the same
// for every ν, and the torque case needs nothing but G.
std::vector<double> TorsionMaterialRows(std::vector<double> rows) {
    for (std::size_t at = 0; at < rows.size(); at += kMaterialColumns) {
        rows[at] /= 1.0 + rows[at + 1];
        rows[at + 1] = 0.0;
    }
    return rows;
}

// The two cantilevers of one pass, everything but the materials. Left
// unfinished once the calculation is cancelled; the caller asks the watch.
struct CantileverModel {
    std::vector<double> coordinates, loads;
    std::vector<int> elementRows, constraints, links, loadNodes;

    CantileverModel(const std::vector<T_NODE_D>& nodes, const std::vector<T_ELEM_D>& elements, double cx, double cy,
                    double length, double size, double lengthFactor) {
        const int n = static_cast<int>(nodes.size());
        const int nodeCount = CSectPropFem::kCopies * n * (CSectPropFem::kLayers + 1) + CSectPropFem::kCopies;
        CSectPropFem::ExtrudeMesh(nodes, elements, CSectPropFem::kCopies, CSectPropFem::kLayers, cx, cy, length, size,
                                  coordinates, elementRows, lengthFactor);
        if (CancelWatch::Requested()) return;
        CSectPropFem::BuildConstraintTable(nodeCount, CSectPropFem::kCopies, n, CSectPropFem::kLayers, constraints);
        if (CancelWatch::Requested()) return;
        CSectPropFem::BuildRigidLinkTable(nodeCount, CSectPropFem::kCopies, n, CSectPropFem::kLayers, links);
        CSectPropFem::BuildNodalLoadTable(nodeCount, CSectPropFem::kLoadCases, CSectPropFem::kCopies, kUnitLoad,
                                          loads);
        CSectPropFem::BuildLoadNodeList(nodeCount, CSectPropFem::kCopies, CSectPropFem::kLoadCases, loadNodes);
    }

    // Result row r: master of copy r / 3 under load case r % 3 + 1.
    bool Solve(const std::vector<double>& materialRows, std::vector<double>& rows, int threads) const {
        const SolidModelTables model{
            coordinates, elementRows, materialRows, constraints, links, loads, CSectPropFem::kLoadCases};
        rows.assign(loadNodes.size() / kLoadNodeColumns * kResultColumns, 0.0);
        ProfileSolverOptions options;
        options.threads = threads;
        return RunSolidFemSolver(model, loadNodes, rows, options) == kSolidFemSucceeded;
    }
    // z of copy c's master, the length of that cantilever.
    double TipZ(int copy) const {
        return coordinates[coordinates.size() - kCoordinateColumns * (CSectPropFem::kCopies - copy) + 2];
    }
};

double Value(const std::vector<double>& rows, int row, int component) { return rows[row * kResultColumns + component]; }

// J from the twists of the cantilevers under the unit torque (result rows 0
// and 3), solved with the torsion materials.
TorsionReading ReadTorsion(const CantileverModel& model, const std::vector<double>& torsionRows, double flexibility) {
    return {flexibility * model.TipZ(0) / Value(torsionRows, 0, kRZ),
            flexibility * model.TipZ(1) / Value(torsionRows, 3, kRZ)};
}

// 2(1 + ν)·P / E': the factor of J and of the shear areas, ν the reference
// material's Poisson's ratio.
double Flexibility(const std::vector<T_MATL_D>& materials, int referenceMaterial) {
    return 2.0 * (1.0 + materials[referenceMaterial - 1].nu) * kUnitLoad / CSectPropFem::kReferenceModulus;
}

// The plane mesh and materials of one pass: the cantilevers' cross-section.
struct PassSection {
    const std::vector<T_NODE_D>& nodes;
    const std::vector<T_ELEM_D>& elements;
    const std::vector<T_MATL_D>& materials;
    int referenceMaterial;
    double cx, cy, length, size;
};

// The solid model of one pass, solved; false on a solver failure. A shear
// area of the direction that the pass's cantilever is not sized for may come
// out meaningless; the caller keeps only the values it stores.
bool RunPass(const PassSection& pass, double scale, double lengthFactor, PassResult& result) {
    const std::vector<double> materialRows = ScaledMaterialRows(pass.materials, pass.referenceMaterial);
    const double flexibility = Flexibility(pass.materials, pass.referenceMaterial);

    const CantileverModel model(pass.nodes, pass.elements, pass.cx, pass.cy, pass.length, pass.size, lengthFactor);
    if (CancelWatch::Requested()) return false;
    std::vector<double> rows, torsionRows;
    const std::vector<double> torsionMaterials = TorsionMaterialRows(materialRows);
    const int threads = MachineThreads();
    if (torsionMaterials == materialRows) {
        if (!model.Solve(materialRows, rows, threads)) return false;
        torsionRows = rows;  // every ν is 0 already
    } else {
        // The two solves share nothing but the read-only model: they run at
        // the same time, which roughly halves the wait on a large mesh, and
        // share the threads rather than taking them each.
        bool solved[2] = {false, false};
        RunTasks(2, threads, [&](int task, int taskThreads) {
            solved[task] = task == 0 ? model.Solve(materialRows, rows, taskThreads)
                                     : model.Solve(torsionMaterials, torsionRows, taskThreads);
        });
        if (!solved[0] || !solved[1]) return false;
    }
    result.torsion = ReadTorsion(model, torsionRows, flexibility);

    // The force acts at the centroid, off the shear centre, so it also twists
    // the cantilever. Each tip deflection is taken as if the tip were held
    // against the twist: u - θF² / θT, with θF the tip's twist under the force
    // and θT under the unit torque (the torque moves the centroid by θF).
    // With the root held against warping, the point about which a tip turns
    // moves with the cantilever's length (by 0.07 % of its distance from the
    // centroid between L and 2L for a channel), so each cantilever takes its
    // own: the long one's on the short one left a channel's Asy 2.5 % high,
    // as the twist adds some 35 times the shear deflection there.
    const auto untwistedTip = [&rows](int copy, int d) {
        const int row = 3 * copy + 1 + d;
        const double twist = Value(rows, row, kRZ);
        return Value(rows, row, d) - twist * twist / Value(rows, 3 * copy, kRZ);
    };
    const double compliance = flexibility * model.TipZ(1);
    for (int d = 0; d < 2; ++d) {
        const double shearTip = (8.0 * untwistedTip(0, d) - untwistedTip(1, d)) / 3.0;
        result.shearArea[d] = compliance / shearTip * scale * scale;
    }
    return true;
}

// J read from cantilevers lengthFactor · length and twice that long, solved
// for the torque alone; false on a solver failure, a reading of no sense or
// a cancel.
bool ReadLongerTorsion(const PassSection& pass, double lengthFactor, TorsionReading& reading) {
    const std::vector<double> torsionMaterials =
        TorsionMaterialRows(ScaledMaterialRows(pass.materials, pass.referenceMaterial));
    const CantileverModel model(pass.nodes, pass.elements, pass.cx, pass.cy, pass.length, pass.size, lengthFactor);
    if (CancelWatch::Requested()) return false;
    std::vector<double> torsionRows;
    if (!model.Solve(torsionMaterials, torsionRows, MachineThreads())) return false;
    reading = ReadTorsion(model, torsionRows, Flexibility(pass.materials, pass.referenceMaterial));
    return IsPositiveFinite(reading.Extrapolated()) && std::isfinite(reading.Excess());
}

// The shortest element edge of the plane mesh.
double ShortestEdge(const std::vector<T_NODE_D>& nodes, const std::vector<T_ELEM_D>& elements) {
    double shortest = std::numeric_limits<double>::infinity();
    for (const T_ELEM_D& element : elements) {
        const int corners = element.node[3] == 0 ? 3 : 4;
        for (int a = 0; a < corners; ++a) {
            const T_NODE_D& p = nodes[element.node[a] - 1];
            const T_NODE_D& q = nodes[element.node[(a + 1) % corners] - 1];
            shortest = std::min(shortest, std::hypot(q.x - p.x, q.y - p.y));
        }
    }
    return shortest;
}

struct SettledTorsion {
    double torsion = 0.0;  // normalised
    bool settled = false;  // false: the longest model's J, which may be high
};

// J settled against the length of its cantilevers. A thin open section
// (a slit tube, a deep cold-formed channel) resists warping so much that the
// root's restraint carries a good part of the torque over many times its
// extent, and the 1/L² law behind the extrapolation holds only further out.
// The law itself tells how much longer: the excess left falls as 1/L², so
// while the two cantilevers' readings disagree by more than kSettledExcess the
// torsion cantilevers are lengthened to bring it near kAimedExcess and solved
// again, for the torque alone (the shear areas keep the pass's lengths). No
// warping constant is needed. Sections whose warping dies out within the
// pass's lengths, compact shapes among them, take no further solve. The
// lengthening stops at kMostEdgesAlong shortest element edges along the long
// cantilever, or when a longer model fails, with the last reading unsettled;
// a cancel is such a failure, so no further length is tried.
SettledTorsion SettleTorsion(const PassSection& pass, TorsionReading reading, double lengthFactor,
                             double shortestEdge) {
    const double longestFactor = kMostEdgesAlong * shortestEdge / (2.0 * pass.length);
    while (reading.Excess() > kSettledExcess) {
        if (lengthFactor >= longestFactor) return {reading.Extrapolated(), false};
        lengthFactor = std::min(longestFactor, lengthFactor * std::sqrt(reading.Excess() / kAimedExcess));
        TorsionReading longer;
        if (!ReadLongerTorsion(pass, lengthFactor, longer)) return {reading.Extrapolated(), false};
        reading = longer;
    }
    return {reading.Extrapolated(), true};
}

}  // namespace

bool CSectPropFem::Calculate(const IdMap<T_FENODE_D>& feNodes, const IdMap<T_FEELEM_D>& feElements,
                             const IdMap<T_MATERIAL_D>& materials, int baseMaterialId, const double centroid[2],
                             double& torsion, double& shearAreaX, double& shearAreaY, bool* torsionMayBeHigh) const {
    torsion = shearAreaX = shearAreaY = 0.0;
    std::vector<T_NODE_D> nodes;
    std::map<int, int> nodeNumber;  // model node id -> 1-based node number
    for (const auto& [id, node] : feNodes) {
        if (CancelWatch::RequestedAt(nodes.size())) return false;
        nodes.push_back({node->xy[0], node->xy[1], 0.0});
        nodeNumber[id] = static_cast<int>(nodes.size());
    }

    std::vector<T_ELEM_D> elements;
    std::map<int, int> materialNumber;  // model material id -> 1-based number, in order of first use
    std::vector<int> materialIds;
    int referenceMaterial = 0;
    for (const auto& [id, element] : feElements) {
        if (CancelWatch::RequestedAt(elements.size())) return false;
        const std::size_t corners = element->nodeIds.size();
        if (corners != 3 && corners != 4) return false;
        T_ELEM_D row;
        for (std::size_t a = 0; a < corners; ++a) {
            const auto found = nodeNumber.find(element->nodeIds[a]);
            if (found == nodeNumber.end()) return false;
            row.node[a] = found->second;
        }
        const auto [entry, isNew] =
            materialNumber.try_emplace(element->materialId, static_cast<int>(materialIds.size()) + 1);
        if (isNew) {
            materialIds.push_back(element->materialId);
            if (element->materialId == baseMaterialId) referenceMaterial = entry->second;
        }
        row.material = entry->second;
        elements.push_back(row);
    }
    if (referenceMaterial == 0) referenceMaterial = 1;

    std::vector<T_MATL_D> materialList;
    for (int id : materialIds) {
        const auto found = materials.find(id);
        materialList.push_back(found == materials.end()
                                   ? T_MATL_D{}
                                   : T_MATL_D{found->second->elasticModulus, found->second->poissonRatio});
    }
    return Analyze(nodes, elements, materialList, referenceMaterial, centroid[0], centroid[1], torsion, shearAreaX,
                   shearAreaY, torsionMayBeHigh);
}

bool CSectPropFem::Analyze(const std::vector<T_NODE_D>& nodes, const std::vector<T_ELEM_D>& elements,
                           const std::vector<T_MATL_D>& materials, int referenceMaterial, double cx, double cy,
                           double& torsion, double& shearAreaX, double& shearAreaY,
                           bool* torsionMayBeHigh) const {
    torsion = shearAreaX = shearAreaY = 0.0;
    if (nodes.size() < 3 || elements.empty() || materials.empty()) return false;
    if (referenceMaterial < 1 || referenceMaterial > static_cast<int>(materials.size())) return false;
    const double nu = materials[referenceMaterial - 1].nu;
    if (!(nu >= 0.0 && nu < 0.5)) return false;

    std::vector<T_NODE_D> work = nodes;
    double width = 0.0, height = 0.0, scale = 0.0;
    NormalizeNodes(work, width, height, cx, cy, scale);
    if (!IsPositiveFinite(scale)) return false;

    const double size = std::max(width, height);
    const bool twoPasses = UsesTwoPasses(width, height);
    PassResult results[2];
    const int passes = twoPasses ? 2 : 1;
    const auto passSection = [&](int pass) {
        const double length = !twoPasses ? size : pass == 0 ? width : height;
        return PassSection{work, elements, materials, referenceMaterial, cx, cy, length, size};
    };
    for (int pass = 0; pass < passes; ++pass) {
        if (!RunPass(passSection(pass), scale, m_lengthFactor, results[pass])) return false;
    }
    // Each shear area from the cantilever sized to its direction; in two-pass
    // mode J from the longer one, so that it does not depend on how the
    // section is turned.
    const PassResult& forX = results[0];
    const PassResult& forY = twoPasses ? results[1] : results[0];
    const int passOfJ = twoPasses && height > width ? 1 : 0;
    if (!IsPositiveFinite(results[passOfJ].torsion.Extrapolated()) || !IsPositiveFinite(forX.shearArea[0]) ||
        !IsPositiveFinite(forY.shearArea[1])) {
        return false;
    }
    const SettledTorsion settled =
        SettleTorsion(passSection(passOfJ), results[passOfJ].torsion, m_lengthFactor, ShortestEdge(work, elements));
    if (CancelWatch::Requested()) return false;
    torsion = settled.torsion * std::pow(scale, 4);
    shearAreaX = forX.shearArea[0];
    shearAreaY = forY.shearArea[1];
    if (torsionMayBeHigh) *torsionMayBeHigh = !settled.settled;
    return true;
}

bool CSectPropFem::UsesTwoPasses(double width, double height) { return height * 5.0 < width || width < height / 5.0; }

void CSectPropFem::NormalizeNodes(std::vector<T_NODE_D>& nodes, double& width, double& height, double& x, double& y,
                                  double& scale) {
    double xmin = nodes.front().x, xmax = xmin, ymin = nodes.front().y, ymax = ymin;
    for (const T_NODE_D& node : nodes) {
        xmin = std::min(xmin, node.x);
        xmax = std::max(xmax, node.x);
        ymin = std::min(ymin, node.y);
        ymax = std::max(ymax, node.y);
    }
    width = xmax - xmin;
    height = ymax - ymin;
    scale = std::max(width, height);
    for (T_NODE_D& node : nodes) {
        node.x = (node.x - xmin) / scale;
        node.y = (node.y - ymin) / scale;
    }
    x = (x - xmin) / scale;
    y = (y - ymin) / scale;
    width /= scale;
    height /= scale;
}

void CSectPropFem::ExtrudeMesh(const std::vector<T_NODE_D>& nodes, const std::vector<T_ELEM_D>& elements, int copies,
                               int layers, double cx, double cy, double length, double size,
                               std::vector<double>& coordinates, std::vector<int>& elementRows,
                               double lengthFactor) {
    const int n = static_cast<int>(nodes.size());
    const double depth = lengthFactor * length / layers;
    std::size_t copied = 0;
    coordinates.clear();
    for (int c = 0; c < copies; ++c) {
        for (int k = 0; k <= layers; ++k) {
            for (const T_NODE_D& node : nodes) {
                if (CancelWatch::RequestedAt(copied++)) return;
                coordinates.insert(coordinates.end(), {node.x + 2.0 * c * size, node.y, node.z + (c + 1) * k * depth});
            }
        }
    }
    elementRows.clear();
    for (int c = 0; c < copies; ++c) {
        for (int k = 1; k <= layers; ++k) {
            const int offset = c * n * (layers + 1) + (k - 1) * n;
            for (const T_ELEM_D& element : elements) {
                if (CancelWatch::RequestedAt(copied++)) return;
                const int corners = element.node[3] == 0 ? 3 : 4;
                int row[kElementColumns] = {element.material, 1};
                for (int a = 0; a < corners; ++a) {
                    row[2 + a] = element.node[a] + offset;
                    row[2 + corners + a] = element.node[a] + offset + n;
                }
                elementRows.insert(elementRows.end(), row, row + kElementColumns);
            }
        }
    }
    for (int c = 0; c < copies; ++c) {
        coordinates.insert(coordinates.end(), {cx + 2.0 * c * size, cy, (c + 1) * layers * depth});
    }
}

void CSectPropFem::BuildMaterialTable(const std::vector<T_MATL_D>& materials, std::vector<double>& rows) {
    rows.clear();
    for (const T_MATL_D& material : materials) rows.insert(rows.end(), {material.E, material.nu, 0.0, 0.0});
}

void CSectPropFem::BuildConstraintTable(int nodeCount, int copies, int nodesPerLayer, int layers,
                                        std::vector<int>& rows) {
    const int solidNodes = copies * nodesPerLayer * (layers + 1);
    rows.clear();
    for (int node = 1; node <= nodeCount; ++node) {
        const bool fixedEnd = node <= solidNodes && (node - 1) % (nodesPerLayer * (layers + 1)) < nodesPerLayer;
        const bool master = node > solidNodes;
        // Solid nodes carry no rotations; a master turns about z only.
        const int rotationZ = master ? 0 : 1;
        const int translation = fixedEnd ? 1 : 0;
        rows.insert(rows.end(), {node, translation, translation, translation, 1, 1, rotationZ});
    }
}

void CSectPropFem::BuildRigidLinkTable(int nodeCount, int copies, int nodesPerLayer, int layers,
                                       std::vector<int>& rows) {
    rows.clear();
    for (int c = 0; c < copies; ++c) {
        const int master = nodeCount - copies + 1 + c;
        for (int j = 1; j <= nodesPerLayer; ++j) {
            rows.insert(rows.end(), {c * nodesPerLayer * (layers + 1) + layers * nodesPerLayer + j, master});
        }
    }
}

void CSectPropFem::BuildNodalLoadTable(int nodeCount, int caseCount, int copies, double value,
                                       std::vector<double>& rows) {
    // Case 1 a torque MZ, case 2 a force FX, case 3 a force FY.
    constexpr int kLoadColumnOfCase[3] = {7, 2, 3};
    rows.clear();
    for (int loadCase = 1; loadCase <= caseCount; ++loadCase) {
        for (int c = 0; c < copies; ++c) {
            double row[kNodalLoadColumns] = {static_cast<double>(nodeCount - copies + 1 + c),
                                             static_cast<double>(loadCase)};
            row[kLoadColumnOfCase[(loadCase - 1) % 3]] = value;
            rows.insert(rows.end(), row, row + kNodalLoadColumns);
        }
    }
}

void CSectPropFem::BuildLoadNodeList(int nodeCount, int copies, int caseCount, std::vector<int>& rows) {
    rows.clear();
    for (int c = 0; c < copies; ++c) {
        for (int loadCase = 1; loadCase <= caseCount; ++loadCase)
            rows.insert(rows.end(), {nodeCount - copies + 1 + c, loadCase});
    }
}
