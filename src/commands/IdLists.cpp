#include "commands/IdLists.h"

#include <unordered_set>

void DropRepeatedIds(std::vector<int>& ids)
{
    std::unordered_set<int> seen;
    std::erase_if(ids, [&seen](int id) { return !seen.insert(id).second; });
}

std::vector<int> DistinctIds(const std::vector<int>* ids)
{
    std::vector<int> distinct = ids ? *ids : std::vector<int>();
    DropRepeatedIds(distinct);
    return distinct;
}

void SortUniqueIds(std::vector<int>& ids)
{
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
}

bool AllPointsExist(const CSectModel& model, const std::vector<int>& pointIds)
{
    for (int id : pointIds) {
        if (!model.FindPoint(id))
            return model.m_reporter.ReportPointNotFound(id);
    }
    return true;
}

std::set<int> PointsStillNeeded(const CSectModel& model)
{
    std::set<int> needed;
    for (const auto& [id, section] : model.m_sections) {
        if (section->propertiesCalculated)
            needed.insert(section->centroidPointId);
    }
    for (const auto& [id, curve] : model.m_curves)
        needed.insert(curve->pointIds.begin(), curve->pointIds.end());
    return needed;
}
