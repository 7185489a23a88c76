// Export of chosen sections or a group as a project file of its own. Inside the
// file the objects are numbered from 1 per kind; the model is never changed, and
// a group's dead member ids are skipped, not dropped.

#include "io/ExportSelection.h"
#include "io/ProjectFileBytes.h"
#include "io/ProjectFileLayout.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <algorithm>
#include <new>
#include <set>
#include <unordered_map>

namespace {

// Ids in the order they will be numbered, each once.
class OrderedIds {
public:
    void Add(int id)
    {
        if (held_.insert(id).second)
            ids_.push_back(id);
    }
    void AddAll(const std::vector<int>& ids)
    {
        for (int id : ids)
            Add(id);
    }
    void SortAscending() { std::sort(ids_.begin(), ids_.end()); }
    bool Holds(int id) const { return held_.count(id) != 0; }
    const std::vector<int>& Ids() const { return ids_; }
    std::size_t Size() const { return ids_.size(); }
    int operator[](std::size_t index) const { return ids_[index]; }

private:
    std::vector<int> ids_;
    std::set<int> held_;
};

// Everything an export writes, gathered from the model until nothing new
// turns up, so that the file names no object it does not hold.
class SubsetGatherer {
public:
    explicit SubsetGatherer(const CSectModel& model) : model_(model) {}

    OrderedIds sections, loops, curves, points, materials;

    // Everything the members gathered so far refer to; false, with the lookup
    // box shown, when the model lacks an object that is referred to.
    bool Gather()
    {
        for (int sectionId : sections.Ids()) {
            if (!AddSectionReferences(sectionId))
                return false;
        }
        if (!AddCurveReferencesFrom(0))
            return false;
        SortGathered();
        return CloseOverLoops();
    }

private:
    // A section's model curves, its domain and base materials and, once
    // calculated, its centroid point.
    bool AddSectionReferences(int sectionId)
    {
        const T_SECTION_D* section = model_.FindSection(sectionId);
        if (!section)
            return model_.m_reporter.ReportSectionNotFound(sectionId);
        for (int curveId : section->curveIds) {
            if (!model_.FindCurve(curveId))
                return model_.m_reporter.ReportCurveNotFound(curveId);
            curves.Add(curveId);
        }
        for (const auto& [id, domain] : section->domains)
            AddMaterialIfPresent(domain->materialId);
        AddMaterialIfPresent(section->assignedBaseMaterialId);
        AddMaterialIfPresent(section->baseMaterialId);
        if (section->propertiesCalculated) {
            if (!model_.FindPoint(section->centroidPointId))
                return model_.m_reporter.ReportPointNotFound(section->centroidPointId);
            points.Add(section->centroidPointId);
        }
        return true;
    }

    // The points and closed loops of the curves from the index-th on.
    bool AddCurveReferencesFrom(std::size_t index)
    {
        for (; index < curves.Size(); ++index) {
            const T_CURVE_D* curve = model_.FindCurve(curves[index]);
            if (!curve)
                return model_.m_reporter.ReportCurveNotFound(curves[index]);
            for (int pointId : curve->pointIds) {
                if (!model_.FindPoint(pointId))
                    return model_.m_reporter.ReportPointNotFound(pointId);
                points.Add(pointId);
            }
            for (int loopId : curve->closedLoopIds) {
                if (!model_.FindClosedLoop(loopId))
                    return model_.m_reporter.ReportClosedLoopNotFound(loopId);
                loops.Add(loopId);
            }
        }
        return true;
    }

    // The file numbers what was gathered so far in ascending id order; what
    // the closure adds follows in the order it is found.
    void SortGathered()
    {
        loops.SortAscending();
        curves.SortAscending();
        points.SortAscending();
        materials.SortAscending();
    }

    // Adds the other curves of every closed loop, their points and loops, and
    // so on until nothing new turns up. The curves gathered so far have had
    // their references added.
    bool CloseOverLoops()
    {
        std::size_t loopsDone = 0;
        std::size_t curvesDone = curves.Size();
        while (loopsDone < loops.Size() || curvesDone < curves.Size()) {
            for (; loopsDone < loops.Size(); ++loopsDone) {
                for (int signedCurveId : model_.FindClosedLoop(loops[loopsDone])->curveIds)
                    curves.Add(UnsignedCurveId(signedCurveId));
            }
            if (!AddCurveReferencesFrom(curvesDone))
                return false;
            curvesDone = curves.Size();
        }
        return true;
    }

