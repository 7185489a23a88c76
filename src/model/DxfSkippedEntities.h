#pragma once
// What one DXF read passed over, and why: the read accounts for every entity
// of its ENTITIES sections that made nothing, apart from repeats of what the
// same read or the model holds already.

#include <map>
#include <string>

struct DxfSkippedEntities {
    // Entities of kinds the import does not read, counted by kind name.
    std::map<std::string, int> unreadKinds;
    // On layers that are off or frozen.
    int onHiddenLayers = 0;
    // Out of the XY plane.
    int offPlane = 0;
    // Of no size at any tolerance: a line of no length, a radius or axis
    // that is zero or negative, an arc of no sweep, a face of one point.
    int ofNoSize = 0;
    // Smaller than the tolerance, yet not of zero size: a smaller tolerance
    // would import them.
    int belowTolerance = 0;
    // With a number that is not finite as written in the file (beyond a
    // double's range, "inf", "nan") or that overflows once the import places
    // them, or with coordinates so large that the tolerance is finer than
    // their resolution.
    int unplaceable = 0;

    bool IsEmpty() const
    {
        return unreadKinds.empty() && onHiddenLayers == 0 && offPlane == 0 && ofNoSize == 0 && belowTolerance == 0
            && unplaceable == 0;
    }
};
