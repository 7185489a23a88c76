#include "calc/ProfileSegments.h"

#include <algorithm>
#include <functional>

#include "calc/TaskThreads.h"

namespace {

// A share should hold at least this much work (squared column heights) to pay
// for a thread's start.
constexpr double kMinShareWork = 1 << 20;

// Squared heights summed over columns 1..j: reducing a column costs about the
// square of its height.
std::vector<double> PrefixWork(const SkylineProfile& profile) {
    const int n = profile.EquationCount();
    std::vector<double> work(n + 1, 0.0);
    for (int j = 1; j <= n; ++j) {
        const double height = static_cast<double>(profile.Height(j));
        work[j] = work[j - 1] + height * height;
    }
    return work;
}

// For every column j that holds only its diagonal, the first later column that
// reaches above j (N + 1 when none does); 0 for the other columns. The profile
// splits before j once that column and all after it are in the tail.
std::vector<std::int64_t> FirstCrossingColumns(const SkylineProfile& profile) {
    const int n = profile.EquationCount();
    std::vector<std::int64_t> crossing(n + 1, 0);
    // Columns that start a segment and that no column seen so far crosses, ascending.
    std::vector<std::int64_t> open;
    for (std::int64_t k = 1; k <= n; ++k) {
        const std::int64_t top = profile.Top(k);
        while (!open.empty() && open.back() > top) {
            crossing[open.back()] = k;
            open.pop_back();
        }
        if (top == k) open.push_back(k);
    }
    for (std::int64_t j : open) crossing[j] = n + 1;
    return crossing;
}

struct Layout {
    std::vector<std::int64_t> segmentStart;  // closing entry: the tail's start
    std::int64_t tailStart = 0;
    double largestSegment = 0.0, segmentTotal = 0.0, tail = 0.0;

    // The factorisation's critical path on the given threads.
    double Cost(int threads) const { return std::max(largestSegment, segmentTotal / threads) + tail; }
};

Layout LayoutWithTail(const SkylineProfile& profile, const std::vector<double>& work,
                      const std::vector<std::int64_t>& crossing, std::int64_t tailStart) {
    const int n = profile.EquationCount();
    const auto& columnTop = profile.columnTop;
    Layout layout;
    layout.tailStart = tailStart;
    layout.segmentStart.push_back(1);
    for (std::int64_t j = 2; j < tailStart; ++j) {
        if (crossing[j] >= tailStart) layout.segmentStart.push_back(j);
    }
    layout.segmentStart.push_back(tailStart);

    // The tail's columns read every row they reach; their rows inside a
    // segment are reduced with it.
    const double tailColumns = static_cast<double>(n + 1 - tailStart);
    for (std::size_t s = 0; s + 1 < layout.segmentStart.size(); ++s) {
        const std::int64_t first = layout.segmentStart[s], end = layout.segmentStart[s + 1];
        const double words = static_cast<double>(columnTop[end - 1] - columnTop[first - 1]);
        const double segment = work[end - 1] - work[first - 1] + tailColumns * words;
        layout.largestSegment = std::max(layout.largestSegment, segment);
        layout.segmentTotal += segment;
    }
    for (std::int64_t j = tailStart; j <= n; ++j) {
        const std::int64_t firstRow = std::max(tailStart, profile.Top(j) + 1);
        if (firstRow < j) layout.tail += static_cast<double>(columnTop[j - 1] - columnTop[firstRow - 1]);
    }
    return layout;
}

// Consecutive segments grouped into shares of at least the target work.
std::vector<std::int64_t> GroupIntoShares(const Layout& layout, const std::vector<double>& work, int threads) {
    const double target = std::max(kMinShareWork, work[layout.tailStart - 1] / (2.0 * threads));
    std::vector<std::int64_t> shareStart = {1};
    double gathered = 0.0;
    for (std::size_t s = 1; s < layout.segmentStart.size(); ++s) {
        const std::int64_t end = layout.segmentStart[s];
        gathered += work[end - 1] - work[layout.segmentStart[s - 1] - 1];
        if (gathered >= target && s + 1 < layout.segmentStart.size()) {
            shareStart.push_back(end);
            gathered = 0.0;
        }
    }
    // A short last share joins the one before it.
    if (shareStart.size() > 1 && gathered < target) shareStart.pop_back();
    shareStart.push_back(layout.tailStart);
    return shareStart;
}

}  // namespace

ProfileSegments FindProfileSegments(const SkylineProfile& profile, int maxThreads) {
    const int n = profile.EquationCount();
    const int threads = maxThreads > 0 ? maxThreads : MachineThreads();
    ProfileSegments whole{{1, n + 1}, n + 1};
    if (threads == 1 || n < 2) return whole;

    const std::vector<double> work = PrefixWork(profile);
    const std::vector<std::int64_t> crossing = FirstCrossingColumns(profile);
    // Tails worth trying: none, or one starting at a column that blocks a split.
    std::vector<std::int64_t> tailStarts = {n + 1};
    const std::int64_t lowestTail = std::max<std::int64_t>(2, n + 1 - kMaxTailColumns);
    for (std::int64_t j = 2; j <= n; ++j) {
        if (crossing[j] >= lowestTail && crossing[j] <= n) tailStarts.push_back(crossing[j]);
    }
    std::sort(tailStarts.begin(), tailStarts.end(), std::greater<>());
    tailStarts.erase(std::unique(tailStarts.begin(), tailStarts.end()), tailStarts.end());

    // From no tail to the longest; the shortest tail wins a tie.
    Layout best = LayoutWithTail(profile, work, crossing, tailStarts.front());
    for (std::size_t t = 1; t < tailStarts.size(); ++t) {
        Layout layout = LayoutWithTail(profile, work, crossing, tailStarts[t]);
        if (layout.Cost(threads) < best.Cost(threads)) best = std::move(layout);
    }
    ProfileSegments segments{GroupIntoShares(best, work, threads), best.tailStart};
    if (segments.ShareCount() == 1) return whole;
    return segments;
}
