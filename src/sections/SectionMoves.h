#pragma once
// What the commands that move or delete whole sections share: gathering the
// model curves and points of the sections, finding the points that something
// else still holds, and detaching whatever has to stay behind, so that a move
// never drags a curve or a centroid that does not move.

#include "model/SectModel.h"

#include <functional>
#include <set>
#include <vector>

struct SectionGeometry {
    std::vector<int> sectionIds;  // distinct
    std::vector<int> curveIds;  // the sections' model curves, each once
    std::vector<int> pointIds;  // the points of those curves, ascending, each once
};

// Looks up the sections, their model curves and those curves' points,
// reporting the first one missing; true when all exist.
bool CollectSectionGeometry(const CSectModel& model, const std::vector<int>& sectionIds, SectionGeometry& geometry);

// The points that any curve outside `curves` uses and the centroid points of
// the calculated sections outside `sections`.
std::set<int> PointsHeldOutside(const CSectModel& model, const std::set<int>& sections, const std::set<int>& curves);

// The most point copies DetachMovingSections may make for the geometry.
int MostDetachedPoints(const CSectModel& model, const SectionGeometry& geometry, bool withCentroids);

// Inside the open undo action. The moving curves take a copy of each of
// their points that a curve outside them uses or that is the centroid point
// of a calculated section that does not move; the geometry's point list
// names the copies instead. With withCentroids, a moving calculated section
// whose centroid point stays behind in the same way gets a copy as its
// centroid point, and one whose centroid was copied for its curves follows
// that copy. Returns the ids of the copies in creation order.
std::vector<int> DetachMovingSections(CSectModel& model, SectionGeometry& geometry, bool withCentroids);

// Moves the section's own points and, when it is calculated and its centroid
// point exists and lies on none of the moving curves, that point too (once
// per command: movedCentroids remembers). Records every change.
void MoveSectionOwnGeometry(CSectModel& model, T_SECTION_D& section, bool withCentroid,
                            const std::set<int>& curvePoints, std::set<int>& movedCentroids,
                            const std::function<void(double xy[2])>& transform);

// Records and moves each listed model point.
void MoveModelPoints(CSectModel& model, const std::vector<int>& pointIds,
                     const std::function<void(double xy[2])>& transform);
