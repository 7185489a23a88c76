#pragma once
// How the exports choose what they write. They only read the model: a group's
// dead member ids are skipped (CSectModel::LiveGroupMembers), never purged, so
// an export leaves the group record exactly as the undo store knows it.

#include "model/SectModel.h"

#include <string>
#include <vector>

// The group named so, found without regard to case, the lowest id first; null
// for an empty name or one that no group has.
const T_GROUP_D* FindExportGroup(const CSectModel& model, const std::string& name);

// The listed sections that exist and have calculated properties, in list
// order; a repeated id stays repeated.
std::vector<int> KeepCalculatedSections(const CSectModel& model, const std::vector<int>& sectionIds);
// Every calculated section of the model, ascending by id.
std::vector<int> AllCalculatedSections(const CSectModel& model);
