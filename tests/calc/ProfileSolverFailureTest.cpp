// Equation solver failures: pivots, inconsistent input, partition limits and
// scratch files that cannot be written or read. Each failure is a status, x is
// left alone, and nothing is kept for a later solve.

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>

#include "SolverTestSupport.h"
#include "calc/CalculationCancel.h"
#include "calc/ProfileSolver.h"

using namespace solver_test;
using solver_models::PlaneStressCantilever;

namespace {

// A system of the given symmetric matrix (row-major), as one element on
// equations 1..n of one node.
SolverModel SingleElementSystem(int n, const std::vector<double>& matrix) {
    SolverModel model;
    model.description.equationCount = n;
    model.description.elementNodes = {{1}};
    std::vector<int> equations(n);
    for (int q = 0; q < n; ++q) equations[q] = q + 1;
    model.description.nodeEquations = {equations};
    solver_models::AppendCondensedElement(model.stream, equations, matrix);
    return model;
}

SolverStatus RunSetUp(ProfileSolver& solver, const SolverModel& model, const std::vector<double>& rhs,
                      std::vector<double>& x) {
    return solver.SolveEquations(ProfileSolver::kJobSetUp, model.description, model.stream, rhs, x);
}

// After a failure the solver keeps nothing: a solve job is refused and x stays.
void ExpectNothingKept(ProfileSolver& solver, const SolverModel& model) {
    const std::vector<double> rhs(model.description.equationCount, 1.0);
    std::vector<double> x(rhs.size(), 42.0);
    EXPECT_EQ(solver.SolveEquations(ProfileSolver::kJobSolve, model.description, model.stream, rhs, x),
              SolverStatus::NotSetUp);
    EXPECT_EQ(x, std::vector<double>(rhs.size(), 42.0));
    EXPECT_TRUE(solver.ScratchFolder().empty());
}

struct OneEquationCase {
    const char* name;
    double stiffness;
    SolverStatus status;
};

const OneEquationCase kOneEquation[] = {
    {"Positive", 4.0, SolverStatus::Ok},
    {"TinyButPositiveIsNotLifted", 1e-12, SolverStatus::Ok},
    {"Zero", 0.0, SolverStatus::NotPositiveDefinite},
    {"Negative", -2.0, SolverStatus::NotPositiveDefinite},
    {"NotANumber", std::numeric_limits<double>::quiet_NaN(), SolverStatus::NotPositiveDefinite},
};

class OneEquation : public ::testing::TestWithParam<OneEquationCase> {};

INSTANTIATE_TEST_SUITE_P(Pivots, OneEquation, ::testing::ValuesIn(kOneEquation),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(OneEquation, PivotIsTheAssembledDiagonal) {
    const SolverModel model = SingleElementSystem(1, {GetParam().stiffness});
    ProfileSolver solver;
    std::vector<double> x = {42.0};
    ASSERT_EQ(RunSetUp(solver, model, {2.0}, x), GetParam().status);
    if (GetParam().status == SolverStatus::Ok) {
        EXPECT_EQ(x[0], 2.0 / GetParam().stiffness);
        EXPECT_EQ(solver.ProfileSize(), 1);
        EXPECT_EQ(solver.MaxColumnHeight(), 1);
    } else {
        EXPECT_EQ(x[0], 42.0);
        ExpectNothingKept(solver, model);
    }
}

TEST(SolverPivots, RatioToTheAssembledDiagonalDecides) {
    // [[1, 1], [1, 1 + delta]]: the second pivot is delta.
    const auto pivotOf = [](double delta) {
        const SolverModel model = SingleElementSystem(2, {1.0, 1.0, 1.0, 1.0 + delta});
        ProfileSolver solver;
        std::vector<double> x(2);
        return RunSetUp(solver, model, {1.0, 0.0}, x);
    };
    EXPECT_EQ(pivotOf(3e-7), SolverStatus::Ok);
    EXPECT_EQ(pivotOf(1e-12), SolverStatus::Ok);
    EXPECT_EQ(pivotOf(1e-14), SolverStatus::NotPositiveDefinite);
    EXPECT_EQ(pivotOf(-1e-3), SolverStatus::NotPositiveDefinite);
}

TEST(SolverPivots, UnsupportedModelIsSingular) {
    SolverModel floating = PlaneStressCantilever({3, 2, 1.0, 1.0, 0, false});
    // Re-number without the fixed edge: rigid-body motion is free.
    SolverModel model;
    model.description.elementNodes = floating.description.elementNodes;
    const int nodes = floating.description.NodeCount();
    model.description.equationCount = 2 * nodes;
    const std::vector<double> k = solver_models::PlaneStressQuadStiffness({0, 1, 1, 0}, {0, 0, 1, 1}, 1.0, 0.3, 1.0);
    for (int node = 1; node <= nodes; ++node) model.description.nodeEquations.push_back({2 * node - 1, 2 * node});
    for (const std::vector<int>& corners : model.description.elementNodes) {
        std::vector<int> freedoms;
        for (int node : corners) freedoms.insert(freedoms.end(), {2 * node - 1, 2 * node});
        solver_models::AppendCondensedElement(model.stream, freedoms, k);
    }
    ProfileSolver solver;
    std::vector<double> x(model.description.equationCount);
    EXPECT_EQ(RunSetUp(solver, model, std::vector<double>(x.size(), 1.0), x), SolverStatus::NotPositiveDefinite);
    ExpectNothingKept(solver, model);
}

struct InputCase {
    const char* name;
    std::function<void(SolverModel&, std::vector<double>&)> spoil;
};

const InputCase kInvalidInputs[] = {
    {"RightHandSideTooShort", [](SolverModel&, std::vector<double>& rhs) { rhs.pop_back(); }},
    {"ElementNodeZero", [](SolverModel& m, std::vector<double>&) { m.description.elementNodes[0][1] = 0; }},
    {"ElementNodePastTheLast",
     [](SolverModel& m, std::vector<double>&) { m.description.elementNodes[0][1] = m.description.NodeCount() + 1; }},
    {"NodeEquationPastTheLast",
     [](SolverModel& m, std::vector<double>&) {
         m.description.nodeEquations.back().push_back(m.description.equationCount + 1);
     }},
    {"EquationOnNoNode",
     [](SolverModel& m, std::vector<double>& rhs) {
         ++m.description.equationCount;
         rhs.push_back(0.0);
     }},
    {"EquationOnTwoUnlinkedNodes",
     [](SolverModel& m, std::vector<double>&) { m.description.nodeEquations.back().push_back(1); }},
    {"EquationOfANodeOutsideEveryElement",
     [](SolverModel& m, std::vector<double>& rhs) {
         m.description.nodeEquations.push_back({++m.description.equationCount});
         rhs.push_back(0.0);
     }},
    {"LinkToItself",
     [](SolverModel& m, std::vector<double>&) { m.description.rigidLinks.push_back({2, 2}); }},
    {"StreamCouplesUnjoinedEquations",
     [](SolverModel& m, std::vector<double>&) {
         m.stream.AppendElement(std::vector<int>{1, m.description.equationCount}, std::vector<double>{1.0, 0.1, 1.0});
     }},
    {"StreamEquationsNotAscending",
     [](SolverModel& m, std::vector<double>&) {
         m.stream.AppendElement(std::vector<int>{2, 1}, std::vector<double>{1.0, 0.1, 1.0});
     }},
};

class SolverInvalidInput : public ::testing::TestWithParam<InputCase> {};

INSTANTIATE_TEST_SUITE_P(Inputs, SolverInvalidInput, ::testing::ValuesIn(kInvalidInputs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(SolverInvalidInput, IsRefusedWithAStatus) {
    SolverModel model = PlaneStressCantilever({6, 2, 1.0, 1.0, 0, false});
    std::vector<double> rhs(model.description.equationCount, 1.0);
    GetParam().spoil(model, rhs);
    std::vector<double> x(rhs.size(), 42.0);
    ProfileSolver solver;
    EXPECT_EQ(RunSetUp(solver, model, rhs, x), SolverStatus::InvalidInput);
    EXPECT_EQ(x, std::vector<double>(rhs.size(), 42.0));
    ExpectNothingKept(solver, model);
}

TEST(SolverPartition, FailuresSkipTheSolution) {
    const SolverModel model = PlaneStressCantilever({10, 4, 1.0, 1.0, 0, false});
    const SkylineProfile profile = ProfileOf(model);
    const std::int64_t reserve = kReservedWordsPerEquation * profile.EquationCount();
    // No word left after the per-equation reserve; a column taller than half the budget.
    for (std::int64_t memory : {reserve, reserve + 2 * profile.maxColumnHeight - 1}) {
        SCOPED_TRACE(memory);
        ProfileSolver solver({memory, {}});
        std::vector<double> x(profile.EquationCount(), 42.0);
        EXPECT_EQ(RunSetUp(solver, model, std::vector<double>(x.size(), 1.0), x), SolverStatus::PartitionFailed);
        EXPECT_EQ(x, std::vector<double>(x.size(), 42.0));
        ExpectNothingKept(solver, model);
    }
}

// Escape during the set-up: the solver looks at the watch at every column it
// factors, in memory and block by block, and at whichever look finds the
// user's Escape it stops with Cancelled, x untouched and nothing kept.
TEST(SolverCancel, StopsAtWhicheverLookFindsEscapeAndKeepsNothing) {
    const SolverModel model = PlaneStressCantilever({20, 6, 1.0, 1.0, 0, false});
    const std::int64_t n = model.description.equationCount;
    for (const std::int64_t memory : {ProfileSolverOptions{}.memoryWords, MemoryForMostBlocks(model)}) {
        SCOPED_TRACE(memory);
        // One thread: every look is the watching thread's own.
        const ProfileSolverOptions options{memory, {}, 1};
        int looks = 0;
        {
            const CancelWatch counting([&looks] { return ++looks < 0; }, std::chrono::milliseconds(0));
            ProfileSolver solver(options);
            std::vector<double> x(n, 0.0);
            ASSERT_EQ(RunSetUp(solver, model, std::vector<double>(n, 1.0), x), SolverStatus::Ok);
            EXPECT_EQ(solver.SolveEquations(ProfileSolver::kJobRelease, model.description, model.stream, {}, {}),
                      SolverStatus::Ok);
        }
        // At least one look for every two columns factored.
        EXPECT_GE(looks, n / 2);
        // The first looks come while the equations are ordered.
        for (const int escapeAt : {1, 2, 3, looks / 2, looks}) {
            SCOPED_TRACE(escapeAt);
            int seen = 0;
            const CancelWatch escape([&] { return ++seen == escapeAt; }, std::chrono::milliseconds(0));
            ProfileSolver solver(options);
            std::vector<double> x(n, 42.0);
            EXPECT_EQ(RunSetUp(solver, model, std::vector<double>(n, 1.0), x), SolverStatus::Cancelled);
            EXPECT_EQ(x, std::vector<double>(n, 42.0));
            ExpectNothingKept(solver, model);
        }
    }
}

// A scratch parent folder of the test's own, removed afterwards.
class SolverScratchFailure : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = std::filesystem::temp_directory_path() /
                  ("klx-eqsolver-test-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(parent_);
        std::filesystem::create_directory(parent_);
    }
    void TearDown() override { std::filesystem::remove_all(parent_); }

    std::filesystem::path parent_;
    const SolverModel model_ = PlaneStressCantilever({10, 4, 1.0, 1.0, 0, false});
};

TEST_F(SolverScratchFailure, FailingWriteIsReportedAndCleanedUp) {
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto* const previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;  // bytes: every block file is larger
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    ProfileSolver solver({MemoryForMostBlocks(model_), parent_});
    std::vector<double> x(model_.description.equationCount, 42.0);
    const SolverStatus status = RunSetUp(solver, model_, std::vector<double>(x.size(), 1.0), x);

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(status, SolverStatus::ScratchFileFailed);
    EXPECT_TRUE(std::filesystem::is_empty(parent_)) << "a failure removes the scratch folder";
    ExpectNothingKept(solver, model_);
}

TEST_F(SolverScratchFailure, LostBlocksFailTheNextSolve) {
    ProfileSolver solver({MemoryForMostBlocks(model_), parent_});
    const std::vector<double> rhs(model_.description.equationCount, 1.0);
    SolveOnce(solver, model_, rhs);
    ASSERT_FALSE(solver.ScratchFolder().empty());
    std::filesystem::remove(solver.ScratchFolder() / "FORT.102");
    std::vector<double> x(rhs.size(), 42.0);
    EXPECT_EQ(solver.SolveEquations(ProfileSolver::kJobSolve, model_.description, model_.stream, rhs, x),
              SolverStatus::ScratchFileFailed);
    EXPECT_EQ(x, std::vector<double>(rhs.size(), 42.0));
    EXPECT_TRUE(std::filesystem::is_empty(parent_));
    ExpectNothingKept(solver, model_);
}

TEST_F(SolverScratchFailure, MissingParentFolderFailsTheSetUp) {
    ProfileSolver solver({MemoryForMostBlocks(model_), parent_ / "missing"});
    std::vector<double> x(model_.description.equationCount, 42.0);
    EXPECT_EQ(RunSetUp(solver, model_, std::vector<double>(x.size(), 1.0), x), SolverStatus::ScratchFileFailed);
    ExpectNothingKept(solver, model_);
}

}  // namespace
