// The element stream written by the element formation (on several threads,
// without the rows of nodes that carry no equation) must be bit for bit the
// stream of one thread that forms every element's whole matrix.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "SolidSectionModels.h"
#include "calc/SolidElements.h"
#include "calc/SolidEquations.h"

namespace {

// One thread, the whole 18 x 18 or 24 x 24 matrix of every element; stops
// before the first element that cannot be formed.
ElementStream WholeMatrixStream(const SolidModelTables& model, const SolidEquationTables& equations) {
    ElementStream stream;
    std::vector<StiffnessReal> translational(24 * 24), matrix;
    std::vector<int> freedomEquations, elementEquations;
    std::vector<double> upperTriangle;
    for (int e = 1; e <= model.ElementCount(); ++e) {
        const int nodes = model.ElementNodeCount(e);
        const std::span<const int> elementNodes = model.ElementRow(e).subspan(2, nodes);
        if (!(nodes == 8 ? FormHexaStiffness(model, e, translational) : FormWedgeStiffness(model, e, translational))) {
            break;
        }
        const int order = 6 * nodes, translations = 3 * nodes;
        matrix.assign(static_cast<std::size_t>(order) * order, 0.0);
        for (int c = 0; c < translations; ++c) {
            for (int r = 0; r < translations; ++r) {
                matrix[(6 * (c / 3) + c % 3) * order + 6 * (r / 3) + r % 3] = translational[c * translations + r];
            }
        }
        ApplyRigidLinkTransform(elementNodes, matrix, model, equations);
        freedomEquations.clear();
        for (int node : elementNodes) {
            for (int k = 0; k < 6; ++k) freedomEquations.push_back(equations.Equation(node, k));
        }
        CondenseElementMatrix(freedomEquations, matrix, elementEquations, upperTriangle);
        stream.AppendElement(elementEquations, upperTriangle);
    }
    return stream;
}

void ExpectSameStreams(const ElementStream& actual, const ElementStream& expected) {
    ASSERT_EQ(actual.ElementCount(), expected.ElementCount());
    for (int e = 0; e < expected.ElementCount(); ++e) {
        const auto equations = actual.Equations(e), expectedEquations = expected.Equations(e);
        ASSERT_TRUE(std::equal(equations.begin(), equations.end(), expectedEquations.begin(), expectedEquations.end()))
            << "element " << e + 1;
        const auto triangle = actual.UpperTriangle(e), expectedTriangle = expected.UpperTriangle(e);
        ASSERT_EQ(triangle.size(), expectedTriangle.size()) << "element " << e + 1;
        for (std::size_t i = 0; i < triangle.size(); ++i) {
            ASSERT_EQ(std::bit_cast<std::uint64_t>(triangle[i]), std::bit_cast<std::uint64_t>(expectedTriangle[i]))
                << "element " << e + 1 << ", entry " << i << ": " << triangle[i] << " against " << expectedTriangle[i];
        }
    }
}

// A unit-square grid with every third cell split into two triangles (wedges
// in the solid), the cells slightly sheared so that no two elements are alike.
solid_sections::PlaneMesh MixedMesh(int side) {
    solid_sections::PlaneMesh grid = solid_sections::UnitSquareGrid(side);
    for (T_NODE_D& node : grid.nodes) node.x += 0.2 * node.y * node.y / side;
    solid_sections::PlaneMesh mesh{grid.nodes, {}};
    for (std::size_t cell = 0; cell < grid.elements.size(); ++cell) {
        const T_ELEM_D& quad = grid.elements[cell];
        if (cell % 3 != 0) {
            mesh.elements.push_back(quad);
            continue;
        }
        mesh.elements.push_back({1, {quad.node[0], quad.node[1], quad.node[2]}});
        mesh.elements.push_back({1, {quad.node[0], quad.node[2], quad.node[3]}});
    }
    return mesh;
}

struct FormationCase {
    std::string name;
    int side;
    int invertedElement;  // plane element turned clockwise (1-based), 0 for none
};

void PrintTo(const FormationCase& formation, std::ostream* out) { *out << formation.name; }

class ElementFormation : public ::testing::TestWithParam<FormationCase> {};

INSTANTIATE_TEST_SUITE_P(Meshes, ElementFormation,
                         ::testing::Values(FormationCase{"FewElements", 3, 0},
                                           FormationCase{"SeveralBatches", 44, 0},
                                           FormationCase{"InvertedElement", 44, 2500}),
                         [](const auto& info) { return info.param.name; });

TEST_P(ElementFormation, StreamIsTheWholeMatrixStreamOfOneThread) {
    solid_sections::PlaneMesh mesh = MixedMesh(GetParam().side);
    if (const int inverted = GetParam().invertedElement; inverted != 0) {
        std::swap(mesh.elements[inverted - 1].node[0], mesh.elements[inverted - 1].node[1]);
    }
    const solid_sections::SolidModel solid = solid_sections::Extrude(mesh, 0.4, 0.5, 0.3);
    const SolidModelTables model = solid.Tables();
    SolidEquationTables equations;
    NumberEquations(model, equations);

    ConnectivityDescription description;
    ElementStream stream;
    const bool formed = AssembleElementSystem(model, equations, description, stream);
    const ElementStream expected = WholeMatrixStream(model, equations);
    EXPECT_EQ(formed, GetParam().invertedElement == 0);
    ExpectSameStreams(stream, expected);
    if (!formed) {
        EXPECT_EQ(stream.ElementCount(), GetParam().invertedElement - 1) << "the stream ends before it";
    }
}

}  // namespace
