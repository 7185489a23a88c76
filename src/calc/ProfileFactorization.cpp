#include "calc/ProfileFactorization.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "calc/CalculationCancel.h"
#include "calc/ProfileDotProducts.h"
#include "calc/TaskThreads.h"

// Column j of the profile holds rows Top(j)..j, the diagonal last; entry
// K(i, j) sits (j - i) places before the diagonal. Equations are 1-based.

namespace {

// A look at the cancel watch costs next to nothing beside an element's sums.
constexpr int kElementsBetweenCancelChecks = 1024;

// A block of whole columns placed somewhere in the coefficient buffer.
class PlacedBlock {
public:
    PlacedBlock(double* data, const ProfileSolverState& state, int block)
        : data_(data),
          columnTop_(state.profile.columnTop.data()),
          start_(state.blocks.blockStart[block]),
          firstEq_(state.blocks.blockFirstEq[block]),
          lastEq_(state.blocks.LastEq(block)) {}

    // Diagonal entry of column j; the column's other rows lie before it.
    double* Diagonal(std::int64_t j) const { return data_ + (columnTop_[j] - start_); }
    std::int64_t FirstEq() const { return firstEq_; }
    std::int64_t LastEq() const { return lastEq_; }

private:
    double* data_;
    const std::int64_t* columnTop_;
    std::int64_t start_;
    std::int64_t firstEq_;
    std::int64_t lastEq_;
};

bool ElementStreamFits(const ElementStream& stream, int equationCount) {
    for (int e = 0; e < stream.ElementCount(); ++e) {
        int previous = 0;
        for (int equation : stream.Equations(e)) {
            if (equation <= previous || equation > equationCount) return false;
            previous = equation;
        }
    }
    return true;
}

int WorkerThreads(const ProfileSolverState& state) {
    return state.maxThreads > 0 ? state.maxThreads : MachineThreads();
}

// Zeroes `count` words of a fresh buffer. Most of the cost is the first touch
// of its pages, which several threads share out.
void ZeroCoefficients(double* data, std::int64_t count, int threads) {
    constexpr std::int64_t kChunkWords = std::int64_t{1} << 22;
    const int chunks = static_cast<int>((count + kChunkWords - 1) / kChunkWords);
    RunTasks(chunks, threads, [&](int chunk) {
        const std::int64_t first = chunk * kChunkWords;
        std::fill(data + first, data + std::min(count, first + kChunkWords), 0.0);
    });
}

bool ReadBlock(const ProfileSolverState& state, int block, double* into) {
    return state.store.ReadScratchBlock(block + 1, std::span<double>(into, state.blocks.Length(block)));
}

bool WriteBlock(ProfileSolverState& state, int block, const double* from) {
    return state.store.WriteScratchBlock(block + 1, std::span<const double>(from, state.blocks.Length(block)));
}

// Adds every element entry whose profile address lies in [first, end) to the buffer.
SolverStatus AddElementsInRange(const ElementStream& stream, const SkylineProfile& profile, std::int64_t first,
                                std::int64_t end, double* buffer) {
    std::vector<std::int64_t> mapped;
    for (int e = 0; e < stream.ElementCount(); ++e) {
        if (e % kElementsBetweenCancelChecks == 0 && CancelWatch::Requested()) return SolverStatus::Cancelled;
        const std::span<const int> equations = stream.Equations(e);
        const std::span<const double> triangle = stream.UpperTriangle(e);
        mapped.resize(equations.size());
        for (std::size_t a = 0; a < equations.size(); ++a) mapped[a] = profile.newEquation[equations[a]];
        std::size_t next = 0;
        for (std::size_t a = 0; a < mapped.size(); ++a) {
            for (std::size_t b = a; b < mapped.size(); ++b) {
                const double value = triangle[next++];
                const std::int64_t row = std::min(mapped[a], mapped[b]);
                const std::int64_t column = std::max(mapped[a], mapped[b]);
                // An element coupling equations that no connectivity record joins.
                if (column - row >= profile.Height(column)) return SolverStatus::InvalidInput;
                const std::int64_t address = profile.columnTop[column] - (column - row);
                if (address >= first && address < end) buffer[address - first] += value;
            }
        }
    }
    return SolverStatus::Ok;
}

// Reduces rows firstRow..lastRow of column j, reading those rows' columns from
// block `reached`.
void ReduceRows(std::int64_t j, double* column, const PlacedBlock& reached, std::int64_t firstRow,
                std::int64_t lastRow, const SkylineProfile& profile) {
    const std::int64_t topJ = profile.Top(j);
    for (std::int64_t i = firstRow; i <= lastRow; ++i) {
        const std::int64_t from = std::max(profile.Top(i), topJ);
        const double* columnI = reached.Diagonal(i);
        column[i - j] -= DotProduct(columnI + (from - i), column + (from - j), i - from);
    }
}

// Divides the reduced column j by the pivots above it and forms its own pivot.
SolverStatus FinishColumn(std::int64_t j, double* column, const SkylineProfile& profile,
                          std::vector<double>& pivots) {
    double sum = 0.0;
    for (std::int64_t k = profile.Top(j); k < j; ++k) {
        const double reduced = column[k - j];
        const double multiplier = reduced / pivots[k];
        sum += multiplier * reduced;
        column[k - j] = multiplier;
    }
    const double assembledDiagonal = pivots[j];
    const double pivot = column[0] - sum;
    // Written so that a NaN pivot fails too.
    if (!(pivot > 0.0) || !(pivot > kMinPivotRatio * assembledDiagonal)) return SolverStatus::NotPositiveDefinite;
    column[0] = pivot;
    pivots[j] = pivot;
    return SolverStatus::Ok;
}

// Reduces the rows of column j that lie in block `reached` (rows above the top
// entry only); on the column's own block it then finishes the column.
SolverStatus ReduceColumn(std::int64_t j, const PlacedBlock& own, const PlacedBlock& reached, bool finishColumn,
                          const SkylineProfile& profile, std::vector<double>& pivots) {
    double* column = own.Diagonal(j);
    ReduceRows(j, column, reached, std::max(reached.FirstEq(), profile.Top(j) + 1), std::min(reached.LastEq(), j - 1),
               profile);
    return finishColumn ? FinishColumn(j, column, profile, pivots) : SolverStatus::Ok;
}

// Columns j and j + 1 of the in-memory factor, as two ReduceColumn calls
// would leave them: the rows above j are reduced side by side, so each
// column i that both reach is read once, then column j is finished, then
// row j of column j + 1 and column j + 1.
SolverStatus ReduceColumnPair(std::int64_t j, const PlacedBlock& whole, const SkylineProfile& profile,
                              std::vector<double>& pivots) {
    const std::int64_t top1 = profile.Top(j), top2 = profile.Top(j + 1);
    double* column1 = whole.Diagonal(j);
    double* column2 = whole.Diagonal(j + 1);
    for (std::int64_t i = std::min(top1, top2) + 1; i < j; ++i) {
        const double* columnI = whole.Diagonal(i);
        const std::int64_t from1 = std::max(profile.Top(i), top1), from2 = std::max(profile.Top(i), top2);
        if (i <= top2) {
            column1[i - j] -= DotProduct(columnI + (from1 - i), column1 + (from1 - j), i - from1);
        } else if (i <= top1) {
            column2[i - j - 1] -= DotProduct(columnI + (from2 - i), column2 + (from2 - j - 1), i - from2);
        } else {
            double dot1 = 0.0, dot2 = 0.0;
            PairedDotProducts(columnI + (from1 - i), column1 + (from1 - j), i - from1, column2 + (from2 - j - 1),
                              i - from2, dot1, dot2);
            column1[i - j] -= dot1;
            column2[i - j - 1] -= dot2;
        }
    }
    const SolverStatus status = FinishColumn(j, column1, profile, pivots);
    if (status != SolverStatus::Ok) return status;
    ReduceRows(j + 1, column2, whole, std::max(j, top2 + 1), j, profile);
    return FinishColumn(j + 1, column2, profile, pivots);
}

// The whole profile in the buffer: the shares are factored side by side, each
// with its rows of the tail's columns; the tail follows. Every entry is formed
// by the same operations, in the same order, as a column-by-column pass.
SolverStatus FactorInMemory(ProfileSolverState& state) {
    const SkylineProfile& profile = state.profile;
    const std::int64_t n = profile.EquationCount();
    const PlacedBlock whole(state.coefficients.data(), state, 0);
    std::vector<double> pivots(n + 1, 0.0);
    for (std::int64_t j = 1; j <= n; ++j) pivots[j] = *whole.Diagonal(j);

    state.segments = FindProfileSegments(profile, state.maxThreads);
    const ProfileSegments& segments = state.segments;
    // A share stops at its first failing column, as the single pass would.
    std::vector<SolverStatus> shareStatus(segments.ShareCount(), SolverStatus::Ok);
    RunTasks(segments.ShareCount(), WorkerThreads(state), [&](int share) {
        const std::int64_t first = segments.ShareFirst(share), last = segments.ShareLast(share);
        for (std::int64_t j = first; j <= last; j += 2) {
            if (CancelWatch::Requested()) {
                shareStatus[share] = SolverStatus::Cancelled;
                return;
            }
            shareStatus[share] = j < last ? ReduceColumnPair(j, whole, profile, pivots)
                                          : ReduceColumn(j, whole, whole, true, profile, pivots);
            if (shareStatus[share] != SolverStatus::Ok) return;
        }
        for (std::int64_t j = segments.tailStart; j <= n; ++j) {
            if (CancelWatch::Requested()) {
                shareStatus[share] = SolverStatus::Cancelled;
                return;
            }
            ReduceRows(j, whole.Diagonal(j), whole, std::max(first, profile.Top(j) + 1), std::min(last, j - 1),
                       profile);
        }
    });
    // The shares lie in equation order: the first failure is the one a single pass meets.
    for (SolverStatus status : shareStatus) {
        if (status != SolverStatus::Ok) return status;
    }
    for (std::int64_t j = segments.tailStart; j <= n; ++j) {
        if (CancelWatch::Requested()) return SolverStatus::Cancelled;
        double* column = whole.Diagonal(j);
        ReduceRows(j, column, whole, std::max(segments.tailStart, profile.Top(j) + 1), j - 1, profile);
        const SolverStatus status = FinishColumn(j, column, profile, pivots);
        if (status != SolverStatus::Ok) return status;
    }
    return SolverStatus::Ok;
}

// Forward reduction of columns first..last of the block, keeping their pivots.
void ForwardReduce(const PlacedBlock& block, std::int64_t first, std::int64_t last, const SkylineProfile& profile,
                   std::vector<double>& y, std::vector<double>& pivots) {
    for (std::int64_t j = first; j <= last; ++j) {
        const double* column = block.Diagonal(j);
        pivots[j] = column[0];
        double sum = 0.0;
        for (std::int64_t k = profile.Top(j); k < j; ++k) {
            if (column[k - j] != 0.0) sum += column[k - j] * y[k];
        }
        y[j] -= sum;
    }
}

// Back substitution of columns last..first of the block.
void BackSubstitute(const PlacedBlock& block, std::int64_t first, std::int64_t last, const SkylineProfile& profile,
                    std::vector<double>& y) {
    for (std::int64_t j = last; j >= first; --j) {
        const double* column = block.Diagonal(j);
        const double yj = y[j];
        for (std::int64_t k = profile.Top(j); k < j; ++k) {
            if (column[k - j] != 0.0) y[k] -= column[k - j] * yj;
        }
    }
}

// With the whole factor in the buffer the shares run side by side: forward
// on each, then the tail forward, the division, the tail backward (which
// reaches into the shares), and backward on each share.
void SubstituteInMemory(ProfileSolverState& state, std::vector<double>& y) {
    const SkylineProfile& profile = state.profile;
    const std::int64_t n = profile.EquationCount();
    const ProfileSegments& segments = state.segments;
    const PlacedBlock whole(state.coefficients.data(), state, 0);
    std::vector<double> pivots(n + 1, 0.0);
    const int threads = WorkerThreads(state);

    RunTasks(segments.ShareCount(), threads, [&](int share) {
        ForwardReduce(whole, segments.ShareFirst(share), segments.ShareLast(share), profile, y, pivots);
    });
    ForwardReduce(whole, segments.tailStart, n, profile, y, pivots);
    for (std::int64_t j = 1; j <= n; ++j) y[j] /= pivots[j];
    BackSubstitute(whole, segments.tailStart, n, profile, y);
    RunTasks(segments.ShareCount(), threads, [&](int share) {
        BackSubstitute(whole, segments.ShareFirst(share), segments.ShareLast(share), profile, y);
    });
}

}  // namespace

