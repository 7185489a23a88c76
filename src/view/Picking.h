#pragma once
// Reading the hit records that OpenGL's selection mode writes: per record a
// name count, the least and greatest depth and the names.

#include <cstddef>
#include <vector>

struct SelectionHit {
    unsigned name = 0;  // the innermost name: an entity key
    unsigned minDepth = 0;
};

// The named records among the first `hits` records of the buffer, in buffer
// order; records without names, name 0 and records cut off by the buffer's
// end are left out.
std::vector<SelectionHit> ReadHitRecords(const unsigned* buffer, std::size_t words, int hits);

// The key of the hit with the smallest least depth, a later record winning a
// tie; -1 without hits.
int NearestHitKey(const std::vector<SelectionHit>& hits);
