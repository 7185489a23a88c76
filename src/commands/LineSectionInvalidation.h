#pragma once
// Curve edits that move the walls of a line section take its calculated
// properties away: the commands note the sections while they look at their
// curves and invalidate them all at the end, with one information box.

#include "model/SectModel.h"

#include <vector>

// Notes the calculated line section that owns the curve, each section once.
void NoteLineSectionToInvalidate(const CSectModel& model, const T_CURVE_D& curve, std::vector<int>& sectionIds);

// Invalidates the noted sections inside the open undo action and shows "The
// properties of N line section(s) are invalidated." with the advice to
// recalculate; nothing when none was noted.
void InvalidateLineSections(CSectModel& model, const std::vector<int>& sectionIds);
