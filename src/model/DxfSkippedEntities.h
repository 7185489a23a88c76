#pragma once
// What one DXF read did with the entities of its ENTITIES sections: each is
// imported or passed over for one reason. The parts of a POLYLINE or an
// INSERT (its VERTEX, ATTRIB and SEQEND entities) belong to it and are not
// counted apart.

#include <map>
#include <string>

struct DxfSkippedEntities {
    // Entities of kinds the import does not read, counted by kind name; a
    // VERTEX, ATTRIB or SEQEND that belongs to no POLYLINE or INSERT too.
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
    // With a number that cannot be read (text that is not wholly one
    // number), that is not finite as written in the file (beyond a double's
    // range, "inf", "nan") or that overflows once the import places them, or
    // with coordinates so large that the tolerance is finer than their
    // resolution.
    int unplaceable = 0;
    // Of the unplaceable, those with a number that cannot be read.
    int unreadableNumbers = 0;
    // Left unread once a converter met the id limit, that one included.
    int leftAtIdLimit = 0;

    // Handed to a converter, which made them or found them made already; not
    // a reason to pass over.
    int imported = 0;

    // How many entities were passed over, for whatever reason.
    int SkippedCount() const
    {
        int count = onHiddenLayers + offPlane + ofNoSize + belowTolerance + unplaceable + leftAtIdLimit;
        for (const auto& [kind, kindCount] : unreadKinds)
            count += kindCount;
        return count;
    }
    bool NoneSkipped() const { return SkippedCount() == 0; }
};
