#pragma once

// The finite-element equation solver: a symmetric positive definite stiffness
// matrix, given as a connectivity description and an element stream, is
// assembled in skyline form in a profile-reducing equation order, factored as
// L·D·Lᵀ and solved for one right-hand side per call. A profile larger than the
// memory size is factored block by block through scratch files that live in a
// private temporary folder from the set-up until the release, a failure or the
// solver's destruction.
//
// Typical use, one load case after another:
//   ProfileSolver solver;
//   solver.SolveEquations(ProfileSolver::kJobSetUp, description, stream, rhs1, x1);
//   solver.SolveEquations(ProfileSolver::kJobSolve, description, stream, rhs2, x2);
//   solver.SolveEquations(ProfileSolver::kJobRelease, description, stream, {}, {});
//
// Any failure releases everything the solver kept, so a later solve job
// reports NotSetUp instead of running on tables that were never built.

#include <cstdint>
#include <filesystem>
#include <span>

#include "calc/ProfileSolverState.h"
#include "calc/SolverInput.h"

struct ProfileSolverOptions {
    // Words (8 bytes) for the coefficients and 35 per equation for the rest;
    // a profile below memoryWords - 35·N stays in memory.
    std::int64_t memoryWords = DefaultSolverMemoryWords();
    // Where the private scratch folder is made; empty for the system's temporary directory.
    std::filesystem::path scratchParent;
    // Threads for an in-memory factor and its solves; 0 for the machine's.
    // The result does not depend on it.
    int threads = 0;
};

class ProfileSolver {
public:
    // Set up (order, assemble, factor) and solve; frees an earlier set-up first.
    static constexpr int kJobSetUp = 0;
    // Solve with the factor of the last set-up.
    static constexpr int kJobSolve = 1;
    // Same as kJobSetUp.
    static constexpr int kJobSetUpAgain = 2;
    // Free the tables, the buffer and the scratch blocks; nothing is solved.
    static constexpr int kJobRelease = 3;

    explicit ProfileSolver(ProfileSolverOptions options = {});

    // Runs one job; any other job number repeats the job kind of the previous
    // call. rhs and x hold the model's N equations (unused by the release job);
    // x is written only when the result is Ok. The description and stream are
    // read by the set-up jobs only.
    [[nodiscard]] SolverStatus SolveEquations(int job, const ConnectivityDescription& description,
                                              const ElementStream& stream, std::span<const double> rhs,
                                              std::span<double> x);

    // Figures of the kept set-up (zero when there is none).
    int EquationCount() const { return state_.profile.EquationCount(); }
    std::int64_t ProfileSize() const { return state_.profile.profileSize; }
    int MaxColumnHeight() const { return state_.profile.maxColumnHeight; }
    int BlockCount() const { return state_.blocks.blockCount; }
    // The private scratch folder; empty unless blocks are parked on disk.
    const std::filesystem::path& ScratchFolder() const { return state_.store.Folder(); }

private:
    enum class Mode { None, SetUp, Solve, Release };

    SolverStatus RunMode(Mode mode, const ConnectivityDescription& description, const ElementStream& stream,
                         std::span<const double> rhs, std::span<double> x);
    SolverStatus SetUp(const ConnectivityDescription& description, const ElementStream& stream);
    void Release();

    ProfileSolverOptions options_;
    ProfileSolverState state_;
    bool factored_ = false;
    Mode lastMode_ = Mode::None;
};
