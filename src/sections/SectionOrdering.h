#pragma once
// Ordering sections by one value, largest first: Arrange and the result list
// both list sections this way. Values closer than a tolerance form one run,
// taken in ascending id, so that near-equal values neither lose a section nor
// shuffle sections by rounding noise.

#include <vector>

struct SectionValue {
    int sectionId = 0;
    double value = 0.0;
};

// Every id once, largest value first. The entries are sorted by value, equal
// values in ascending id, and cut into runs: an entry whose value differs
// from the one before it by less than the tolerance, or not at all, joins
// that one's run. Each run is listed in ascending id. A value that is not a
// number counts as the smallest.
std::vector<int> OrderByValueRuns(std::vector<SectionValue> entries, double tolerance);

// The run tolerance for calculated values, whose magnitude depends on the
// units: 1e-6 times the largest finite magnitude among them (0 for none).
double CalculatedValueTolerance(const std::vector<SectionValue>& entries);

// The run tolerance for locations, lengths the user types.
inline constexpr double kLocationRunTolerance = 1e-6;