SolverStatus AssembleProfileBlocks(const ElementStream& stream, ProfileSolverState& state) {
    const ProfileBlocks& blocks = state.blocks;
    if (!ElementStreamFits(stream, state.profile.EquationCount())) return SolverStatus::InvalidInput;
    state.coefficients.clear();
    state.coefficients.resize(blocks.coefficientBufferSize);
    double* buffer = state.coefficients.data();

    for (int b = 0; b < blocks.blockCount; b += 2) {
        const int endBlock = std::min(b + 2, blocks.blockCount);
        const std::int64_t first = blocks.blockStart[b];
        const std::int64_t end = blocks.blockStart[endBlock];
        ZeroCoefficients(buffer, end - first, WorkerThreads(state));
        const SolverStatus added = AddElementsInRange(stream, state.profile, first, end, buffer);
        if (added != SolverStatus::Ok) return added;
        if (!state.IsOutOfCore()) continue;
        if (!WriteBlock(state, b, buffer)) return SolverStatus::ScratchFileFailed;
        if (b + 1 < endBlock && !WriteBlock(state, b + 1, buffer + blocks.Length(b))) {
            return SolverStatus::ScratchFileFailed;
        }
    }
    return SolverStatus::Ok;
}

SolverStatus FactorProfileBlocks(ProfileSolverState& state) {
    if (!state.IsOutOfCore()) return FactorInMemory(state);
    const ProfileBlocks& blocks = state.blocks;
    const SkylineProfile& profile = state.profile;
    double* buffer = state.coefficients.data();
    // Assembled diagonal of a column until the column is factored, its pivot afterwards.
    std::vector<double> pivots(profile.EquationCount() + 1, 0.0);

    for (int c = 0; c < blocks.blockCount; ++c) {
        if (!ReadBlock(state, c, buffer)) return SolverStatus::ScratchFileFailed;
        const PlacedBlock own(buffer, state, c);
        for (std::int64_t j = own.FirstEq(); j <= own.LastEq(); ++j) pivots[j] = *own.Diagonal(j);

        for (int b = blocks.firstCoupledBlock[c]; b <= c; ++b) {
            double* place = buffer + blocks.Length(c);
            if (b < c && !ReadBlock(state, b, place)) return SolverStatus::ScratchFileFailed;
            const PlacedBlock reached = b < c ? PlacedBlock(place, state, b) : own;
            for (std::int64_t j = own.FirstEq(); j <= own.LastEq(); ++j) {
                if (CancelWatch::Requested()) return SolverStatus::Cancelled;
                const SolverStatus status = ReduceColumn(j, own, reached, b == c, profile, pivots);
                if (status != SolverStatus::Ok) return status;
            }
        }
        if (!WriteBlock(state, c, buffer)) return SolverStatus::ScratchFileFailed;
    }
    return SolverStatus::Ok;
}