    void AddMaterialIfPresent(int materialId)
    {
        if (materialId != 0 && model_.FindMaterial(materialId))
            materials.Add(materialId);
    }

    const CSectModel& model_;
};

// Model id to file id (the position in the list, from 1).
class FileIds {
public:
    explicit FileIds(const std::vector<int>& modelIds)
    {
        for (std::size_t k = 0; k < modelIds.size(); ++k)
            fileIds_.try_emplace(modelIds[k], static_cast<int>(k + 1));
    }
    // 0 for an object the file does not hold.
    int Of(int modelId) const
    {
        const auto found = fileIds_.find(modelId);
        return found == fileIds_.end() ? 0 : found->second;
    }
    // Entries the file does not hold are dropped.
    std::vector<int> OfList(const std::vector<int>& modelIds) const
    {
        std::vector<int> renumbered;
        for (int id : modelIds) {
            if (const int fileId = Of(id))
                renumbered.push_back(fileId);
        }
        return renumbered;
    }
    // The same for loop entries, whose signs are kept.
    std::vector<int> OfSignedList(const std::vector<int>& signedModelIds) const
    {
        std::vector<int> renumbered;
        for (int id : signedModelIds) {
            if (const int fileId = Of(UnsignedCurveId(id)))
                renumbered.push_back(id < 0 ? -fileId : fileId);
        }
        return renumbered;
    }

private:
    std::unordered_map<int, int> fileIds_;
};

bool AllPresent(const CSectModel& model, const std::vector<int>& sectionIds, const std::vector<int>& loopIds,
                const std::vector<int>& curveIds, const std::vector<int>& pointIds,
                const std::vector<int>& materialIds)
{
    const CMessageReporter& reporter = model.m_reporter;
    for (int id : sectionIds) {
        if (!model.FindSection(id))
            return reporter.ReportSectionNotFound(id);
    }
    for (int id : loopIds) {
        if (!model.FindClosedLoop(id))
            return reporter.ReportClosedLoopNotFound(id);
    }
    for (int id : curveIds) {
        if (!model.FindCurve(id))
            return reporter.ReportCurveNotFound(id);
    }
    for (int id : pointIds) {
        if (!model.FindPoint(id))
            return reporter.ReportPointNotFound(id);
    }
    for (int id : materialIds) {
        if (!model.FindMaterial(id))
            return reporter.ReportMaterialNotFound(id);
    }
    return true;
}

bool GatherAndWrite(CSectModel& model, SubsetGatherer& subset, const char* path)
{
    return subset.Gather()
        && model.WriteProjectSubset(subset.sections.Ids(), subset.loops.Ids(), subset.curves.Ids(),
                                    subset.points.Ids(), subset.materials.Ids(), path);
}

} // namespace

bool CSectModel::ExportSectionsToProjectFile(std::vector<int> sectionIds, const char* path)
{
    SubsetGatherer subset(*this);
    subset.sections.AddAll(sectionIds);
    if (!GatherAndWrite(*this, subset, path))
        return false;
    if (sectionIds.size() == 1)
        m_reporter.PrintOutput(FormatText("1 section is exported to the KLX project file [%s].", path));
    else
        m_reporter.PrintOutput(FormatText("%d sections are exported to the KLX project file [%s].",
                                          static_cast<int>(sectionIds.size()), path));
    return true;
}

bool CSectModel::ExportGroupToProjectFile(std::string groupName, const char* path)
{
    const T_GROUP_D* named = FindExportGroup(*this, groupName);
    if (!named)
        return false;
    const T_GROUP_D group = LiveGroupMembers(*named);
    if (group.HasNoMembers())
        return m_reporter.ShowWarning(FormatText("Group [%s] has no model entity.", group.name.c_str()));

    SubsetGatherer subset(*this);
    subset.sections.AddAll(group.sectionIds);
    subset.curves.AddAll(group.curveIds);
    subset.points.AddAll(group.pointIds);
    if (!GatherAndWrite(*this, subset, path))
        return false;
    m_reporter.PrintOutput(
        FormatText("Group [%s] is exported to the KLX project file [%s].", group.name.c_str(), path));
    return true;
}

