#pragma once
// Helpers shared by the point and curve-creation commands and by the
// insertion and split services: making points and curve records, looking up a
// command's curves, and planning which points a command would make before it
// changes anything.

#include "model/PointGrid.h"
#include "model/SectModel.h"

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using XyPosition = std::array<double, 2>;

// Takes the next point id and stores a new point at the global position; the
// caller records it for undo.
int AddNewPoint(CSectModel& model, const double global[2]);

// A new curve record with the next curve id; a width of 0 or less is stored
// as no width. The caller fills the point ids and stores it.
std::unique_ptr<T_CURVE_D> NewCurveRecord(CSectModel& model, int alignment, double width);

// Reports the first listed curve, or point of a listed curve, that is
// missing; true when all exist.
bool CurvesAndTheirPointsExist(const CSectModel& model, const std::vector<int>& curveIds);

// The curve's point positions in order; false when one of its points is missing.
bool GatherCurvePositions(const CSectModel& model, const T_CURVE_D& curve, std::vector<XyPosition>& out);

// Sum of the distances between consecutive positions.
double PolylineLength(const std::vector<XyPosition>& positions);

// A count computed in doubles, as the int the id-limit check takes (large
// counts saturate, negative ones become 0).
int CountForIdCheck(double count);

// "Cannot create a new curve (<kind>).\n\n<reason>"
std::string CurveRefusal(const char* kind, const char* reason);

// Resolves positions to point ids the way a command would (an existing point
// within the tolerance, else a new one) without touching the model, so that a
// command can check what it would make before it opens its undo action.
// Planned points take the ids the model will issue next, in order.
class PlannedPoints {
public:
    explicit PlannedPoints(const CSectModel& model);

    // The first existing point within the tolerance, else the first planned
    // one, else a newly planned point.
    int Resolve(const double global[2]);
    // Plans a new point at the position without looking for one.
    int PlanNew(const double global[2]);
    int NewPointCount() const { return static_cast<int>(positions_.size()); }

    // Stores the planned points and records each as created in the open
    // action; returns their ids in order.
    std::vector<int> Create(CSectModel& model) const;

private:
    const CSectModel& model_;
    int firstNewId_;
    std::vector<XyPosition> positions_;
    PointGrid plannedGrid_;  // planned indices by position
};

// The ids of sampled positions: a repeat of the id just before is skipped,
// and a closed shape ends on its first id.
std::vector<int> PlanSampledPointIds(PlannedPoints& planned, const std::vector<XyPosition>& samples, bool closed);

// The common end of a one-curve command: refuses a curve of fewer than two
// distinct points with tooCloseText, checks the id limits, then opens one undo
// action, makes the planned points and the curve, records them and fills the
// newcomer lists. Returns the new curve id, 0 after a refusal. The caller
// sets the title and prints the result line.
int CreatePlannedCurve(CSectModel& model, const PlannedPoints& planned, const std::vector<int>& pointIds,
                       int alignment, double width, const std::string& tooCloseText);
