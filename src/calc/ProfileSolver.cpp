#include "calc/ProfileSolver.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "calc/CalculationCancel.h"
#include "calc/ProfileFactorization.h"

ProfileSolver::ProfileSolver(ProfileSolverOptions options)
    : options_(std::move(options)), state_(options_.scratchParent) {
    state_.maxThreads = options_.threads;
}

SolverStatus ProfileSolver::SolveEquations(int job, const ConnectivityDescription& description,
                                           const ElementStream& stream, std::span<const double> rhs,
                                           std::span<double> x) {
    Mode mode = lastMode_;
    switch (job) {
        case kJobSetUp:
        case kJobSetUpAgain: mode = Mode::SetUp; break;
        case kJobSolve: mode = Mode::Solve; break;
        case kJobRelease: mode = Mode::Release; break;
        default: break;
    }
    if (mode == Mode::None) return SolverStatus::InvalidInput;
    lastMode_ = mode;

    SolverStatus status = SolverStatus::Ok;
    try {
        status = RunMode(mode, description, stream, rhs, x);
    } catch (...) {
        Release();
        throw;
    }
    if (status != SolverStatus::Ok) Release();
    return status;
}

SolverStatus ProfileSolver::RunMode(Mode mode, const ConnectivityDescription& description,
                                    const ElementStream& stream, std::span<const double> rhs, std::span<double> x) {
    if (mode == Mode::Release) {
        Release();
        return SolverStatus::Ok;
    }
    if (mode == Mode::SetUp) {
        const auto n = static_cast<std::size_t>(description.equationCount);
        if (rhs.size() != n || x.size() != n) return SolverStatus::InvalidInput;
        const SolverStatus status = SetUp(description, stream);
        if (status != SolverStatus::Ok) return status;
    }
    if (!factored_) return SolverStatus::NotSetUp;
    const auto n = static_cast<std::size_t>(state_.profile.EquationCount());
    if (rhs.size() != n || x.size() != n) return SolverStatus::InvalidInput;

    // Solve into a work vector so that x is only written on success.
    std::vector<double> solution(n);
    const SolverStatus status = SubstituteProfileBlocks(state_, rhs, solution);
    if (status == SolverStatus::Ok) std::copy(solution.begin(), solution.end(), x.begin());
    return status;
}

SolverStatus ProfileSolver::SetUp(const ConnectivityDescription& description, const ElementStream& stream) {
    Release();
    SolverGraph graph;
    // The graph and the ordering stop early, with nothing built, when the user cancels.
    if (!BuildSolverGraph(description, graph)) {
        return CancelWatch::Requested() ? SolverStatus::Cancelled : SolverStatus::InvalidInput;
    }
    if (CancelWatch::Requested()) return SolverStatus::Cancelled;
    if (!OrderSolverEquations(graph, state_.profile)) {
        return CancelWatch::Requested() ? SolverStatus::Cancelled : SolverStatus::InvalidInput;
    }
    if (!PartitionProfileBlocks(options_.memoryWords, state_.profile, state_.blocks)) {
        return SolverStatus::PartitionFailed;
    }
    if (state_.IsOutOfCore() && !state_.store.Create()) return SolverStatus::ScratchFileFailed;

    SolverStatus status = AssembleProfileBlocks(stream, state_);
    if (status == SolverStatus::Ok) status = FactorProfileBlocks(state_);
    factored_ = status == SolverStatus::Ok;
    return status;
}

void ProfileSolver::Release() {
    state_.Release();
    factored_ = false;
}
