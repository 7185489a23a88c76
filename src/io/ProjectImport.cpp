#include "io/ProjectImport.h"

#include "model/NameLookup.h"
#include "model/SectModel.h"

#include <cstdlib>
#include <map>
#include <memory>

namespace {

// Old id to new id of one kind of record.
using IdTranslation = std::map<int, int>;

// The new id of an old one; 0 when the imported model held no such record.
int Translated(const IdTranslation& translation, int oldId)
{
    const auto found = translation.find(oldId);
    return found == translation.end() ? 0 : found->second;
}

// Next ids of the open model for every record of the map, in id order.
template <class T>
IdTranslation NewIds(const IdMap<T>& records, int& nextId, std::vector<int>& newIds)
{
    IdTranslation translation;
    for (const auto& [id, record] : records) {
        translation[id] = nextId;
        newIds.push_back(nextId++);
    }
    return translation;
}

std::string PrefixedName(const std::string& importName, const std::string& name)
{
    return importName + "-" + name;
}

IdTranslation MergeMaterials(CSectModel& open, const CSectModel& imported, const std::string& importName)
{
    IdTranslation translation;
    for (const auto& [id, material] : imported.m_materials) {
        auto copy = std::make_unique<T_MATERIAL_D>();
        copy->id = open.m_nextMaterialId++;
        copy->name = PrefixedName(importName, material->name);
        copy->elasticModulus = material->elasticModulus;
        copy->poissonRatio = material->poissonRatio;
        translation[id] = copy->id;
        const int newId = copy->id;
        open.m_materials[newId] = std::move(copy);
        open.RecordCreatedMaterial(newId, false);
    }
    return translation;
}

void MergeUcss(CSectModel& open, const CSectModel& imported, const std::string& importName)
{
    for (const auto& [id, ucs] : imported.m_ucs) {
        if (id == 0)
            continue;
        auto copy = std::make_unique<T_UCS_D>(*ucs);
        copy->id = open.m_nextUcsId++;
        copy->name = PrefixedName(importName, ucs->name);
        const int newId = copy->id;
        open.m_ucs[newId] = std::move(copy);
        open.RecordCreatedUcs(newId, false);
    }
}

}  // namespace

std::string ImportNameFromPath(const std::string& path)
{
    std::string name = path.substr(path.find_last_of('/') + 1);
    if (const std::size_t dot = name.find_last_of('.'); dot != std::string::npos)
        name.erase(dot);
    for (char& c : name) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return name;
}

bool ImportFitsIdLimits(const CSectModel& open, const CSectModel& imported)
{
    return open.CheckIdLimit(IdKind::Section, static_cast<int>(imported.m_sections.size()))
           && open.CheckIdLimit(IdKind::ClosedLoop, static_cast<int>(imported.m_closedLoops.size()))
           && open.CheckIdLimit(IdKind::Curve, static_cast<int>(imported.m_curves.size()))
           && open.CheckIdLimit(IdKind::Point, static_cast<int>(imported.m_points.size()));
}

MergedRecordIds MergeImportedModel(CSectModel& open, CSectModel& imported, const std::string& importName)
{
    imported.ChangeUnitSystem(open.m_lengthUnit, open.m_forceUnit, true);

    MergedRecordIds merged;
    const IdTranslation sectionIds = NewIds(imported.m_sections, open.m_nextSectionId, merged.sections);
    const IdTranslation loopIds = NewIds(imported.m_closedLoops, open.m_nextClosedLoopId, merged.closedLoops);
    const IdTranslation curveIds = NewIds(imported.m_curves, open.m_nextCurveId, merged.curves);
    const IdTranslation pointIds = NewIds(imported.m_points, open.m_nextPointId, merged.points);
    const IdTranslation materialIds = MergeMaterials(open, imported, importName);

    // A curve belongs to the section whose curve list holds it, whatever its
    // own record claims.
    IdTranslation curveOwners;
    for (const auto& [id, section] : imported.m_sections) {
        auto copy = std::make_unique<T_SECTION_D>();
        CSectModel::CopySection(*section, *copy);
        copy->id = Translated(sectionIds, id);
        for (int& curveId : copy->curveIds) {
            curveOwners[curveId] = copy->id;
            curveId = Translated(curveIds, curveId);
        }
        copy->centroidPointId = Translated(pointIds, copy->centroidPointId);
        copy->assignedBaseMaterialId = Translated(materialIds, copy->assignedBaseMaterialId);
        copy->baseMaterialId = Translated(materialIds, copy->baseMaterialId);
        for (auto& [domainId, domain] : copy->domains)
            domain->materialId = Translated(materialIds, domain->materialId);
        const int newId = copy->id;
        open.m_sections[newId] = std::move(copy);
        open.RecordCreatedSection(newId, false);
    }

    for (const auto& [id, loop] : imported.m_closedLoops) {
        auto copy = std::make_unique<T_LOOP_D>();
        copy->id = Translated(loopIds, id);
        for (int signedCurveId : loop->curveIds) {
            const int newCurveId = Translated(curveIds, std::abs(signedCurveId));
            copy->curveIds.push_back(signedCurveId < 0 ? -newCurveId : newCurveId);
        }
        const int newId = copy->id;
        open.m_closedLoops[newId] = std::move(copy);
        open.RecordCreatedClosedLoop(newId, false);
    }

    for (const auto& [id, curve] : imported.m_curves) {
        auto copy = std::make_unique<T_CURVE_D>();
        copy->id = Translated(curveIds, id);
        copy->alignment = curve->alignment;
        copy->width = curve->width;
        copy->sectionId = Translated(curveOwners, id);
        for (int loopId : curve->closedLoopIds) {
            if (const int newLoopId = Translated(loopIds, loopId))
                copy->closedLoopIds.push_back(newLoopId);
        }
        for (int pointId : curve->pointIds)
            copy->pointIds.push_back(Translated(pointIds, pointId));
        const int newId = copy->id;
        open.m_curves[newId] = std::move(copy);
        open.RecordCreatedCurve(newId, false);
    }

    for (const auto& [id, point] : imported.m_points) {
        auto copy = std::make_unique<T_POINT_D>(*point);
        copy->id = Translated(pointIds, id);
        copy->work = 0;
        const int newId = copy->id;
        open.m_points[newId] = std::move(copy);
        open.RecordCreatedPoint(newId, false);
    }

    MergeUcss(open, imported, importName);

    auto group = std::make_unique<T_GROUP_D>();
    group->id = open.m_nextGroupId++;
    group->name = UnusedName(open.m_groups, "KLX:" + importName);
    group->sectionIds = merged.sections;
    group->curveIds = merged.curves;
    group->pointIds = merged.points;
    const int groupId = group->id;
    open.m_groups[groupId] = std::move(group);
    open.RecordCreatedGroup(groupId, false);
    return merged;
}
