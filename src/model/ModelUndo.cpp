// The undo and redo store of the model.

#include "model/SectModel.h"

#include <algorithm>
#include <memory>

namespace {

template <class T>
std::unique_ptr<T> CloneRecord(const T& record)
{
    return std::make_unique<T>(record);
}

std::unique_ptr<T_SECTION_D> CloneRecord(const T_SECTION_D& section)
{
    auto copy = std::make_unique<T_SECTION_D>();
    CSectModel::CopySection(section, *copy);
    return copy;
}

// The first copy per action wins, and an object the action created needs none:
// undoing the step deletes it anyway.
template <class T>
void SaveFirstCopy(UndoKindRecord<T>& kind, const T& record)
{
    if (std::find(kind.created.begin(), kind.created.end(), record.id) != kind.created.end())
        return;
    if (kind.saved.contains(record.id))
        return;
    kind.saved.emplace(record.id, CloneRecord(record));
}

// Removes the objects the step created, keeping their present state in the
// inverse step so that it can bring them back.
template <class T>
void RemoveCreated(IdMap<T>& modelRecords, const UndoKindRecord<T>& step, UndoKindRecord<T>& inverse)
{
    for (int id : step.created) {
        const auto found = modelRecords.find(id);
        if (found == modelRecords.end())
            continue;
        inverse.saved.try_emplace(id, std::move(found->second));
        modelRecords.erase(found);
    }
}

// Puts the saved copies back. The inverse step keeps the state they replace,
// or, for an object the step deleted, deletes it again.
template <class T>
void RestoreSaved(IdMap<T>& modelRecords, UndoKindRecord<T>& step, UndoKindRecord<T>& inverse)
{
    for (auto& [id, saved] : step.saved) {
        auto& slot = modelRecords[id];
        if (slot)
            inverse.saved.try_emplace(id, std::move(slot));
        else
            inverse.created.push_back(id);
        // The step is destroyed once it has been applied, so its copy can move.
        slot = std::move(saved);
    }
}

// Moves one kind of a later action's record into an earlier one, keeping the
// earlier action's copies and leaving out copies of what it created.
template <class T>
void FoldKind(UndoKindRecord<T>& later, UndoKindRecord<T>& earlier)
{
    std::vector<int> createdEarlier = earlier.created;
    std::sort(createdEarlier.begin(), createdEarlier.end());
    for (auto& [id, saved] : later.saved) {
        if (!std::binary_search(createdEarlier.begin(), createdEarlier.end(), id))
            earlier.saved.try_emplace(id, std::move(saved));
    }
    earlier.created.insert(earlier.created.end(), later.created.begin(), later.created.end());
}

// Applies apply(model's records of a kind, the action's member for that kind)
// to every kind, in the fixed order every step processes them.
template <class Model, class Apply>
void ForEachKind(Model& model, const Apply& apply)
{
    apply(model.m_sections, &T_ACTION_D::sections);
    apply(model.m_closedLoops, &T_ACTION_D::closedLoops);
    apply(model.m_curves, &T_ACTION_D::curves);
    apply(model.m_points, &T_ACTION_D::points);
    apply(model.m_ucs, &T_ACTION_D::ucs);
    apply(model.m_groups, &T_ACTION_D::groups);
    apply(model.m_materials, &T_ACTION_D::materials);
}

// Same contents, scratch fields aside.
bool SameContents(const T_POINT_D& a, const T_POINT_D& b)
{
    return std::equal(a.xy, a.xy + 2, b.xy) && std::equal(a.further, a.further + 3, b.further);
}

bool SameContents(const T_CURVE_D& a, const T_CURVE_D& b)
{
    return a.alignment == b.alignment && a.width == b.width && a.sectionId == b.sectionId &&
           a.closedLoopIds == b.closedLoopIds && a.pointIds == b.pointIds;
}

bool SameContents(const T_LOOP_D& a, const T_LOOP_D& b)
{
    return a.kind == b.kind && a.curveIds == b.curveIds;
}

bool SameContents(const T_UCS_D& a, const T_UCS_D& b)
{
    return a.name == b.name && a.definitionMode == b.definitionMode &&
           std::equal(a.enteredOrigin, a.enteredOrigin + 2, b.enteredOrigin) && a.enteredAngle == b.enteredAngle &&
           std::equal(a.axisPoint1, a.axisPoint1 + 2, b.axisPoint1) &&
           std::equal(a.axisPoint2, a.axisPoint2 + 2, b.axisPoint2) && std::equal(a.origin, a.origin + 2, b.origin) &&
           a.angle == b.angle;
}

bool SameContents(const T_GROUP_D& a, const T_GROUP_D& b)
{
    return a.name == b.name && a.sectionIds == b.sectionIds && a.curveIds == b.curveIds && a.pointIds == b.pointIds;
}

bool SameContents(const T_MATERIAL_D& a, const T_MATERIAL_D& b)
{
    return a.spare == b.spare && a.name == b.name && a.elasticModulus == b.elasticModulus &&
           a.poissonRatio == b.poissonRatio;
}

bool SameContents(const T_DOMAIN_D& a, const T_DOMAIN_D& b)
{
    return a.used == b.used && a.materialId == b.materialId && a.loopIds == b.loopIds;
}

// The mesher's work copy and the loop tracing's states and junctions are
// rebuilt by every run that reads them.
bool SameContents(const T_SCURVE_D& a, const T_SCURVE_D& b)
{
    return a.twinCurveId == b.twinCurveId && a.meshDivisions == b.meshDivisions && a.pointIds == b.pointIds &&
           a.meshNodeIds == b.meshNodeIds;
}

bool SameContents(const T_FACET_D& a, const T_FACET_D& b)
{
    return a.domainId == b.domainId && std::equal(a.pointIds, a.pointIds + 3, b.pointIds);
}

template <class T>
bool SameRecords(const IdMap<T>& a, const IdMap<T>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.first == y.first && SameContents(*x.second, *y.second);
    });
}

