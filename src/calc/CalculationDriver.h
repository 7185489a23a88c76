#pragma once

// Properties > Calculate: which of the selected sections are calculated, the
// questions about them, one undo action "Calculate sectional properties" for
// the run, and the sections calculated one after another.

#include <vector>

#include "calc/DocumentHost.h"

// sectionIds in ascending order, not empty. meshLevel 1..5 with meshSize 0,
// or level 0 with a size greater than 0. Sections already calculated are
// skipped unless recalculate; pauseAfterEach shows the pause dialog after
// each plane section.
void CalculateProperties(DocumentContext& document, const std::vector<int>& sectionIds, int meshLevel,
                         double meshSize, bool recalculate, bool pauseAfterEach);