SolverStatus SubstituteProfileBlocks(ProfileSolverState& state, std::span<const double> rhs, std::span<double> x) {
    const ProfileBlocks& blocks = state.blocks;
    const SkylineProfile& profile = state.profile;
    const int n = profile.EquationCount();
    double* buffer = state.coefficients.data();

    std::vector<double> y(n + 1, 0.0);
    for (int q = 1; q <= n; ++q) y[profile.newEquation[q]] = rhs[q - 1];

    if (!state.IsOutOfCore()) {
        SubstituteInMemory(state, y);
    } else {
        std::vector<double> pivots(n + 1, 0.0);
        for (int c = 0; c < blocks.blockCount; ++c) {
            if (!ReadBlock(state, c, buffer)) return SolverStatus::ScratchFileFailed;
            const PlacedBlock block(buffer, state, c);
            ForwardReduce(block, block.FirstEq(), block.LastEq(), profile, y, pivots);
        }
        for (int j = 1; j <= n; ++j) y[j] /= pivots[j];

        // The last block is still in the buffer from the forward pass.
        for (int c = blocks.blockCount - 1; c >= 0; --c) {
            if (c + 1 < blocks.blockCount && !ReadBlock(state, c, buffer)) return SolverStatus::ScratchFileFailed;
            const PlacedBlock block(buffer, state, c);
            BackSubstitute(block, block.FirstEq(), block.LastEq(), profile, y);
        }
    }
    for (int q = 1; q <= n; ++q) x[q - 1] = y[profile.newEquation[q]];
    return SolverStatus::Ok;
}
