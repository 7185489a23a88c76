#pragma once

// The one-pass solid model of a plane mesh, built the way the section
// calculation builds it (two extruded copies fixed at their roots, their free
// ends tied to one master each, three load cases), for tests and benchmarks
// that look at its stages one by one. Header only, so the benchmarks build the
// same models.

#include <algorithm>
#include <map>
#include <vector>

#include "calc/SectPropFem.h"
#include "calc/SolidEquations.h"
#include "calc/SolidModelTables.h"
#include "model/SectModel.h"

namespace solid_sections {

struct PlaneMesh {
    std::vector<T_NODE_D> nodes;
    std::vector<T_ELEM_D> elements;  // one material
};

// side x side quadrilaterals over the unit square, nodes row by row.
inline PlaneMesh UnitSquareGrid(int side) {
    PlaneMesh mesh;
    for (int j = 0; j <= side; ++j) {
        for (int i = 0; i <= side; ++i) mesh.nodes.push_back({double(i) / side, double(j) / side, 0.0});
    }
    for (int j = 0; j < side; ++j) {
        for (int i = 0; i < side; ++i) {
            const int a = j * (side + 1) + i + 1;
            mesh.elements.push_back({1, {a, a + 1, a + side + 2, a + side + 1}});
        }
    }
    return mesh;
}

// The model's finite-element maps in ascending id order, as the calculation reads them.
inline PlaneMesh MeshOf(const CSectModel& model) {
    PlaneMesh mesh;
    std::map<int, int> number;
    for (const auto& [id, node] : model.m_feNodes) {
        mesh.nodes.push_back({node->xy[0], node->xy[1], 0.0});
        number[id] = static_cast<int>(mesh.nodes.size());
    }
    for (const auto& [id, element] : model.m_feElements) {
        T_ELEM_D row{1, {}};
        for (std::size_t a = 0; a < element->nodeIds.size(); ++a) row.node[a] = number.at(element->nodeIds[a]);
        mesh.elements.push_back(row);
    }
    return mesh;
}

struct SolidModel {
    std::vector<double> coordinates, materials, loads;
    std::vector<int> rows, constraints, links;

    SolidModelTables Tables() const {
        return {coordinates, rows, materials, constraints, links, loads, CSectPropFem::kLoadCases};
    }
};

// The masters sit at (cx, cy) of the plane mesh; the mesh is normalised first.
inline SolidModel Extrude(const PlaneMesh& mesh, double cx, double cy, double poisson) {
    std::vector<T_NODE_D> nodes = mesh.nodes;
    double width = 0.0, height = 0.0, scale = 0.0;
    CSectPropFem::NormalizeNodes(nodes, width, height, cx, cy, scale);
    const double size = std::max(width, height);

    const int n = static_cast<int>(nodes.size());
    const int copies = CSectPropFem::kCopies, layers = CSectPropFem::kLayers;
    const int nodeCount = copies * n * (layers + 1) + copies;
    SolidModel solid;
    CSectPropFem::ExtrudeMesh(nodes, mesh.elements, copies, layers, cx, cy, size, size, solid.coordinates,
                              solid.rows);
    CSectPropFem::BuildMaterialTable({{CSectPropFem::kReferenceModulus, poisson}}, solid.materials);
    CSectPropFem::BuildConstraintTable(nodeCount, copies, n, layers, solid.constraints);
    CSectPropFem::BuildRigidLinkTable(nodeCount, copies, n, layers, solid.links);
    CSectPropFem::BuildNodalLoadTable(nodeCount, CSectPropFem::kLoadCases, copies, 1.0, solid.loads);
    return solid;
}

// The equation solver's input for the solid model; false when formation fails.
inline bool FormSystem(const SolidModel& solid, SolidEquationTables& equations, ConnectivityDescription& description,
                       ElementStream& stream) {
    const SolidModelTables tables = solid.Tables();
    NumberEquations(tables, equations);
    return AssembleElementSystem(tables, equations, description, stream);
}

}  // namespace solid_sections
