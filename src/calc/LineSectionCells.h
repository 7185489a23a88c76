#pragma once

// Torsion constant of the closed cells of a line section: the thin-walled
// multi-cell equations, one shear flow per cell, solved as one dense system.

#include <vector>

#include "model/SectModel.h"

enum class CellTorsionStatus {
    Solved,
    MissingObject,   // a loop, curve or point is missing; its not-found box was shown
    WallWithoutWidth,
    Unsolvable,      // the dense solver gave no solution
};

// Adds to torsion the cells' part: the distinct model closed loops met
// through the curves, in order of first appearance, leaving out a loop that
// encloses another of them (its area is already the cells' sum).
CellTorsionStatus AddClosedCellTorsion(const CSectModel& model, const std::vector<int>& loopIds, double& torsion);
