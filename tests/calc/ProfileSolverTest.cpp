// Equation solver results: agreement with a dense reference, bitwise equality
// of every blocking with the in-core factor, repeated jobs.

#include <gtest/gtest.h>

#include <filesystem>

#include "SolverTestSupport.h"
#include "calc/ProfileSolver.h"

using namespace solver_test;
using solver_models::BlockOptions;
using solver_models::CantileverOptions;
using solver_models::PlaneStressCantilever;
using solver_models::RandomBlock;

namespace {

struct ModelCase {
    const char* name;
    SolverModel (*build)();
};

const ModelCase kModels[] = {
    {"OneQuad", [] { return PlaneStressCantilever({1, 1, 1.0, 1.0, 0, false}); }},
    {"Cantilever", [] { return PlaneStressCantilever({8, 3, 1.0, 1.0, 0, false}); }},
    {"ShuffledCantilever", [] { return PlaneStressCantilever({8, 3, 1.0, 0.5, 11, false}); }},
    {"CantileverWithRigidTip", [] { return PlaneStressCantilever({8, 3, 1.0, 1.0, 5, true}); }},
    {"RandomBlock", [] { return RandomBlock({3, 2, 2, 7, 0}); }},
    {"RandomBlockWithLinks", [] { return RandomBlock({3, 3, 2, 9, 6}); }},
};

class SolverOnModel : public ::testing::TestWithParam<ModelCase> {};

INSTANTIATE_TEST_SUITE_P(Models, SolverOnModel, ::testing::ValuesIn(kModels),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(SolverOnModel, AgreesWithDenseReference) {
    const SolverModel model = GetParam().build();
    const std::vector<double> rhs = RandomVector(model.description.equationCount, 3);
    ProfileSolver solver;
    const std::vector<double> x = SolveOnce(solver, model, rhs);
    ASSERT_EQ(x.size(), rhs.size());
    EXPECT_LT(RelativeError(x, DenseSolution(model, rhs)), 1e-10);
    EXPECT_EQ(solver.BlockCount(), 1);
    EXPECT_TRUE(solver.ScratchFolder().empty()) << "an in-memory profile needs no scratch files";
}

TEST_P(SolverOnModel, ZeroRightHandSideGivesZero) {
    const SolverModel model = GetParam().build();
    const std::vector<double> rhs(model.description.equationCount, 0.0);
    ProfileSolver solver;
    for (double value : SolveOnce(solver, model, rhs)) EXPECT_EQ(value, 0.0);
}

TEST_P(SolverOnModel, LaterSolvesMatchFreshRuns) {
    const SolverModel model = GetParam().build();
    const int n = model.description.equationCount;
    ProfileSolver kept;
    SolveOnce(kept, model, RandomVector(n, 1));
    for (unsigned seed : {2u, 3u, 4u}) {
        const std::vector<double> rhs = RandomVector(n, seed);
        ProfileSolver fresh;
        EXPECT_EQ(SolveOnce(kept, model, rhs, ProfileSolver::kJobSolve), SolveOnce(fresh, model, rhs));
    }
}

// Models big enough to be cut into many blocks, and the block counts each is
// forced into (0: as many as the partition allows). Two blocks need a column
// boundary at exactly half the profile, which only some profiles have.
struct BlockedCase {
    const char* name;
    SolverModel (*build)();
    std::vector<int> blockCounts;
};

const BlockedCase kBlockedModels[] = {
    {"ShuffledCantilever", [] { return PlaneStressCantilever({10, 6, 1.0, 1.0, 4, false}); }, {2, 3, 0}},
    {"ShuffledCantileverWithRigidTip", [] { return PlaneStressCantilever({14, 5, 1.0, 1.0, 3, true}); }, {3, 0}},
    {"RandomBlockWithLinks", [] { return RandomBlock({4, 3, 3, 5, 10}); }, {3, 0}},
};

class SolverOutOfCore : public ::testing::TestWithParam<BlockedCase> {};

INSTANTIATE_TEST_SUITE_P(Models, SolverOutOfCore, ::testing::ValuesIn(kBlockedModels),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(SolverOutOfCore, EveryBlockingGivesTheInCoreResultBitwise) {
    const SolverModel model = GetParam().build();
    const int n = model.description.equationCount;
    const std::vector<double> first = RandomVector(n, 21), second = RandomVector(n, 22);
    ProfileSolver inCore;
    const std::vector<double> x1 = SolveOnce(inCore, model, first);
    const std::vector<double> x2 = SolveOnce(inCore, model, second, ProfileSolver::kJobSolve);

    for (int blockCount : GetParam().blockCounts) {
        SCOPED_TRACE(blockCount);
        const std::optional<std::int64_t> memory =
            blockCount == 0 ? MemoryForMostBlocks(model) : MemoryForBlocks(model, blockCount);
        ASSERT_TRUE(memory.has_value());
        ProfileSolver blocked({*memory, {}});
        EXPECT_EQ(SolveOnce(blocked, model, first), x1);
        if (blockCount != 0) {
            EXPECT_EQ(blocked.BlockCount(), blockCount);
        }
        const std::filesystem::path folder = blocked.ScratchFolder();
        EXPECT_TRUE(std::filesystem::is_directory(folder)) << "the factor lives in scratch blocks between solves";
        EXPECT_EQ(SolveOnce(blocked, model, second, ProfileSolver::kJobSolve), x2);
        EXPECT_EQ(blocked.SolveEquations(ProfileSolver::kJobRelease, model.description, model.stream, {}, {}),
                  SolverStatus::Ok);
        EXPECT_FALSE(std::filesystem::exists(folder)) << "release removes the scratch blocks";
    }
}

TEST(SolverOutOfCore, ManyBlocksReallyAreMany) {
    const SolverModel model = PlaneStressCantilever({14, 5, 1.0, 1.0, 3, true});
    ProfileSolver blocked({MemoryForMostBlocks(model), {}});
    SolveOnce(blocked, model, RandomVector(model.description.equationCount, 1));
    EXPECT_GE(blocked.BlockCount(), 8);
}

TEST(SolverOutOfCore, ProfileOfExactlyTheAvailableWordsIsCut) {
    const SolverModel model = PlaneStressCantilever({10, 4, 1.0, 1.0, 0, false});
    const SkylineProfile profile = ProfileOf(model);
    const std::int64_t reserve = kReservedWordsPerEquation * profile.EquationCount();
    const std::vector<double> rhs = RandomVector(profile.EquationCount(), 8);
    ProfileSolver fits({reserve + profile.profileSize + 1, {}});
    ProfileSolver exact({reserve + profile.profileSize, {}});
    EXPECT_EQ(SolveOnce(exact, model, rhs), SolveOnce(fits, model, rhs));
    EXPECT_EQ(fits.BlockCount(), 1);
    EXPECT_GT(exact.BlockCount(), 1);
}

TEST(SolverOutOfCore, NoScratchFileLandsInTheCurrentDirectory) {
    const std::filesystem::path previous = std::filesystem::current_path();
    const std::filesystem::path empty = std::filesystem::temp_directory_path() / "klx-eqsolver-cwd-test";
    std::filesystem::remove_all(empty);
    std::filesystem::create_directory(empty);
    std::filesystem::current_path(empty);
    {
        const SolverModel model = PlaneStressCantilever({10, 4, 1.0, 1.0, 0, false});
        ProfileSolver blocked({MemoryForMostBlocks(model), {}});
        SolveOnce(blocked, model, RandomVector(model.description.equationCount, 1));
        EXPECT_GT(blocked.BlockCount(), 1);
        EXPECT_TRUE(std::filesystem::is_empty(empty));
        EXPECT_NE(blocked.ScratchFolder().parent_path(), empty);
    }
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(empty);
}

TEST(SolverJobs, DestroyingTheSolverRemovesItsScratchBlocks) {
    const SolverModel model = PlaneStressCantilever({10, 4, 1.0, 1.0, 0, false});
    std::filesystem::path folder;
    {
        ProfileSolver blocked({MemoryForMostBlocks(model), {}});
        SolveOnce(blocked, model, RandomVector(model.description.equationCount, 1));
        folder = blocked.ScratchFolder();
        ASSERT_TRUE(std::filesystem::is_directory(folder));
    }
    EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST(SolverJobs, ANewSetUpReplacesTheLastOne) {
    const SolverModel big = RandomBlock({4, 3, 3, 5, 10});
    const SolverModel small = PlaneStressCantilever({6, 2, 1.0, 1.0, 4, true});
    ProfileSolver solver({MemoryForMostBlocks(big), {}});
    SolveOnce(solver, big, RandomVector(big.description.equationCount, 1));
    const std::filesystem::path bigFolder = solver.ScratchFolder();
    const std::vector<double> rhs = RandomVector(small.description.equationCount, 2);
    const std::vector<double> x = SolveOnce(solver, small, rhs, ProfileSolver::kJobSetUpAgain);
    EXPECT_FALSE(std::filesystem::exists(bigFolder)) << "a new set-up removes the earlier blocks";
    EXPECT_LT(RelativeError(x, DenseSolution(small, rhs)), 1e-10);
    EXPECT_EQ(solver.EquationCount(), small.description.equationCount);
}

TEST(SolverJobs, AnUnknownJobRepeatsThePreviousOne) {
    const SolverModel model = PlaneStressCantilever({4, 2, 1.0, 1.0, 0, false});
    const std::vector<double> rhs = RandomVector(model.description.equationCount, 5);
    std::vector<double> x(rhs.size());
    ProfileSolver solver;
    EXPECT_EQ(solver.SolveEquations(7, model.description, model.stream, rhs, x), SolverStatus::InvalidInput)
        << "nothing to repeat yet";
    const std::vector<double> expected = SolveOnce(solver, model, rhs);
    SolveOnce(solver, model, rhs, ProfileSolver::kJobSolve);
    EXPECT_EQ(SolveOnce(solver, model, rhs, 7), expected);
}

TEST(SolverJobs, ReleaseLeavesNothingToSolveWith) {
    const SolverModel model = PlaneStressCantilever({4, 2, 1.0, 1.0, 0, false});
    const std::vector<double> rhs = RandomVector(model.description.equationCount, 5);
    std::vector<double> x(rhs.size(), 42.0);
    ProfileSolver solver;
    EXPECT_EQ(solver.SolveEquations(ProfileSolver::kJobSolve, model.description, model.stream, rhs, x),
              SolverStatus::NotSetUp);
    SolveOnce(solver, model, rhs);
    ASSERT_EQ(solver.SolveEquations(ProfileSolver::kJobRelease, model.description, model.stream, {}, {}),
              SolverStatus::Ok);
    EXPECT_EQ(solver.ProfileSize(), 0);
    std::fill(x.begin(), x.end(), 42.0);
    EXPECT_EQ(solver.SolveEquations(ProfileSolver::kJobSolve, model.description, model.stream, rhs, x),
              SolverStatus::NotSetUp);
    EXPECT_EQ(x, std::vector<double>(rhs.size(), 42.0)) << "no solution nobody wrote";
}

TEST(SolverConditioning, ThinStripFactorises) {
    // A 1:200 strip fixed at one end: its smallest pivot is about 1e-7 of its
    // assembled diagonal (a 1:100 strip reaches about 7e-7).
    const SolverModel strip = PlaneStressCantilever({200, 1, 1.0, 1.0, 0, false});
    const std::vector<double> rhs = RandomVector(strip.description.equationCount, 6);
    ProfileSolver solver;
    const std::vector<double> x = SolveOnce(solver, strip, rhs);
    ASSERT_FALSE(x.empty());
    EXPECT_LT(RelativeError(x, DenseSolution(strip, rhs)), 1e-6);
}

}  // namespace

namespace {

// A chain of unit springs, fixed at its first node and pulled by a unit force
// at its last: the displacement of equation k is k. Its profile is tiny next
// to its equation count.
SolverModel SpringChain(int equations) {
    SolverModel model;
    model.description.equationCount = equations;
    model.description.nodeEquations.push_back({});  // the fixed node
    for (int k = 1; k <= equations; ++k) {
        model.description.nodeEquations.push_back({k});
        model.description.elementNodes.push_back({k, k + 1});
        if (k == 1) {
            model.stream.AppendElement(std::vector<int>{1}, std::vector<double>{1.0});
        } else {
            model.stream.AppendElement(std::vector<int>{k - 1, k}, std::vector<double>{1.0, -1.0, 1.0});
        }
    }
    return model;
}

TEST(SolverMemory, ModelPastTheFixedLimitSolvesInMemoryAndOutOfCoreAlike) {
    // 35 words per equation alone pass 13,107,200 words from 374,492 equations on.
    constexpr int kEquations = 380'000;
    const SolverModel model = SpringChain(kEquations);
    std::vector<double> rhs(kEquations, 0.0);
    rhs.back() = 1.0;

    ProfileSolver inMemory;
    const std::vector<double> x = SolveOnce(inMemory, model, rhs);
    ASSERT_EQ(x.size(), rhs.size());
    EXPECT_EQ(inMemory.BlockCount(), 1);
    EXPECT_TRUE(inMemory.ScratchFolder().empty());
    // The chain's condition number grows with the square of its length (about 1e11 here).
    for (int k = 1; k <= kEquations; k += 9'999) EXPECT_NEAR(x[k - 1], k, 1e-5 * k) << "equation " << k;

    const std::int64_t small = kReservedWordsPerEquation * kEquations + 200'000;
    ProfileSolver outOfCore({small, {}});
    const std::vector<double> y = SolveOnce(outOfCore, model, rhs);
    EXPECT_GT(outOfCore.BlockCount(), 1);
    EXPECT_EQ(y, x) << "the blocking does not change the arithmetic";
}

}  // namespace
