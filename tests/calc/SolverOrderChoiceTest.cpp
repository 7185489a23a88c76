// Which node order the equation solver keeps: the reducing order or the given
// one, whichever gives the smaller equation profile, the reducing order on a
// tie. The profiles are counted here straight from the connectivity
// description under a node order.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "PropsShapes.h"
#include "SolidSectionModels.h"
#include "SolverGridModels.h"
#include "calc/ProfileSolver.h"
#include "calc/SkylineProfile.h"

namespace {

// Profile (diagonals included) when the equations are numbered node by node
// in the order of `position` (position[node] = place in the order), each
// equation at the first node in that order that carries it as its own: a
// slave's equations that its master carries belong to the master.
std::int64_t EquationProfile(const ConnectivityDescription& description, const std::vector<int>& position) {
    const int nodes = description.NodeCount();
    std::vector<int> masterOf(nodes + 1, 0);
    for (const RigidLinkNodes& link : description.rigidLinks) masterOf[link.slave] = link.master;
    const auto owns = [&](int node, int equation) {
        if (masterOf[node] == 0) return true;
        const std::vector<int>& master = description.nodeEquations[masterOf[node] - 1];
        return std::find(master.begin(), master.end(), equation) == master.end();
    };

    std::vector<int> nodeAt(nodes + 1);
    for (int node = 1; node <= nodes; ++node) nodeAt[position[node]] = node;
    std::vector<std::int64_t> number(description.equationCount + 1, 0);
    std::int64_t next = 0;
    for (int p = 1; p <= nodes; ++p) {
        for (int equation : description.nodeEquations[nodeAt[p] - 1]) {
            if (owns(nodeAt[p], equation)) number[equation] = ++next;
        }
    }

    std::vector<std::vector<int>> records = description.elementNodes;
    for (const RigidLinkNodes& link : description.rigidLinks) records.push_back({link.slave, link.master});
    std::vector<std::int64_t> top(description.equationCount + 1, std::numeric_limits<std::int64_t>::max());
    for (const std::vector<int>& record : records) {
        std::int64_t lowest = std::numeric_limits<std::int64_t>::max();
        for (int node : record) {
            for (int equation : description.nodeEquations[node - 1]) lowest = std::min(lowest, number[equation]);
        }
        for (int node : record) {
            for (int equation : description.nodeEquations[node - 1]) {
                top[number[equation]] = std::min(top[number[equation]], lowest);
            }
        }
    }
    std::int64_t profile = 0;
    for (std::int64_t q = 1; q <= description.equationCount; ++q) profile += q - top[q] + 1;
    return profile;
}

std::vector<int> GivenOrder(int nodes) {
    std::vector<int> position(nodes + 1);
    for (int node = 0; node <= nodes; ++node) position[node] = node;
    return position;
}

std::vector<int> ReducingOrder(const ConnectivityDescription& description) {
    SolverGraph graph;
    std::vector<int> position;
    EXPECT_TRUE(BuildSolverGraph(description, graph));
    EXPECT_TRUE(OrderSolverNodes(graph, position));
    return position;
}

struct SolvedSection {
    ConnectivityDescription description;
    std::int64_t keptProfile = 0;
    double twist = 0.0;  // of the first copy's master under the torque
};

// The tube 100 x 5 meshed at level 1, its nodes as the mesh driver numbered them.
solid_sections::PlaneMesh CoarseTubeMesh() {
    CSectModel model;
    T_SECTION_D* section =
        model.FindSection(props_shapes::GenerateSteelSection(model, props_shapes::DrawTube(model, 100, 5)));
    EXPECT_NE(section, nullptr);
    model.BeginUndoAction();
    // 36 divisions on each circle, one element through the wall.
    EXPECT_TRUE(model.MeshPlaneSection(section, 0, 10.0));
    return solid_sections::MeshOf(model);
}

// The same mesh with node i renumbered planeNumber[i - 1].
solid_sections::PlaneMesh Renumbered(const solid_sections::PlaneMesh& mesh, const std::vector<int>& planeNumber) {
    solid_sections::PlaneMesh renumbered = mesh;
    for (std::size_t i = 0; i < mesh.nodes.size(); ++i) renumbered.nodes[planeNumber[i] - 1] = mesh.nodes[i];
    for (T_ELEM_D& element : renumbered.elements) {
        for (int& node : element.node) {
            if (node != 0) node = planeNumber[node - 1];
        }
    }
    return renumbered;
}

// The solid model of the mesh, its masters at the origin, solved for its first load case (the torque).
SolvedSection SolveSection(const solid_sections::PlaneMesh& mesh) {
    SolvedSection solved;
    SolidEquationTables equations;
    ElementStream stream;
    const solid_sections::SolidModel solid = solid_sections::Extrude(mesh, 0.0, 0.0, 0.3);
    EXPECT_TRUE(solid_sections::FormSystem(solid, equations, solved.description, stream));
    std::vector<double> loads;
    AssembleLoadVectors(solid.Tables(), equations, loads);
    const std::size_t n = static_cast<std::size_t>(equations.equationCount);
    std::vector<double> x(n);
    ProfileSolver solver;
    EXPECT_EQ(solver.SolveEquations(ProfileSolver::kJobSetUp, solved.description, stream,
                                    std::span<const double>(loads).first(n), x),
              SolverStatus::Ok);
    solved.keptProfile = solver.ProfileSize();
    const int firstMaster = solved.description.NodeCount() - 1;
    solved.twist = x[equations.Equation(firstMaster, 5) - 1];
    return solved;
}

TEST(SolverOrderChoice, KeepsTheGivenOrderWhenItsEquationProfileIsSmaller) {
    // The masters come last in the given order and the fixed root layer
    // carries no equation: here the given order is the better one.
    const SolvedSection solved = SolveSection(CoarseTubeMesh());
    const std::int64_t given = EquationProfile(solved.description, GivenOrder(solved.description.NodeCount()));
    const std::int64_t reducing = EquationProfile(solved.description, ReducingOrder(solved.description));
    ASSERT_LT(given, reducing) << "the model no longer shows the case";
    EXPECT_EQ(solved.keptProfile, given);
}

TEST(SolverOrderChoice, TakesTheReducingOrderOnScrambledPlaneNodes) {
    const solid_sections::PlaneMesh mesh = CoarseTubeMesh();
    const SolvedSection natural = SolveSection(mesh);
    const SolvedSection solved =
        SolveSection(Renumbered(mesh, solver_models::NodeNumbers(static_cast<int>(mesh.nodes.size()), 7)));
    const std::int64_t given = EquationProfile(solved.description, GivenOrder(solved.description.NodeCount()));
    const std::int64_t reducing = EquationProfile(solved.description, ReducingOrder(solved.description));
    ASSERT_LT(reducing, given);
    EXPECT_EQ(solved.keptProfile, reducing);
    EXPECT_NEAR(solved.twist, natural.twist, 1e-9 * std::abs(natural.twist)) << "the order changes only rounding";
}

TEST(SolverOrderChoice, ATieKeepsTheReducingOrder) {
    // Node 1 carries no equation and is isolated, so the reduction numbers it
    // first and then nodes 2, 4, 3; both orders fill the 3 x 3 triangle.
    ConnectivityDescription description;
    description.equationCount = 3;
    description.elementNodes = {{3, 4, 2}, {3, 2}, {4, 3, 2}};
    description.nodeEquations = {{}, {1}, {2}, {3}};
    ASSERT_EQ(ReducingOrder(description), (std::vector<int>{0, 1, 2, 4, 3}));
    ASSERT_EQ(EquationProfile(description, GivenOrder(4)), 6);
    ASSERT_EQ(EquationProfile(description, ReducingOrder(description)), 6);

    SolverGraph graph;
    SkylineProfile profile;
    ASSERT_TRUE(BuildSolverGraph(description, graph));
    ASSERT_TRUE(OrderSolverEquations(graph, profile));
    EXPECT_EQ(profile.newEquation, (std::vector<std::int64_t>{0, 1, 3, 2}));
}

}  // namespace