bool CSectModel::WriteProjectSubset(std::vector<int> sectionIds, std::vector<int> loopIds,
                                    std::vector<int> curveIds, std::vector<int> pointIds,
                                    std::vector<int> materialIds, const char* path)
{
    if (!path)
        return m_reporter.ShowError("Cannot create a KLX project file!");
    if (!AllPresent(*this, sectionIds, loopIds, curveIds, pointIds, materialIds))
        return false;
    const FileIds sectionFileIds(sectionIds), loopFileIds(loopIds), curveFileIds(curveIds),
        pointFileIds(pointIds), materialFileIds(materialIds);

    // A curve belongs to the last exported section that lists it; one whose
    // section is not exported belongs to none.
    std::unordered_map<int, int> owningSection;
    for (int sectionId : sectionIds) {
        for (int curveId : FindSection(sectionId)->curveIds)
            owningSection[curveId] = sectionFileIds.Of(sectionId);
    }

    ProjectFileWriter file;
    try {
        const auto nextId = [](const std::vector<int>& ids) { return static_cast<int>(ids.size()) + 1; };
        WriteProjectHeader(file, *this,
                           {nextId(sectionIds), nextId(loopIds), nextId(curveIds), nextId(pointIds),
                            nextId(materialIds), 1, 1});

        file.WriteCount(sectionIds.size());
        for (int sectionId : sectionIds) {
            const T_SECTION_D* section = FindSection(sectionId);
            T_SECTION_D renumbered;
            CopySection(*section, renumbered);
            renumbered.id = sectionFileIds.Of(sectionId);
            renumbered.curveIds = curveFileIds.OfList(section->curveIds);
            for (auto& [id, domain] : renumbered.domains)
                domain->materialId = materialFileIds.Of(domain->materialId);
            renumbered.assignedBaseMaterialId = materialFileIds.Of(section->assignedBaseMaterialId);
            renumbered.baseMaterialId = materialFileIds.Of(section->baseMaterialId);
            renumbered.centroidPointId = pointFileIds.Of(section->centroidPointId);
            WriteSectionRecord(file, &renumbered);
        }

        file.WriteCount(loopIds.size());
        for (int loopId : loopIds) {
            T_LOOP_D renumbered = *FindClosedLoop(loopId);
            renumbered.id = loopFileIds.Of(loopId);
            renumbered.curveIds = curveFileIds.OfSignedList(renumbered.curveIds);
            WriteClosedLoopRecord(file, &renumbered);
        }

        file.WriteCount(curveIds.size());
        for (int curveId : curveIds) {
            T_CURVE_D renumbered = *FindCurve(curveId);
            renumbered.id = curveFileIds.Of(curveId);
            renumbered.pointIds = pointFileIds.OfList(renumbered.pointIds);
            renumbered.closedLoopIds = loopFileIds.OfList(renumbered.closedLoopIds);
            const auto owner = owningSection.find(curveId);
            renumbered.sectionId =
                owner != owningSection.end() ? owner->second : sectionFileIds.Of(renumbered.sectionId);
            WriteCurveRecord(file, &renumbered);
        }

        file.WriteCount(pointIds.size());
        for (int pointId : pointIds) {
            T_POINT_D renumbered = *FindPoint(pointId);
            renumbered.id = pointFileIds.Of(pointId);
            WritePointRecord(file, &renumbered);
        }

        file.WriteCount(materialIds.size());
        for (int materialId : materialIds) {
            T_MATERIAL_D renumbered = *FindMaterial(materialId);
            renumbered.id = materialFileIds.Of(materialId);
            WriteMaterialRecord(file, &renumbered);
        }

        // The model's own coordinate systems and groups stay behind.
        T_UCS_D gcs;
        gcs.name = "GCS";
        file.WriteCount(1);
        WriteUcsRecord(file, &gcs);
        file.WriteCount(0);
    } catch (const std::length_error&) {
        return m_reporter.ShowError("Cannot create a KLX project file!");
    } catch (const std::bad_alloc&) {
        return m_reporter.ShowError("Cannot create a KLX project file!");
    }
    return StoreProjectFile(m_reporter, path, file.Bytes());
}