// Everything a copy for undo carries, scratch fields aside.
bool SameContents(const T_SECTION_D& a, const T_SECTION_D& b)
{
    return a.type == b.type && a.name == b.name && a.assignedBaseMaterialId == b.assignedBaseMaterialId &&
           std::equal(a.colour, a.colour + 3, b.colour) && a.curveIds == b.curveIds &&
           a.propertiesCalculated == b.propertiesCalculated && std::equal(a.triple1, a.triple1 + 3, b.triple1) &&
           std::equal(a.triple2, a.triple2 + 3, b.triple2) && std::equal(a.boxMin, a.boxMin + 2, b.boxMin) &&
           std::equal(a.boxMax, a.boxMax + 2, b.boxMax) && a.hasLocation == b.hasLocation &&
           a.location == b.location && a.propertiesModifiedByHand == b.propertiesModifiedByHand &&
           a.centroidPointId == b.centroidPointId && a.baseMaterialId == b.baseMaterialId &&
           std::equal(a.results, a.results + RESULT_COUNT, b.results) && a.nextDomainId == b.nextDomainId &&
           a.nextLoopId == b.nextLoopId && a.nextCurveId == b.nextCurveId && a.nextFacetId == b.nextFacetId &&
           a.nextPointId == b.nextPointId && SameRecords(a.domains, b.domains) && SameRecords(a.loops, b.loops) &&
           SameRecords(a.curves, b.curves) && SameRecords(a.facets, b.facets) && SameRecords(a.points, b.points);
}

// True when undoing the kind's part of the newest action would change nothing.
template <class T>
bool KindChangesNothing(const IdMap<T>& modelRecords, const UndoKindRecord<T>& step)
{
    for (int id : step.created) {
        if (modelRecords.contains(id))
            return false;
    }
    for (const auto& [id, saved] : step.saved) {
        const T* live = FindRecord(modelRecords, id);
        if (!live || !SameContents(*saved, *live))
            return false;
    }
    return true;
}

} // namespace

bool CSectModel::ActionChangesNothing(const T_ACTION_D& step) const
{
    bool unchanged = true;
    ForEachKind(*this, [&](const auto& records, auto kind) {
        unchanged = unchanged && KindChangesNothing(records, step.*kind);
    });
    return unchanged;
}

bool CSectModel::UndoActionsAboveChangeNothing(int undoTopId) const
{
    for (auto step = m_undoActions.upper_bound(undoTopId); step != m_undoActions.end(); ++step) {
        if (!ActionChangesNothing(*step->second))
            return false;
    }
    return true;
}

void CSectModel::DiscardUnchangedUndoActionsAbove(int undoTopId)
{
    while (m_undoTopId > undoTopId) {
        const auto top = m_undoActions.find(m_undoTopId);
        if (top != m_undoActions.end()) {
            if (!ActionChangesNothing(*top->second))
                return;
            m_undoActions.erase(top);
        }
        --m_undoTopId;
    }
}

T_ACTION_D& CSectModel::ActionForRecording(bool newAction)
{
    ClearRedoStorage();
    T_ACTION_D* current = GetCurrentUndoAction();
    // A recording without an open action opens one rather than being lost.
    if (newAction || !current) {
        BeginUndoAction();
        current = GetCurrentUndoAction();
    }
    return *current;
}

void CSectModel::BeginUndoAction()
{
    auto action = std::make_unique<T_ACTION_D>();
    action->id = ++m_undoTopId;
    m_undoActions[action->id] = std::move(action);
    m_undoStepFiled = true;
}

// Leaves the redo store alone (as BeginUndoAction does): a retitled action must not lose the redo history.
void CSectModel::SetUndoActionTitle(const std::string& title)
{
    if (T_ACTION_D* current = GetCurrentUndoAction())
        current->title = title;
}

void CSectModel::RecordCreatedSection(int id, bool newAction)
{
    ActionForRecording(newAction).sections.created.push_back(id);
}

