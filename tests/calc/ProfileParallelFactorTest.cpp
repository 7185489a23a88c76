// The in-memory factor and solves on several threads: on profiles that split
// into independent blocks, with and without coupling columns at the end, the
// factor, the solution and the status are bit for bit those of one thread.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <span>
#include <vector>

#include "SolidSectionModels.h"
#include "SolverTestSupport.h"
#include "calc/ProfileFactorization.h"
#include "calc/ProfileSegments.h"
#include "calc/ProfileSolver.h"

namespace {

constexpr int kManyThreads = 8;

// A run of columns 1..n of a profile: a band block starts with a column that
// holds only its diagonal; a coupling column reaches up to a given row.
struct BandBlock {
    int columns;
    int height;
};

struct ProfileShape {
    std::vector<BandBlock> blocks;
    // Rows reached by the coupling columns that follow the blocks, each given as
    // the block it reaches to the start of.
    std::vector<int> couplingReachesBlock;
};

std::vector<std::int64_t> ColumnTops(const ProfileShape& shape) {
    std::vector<std::int64_t> tops = {0};
    std::vector<std::int64_t> blockStart;
    for (const BandBlock& block : shape.blocks) {
        const std::int64_t start = static_cast<std::int64_t>(tops.size());
        blockStart.push_back(start);
        for (int c = 0; c < block.columns; ++c) {
            const std::int64_t j = start + c;
            tops.push_back(std::max(start, j - block.height + 1));
        }
    }
    for (int block : shape.couplingReachesBlock) tops.push_back(blockStart[block]);
    return tops;
}

// Entries of a diagonally dominant matrix on the profile (a few zeros among
// them); `failingColumns` get a negative diagonal instead, so their pivots fail.
void AssembleState(const ProfileShape& shape, const std::vector<int>& failingColumns, ProfileSolverState& state) {
    const std::vector<std::int64_t> tops = ColumnTops(shape);
    const int n = static_cast<int>(tops.size()) - 1;
    SkylineProfile& profile = state.profile;
    profile.columnTop.assign(n + 1, 0);
    profile.newEquation.resize(n + 1);
    profile.oldEquation.resize(n + 1);
    for (int j = 1; j <= n; ++j) {
        const std::int64_t height = j - tops[j] + 1;
        profile.columnTop[j] = profile.columnTop[j - 1] + height;
        profile.maxColumnHeight = std::max<int>(profile.maxColumnHeight, static_cast<int>(height));
        profile.newEquation[j] = profile.oldEquation[j] = j;
    }
    profile.profileSize = profile.columnTop[n];
    EXPECT_TRUE(PartitionProfileBlocks(profile.profileSize + 1 + kReservedWordsPerEquation * n, profile,
                                       state.blocks));
    state.coefficients.assign(profile.profileSize, 0.0);

    std::mt19937 random(5);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::vector<double> rowSums(n + 1, 0.0);
    for (int j = 1; j <= n; ++j) {
        for (std::int64_t i = tops[j]; i < j; ++i) {
            const double entry = random() % 7 == 0 ? 0.0 : value(random);
            state.coefficients[profile.columnTop[j] - 1 - (j - i)] = entry;
            rowSums[i] += std::abs(entry);
            rowSums[j] += std::abs(entry);
        }
    }
    for (int j = 1; j <= n; ++j) state.coefficients[profile.columnTop[j] - 1] = 1.0 + rowSums[j];
    for (int j : failingColumns) state.coefficients[profile.columnTop[j] - 1] = -1.0;
}

void ExpectSameBits(std::span<const double> a, std::span<const double> b) {
    ASSERT_EQ(a.size(), b.size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::bit_cast<std::uint64_t>(a[i]) != std::bit_cast<std::uint64_t>(b[i])) ++differing;
    }
    EXPECT_EQ(differing, 0u) << "entries differ from the one-thread run";
}

struct ParallelCase {
    const char* name;
    ProfileShape shape;
    std::vector<int> failingColumns;
    // What the many-thread run should find.
    bool splits;
    int tailColumns;
    SolverStatus status;
};

// Blocks of 600 x 60 and the like are each worth a thread of their own.
const ParallelCase kCases[] = {
    {"OneBlock", {{{1800, 60}}, {}}, {}, false, 0, SolverStatus::Ok},
    {"TwoBlocks", {{{600, 60}, {1500, 40}}, {}}, {}, true, 0, SolverStatus::Ok},
    {"ThreeBlocksOfDifferentSizes", {{{900, 55}, {600, 60}, {1500, 40}}, {}}, {}, true, 0, SolverStatus::Ok},
    {"ManySmallBlocksAreGrouped", {std::vector<BandBlock>(400, {50, 20}), {}}, {}, true, 0, SolverStatus::Ok},
    {"ManyTinyBlocksStayInOne", {std::vector<BandBlock>(500, {3, 2}), {}}, {}, false, 0, SolverStatus::Ok},
    {"TwoBlocksWithTheirMastersLast", {{{600, 60}, {900, 55}}, {0, 0, 0, 1, 1, 1}}, {}, true, 6, SolverStatus::Ok},
    {"CouplingColumnsBetweenSmallBlocks", {{{600, 60}, {30, 5}, {900, 55}}, {0, 1, 2}}, {}, true, 3, SolverStatus::Ok},
    {"SecondBlockFails", {{{600, 60}, {600, 60}, {900, 55}}, {}}, {900}, true, 0,
     SolverStatus::NotPositiveDefinite},
    {"SecondAndThirdBlocksFail", {{{600, 60}, {600, 60}, {900, 55}}, {}}, {900, 1800}, true, 0,
     SolverStatus::NotPositiveDefinite},
    {"FirstBlockFailsAtItsEnd", {{{600, 60}, {900, 55}}, {}}, {600}, true, 0, SolverStatus::NotPositiveDefinite},
    {"CouplingColumnFails", {{{600, 60}, {900, 55}}, {0, 1}}, {1502}, true, 2, SolverStatus::NotPositiveDefinite},
};

