#pragma once
// Lookup of named records (UCS, materials, groups) by name without regard to
// letter case, the lowest id first.

#include "model/ModelRecords.h"

#include <string>

// Compares names lower-cased, as CSectModel::ToLowerCase does, so only ASCII
// letters fold.
bool NamesMatch(const std::string& lhs, const std::string& rhs);

// The first record in id order, other than the one with skipId, whose name
// matches; null when none.
template <class T>
T* FindRecordNamed(const IdMap<T>& map, const std::string& name, int skipId)
{
    for (const auto& [id, record] : map) {
        if (id != skipId && NamesMatch(record->name, name))
            return record.get();
    }
    return nullptr;
}

// Passed as skipId when no record is to be skipped.
constexpr int kSkipNoRecord = -1;

// The name, or when a record of the map already has it, the name followed by
// " (2)", " (3)", ...: the first that none has, so that every record made
// under it can still be found by name.
template <class T>
std::string UnusedName(const IdMap<T>& map, const std::string& name)
{
    std::string candidate = name;
    for (int number = 2; FindRecordNamed(map, candidate, kSkipNoRecord); ++number)
        candidate = name + " (" + std::to_string(number) + ")";
    return candidate;
}