void CSectModel::RecordCreatedClosedLoop(int id, bool newAction)
{
    ActionForRecording(newAction).closedLoops.created.push_back(id);
}

void CSectModel::RecordCreatedCurve(int id, bool newAction)
{
    ActionForRecording(newAction).curves.created.push_back(id);
}

void CSectModel::RecordCreatedPoint(int id, bool newAction)
{
    ActionForRecording(newAction).points.created.push_back(id);
}

void CSectModel::RecordCreatedUcs(int id, bool newAction)
{
    ActionForRecording(newAction).ucs.created.push_back(id);
}

void CSectModel::RecordCreatedGroup(int id, bool newAction)
{
    ActionForRecording(newAction).groups.created.push_back(id);
}

void CSectModel::RecordCreatedMaterial(int id, bool newAction)
{
    ActionForRecording(newAction).materials.created.push_back(id);
}

void CSectModel::SaveSectionForUndo(const T_SECTION_D* section, bool newAction)
{
    if (section)
        SaveFirstCopy(ActionForRecording(newAction).sections, *section);
}

void CSectModel::SaveClosedLoopForUndo(const T_LOOP_D* loop, bool newAction)
{
    if (loop)
        SaveFirstCopy(ActionForRecording(newAction).closedLoops, *loop);
}

void CSectModel::SaveCurveForUndo(const T_CURVE_D* curve, bool newAction)
{
    if (curve)
        SaveFirstCopy(ActionForRecording(newAction).curves, *curve);
}

void CSectModel::SavePointForUndo(const T_POINT_D* point, bool newAction)
{
    if (!point)
        return;
    SaveFirstCopy(ActionForRecording(newAction).points, *point);
    // A command saves a point right before it moves it: the point look-up
    // must not answer from where the point was.
    NotePointsMoved();
}

void CSectModel::SaveUcsForUndo(const T_UCS_D* ucs, bool newAction)
{
    if (ucs)
        SaveFirstCopy(ActionForRecording(newAction).ucs, *ucs);
}

void CSectModel::SaveGroupForUndo(const T_GROUP_D* group, bool newAction)
{
    if (group)
        SaveFirstCopy(ActionForRecording(newAction).groups, *group);
}

void CSectModel::SaveMaterialForUndo(const T_MATERIAL_D* material, bool newAction)
{
    if (material)
        SaveFirstCopy(ActionForRecording(newAction).materials, *material);
}

void CSectModel::FoldTopUndoActionIntoPrevious()
{
    const auto later = m_undoActions.find(m_undoTopId);
    const auto earlier = m_undoActions.find(m_undoTopId - 1);
    if (later == m_undoActions.end() || earlier == m_undoActions.end())
        return;
    T_ACTION_D& from = *later->second;
    T_ACTION_D& into = *earlier->second;
    FoldKind(from.sections, into.sections);
    FoldKind(from.closedLoops, into.closedLoops);
    FoldKind(from.curves, into.curves);
    FoldKind(from.points, into.points);
    FoldKind(from.ucs, into.ucs);
    FoldKind(from.groups, into.groups);
    FoldKind(from.materials, into.materials);
    m_undoActions.erase(later);
    --m_undoTopId;
}

bool CSectModel::StepAction(IdMap<T_ACTION_D>& from, int& fromTopId, IdMap<T_ACTION_D>& to, int& toTopId,
                            const char* reportPrefix)
{
    const auto stepEntry = from.find(fromTopId);
    if (fromTopId == 0 || stepEntry == from.end())
        return false;
    T_ACTION_D& step = *stepEntry->second;

    auto inverse = std::make_unique<T_ACTION_D>();
    inverse->id = toTopId + 1;
    inverse->title = step.title;

    // Saved points come back under their ids, perhaps elsewhere.
    if (!step.points.saved.empty())
        NotePointsMoved();
    // First what the step created, then what it saved.
    ForEachKind(*this, [&](auto& records, auto kind) { RemoveCreated(records, step.*kind, (*inverse).*kind); });
    ForEachKind(*this, [&](auto& records, auto kind) { RestoreSaved(records, step.*kind, (*inverse).*kind); });

    if (reportPrefix)
        m_reporter.PrintOutput(reportPrefix + step.title, 0);

    toTopId = inverse->id;
    to[toTopId] = std::move(inverse);
    from.erase(stepEntry);
    --fromTopId;
    return true;
}

bool CSectModel::Undo(bool report)
{
    return StepAction(m_undoActions, m_undoTopId, m_redoActions, m_redoTopId, report ? "Undo: " : nullptr);
}

bool CSectModel::Redo()
{
    return StepAction(m_redoActions, m_redoTopId, m_undoActions, m_undoTopId, "Redo: ");
}

void CSectModel::ClearUndoStorage()
{
    m_undoActions.clear();
    m_undoTopId = 0;
}

void CSectModel::ClearRedoStorage()
{
    if (m_redoTopId == 0)
        return;
    m_redoActions.clear();
    m_redoTopId = 0;
}
