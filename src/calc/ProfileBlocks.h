#pragma once

// Decides whether the skyline profile stays in memory or is cut into blocks of
// whole columns that are factorised one after another and parked in scratch
// files in between, and which earlier blocks each block's columns reach.

#include <cstdint>
#include <vector>

#include "calc/SkylineProfile.h"

// The least memory size, in words (8 bytes), that the equation solver allows
// itself unless told otherwise (100 MiB).
inline constexpr std::int64_t kMinDefaultSolverMemoryWords = 13'107'200;
// Words reserved per equation for the solver's vectors and tables.
inline constexpr std::int64_t kReservedWordsPerEquation = 35;
// Upper bound of the block budget, whatever the memory size.
inline constexpr std::int64_t kMaxBlockBudgetWords = 19'660'800;
inline constexpr int kMaxProfileBlocks = 1000;

// Blocks are indexed from 0 here; the scratch files keep numbering them from 1.
struct ProfileBlocks {
    int blockCount = 0;
    // First profile address of each block; the closing entry is profileSize + 1.
    std::vector<std::int64_t> blockStart;
    // First equation of each block; the closing entry is N + 1.
    std::vector<std::int64_t> blockFirstEq;
    // Index of the first block whose columns the factorisation of each block reads.
    std::vector<int> firstCoupledBlock;
    // Size of the coefficient buffer: the whole profile, or the block budget.
    std::int64_t coefficientBufferSize = 0;

    std::int64_t Length(int block) const { return blockStart[block + 1] - blockStart[block]; }
    std::int64_t LastEq(int block) const { return blockFirstEq[block + 1] - 1; }
};

// The memory size the equation solver allows itself unless told otherwise: a
// quarter of the machine's physical memory, never less than
// kMinDefaultSolverMemoryWords. A fixed size would refuse models that the
// machine could solve in memory with room to spare.
std::int64_t DefaultSolverMemoryWords();

// Cuts the profile within memoryWords. Returns false, leaving blocks empty, when
// the per-equation reserve leaves no room, a column is taller than half the
// budget, a block other than the last is shorter than the tallest column, or
// more than kMaxProfileBlocks blocks would be needed.
[[nodiscard]] bool PartitionProfileBlocks(std::int64_t memoryWords, const SkylineProfile& profile,
                                          ProfileBlocks& blocks);
