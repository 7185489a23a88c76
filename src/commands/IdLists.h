#pragma once
// Small tools on the id lists that the point and curve topology commands take.

#include "model/SectModel.h"

#include <algorithm>
#include <set>
#include <vector>

// Drops every repeat of an id, keeping the first occurrence and the order, so
// that a command never acts twice on one object and counts what it acts on.
void DropRepeatedIds(std::vector<int>& ids);

// A copy of the list without its repeats; null reads as an empty list.
std::vector<int> DistinctIds(const std::vector<int>* ids);

// Sorts ascending and drops repeats.
void SortUniqueIds(std::vector<int>& ids);

inline bool ContainsId(const std::vector<int>& ids, int id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// Reports the first id that names no point; true when all exist.
bool AllPointsExist(const CSectModel& model, const std::vector<int>& pointIds);

// Points that stay whatever curves are deleted: those a curve of the model
// still uses and the centroids of calculated sections.
std::set<int> PointsStillNeeded(const CSectModel& model);
