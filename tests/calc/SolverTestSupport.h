#pragma once

// Helpers shared by the equation solver tests: a dense LAPACK reference, the
// memory size that cuts a model's profile into a wanted number of blocks, and
// right-hand sides.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "SolverGridModels.h"
#include "calc/ProfileBlocks.h"
#include "calc/ProfileSolver.h"
#include "calc/SkylineProfile.h"

extern "C" void dposv_(const char* uplo, const int* n, const int* nrhs, double* a, const int* lda, double* b,
                       const int* ldb, int* info);

namespace solver_test {

using solver_models::SolverModel;

// Solves the model's system with a dense Cholesky factorisation.
inline std::vector<double> DenseSolution(const SolverModel& model, const std::vector<double>& rhs) {
    const int n = model.description.equationCount;
    std::vector<double> a(static_cast<std::size_t>(n) * n, 0.0);
    for (int e = 0; e < model.stream.ElementCount(); ++e) {
        const auto equations = model.stream.Equations(e);
        const auto triangle = model.stream.UpperTriangle(e);
        std::size_t next = 0;
        for (std::size_t i = 0; i < equations.size(); ++i) {
            for (std::size_t j = i; j < equations.size(); ++j) {
                const std::size_t r = equations[i] - 1, c = equations[j] - 1;
                a[c * n + r] += triangle[next];
                if (r != c) a[r * n + c] += triangle[next];
                ++next;
            }
        }
    }
    std::vector<double> x = rhs;
    const int one = 1;
    int info = 0;
    dposv_("U", &n, &one, a.data(), &n, x.data(), &n, &info);
    EXPECT_EQ(info, 0) << "dense reference is not positive definite";
    return x;
}

inline std::vector<double> RandomVector(int n, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::vector<double> v(n);
    for (double& entry : v) entry = value(random);
    return v;
}

// Largest ||x - reference|| / ||reference||.
inline double RelativeError(const std::vector<double>& x, const std::vector<double>& reference) {
    double difference = 0.0, size = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        difference += (x[i] - reference[i]) * (x[i] - reference[i]);
        size += reference[i] * reference[i];
    }
    return std::sqrt(difference / size);
}

// The profile the solver builds for the model.
inline SkylineProfile ProfileOf(const SolverModel& model) {
    SolverGraph graph;
    SkylineProfile profile;
    EXPECT_TRUE(BuildSolverGraph(model.description, graph));
    EXPECT_TRUE(OrderSolverEquations(graph, profile));
    return profile;
}

// The largest memory size that cuts the model into exactly `blocks` blocks.
inline std::optional<std::int64_t> MemoryForBlocks(const SolverModel& model, int blocks) {
    const SkylineProfile profile = ProfileOf(model);
    const std::int64_t reserve = kReservedWordsPerEquation * profile.EquationCount();
    for (std::int64_t available = profile.profileSize; available >= 2; --available) {
        ProfileBlocks cut;
        if (PartitionProfileBlocks(reserve + available, profile, cut) && cut.blockCount == blocks) {
            return reserve + available;
        }
    }
    return std::nullopt;
}

// The smallest memory size that still partitions (the most blocks).
inline std::int64_t MemoryForMostBlocks(const SolverModel& model) {
    const SkylineProfile profile = ProfileOf(model);
    const std::int64_t reserve = kReservedWordsPerEquation * profile.EquationCount();
    for (std::int64_t available = 2;; ++available) {
        ProfileBlocks cut;
        if (PartitionProfileBlocks(reserve + available, profile, cut)) return reserve + available;
    }
}

// Runs a set-up job and returns x (empty on failure, with the status recorded).
inline std::vector<double> SolveOnce(ProfileSolver& solver, const SolverModel& model, const std::vector<double>& rhs,
                                     int job = ProfileSolver::kJobSetUp) {
    std::vector<double> x(rhs.size(), 0.0);
    const SolverStatus status = solver.SolveEquations(job, model.description, model.stream, rhs, x);
    EXPECT_EQ(status, SolverStatus::Ok);
    return status == SolverStatus::Ok ? x : std::vector<double>{};
}

}  // namespace solver_test
