// The element limit from the machine's physical memory.

#include "calc/MeshElementLimit.h"

#include <unistd.h>

#include <algorithm>

namespace {

// Peak memory of a calculation per element of its mesh, meshing and solid
// model together (measured: 4.4 GB for 848,000 elements of a thin strip).
constexpr double kPeakBytesPerElement = 5500.0;
constexpr double kShareOfMemory = 0.25;
constexpr int kLeastElements = 100'000;
// Near a million elements the mesher already takes minutes.
constexpr int kMostElements = 1'000'000;

}  // namespace

int MeshElementLimitFor(std::uint64_t physicalBytes)
{
    const double fairShare = kShareOfMemory * static_cast<double>(physicalBytes) / kPeakBytesPerElement;
    return static_cast<int>(std::clamp(fairShare, static_cast<double>(kLeastElements),
                                       static_cast<double>(kMostElements)));
}

int MeshElementLimit()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    // Unknown memory gets the floor.
    if (pages <= 0 || pageSize <= 0)
        return MeshElementLimitFor(0);
    return MeshElementLimitFor(static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize));
}
