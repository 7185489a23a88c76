// Equation numbering, element records with rigid links, load vectors, the
// solver entry and the result recovery on small hand-made solid models.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "LinkedElementReference.h"
#include "calc/SolidElements.h"
#include "calc/SolidEquations.h"
#include "calc/SolidFemSolver.h"

namespace {

// A column of hexahedra of unit cross-section [0,1]², `levels` elements high
// (unit height each), optionally with the top nodes linked to a master at the
// centre of the top face (the last node), the base fixed, every solid node
// without rotations, the master without RX and RY.
struct ColumnModel {
    std::vector<double> coordinates;
    std::vector<int> elements;
    std::vector<double> materials = {1000.0, 0.0, 0.0, 0.0};
    std::vector<int> constraints;
    std::vector<int> links;
    std::vector<double> loads;
    int loadCases = 1;
    int nodeCount = 0;
    int master = 0;

    explicit ColumnModel(int levels, bool linkedTop = true) {
        const double corner[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        for (int k = 0; k <= levels; ++k) {
            for (const auto& c : corner) coordinates.insert(coordinates.end(), {c[0], c[1], double(k)});
        }
        nodeCount = 4 * (levels + 1);
        for (int k = 0; k < levels; ++k) {
            const int b = 4 * k;
            elements.insert(elements.end(), {1, 1, b + 1, b + 2, b + 3, b + 4, b + 5, b + 6, b + 7, b + 8});
        }
        if (linkedTop) {
            coordinates.insert(coordinates.end(), {0.5, 0.5, double(levels)});
            master = ++nodeCount;
            for (int j = 1; j <= 4; ++j) links.insert(links.end(), {4 * levels + j, master});
        }
        for (int node = 1; node <= nodeCount; ++node) {
            const int fixed = node <= 4 ? 1 : 0;
            constraints.insert(constraints.end(), {node, fixed, fixed, fixed, 1, 1, node == master ? 0 : 1});
        }
    }

    void AddLoad(int node, int loadCase, std::array<double, 6> f) {
        loads.insert(loads.end(), {double(node), double(loadCase)});
        loads.insert(loads.end(), f.begin(), f.end());
    }

    SolidModelTables Tables() const { return {coordinates, elements, materials, constraints, links, loads, loadCases}; }
};

// One hexahedron (nodes 1-8, unit cube), node 9 in nothing, node 10 a master
// above the top face's centre that belongs to no element, the top nodes its
// slaves; node 1 fully fixed, node 2 fixed in UZ, a slave's UX "fixed".
struct LinkedCube {
    std::vector<double> coordinates = {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0, 0,   0,   1,
                                       1, 0, 1, 1, 1, 1, 0, 1, 1, 5, 5, 5, 0.5, 0.5, 1.5};
    std::vector<int> elements = {1, 1, 1, 2, 3, 4, 5, 6, 7, 8};
    std::vector<double> materials = {1000.0, 0.25, 0.0, 0.0};
    std::vector<int> constraints = {1, 1, 1, 1, 1, 1, 1, 2, 0, 0, 1, 0, 0, 0, 5, 1, 0, 0, 0, 0, 0};
    std::vector<int> links = {5, 10, 6, 10, 7, 10, 8, 10};
    std::vector<double> loads;

    SolidModelTables Tables(int loadCases = 0) const {
        return {coordinates, elements, materials, constraints, links, loads, loadCases};
    }
};

std::vector<int> NodeEquations(const SolidEquationTables& equations, int node) {
    std::vector<int> out;
    for (int k = 0; k < kNodeFreedoms; ++k) out.push_back(equations.Equation(node, k));
    return out;
}

// Numbering and element records of a model.
struct Assembled {
    SolidEquationTables equations;
    ConnectivityDescription description;
    ElementStream stream;
    bool formed = false;

