#include "io/ExportSelection.h"

#include "model/NameLookup.h"

namespace {

template <class Find>
std::vector<int> LiveIds(const std::vector<int>& ids, Find find)
{
    std::vector<int> live;
    for (int id : ids) {
        if (find(id))
            live.push_back(id);
    }
    return live;
}

} // namespace

const T_GROUP_D* FindExportGroup(const CSectModel& model, const std::string& name)
{
    return name.empty() ? nullptr : FindRecordNamed(model.m_groups, name, kSkipNoRecord);
}

std::vector<int> KeepCalculatedSections(const CSectModel& model, const std::vector<int>& sectionIds)
{
    return LiveIds(sectionIds, [&model](int id) {
        const T_SECTION_D* section = model.FindSection(id);
        return section && section->propertiesCalculated;
    });
}

std::vector<int> AllCalculatedSections(const CSectModel& model)
{
    std::vector<int> ids;
    for (const auto& [id, section] : model.m_sections) {
        if (section->propertiesCalculated)
            ids.push_back(id);
    }
    return ids;
}
