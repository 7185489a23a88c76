#include "commands/IdLists.h"

#include <unordered_set>

void DropRepeatedIds(std::vector<int>& ids)
{
    std::unordered_set<int> seen;
    std::erase_if(ids, [&seen](int id) { return !seen.insert(id).second; });
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
