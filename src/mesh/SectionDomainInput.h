#pragma once
// Between a plane section's records and the mesher's plain input: the
// boundary of one domain read out, and the placed boundary nodes written back
// into the section curves.

#include "mesh/DomainBoundaryInput.h"
#include "model/SectionRecords.h"

#include <string>

// Reads the domain's loops, their curves and the curves' points. In mode 1 a
// curve's stored division count is halved unless an earlier domain of the
// same section run already placed it (its work list of mesh nodes is not
// empty). False, with the reason, when a loop, curve or point is missing, or
// a curve has more divisions than a mesh may take.
bool ReadDomainBoundary(const T_SECTION_D& section, const T_DOMAIN_D& domain, int mode, MeshDomainInput& out,
                        std::string& failure);

// Every curve the input placed gets its boundary node ids (and the work copy)
// and the division count used.
void WriteBackPlacedCurves(T_SECTION_D& section, const MeshDomainInput& input);

// A new section run forgets which curves earlier runs placed.
void ForgetPlacedCurves(T_SECTION_D& section);