    explicit Assembled(const SolidModelTables& model) {
        NumberEquations(model, equations);
        formed = AssembleElementSystem(model, equations, description, stream);
    }
};

TEST(NumberEquations, FollowsNodeKindsConstraintsAndLinks) {
    const LinkedCube cube;
    SolidEquationTables equations;
    NumberEquations(cube.Tables(), equations);
    EXPECT_EQ(equations.nodeKinds, (std::vector<int>{1, 1, 1, 1, 2, 2, 2, 2, 0, 3}));
    EXPECT_EQ(equations.equationCount, 15);
    EXPECT_EQ(NodeEquations(equations, 1), (std::vector<int>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(NodeEquations(equations, 2), (std::vector<int>{1, 2, 0, 0, 0, 0}));
    EXPECT_EQ(NodeEquations(equations, 3), (std::vector<int>{3, 4, 5, 0, 0, 0}));
    // A slave keeps its own UZ and shares UX, UY, RZ with its master; the
    // constraint on its UX has no effect.
    EXPECT_EQ(NodeEquations(equations, 5), (std::vector<int>{13, 14, 9, 0, 0, 15}));
    EXPECT_EQ(NodeEquations(equations, 8), (std::vector<int>{13, 14, 12, 0, 0, 15}));
    EXPECT_EQ(NodeEquations(equations, 9), (std::vector<int>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(NodeEquations(equations, 10), (std::vector<int>{13, 14, 0, 0, 0, 15}));
}

TEST(NumberEquations, MasterThatIsAnElementNodeLosesItsUZ) {
    LinkedCube cube;
    cube.links = {5, 8};
    cube.constraints.clear();
    SolidEquationTables equations;
    NumberEquations(cube.Tables(), equations);
    EXPECT_EQ(equations.Kind(8), kMasterNode);
    EXPECT_EQ(NodeEquations(equations, 8), (std::vector<int>{20, 21, 0, 0, 0, 22}));
    EXPECT_EQ(NodeEquations(equations, 5), (std::vector<int>{20, 21, 13, 0, 0, 22}));
    EXPECT_EQ(NodeEquations(equations, 7), (std::vector<int>{17, 18, 19, 0, 0, 0}));
    EXPECT_EQ(NodeEquations(equations, 10), (std::vector<int>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(equations.equationCount, 22);
}

TEST(AssembleElementSystem, WritesTheConnectivityDescription) {
    const LinkedCube cube;
    const Assembled assembled(cube.Tables());
    ASSERT_TRUE(assembled.formed);
    const ConnectivityDescription& description = assembled.description;
    EXPECT_EQ(description.equationCount, 15);
    ASSERT_EQ(description.elementNodes.size(), 1u);
    EXPECT_EQ(description.elementNodes[0], (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    ASSERT_EQ(description.rigidLinks.size(), 4u);
    EXPECT_EQ(description.rigidLinks[3].slave, 8);
    EXPECT_EQ(description.rigidLinks[3].master, 10);
    ASSERT_EQ(description.NodeCount(), 10);
    EXPECT_TRUE(description.nodeEquations[0].empty());
    EXPECT_TRUE(description.nodeEquations[8].empty());
    EXPECT_EQ(description.nodeEquations[5], (std::vector<int>{13, 14, 10, 15}));
    EXPECT_EQ(description.nodeEquations[9], (std::vector<int>{13, 14, 15}));
}

// The element record on the shared equations carries the same energy as the
// element's own stiffness under the rigid-link motion of its slaves.
TEST(AssembleElementSystem, LinkedElementRecordMatchesTheRigidMotionEnergy) {
    const LinkedCube cube;
    const SolidModelTables model = cube.Tables();
    const Assembled assembled(model);
    ASSERT_TRUE(assembled.formed);
    const SolidEquationTables& equations = assembled.equations;
    const ElementStream& stream = assembled.stream;
    ASSERT_EQ(stream.ElementCount(), 1);
    const auto recordEquations = stream.Equations(0);
    std::vector<int> expected(15);
    for (int i = 0; i < 15; ++i) expected[i] = i + 1;
    EXPECT_EQ(std::vector<int>(recordEquations.begin(), recordEquations.end()), expected);

    std::vector<double> k(24 * 24);
    ASSERT_TRUE(FormHexaStiffness(model, 1, k));
    std::mt19937 random(5);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    for (int trial = 0; trial < 3; ++trial) {
        std::vector<double> q(16, 0.0);  // q[equation], q[0] unused
        for (int e = 1; e <= 15; ++e) q[e] = value(random);
        std::vector<double> u(24, 0.0);
        for (int node = 1; node <= 8; ++node) {
            for (int i = 0; i < 3; ++i) {
                const int equation = equations.Equation(node, i);
                u[3 * (node - 1) + i] = equation ? q[equation] : 0.0;
            }
            if (node >= 5) {
                const double dx = model.Coordinate(node, 0) - 0.5, dy = model.Coordinate(node, 1) - 0.5;
                u[3 * (node - 1) + 0] -= dy * q[15];
                u[3 * (node - 1) + 1] += dx * q[15];
            }
        }
        double direct = 0.0;
        for (int r = 0; r < 24; ++r) {
            for (int c = 0; c < 24; ++c) direct += u[r] * k[c * 24 + r] * u[c];
        }
        const auto triangle = stream.UpperTriangle(0);
        double fromRecord = 0.0;
        std::size_t next = 0;
        for (int a = 0; a < 15; ++a) {
            for (int b = a; b < 15; ++b) fromRecord += (a == b ? 1.0 : 2.0) * q[a + 1] * triangle[next++] * q[b + 1];
        }
        EXPECT_NEAR(fromRecord, direct, 1e-10 * std::abs(direct));
    }
}

struct RecordCase {
    const char* name;
    std::vector<double> coordinates;
    std::vector<int> elements;
    std::vector<int> constraints;
    std::vector<int> links;
};

void PrintTo(const RecordCase& c, std::ostream* os) { *os << c.name; }

// A distorted hexahedron and a slanted wedge whose end faces are slaves of a
// master off their centre and above them (all lever arms non-zero), with a
// fixed, a partly fixed and free base nodes; and a box whose node numbers run
// against its element order, so that its equations come unsorted, with free
// nodes, a slave of another node of the box and a master whose only slave is
// outside the box (its RZ moves no node of the box: a row of zeros).
const RecordCase kRecordCases[] = {
    {"HexaWithSlaveEndFace",
     {0, 0, 0, 2.2, 0.1, 0.2, 2.5, 1.7, -0.1, -0.3, 1.2, 0.1, 0.2, -0.1, 2.6, 2.0, 0.3, 3.1, 2.4, 1.5, 2.9, 0.1, 1.4,
      3.3, 0.7, 0.4, 3.6},
     {1, 1, 1, 2, 3, 4, 5, 6, 7, 8},
     {1, 1, 1, 1, 1, 1, 1, 2, 0, 0, 1, 0, 0, 0},
     {5, 9, 6, 9, 7, 9, 8, 9}},
    {"WedgeWithSlaveEndFace",
     {0.1, 0, 0, 3, 0.4, 0.3, 1.2, 2, -0.2, 0.5, 0.3, 2.5, 3.2, 0.9, 2.2, 1.4, 2.6, 2.8, 1.5, 1.0, 3.0},
     {1, 1, 1, 2, 3, 4, 5, 6, 0, 0},
     {1, 1, 1, 1, 1, 1, 1, 2, 1, 1, 1, 1, 1, 1, 3, 1, 1, 1, 1, 1, 1},
     {4, 7, 5, 7, 6, 7}},
    {"BoxNumberedAgainstItsOrder",
     {2, 0, 0, 0, 1, 0, 0, 0, 0, 2, 1, 0, 2, 0, 3, 0, 1, 3, 0, 0, 3, 2, 1, 3, 5, 5, 5},
     {1, 1, 3, 1, 4, 2, 7, 5, 8, 6},
     {},
     {8, 6, 9, 5}},
};

class ElementRecord : public ::testing::TestWithParam<RecordCase> {};

INSTANTIATE_TEST_SUITE_P(Elements, ElementRecord, ::testing::ValuesIn(kRecordCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(ElementRecord, IsThePlainElementWithItsLinksAppliedAndItsEquationsMerged) {
    const RecordCase& c = GetParam();
    const std::vector<double> materials = {1000.0, 0.3, 0.0, 0.0};
    const SolidModelTables model{c.coordinates, c.elements, materials, c.constraints, c.links, {}, 0};
    SolidEquationTables equations;
    NumberEquations(model, equations);
    std::vector<int> recordEquations;
    std::vector<double> triangle;
    ASSERT_TRUE(FormElementRecord(model, equations, 1, recordEquations, triangle));

    linked_element::Record reference;
    ASSERT_TRUE(linked_element::Reference(model, equations, 1, reference));
    EXPECT_EQ(recordEquations, reference.equations);
    const std::size_t n = reference.equations.size();
    ASSERT_EQ(triangle.size(), n * (n + 1) / 2);
    const double tolerance = 1e-12 * static_cast<double>(reference.LargestEntry());
    std::size_t next = 0;
    for (std::size_t r = 0; r < n; ++r) {
        for (std::size_t col = r; col < n; ++col, ++next)
            EXPECT_NEAR(triangle[next], static_cast<double>(reference.At(r, col)), tolerance) << r << ", " << col;
    }
}

// The base of the cube free, its top face linked to the master above it: the
// six rigid motions, written in the element's equations, load none of them.
TEST(ElementRecord, RigidMotionInItsEquationsCarriesNoForce) {
    LinkedCube cube;
    cube.constraints.clear();
    const SolidModelTables model = cube.Tables();
    SolidEquationTables equations;
    NumberEquations(model, equations);
    std::vector<int> recordEquations;
    std::vector<double> triangle;
    ASSERT_TRUE(FormElementRecord(model, equations, 1, recordEquations, triangle));
    const std::size_t n = recordEquations.size();
    std::vector<double> k(n * n);
    double largest = 0.0;
    std::size_t next = 0;
    for (std::size_t r = 0; r < n; ++r) {
        for (std::size_t c = r; c < n; ++c, ++next) {
            k[r * n + c] = k[c * n + r] = triangle[next];
            largest = std::max(largest, std::abs(triangle[next]));
        }
    }
    const auto column = [&](int equation) {
        return static_cast<std::size_t>(std::find(recordEquations.begin(), recordEquations.end(), equation) -
                                        recordEquations.begin());
    };
    for (int mode = 0; mode < 6; ++mode) {
        // u(p) = t + ω × p with a unit t or ω.
        const std::array<double, 3> t = {mode == 0 ? 1.0 : 0.0, mode == 1 ? 1.0 : 0.0, mode == 2 ? 1.0 : 0.0};
        const std::array<double, 3> w = {mode == 3 ? 1.0 : 0.0, mode == 4 ? 1.0 : 0.0, mode == 5 ? 1.0 : 0.0};
        const auto motion = [&](double x, double y, double z) {
            return std::array<double, 3>{t[0] + w[1] * z - w[2] * y, t[1] + w[2] * x - w[0] * z,
                                         t[2] + w[0] * y - w[1] * x};
        };
        std::vector<double> q(n, 0.0);
        for (int node = 1; node <= 10; ++node) {
            // The link has no RX or RY to reach the master's height: its UX
            // and UY are those of the point below it in the slaves' plane z = 1.
            const double z = node == 10 ? 1.0 : model.Coordinate(node, 2);
            const auto u = motion(model.Coordinate(node, 0), model.Coordinate(node, 1), z);
            for (int f = 0; f < 3; ++f) {
                if (const int equation = equations.Equation(node, f); equation != 0) q[column(equation)] = u[f];
            }
            if (const int equation = equations.Equation(node, 5); equation != 0) q[column(equation)] = w[2];
        }
        for (std::size_t r = 0; r < n; ++r) {
            double force = 0.0;
            for (std::size_t c = 0; c < n; ++c) force += k[r * n + c] * q[c];
            EXPECT_NEAR(force, 0.0, 1e-12 * largest * 4.0) << "mode " << mode << ", equation " << recordEquations[r];
        }
    }
}

TEST(AssembleElementSystem, FullyFixedElementGivesAnEmptyRecord) {
    LinkedCube cube;
    cube.links.clear();
    cube.constraints.clear();
    for (int node = 1; node <= 10; ++node) cube.constraints.insert(cube.constraints.end(), {node, 1, 1, 1, 1, 1, 1});
    const Assembled assembled(cube.Tables());
    ASSERT_TRUE(assembled.formed);
    EXPECT_EQ(assembled.equations.equationCount, 0);
    ASSERT_EQ(assembled.stream.ElementCount(), 1);
    EXPECT_TRUE(assembled.stream.Equations(0).empty());
}

TEST(AssembleLoadVectors, MovesSlaveLoadsToTheMasterWithTheirMoment) {
    LinkedCube cube;
    const auto addLoad = [&cube](int node, int loadCase, std::array<double, 6> f) {
        cube.loads.insert(cube.loads.end(), {node + 0.2, loadCase - 0.3});  // rounded to the nearest integer
        cube.loads.insert(cube.loads.end(), f.begin(), f.end());
    };
    addLoad(6, 1, {2, 3, 5, 7, 11, 13});  // slave at (1, 0, 1), d = (0.5, -0.5, -0.5)
    addLoad(6, 1, {1, 0, 0, 0, 0, 0});    // adds up
    addLoad(3, 2, {0, 0, 4, 0, 0, 0});
    addLoad(1, 2, {9, 9, 9, 9, 9, 9});  // fixed node: dropped
    const SolidModelTables model = cube.Tables(2);
    SolidEquationTables equations;
    NumberEquations(model, equations);
    std::vector<double> loads;
    AssembleLoadVectors(model, equations, loads);
    ASSERT_EQ(loads.size(), 30u);
    std::vector<double> case1(loads.begin(), loads.begin() + 15), case2(loads.begin() + 15, loads.end());
    std::vector<double> expected1(15, 0.0), expected2(15, 0.0);
    expected1[13 - 1] = 3.0;                              // FX
    expected1[14 - 1] = 3.0;                              // FY
    expected1[10 - 1] = 5.0;                              // FZ on the slave's own UZ
    expected1[15 - 1] = 13.0 + 0.5 * 3.0 - (-0.5) * 3.0;  // MZ + dx FY - dy FX
    expected2[5 - 1] = 4.0;
    for (int i = 0; i < 15; ++i) {
        EXPECT_DOUBLE_EQ(case1[i], expected1[i]) << i;
        EXPECT_DOUBLE_EQ(case2[i], expected2[i]) << i;
    }
}

TEST(RunSolidFemSolver, ColumnUnderAxialLoadStretchesExactly) {
    ColumnModel column(3, false);
    column.loadCases = 2;
    for (int j = 13; j <= 16; ++j) {
        column.AddLoad(j, 1, {0, 0, 0.25, 0, 0, 0});
        column.AddLoad(j, 2, {0, 0, -0.5, 0, 0, 0});
    }
    const std::vector<int> requests = {14, 1, 14, 2, 1, 1, 14, 1};
    std::vector<double> results(6 * 4, -1.0);
    ASSERT_EQ(RunSolidFemSolver(column.Tables(), requests, results), kSolidFemSucceeded);
    // ν = 0: uniform stress 1 / A, no lateral strain, UZ = P L / (E A).
    const double expected = 1.0 * 3.0 / 1000.0;
    EXPECT_NEAR(results[2], expected, 1e-12);
    EXPECT_NEAR(results[6 + 2], -2.0 * expected, 1e-12);
    for (int k : {0, 1, 3, 4, 5}) EXPECT_NEAR(results[k], 0.0, 1e-15);
    // A restrained node gives exactly 0.0; a repeated request the same row.
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(results[12 + k], 0.0);
        EXPECT_EQ(results[18 + k], results[k]);
    }
}

TEST(RunSolidFemSolver, SlaveFollowsItsMasterRigidlyInThePlane) {
    ColumnModel column(2);
    column.loadCases = 2;
    column.AddLoad(column.master, 1, {0, 0, 0, 0, 0, 1.0});
    column.AddLoad(column.master, 2, {1.0, 0, 0, 0, 0, 0});
    const int slave = 10;  // (1, 0, 2): d = (0.5, -0.5, 0)
    const std::vector<int> requests = {column.master, 1, slave, 1, column.master, 2, slave, 2};
    std::vector<double> results(24);
    ASSERT_EQ(RunSolidFemSolver(column.Tables(), requests, results), kSolidFemSucceeded);
    for (int loadCase = 0; loadCase < 2; ++loadCase) {
        const double* master = &results[12 * loadCase];
        const double* own = &results[12 * loadCase + 6];
        EXPECT_GT(std::abs(master[loadCase == 0 ? 5 : 0]), 0.0);
        EXPECT_DOUBLE_EQ(own[0], master[0] - (-0.5) * master[5]);
        EXPECT_DOUBLE_EQ(own[1], master[1] + 0.5 * master[5]);
        EXPECT_EQ(own[3], 0.0);
        EXPECT_EQ(own[4], 0.0);
        EXPECT_EQ(own[5], master[5]);
        EXPECT_EQ(master[2], 0.0);  // a master carries no UZ
    }
    // The torque twists the column; a square's torsion constant is 0.1406 a^4.
    const double shear = 1000.0 / 2.0;
    EXPECT_NEAR(results[5], 2.0 / (shear * 0.1406), 0.25 * 2.0 / (shear * 0.1406));
}

TEST(RunSolidFemSolver, EmptyRequestListStillSolves) {
    ColumnModel column(1);
    column.AddLoad(column.master, 1, {0, 0, 0, 0, 0, 1.0});
    EXPECT_EQ(RunSolidFemSolver(column.Tables(), {}, {}), kSolidFemSucceeded);
    // An inverted element still fails with an empty request list: the model is solved.
    std::swap(column.elements[2], column.elements[4]);
    std::swap(column.elements[6], column.elements[8]);
    EXPECT_EQ(RunSolidFemSolver(column.Tables(), {}, {}), kSolidFemFailed);
}

struct FailureCase {
    const char* name;
    void (*spoil)(ColumnModel&, std::vector<int>& requests, std::size_t& resultSize);
    ProfileSolverOptions options;
};

const FailureCase kFailures[] = {
    {"InvertedElement",
     [](ColumnModel& m, std::vector<int>&, std::size_t&) {
         // Clockwise base seen from the top.
         std::swap(m.elements[10 + 3], m.elements[10 + 5]);
         std::swap(m.elements[10 + 7], m.elements[10 + 9]);
     },
     {}},
    {"TangledElement", [](ColumnModel& m, std::vector<int>&, std::size_t&) { m.coordinates[3 * 8 + 2] = 0.0; }, {}},
    {"UnusablePoissonRatio", [](ColumnModel& m, std::vector<int>&, std::size_t&) { m.materials[1] = 0.5; }, {}},
    {"UnknownMaterial", [](ColumnModel& m, std::vector<int>&, std::size_t&) { m.elements[10] = 2; }, {}},
    {"NodeOutOfRange", [](ColumnModel& m, std::vector<int>&, std::size_t&) { m.elements[5] = 99; }, {}},
    {"LinkNodeOutOfRange", [](ColumnModel& m, std::vector<int>&, std::size_t&) { m.links[1] = 0; }, {}},
    {"LoadCaseOutOfRange", [](ColumnModel& m, std::vector<int>&, std::size_t&) { m.loads[1] = 2.0; }, {}},
    {"RequestOutOfRange", [](ColumnModel&, std::vector<int>& r, std::size_t&) { r[0] = 0; }, {}},
    {"ResultsTooShort", [](ColumnModel&, std::vector<int>&, std::size_t& size) { size = 5; }, {}},
    {"CoordinateNotANumber",
     [](ColumnModel& m, std::vector<int>&, std::size_t&) {
         m.coordinates[4] = std::numeric_limits<double>::quiet_NaN();
     },
     {}},
    {"SingularStiffness",
     [](ColumnModel& m, std::vector<int>&, std::size_t&) {
         for (std::size_t row = 0; row < 4; ++row) m.constraints[7 * row + 3] = 0;  // base free in UZ
     },
     {}},
    {"PartitionFails", [](ColumnModel&, std::vector<int>&, std::size_t&) {}, {1, {}}},
};

class SolverFailure : public ::testing::TestWithParam<FailureCase> {};

INSTANTIATE_TEST_SUITE_P(Cases, SolverFailure, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(SolverFailure, GivesStatusOneAndLeavesTheResultsUntouched) {
    ColumnModel column(2);
    column.AddLoad(column.master, 1, {0, 0, 0, 0, 0, 1.0});
    std::vector<int> requests = {column.master, 1};
    std::size_t resultSize = 6;
    GetParam().spoil(column, requests, resultSize);
    std::vector<double> results(resultSize, -3.0);
    EXPECT_EQ(RunSolidFemSolver(column.Tables(), requests, results, GetParam().options), kSolidFemFailed);
    for (double v : results) EXPECT_EQ(v, -3.0);
}

}  // namespace