class ParallelFactor : public ::testing::TestWithParam<ParallelCase> {};

INSTANTIATE_TEST_SUITE_P(Profiles, ParallelFactor, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(ParallelFactor, FactorSolutionAndStatusAreThoseOfOneThread) {
    const ParallelCase& c = GetParam();
    ProfileSolverState one({}), many({});
    AssembleState(c.shape, c.failingColumns, one);
    AssembleState(c.shape, c.failingColumns, many);
    one.maxThreads = 1;
    many.maxThreads = kManyThreads;

    const SolverStatus oneStatus = FactorProfileBlocks(one);
    const SolverStatus manyStatus = FactorProfileBlocks(many);
    EXPECT_EQ(oneStatus, c.status);
    EXPECT_EQ(manyStatus, c.status);
    EXPECT_EQ(one.segments.ShareCount(), 1) << "one thread factors in one pass";
    EXPECT_EQ(many.segments.ShareCount() > 1, c.splits);
    const int n = many.profile.EquationCount();
    EXPECT_EQ(n + 1 - many.segments.tailStart, c.splits ? c.tailColumns : 0);
    if (c.status != SolverStatus::Ok) return;
    ExpectSameBits(many.coefficients, one.coefficients);

    for (unsigned seed : {1u, 2u}) {
        const std::vector<double> rhs = solver_test::RandomVector(n, seed);
        std::vector<double> xOne(n), xMany(n);
        ASSERT_EQ(SubstituteProfileBlocks(one, rhs, xOne), SolverStatus::Ok);
        ASSERT_EQ(SubstituteProfileBlocks(many, rhs, xMany), SolverStatus::Ok);
        ExpectSameBits(xMany, xOne);
    }
}

TEST(ProfileSegments, SharesAreWholeBlocksInEquationOrder) {
    const ProfileShape shape{std::vector<BandBlock>(400, {50, 20}), {}};
    ProfileSolverState state({});
    AssembleState(shape, {}, state);
    const ProfileSegments segments = FindProfileSegments(state.profile, kManyThreads);
    ASSERT_GT(segments.ShareCount(), 1);
    EXPECT_LT(segments.ShareCount(), 400);
    EXPECT_EQ(segments.ShareFirst(0), 1);
    EXPECT_EQ(segments.ShareLast(segments.ShareCount() - 1), state.profile.EquationCount());
    for (int share = 0; share < segments.ShareCount(); ++share) {
        EXPECT_EQ((segments.ShareFirst(share) - 1) % 50, 0) << "share " << share << " starts inside a block";
    }
}

// The section calculation's solid model: two cantilevers side by side whose
// masters come last, each tying its own free end.
TEST(ParallelFactor, SolidModelSolvesAsOnOneThread) {
    const solid_sections::SolidModel solid = solid_sections::Extrude(solid_sections::UnitSquareGrid(60), 0.5, 0.5, 0.3);
    SolidEquationTables equations;
    solver_models::SolverModel model;
    ASSERT_TRUE(solid_sections::FormSystem(solid, equations, model.description, model.stream));
    std::vector<double> loads;
    AssembleLoadVectors(solid.Tables(), equations, loads);
    EXPECT_GT(FindProfileSegments(solver_test::ProfileOf(model), kManyThreads).ShareCount(), 1)
        << "the two cantilevers are factored side by side";

    const std::size_t n = static_cast<std::size_t>(equations.equationCount);
    ProfileSolverOptions oneThread, manyThreads;
    oneThread.threads = 1;
    manyThreads.threads = kManyThreads;
    ProfileSolver one(oneThread), many(manyThreads);
    for (int loadCase = 0; loadCase < CSectPropFem::kLoadCases; ++loadCase) {
        const std::vector<double> rhs(loads.begin() + loadCase * n, loads.begin() + (loadCase + 1) * n);
        const int job = loadCase == 0 ? ProfileSolver::kJobSetUp : ProfileSolver::kJobSolve;
        const std::vector<double> x = solver_test::SolveOnce(many, model, rhs, job);
        ExpectSameBits(x, solver_test::SolveOnce(one, model, rhs, job));
    }
}

}  // namespace
