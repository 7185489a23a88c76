// Group commands: named collections of sections, curves and points.

#include "model/SectModel.h"

#include "model/NameLookup.h"
#include "model/TextFormat.h"
#include "model/UnchangedActionGuard.h"

#include <algorithm>

namespace {

void SortUnique(std::vector<int>& ids)
{
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
}

void AppendAll(std::vector<int>& to, const std::vector<int>& from)
{
    to.insert(to.end(), from.begin(), from.end());
}

void AppendCurveWithPoints(T_GROUP_D& group, const T_CURVE_D& curve)
{
    group.curveIds.push_back(curve.id);
    AppendAll(group.pointIds, curve.pointIds);
}

void EraseFirst(std::vector<int>& ids, int id)
{
    const auto found = std::find(ids.begin(), ids.end(), id);
    if (found != ids.end())
        ids.erase(found);
}

// Hands the live records of the list to keep, in order. Dead ids stay in the
// list: undo may bring their objects back, and ids are never issued twice.
template <class Find, class Keep>
void WalkLiveIds(const std::vector<int>& ids, Find find, Keep keep)
{
    for (const int id : ids) {
        if (const auto* record = find(id))
            keep(*record);
    }
}

// Every command looks groups up this way; an empty name finds none.
T_GROUP_D* FindGroupNamed(const IdMap<T_GROUP_D>& groups, const std::string& name)
{
    return name.empty() ? nullptr : FindRecordNamed(groups, name, kSkipNoRecord);
}

// Tells the user when another group has the name: two groups of one name would
// leave the later one unreachable by name.
bool IsGroupNameFree(const CSectModel& model, const std::string& name, int skipId)
{
    const T_GROUP_D* other = FindRecordNamed(model.m_groups, name, skipId);
    if (other)
        model.m_reporter.ShowInfo(FormatText("Group \"%s\" already exists.", other->name.c_str()));
    return other == nullptr;
}

// An empty group under the next group id.
T_GROUP_D& InsertNewGroup(CSectModel& model, const std::string& name)
{
    auto group = std::make_unique<T_GROUP_D>();
    group->id = model.m_nextGroupId++;
    group->name = name;
    T_GROUP_D& inserted = *group;
    model.m_groups[inserted.id] = std::move(group);
    return inserted;
}

} // namespace

bool CSectModel::CreateGroup(const std::string& name)
{
    if (name.empty())
        return false;
    if (!IsGroupNameFree(*this, name, kSkipNoRecord) || !CheckIdLimit(IdKind::Group, 1))
        return false;
    RecordCreatedGroup(InsertNewGroup(*this, name).id, true);
    SetUndoActionTitle(FormatText("Create new group [%s]", name.c_str()));
    return true;
}

bool CSectModel::DeleteGroup(const std::string& name)
{
    T_GROUP_D* group = FindGroupNamed(m_groups, name);
    if (!group)
        return false;
    SaveGroupForUndo(group, true);
    SetUndoActionTitle(FormatText("Delete group [%s]", group->name.c_str()));
    m_groups.erase(group->id);
    return true;
}

bool CSectModel::RenameGroup(const std::string& name, const std::string& newName)
{
    T_GROUP_D* group = FindGroupNamed(m_groups, name);
    if (!group || newName.empty())
        return false;
    if (!IsGroupNameFree(*this, newName, group->id))
        return false;
    const UnchangedActionGuard noEmptyStep(*this);
    SaveGroupForUndo(group, true);
    SetUndoActionTitle(FormatText("Rename group [%s]", group->name.c_str()));
    group->name = newName;
    noEmptyStep.ReportIfNothingChanged("the group already has this name");
    return true;
}

bool CSectModel::MergeGroups(const std::string& sourceName, const std::string& targetName, bool deleteSource)
{
    T_GROUP_D* source = FindGroupNamed(m_groups, sourceName);
    T_GROUP_D* target = FindGroupNamed(m_groups, targetName);
    // A group merged into itself would gain nothing, or vanish with deleteSource.
    if (!source || !target || source == target)
        return false;

    // Dead ids come along and stay out of sight like the target's own.
    const UnchangedActionGuard noEmptyStep(*this);
    SaveGroupForUndo(target, true);
    SetUndoActionTitle(FormatText("Merge group [%s] into group [%s]", source->name.c_str(), target->name.c_str()));
    AppendAll(target->sectionIds, source->sectionIds);
    AppendAll(target->curveIds, source->curveIds);
    AppendAll(target->pointIds, source->pointIds);
    SortUnique(target->sectionIds);
    SortUnique(target->curveIds);
    SortUnique(target->pointIds);
    if (deleteSource) {
        SaveGroupForUndo(source, false);
        m_groups.erase(source->id);
    } else {
        noEmptyStep.ReportIfNothingChanged(FormatText("the group [%s] already has every member of the group [%s]",
                                                      target->name.c_str(), source->name.c_str()));
    }
    return true;
}

bool CSectModel::QueryGroup(const std::string& name)
{
    T_GROUP_D* group = FindGroupNamed(m_groups, name);
    if (!group)
        return false;
    const T_GROUP_D live = LiveGroupMembers(*group);
    m_reporter.PrintOutput(FormatText("Group [%s] - Section: %d, Curve: %d, Point: %d", live.name.c_str(),
                                      static_cast<int>(live.sectionIds.size()),
                                      static_cast<int>(live.curveIds.size()),
                                      static_cast<int>(live.pointIds.size())));
    return true;
}

