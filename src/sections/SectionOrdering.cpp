#include "sections/SectionOrdering.h"

#include <algorithm>
#include <cmath>
#include <limits>

std::vector<int> OrderByValueRuns(std::vector<SectionValue> entries, double tolerance)
{
    // A comparison with a NaN would break the sort's ordering.
    for (SectionValue& entry : entries) {
        if (std::isnan(entry.value))
            entry.value = -std::numeric_limits<double>::infinity();
    }
    std::sort(entries.begin(), entries.end(), [](const SectionValue& a, const SectionValue& b) {
        return a.value != b.value ? a.value > b.value : a.sectionId < b.sectionId;
    });

    std::vector<int> order;
    order.reserve(entries.size());
    size_t runStart = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        order.push_back(entries[i].sectionId);
        const bool runEnds = i + 1 == entries.size()
            || (entries[i + 1].value != entries[i].value && !(entries[i].value - entries[i + 1].value < tolerance));
        if (runEnds) {
            std::sort(order.begin() + static_cast<std::ptrdiff_t>(runStart), order.end());
            runStart = i + 1;
        }
    }
    return order;
}

double CalculatedValueTolerance(const std::vector<SectionValue>& entries)
{
    double largest = 0.0;
    for (const SectionValue& entry : entries) {
        if (std::isfinite(entry.value))
            largest = std::max(largest, std::fabs(entry.value));
    }
    return 1e-6 * largest;
}
