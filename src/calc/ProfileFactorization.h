#pragma once

// Assembly, L·D·Lᵀ factorisation and substitution on the skyline profile, in
// memory or block by block through the scratch store. The arithmetic does not
// depend on the blocking, so every partition gives bitwise the same factor.
// In memory, the profile's independent diagonal blocks are factored and solved
// on up to state.maxThreads threads, each entry still by the same operations
// in the same order, so the thread count does not change a bit either.

#include <span>

#include "calc/ProfileSolverState.h"
#include "calc/SolverInput.h"

// A pivot must exceed this fraction of its column's assembled diagonal.
inline constexpr double kMinPivotRatio = 1e-13;

// Sums the element stream into the profile, one pair of blocks per pass over
// the stream, and parks the blocks when there are several. Needs the profile
// and block tables of the state; allocates its coefficient buffer.
[[nodiscard]] SolverStatus AssembleProfileBlocks(const ElementStream& stream, ProfileSolverState& state);

// Factors the assembled profile in place (multipliers above the diagonal, D on
// it). In memory it also finds the independent blocks that the solves use.
[[nodiscard]] SolverStatus FactorProfileBlocks(ProfileSolverState& state);

// Solves for one right-hand side with the kept factor; rhs and x are in the
// model's equation numbering and hold N entries each.
[[nodiscard]] SolverStatus SubstituteProfileBlocks(ProfileSolverState& state, std::span<const double> rhs,
                                                   std::span<double> x);
