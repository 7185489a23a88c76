#pragma once
// Walking a list of curves chain by chain, for the commands that join chains.

#include "model/SectModel.h"

#include <functional>
#include <vector>

// Splits the curves into chains as ChainCurves does, one after another, and
// hands each chain of two or more curves to visit; stops at a curve without
// points, which has no ends to join.
void ForEachCurveChain(const CSectModel& model, std::vector<int> curveIds,
                       const std::function<void(const std::vector<int>& chain)>& visit);
