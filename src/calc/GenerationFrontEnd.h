#pragma once

// The document's Section > Generate and Section > Redefine: the clash
// questions before the model works and, for Generate, the new section's
// properties calculated at once inside the generation's undo action.

#include <string>
#include <vector>

#include "calc/DocumentHost.h"

struct T_SECTION_D;

// Type 1 plane, 2 line section; an empty name takes the model's default.
void GenerateSection(DocumentContext& document, const std::string& name, int type, const std::vector<int>& curveIds,
                     bool hasLocation, double location, const int color[3], const std::string& groupName,
                     bool calculateNow, bool mergeStraightLines, double mergeAngleTolerance);

// An empty name keeps the name. Each clash is asked about once; a No ends
// the command with nothing changed and nothing filed.
void RedefineSection(DocumentContext& document, int sectionId, const std::string& name, bool redefineLocation,
                     double location, bool redefineColor, const int color[3]);

// Mesh density level of a plane section calculated at once: 3, lowered to 2
// or 1 when its curves are mostly not straight lines.
int ImmediateMeshLevel(const CSectModel& model, const T_SECTION_D& section);
