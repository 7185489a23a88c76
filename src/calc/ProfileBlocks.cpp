#include "calc/ProfileBlocks.h"

#include <unistd.h>

#include <algorithm>

namespace {

// Block tables of the cut, before the coupling is known.
bool CutIntoBlocks(const SkylineProfile& profile, std::int64_t halfBudget, ProfileBlocks& blocks) {
    const std::vector<std::int64_t>& columnTop = profile.columnTop;
    const int n = profile.EquationCount();
    blocks.blockStart = {1};
    blocks.blockFirstEq = {1};
    std::int64_t base = 0;
    for (int i = 1; i <= n; ++i) {
        if (columnTop[i] - base <= halfBudget) continue;
        // Equation i passes the half budget and starts the next block; a column
        // that alone passes it fits no block.
        if (profile.Height(i) > halfBudget) return false;
        if (static_cast<int>(blocks.blockStart.size()) == kMaxProfileBlocks) return false;
        base = columnTop[i - 1];
        blocks.blockStart.push_back(base + 1);
        blocks.blockFirstEq.push_back(i);
    }
    blocks.blockCount = static_cast<int>(blocks.blockStart.size());
    blocks.blockStart.push_back(columnTop[n] + 1);
    blocks.blockFirstEq.push_back(n + 1);
    return true;
}

void FindCoupledBlocks(const SkylineProfile& profile, ProfileBlocks& blocks) {
    blocks.firstCoupledBlock.assign(blocks.blockCount, 0);
    for (int b = 1; b < blocks.blockCount; ++b) {
        std::int64_t lowestRow = profile.EquationCount();
        for (std::int64_t j = blocks.blockFirstEq[b]; j <= blocks.LastEq(b); ++j) {
            lowestRow = std::min(lowestRow, profile.Top(j));
        }
        // A block whose last equation is the lowest row reached holds only that
        // row's top entries, which the factorisation never reduces.
        int first = b;
        for (int k = 0; k <= b; ++k) {
            if (blocks.LastEq(k) > lowestRow) {
                first = k;
                break;
            }
        }
        blocks.firstCoupledBlock[b] = first;
    }
}

}  // namespace

std::int64_t DefaultSolverMemoryWords() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0) return kMinDefaultSolverMemoryWords;
    const std::int64_t quarterWords =
        static_cast<std::int64_t>(pages) / 4 * static_cast<std::int64_t>(pageSize) / std::int64_t{8};
    return std::max(quarterWords, kMinDefaultSolverMemoryWords);
}

bool PartitionProfileBlocks(std::int64_t memoryWords, const SkylineProfile& profile, ProfileBlocks& blocks) {
    blocks = ProfileBlocks{};
    const int n = profile.EquationCount();
    const std::int64_t available = memoryWords - kReservedWordsPerEquation * n;
    if (available < 1) return false;

    if (profile.profileSize < available) {
        blocks.blockCount = 1;
        blocks.blockStart = {1, profile.profileSize + 1};
        blocks.blockFirstEq = {1, static_cast<std::int64_t>(n) + 1};
        blocks.firstCoupledBlock = {0};
        blocks.coefficientBufferSize = profile.profileSize;
        return true;
    }

    const std::int64_t budget = std::min(available, kMaxBlockBudgetWords);
    if (!CutIntoBlocks(profile, budget / 2, blocks)) {
        blocks = ProfileBlocks{};
        return false;
    }
    for (int b = 0; b + 1 < blocks.blockCount; ++b) {
        if (blocks.Length(b) < profile.maxColumnHeight) {
            blocks = ProfileBlocks{};
            return false;
        }
    }
    blocks.coefficientBufferSize = budget;
    FindCoupledBlocks(profile, blocks);
    return true;
}
