#pragma once

// Independent diagonal blocks of an in-memory skyline profile, for factoring
// and solving them on several threads.
//
// Where no column from j on reaches a row above j, the columns from j on never
// read the columns before j: the profile splits there into independent
// segments. A model whose few coupling columns come last (the masters of
// several substructures, numbered after all of them) splits only once those
// columns are set apart: they form the tail, which is finished after every
// segment. Each segment also reduces the rows of the tail's columns that lie in
// it, as those rows read nothing outside the segment.
//
// The segments are grouped into shares, consecutive runs worth a thread each.

#include <cstdint>
#include <vector>

#include "calc/SkylineProfile.h"

struct ProfileSegments {
    // First equation of each share; the closing entry is tailStart.
    std::vector<std::int64_t> shareStart;
    // First column of the tail; N + 1 when there is none. With no shares the
    // whole profile is tail and is handled in one sequence.
    std::int64_t tailStart = 1;

    int ShareCount() const { return shareStart.empty() ? 0 : static_cast<int>(shareStart.size()) - 1; }
    std::int64_t ShareFirst(int share) const { return shareStart[share]; }
    std::int64_t ShareLast(int share) const { return shareStart[share + 1] - 1; }
};

// The most columns set apart as a tail.
inline constexpr int kMaxTailColumns = 64;

// The segments and tail that promise the shortest factorisation on up to
// maxThreads threads (0: the machine's threads), grouped into shares; one share
// and no tail when the profile does not split or is too small to be worth it.
ProfileSegments FindProfileSegments(const SkylineProfile& profile, int maxThreads);
