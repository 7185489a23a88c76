#pragma once
// Small tools on the id lists that the point and curve topology commands take.

#include "model/SectModel.h"

#include <algorithm>
#include <vector>

// Drops every repeat of an id, keeping the first occurrence and the order, so
// that a command never acts twice on one object and counts what it acts on.
void DropRepeatedIds(std::vector<int>& ids);

// Sorts ascending and drops repeats.
void SortUniqueIds(std::vector<int>& ids);

inline bool ContainsId(const std::vector<int>& ids, int id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// Reports the first id that names no point; true when all exist.
bool AllPointsExist(const CSectModel& model, const std::vector<int>& pointIds);
