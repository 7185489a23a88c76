#pragma once
// Checks on the curves chosen for a new section that the generation front end
// and the builders share.

#include <vector>

class CSectModel;

// Every curve exists and belongs to no section yet. Reports the first failure
// and returns false.
bool CheckCurvesFreeForSection(const CSectModel& model, const std::vector<int>& curveIds);

// Every registered closed loop that runs through a listed curve has all its
// curves listed. Reports the first failure and returns false.
bool CheckClosedLoopsTakenWhole(const CSectModel& model, const std::vector<int>& curveIds);
