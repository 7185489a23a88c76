#pragma once
// The checks a plane section's curves must pass before anything is built from
// them, on the model's own points and coordinates.

#include <vector>

class CSectModel;

// The texts of the refusals of the outer-loop search, which the front end and
// the zero-extent checks use as well.
extern const char* const kOuterLoopNotFoundText;
extern const char* const kOuterLoopNotClosedText;

// Width and height of the box around every point of the curves; false after
// reporting a missing curve or point.
bool MeasureCurvesExtent(const CSectModel& model, const std::vector<int>& curveIds, double& width, double& height);

// Refuses, with its warning, a box that is flat in x or y: the plane builder
// divides by both sides.
bool CheckExtentNotFlat(const CSectModel& model, double width, double height);

// Curves free for a new section, neither coinciding with, overlapping nor
// crossing one another, each longer than twice the tolerance, and (for more
// than one curve) every open curve joined to another curve's end at both of
// its ends. The extent of the curves comes back in width and height. Reports
// the first failure and returns false.
bool CheckPlaneSectionCurves(const CSectModel& model, const std::vector<int>& curveIds, double& width, double& height);
