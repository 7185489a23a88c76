#pragma once

// How many elements a plane section's mesh may bring, so that the mesher and
// the solid model stay within a fair share of the machine's memory.

#include <cstdint>

// A quarter of physicalBytes over the peak bytes a calculation takes per
// element, kept between a floor that every machine holds and a ceiling past
// which the mesher takes minutes.
int MeshElementLimitFor(std::uint64_t physicalBytes);

// The limit for this machine's physical memory.
int MeshElementLimit();
