// The element stream written by the element formation on several threads
// must be bit for bit the stream of one thread forming the elements in order,
// and each record the element's plain stiffness with its rigid links applied
// and its shared equations merged.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "LinkedElementReference.h"
#include "SolidSectionModels.h"
#include "calc/SolidEquations.h"

namespace {

// One thread, the elements in order; stops before the first element that
// cannot be formed.
ElementStream OneThreadStream(const SolidModelTables& model, const SolidEquationTables& equations) {
    ElementStream stream;
    std::vector<int> elementEquations;
    std::vector<double> upperTriangle;
    for (int e = 1; e <= model.ElementCount(); ++e) {
        if (!FormElementRecord(model, equations, e, elementEquations, upperTriangle)) break;
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

solid_sections::SolidModel MixedSolid(int side, int invertedElement = 0) {
    solid_sections::PlaneMesh mesh = MixedMesh(side);
    if (invertedElement != 0) {
        std::swap(mesh.elements[invertedElement - 1].node[0], mesh.elements[invertedElement - 1].node[1]);
    }
    return solid_sections::Extrude(mesh, 0.4, 0.5, 0.3);
}

TEST_P(ElementFormation, StreamIsTheStreamOfOneThread) {
    const solid_sections::SolidModel solid = MixedSolid(GetParam().side, GetParam().invertedElement);
    const SolidModelTables model = solid.Tables();
    SolidEquationTables equations;
    NumberEquations(model, equations);

    ConnectivityDescription description;
    ElementStream stream;
    const bool formed = AssembleElementSystem(model, equations, description, stream);
    const ElementStream expected = OneThreadStream(model, equations);
    EXPECT_EQ(formed, GetParam().invertedElement == 0);
    ExpectSameStreams(stream, expected);
    if (!formed) {
        EXPECT_EQ(stream.ElementCount(), GetParam().invertedElement - 1) << "the stream ends before it";
    }
}

// On a mesh this coarse the elements are only about thirty times longer than
// wide, so the reference, built from the plain element rounded to double,
// still holds nearly all its digits after the end faces' cancellation.
TEST(ElementFormation, RecordsAreThePlainElementsWithTheirLinksApplied) {
    const solid_sections::SolidModel solid = MixedSolid(3);
    const SolidModelTables model = solid.Tables();
    SolidEquationTables equations;
    NumberEquations(model, equations);
    ConnectivityDescription description;
    ElementStream stream;
    ASSERT_TRUE(AssembleElementSystem(model, equations, description, stream));
    ASSERT_EQ(stream.ElementCount(), model.ElementCount());
    for (int e = 1; e <= model.ElementCount(); ++e) {
        linked_element::Record reference;
        ASSERT_TRUE(linked_element::Reference(model, equations, e, reference));
        const auto recordEquations = stream.Equations(e - 1);
        ASSERT_EQ(std::vector<int>(recordEquations.begin(), recordEquations.end()), reference.equations)
            << "element " << e;
        const auto triangle = stream.UpperTriangle(e - 1);
        const std::size_t n = reference.equations.size();
        const long double tolerance = 1e-12 * reference.LargestEntry();
        std::size_t next = 0;
        for (std::size_t r = 0; r < n; ++r) {
            for (std::size_t c = r; c < n; ++c, ++next) {
                ASSERT_NEAR(triangle[next], static_cast<double>(reference.At(r, c)), static_cast<double>(tolerance))
                    << "element " << e << " (" << r << ", " << c << ")";
            }
        }
    }
}

}  // namespace