bool CSectModel::AddToGroup(const std::string& name, const std::vector<int>& sectionIds,
                            const std::vector<int>& curveIds, const std::vector<int>& pointIds, bool newAction)
{
    if (name.empty())
        return false;
    T_GROUP_D* group = FindRecordNamed(m_groups, name, kSkipNoRecord);
    const bool madeHere = !group;
    if (madeHere && !CheckIdLimit(IdKind::Group, 1))
        return false;
    if (madeHere)
        group = &InsertNewGroup(*this, name);
    // Without newAction the records join the caller's action and its title.
    const UnchangedActionGuard noEmptyStep(*this, newAction);
    if (newAction) {
        BeginUndoAction();
        SetUndoActionTitle(FormatText("Add to group [%s]", group->name.c_str()));
    }
    if (madeHere)
        RecordCreatedGroup(group->id, false);
    else
        SaveGroupForUndo(group, false);

    bool anyFound = false;
    for (int sectionId : sectionIds) {
        const T_SECTION_D* section = FindSection(sectionId);
        if (!section)
            continue;
        anyFound = true;
        group->sectionIds.push_back(sectionId);
        for (int curveId : section->curveIds) {
            if (const T_CURVE_D* curve = FindCurve(curveId))
                AppendCurveWithPoints(*group, *curve);
        }
    }
    for (int curveId : curveIds) {
        if (const T_CURVE_D* curve = FindCurve(curveId)) {
            anyFound = true;
            AppendCurveWithPoints(*group, *curve);
        }
    }
    for (int pointId : pointIds) {
        if (FindPoint(pointId)) {
            anyFound = true;
            group->pointIds.push_back(pointId);
        }
    }
    SortUnique(group->sectionIds);
    SortUnique(group->curveIds);
    SortUnique(group->pointIds);
    noEmptyStep.ReportIfNothingChanged(anyFound ? "the group already has these members"
                                                : "no object has any of these ids");
    return true;
}

bool CSectModel::ExpelFromGroup(const std::string& name, const std::vector<int>& sectionIds,
                                const std::vector<int>& curveIds, const std::vector<int>& pointIds)
{
    T_GROUP_D* group = FindGroupNamed(m_groups, name);
    if (!group)
        return false;
    const UnchangedActionGuard noEmptyStep(*this);
    SaveGroupForUndo(group, true);
    SetUndoActionTitle(FormatText("Expel from group [%s]", group->name.c_str()));
    for (int id : sectionIds)
        EraseFirst(group->sectionIds, id);
    for (int id : curveIds)
        EraseFirst(group->curveIds, id);
    for (int id : pointIds)
        EraseFirst(group->pointIds, id);
    noEmptyStep.ReportIfNothingChanged("the group has none of these members");
    return true;
}

void CSectModel::GetGroupSections(const std::string& name, std::vector<int>& out)
{
    if (T_GROUP_D* group = FindGroupNamed(m_groups, name))
        WalkLiveIds(group->sectionIds, [this](int id) { return FindSection(id); },
                    [&out](const T_SECTION_D& section) { out.push_back(section.id); });
}

void CSectModel::GetGroupCurves(const std::string& name, std::vector<int>& out)
{
    if (T_GROUP_D* group = FindGroupNamed(m_groups, name))
        WalkLiveIds(group->curveIds, [this](int id) { return FindCurve(id); },
                    [&out](const T_CURVE_D& curve) { out.push_back(curve.id); });
}

void CSectModel::GetGroupPoints(const std::string& name, std::vector<int>& out)
{
    if (T_GROUP_D* group = FindGroupNamed(m_groups, name))
        WalkLiveIds(group->pointIds, [this](int id) { return FindPoint(id); },
                    [&out](const T_POINT_D& point) { out.push_back(point.id); });
}

void CSectModel::GetGroupClosedLoops(const std::string& name, std::vector<int>& out)
{
    T_GROUP_D* group = FindGroupNamed(m_groups, name);
    if (!group)
        return;
    WalkLiveIds(group->curveIds, [this](int id) { return FindCurve(id); },
                [&out](const T_CURVE_D& curve) { AppendAll(out, curve.closedLoopIds); });
    SortUnique(out);
}

void CSectModel::AddNewSectionToGroup(const std::string& groupName, int sectionId)
{
    if (!groupName.empty())
        AddToGroup(groupName, {sectionId}, {}, {}, false);
}

T_GROUP_D CSectModel::LiveGroupMembers(const T_GROUP_D& group) const
{
    T_GROUP_D live;
    live.id = group.id;
    live.name = group.name;
    WalkLiveIds(group.sectionIds, [this](int id) { return FindSection(id); },
                [&live](const T_SECTION_D& section) { live.sectionIds.push_back(section.id); });
    WalkLiveIds(group.curveIds, [this](int id) { return FindCurve(id); },
                [&live](const T_CURVE_D& curve) { live.curveIds.push_back(curve.id); });
    WalkLiveIds(group.pointIds, [this](int id) { return FindPoint(id); },
                [&live](const T_POINT_D& point) { live.pointIds.push_back(point.id); });
    return live;
}
