// The activity commands of the scene and the active sets of a rebuild: which
// entities are shown (active) and which are hidden (inactive).

#include "model/SectModel.h"
#include "view/Scene.h"

#include <cstdlib>

namespace {

// The kinds the activity commands work on; domains keep their own sets.
constexpr SceneKind ACTIVITY_KINDS[] = {KIND_POINT, KIND_CURVE, KIND_SECTION, KIND_CLOSED_LOOP};

void InsertAll(KeySet& into, const KeySet& from)
{
    into.insert(from.begin(), from.end());
}

// Keys of `from` that are not in `other`.
KeySet Difference(const KeySet& from, const KeySet& other)
{
    KeySet result;
    for (int key : from) {
        if (!other.count(key))
            result.insert(key);
    }
    return result;
}

// Moves every key of the activity kinds from one group of sets to the other.
void MoveAllKeys(KeySet from[KIND_COUNT], KeySet to[KIND_COUNT])
{
    for (SceneKind kind : ACTIVITY_KINDS) {
        InsertAll(to[kind], from[kind]);
        from[kind].clear();
    }
}

}  // namespace

void CScene::MoveKey(SceneKind kind, int key, bool toActive)
{
    if (key == 0)
        return;
    (toActive ? m_inactive : m_active)[kind].erase(key);
    (toActive ? m_active : m_inactive)[kind].insert(key);
}

void CScene::RefreshActiveSets(SceneKind kind, const std::vector<int>& modelKeys)
{
    m_active[kind].clear();
    m_drawn[kind].clear();
    for (int key : modelKeys) {
        if (key == 0)
            continue;
        m_drawn[kind].insert(key);
        if (m_activityMode == ACTIVITY_ALL || !m_inactive[kind].count(key))
            m_active[kind].insert(key);
    }
    if (kind != KIND_POINT)
        return;
    // A shown curve always shows its points.
    const CSectModel* model = Model();
    for (const auto& [id, curve] : model->m_curves) {
        if (m_inactive[KIND_CURVE].count(CurveKey(id)))
            continue;
        for (int pointId : curve->pointIds) {
            const int pointKey = PointKey(pointId);
            if (m_inactive[KIND_POINT].count(pointKey))
                MoveKey(KIND_POINT, pointKey, true);
        }
    }
}

void CScene::ShowCurvesOfActiveSections()
{
    const CSectModel* model = Model();
    for (int key : m_active[KIND_SECTION]) {
        const T_SECTION_D* section = model->FindSection(IdOfKey(key));
        if (!section)
            continue;
        for (int curveId : section->curveIds) {
            const T_CURVE_D* curve = model->FindCurve(curveId);
            if (!curve)
                continue;
            for (int loopId : curve->closedLoopIds)
                AddActiveKey(ClosedLoopKey(loopId));
            AddActiveKey(CurveKey(curveId));
        }
    }
}

void CScene::ActivateAll()
{
    if (m_activityModeAtLastDraw != ACTIVITY_ALL)
        MoveAllKeys(m_inactive, m_active);
}

void CScene::InactivateAll()
{
    if (m_activityModeAtLastDraw != ACTIVITY_NONE)
        MoveAllKeys(m_active, m_inactive);
}

void CScene::ReverseActivity()
{
    if (m_activityModeAtLastDraw == ACTIVITY_ALL || m_activityModeAtLastDraw == ACTIVITY_NONE)
        return;
    const CSectModel* model = Model();
    if (!model)
        return;
    for (SceneKind kind : ACTIVITY_KINDS) {
        if (m_active[kind].empty() && m_inactive[kind].empty())
            continue;
        KeySet newActive;
        for (int key : m_inactive[kind]) {
            if (EntityExists(key))
                newActive.insert(key);
        }
        m_inactive[kind] = std::move(m_active[kind]);
        m_active[kind] = std::move(newActive);
    }
    ShowCurvesOfActiveSections();
    for (int key : m_active[KIND_CURVE]) {
        const T_CURVE_D* curve = model->FindCurve(IdOfKey(key));
        if (!curve)
            continue;
        for (int pointId : curve->pointIds) {
            if (m_inactive[KIND_POINT].count(PointKey(pointId)))
                MoveKey(KIND_POINT, PointKey(pointId), true);
        }
    }
}

void CScene::ActivateSelectedOnly()
{
    const CSectModel* model = Model();
    if (!model)
        return;
    ClearActiveSets();
    for (int key : m_combinedSelection)
        AddActiveKey(key);

    for (int key : m_active[KIND_CURVE]) {
        const T_CURVE_D* curve = model->FindCurve(IdOfKey(key));
        if (!curve)
            continue;
        if (curve->sectionId != 0)
            AddActiveKey(SectionKey(curve->sectionId));
        for (int loopId : curve->closedLoopIds)
            AddActiveKey(ClosedLoopKey(loopId));
    }
    for (int key : m_active[KIND_CLOSED_LOOP]) {
        const T_LOOP_D* loop = model->FindClosedLoop(IdOfKey(key));
        if (!loop)
            continue;
        for (int signedId : loop->curveIds) {
            const int curveId = std::abs(signedId);
            AddActiveKey(CurveKey(curveId));
            const T_CURVE_D* curve = model->FindCurve(curveId);
            if (curve && curve->sectionId != 0)
                AddActiveKey(SectionKey(curve->sectionId));
        }
    }
    ShowCurvesOfActiveSections();
    for (int key : m_active[KIND_CLOSED_LOOP]) {
        const T_LOOP_D* loop = model->FindClosedLoop(IdOfKey(key));
        if (!loop)
            continue;
        for (int signedId : loop->curveIds)
            AddActiveKey(CurveKey(std::abs(signedId)));
    }
    for (int key : m_active[KIND_CURVE]) {
        const T_CURVE_D* curve = model->FindCurve(IdOfKey(key));
        if (!curve)
            continue;
        for (int pointId : curve->pointIds)
            AddActiveKey(PointKey(pointId));
    }
    // Centroids follow their sections.
    const bool noSectionShown = m_active[KIND_SECTION].empty();
    for (int key : noSectionShown ? m_inactive[KIND_SECTION] : m_active[KIND_SECTION]) {
        const T_SECTION_D* section = model->FindSection(IdOfKey(key));
        if (!section || !section->propertiesCalculated)
            continue;
        if (noSectionShown)
            m_active[KIND_POINT].erase(PointKey(section->centroidPointId));
        else
            AddActiveKey(PointKey(section->centroidPointId));
    }
    ClearInactiveSets();
    for (SceneKind kind : ACTIVITY_KINDS)
        m_inactive[kind] = Difference(m_drawn[kind], m_active[kind]);
}

void CScene::MoveSectionCurves(const T_SECTION_D& section, bool toActive)
{
    const CSectModel* model = Model();
    for (int curveId : section.curveIds) {
        const T_CURVE_D* curve = model->FindCurve(curveId);
        if (!curve)
            continue;
        for (int loopId : curve->closedLoopIds)
            MoveKey(KIND_CLOSED_LOOP, ClosedLoopKey(loopId), toActive);
        MoveKey(KIND_CURVE, CurveKey(curveId), toActive);
    }
}

void CScene::InactivateSelected()
{
    const CSectModel* model = Model();
    if (!model)
        return;
    for (int key : m_combinedSelection) {
        const SceneKind kind = KindOfKey(key);
        if (kind == KIND_NONE)
            continue;
        if (kind != KIND_CURVE) {
            MoveKey(kind, key, false);
            continue;
        }
        if (m_active[KIND_CURVE].count(key)) {
            const T_CURVE_D* curve = model->FindCurve(IdOfKey(key));
            if (!curve)
                continue;
            for (int pointId : curve->pointIds) {
                if (m_active[KIND_POINT].count(PointKey(pointId)))
                    MoveKey(KIND_POINT, PointKey(pointId), false);
            }
            m_active[KIND_CURVE].erase(key);
        }
        m_inactive[KIND_CURVE].insert(key);
    }

    // Curves follow their sections.
    const bool sectionsHidden = !m_inactive[KIND_SECTION].empty();
    const KeySet sectionKeys = sectionsHidden ? m_inactive[KIND_SECTION] : m_active[KIND_SECTION];
    for (int key : sectionKeys) {
        if (const T_SECTION_D* section = model->FindSection(IdOfKey(key)))
            MoveSectionCurves(*section, !sectionsHidden);
    }
    if (sectionsHidden)
        InsertAll(m_active[KIND_CURVE], Difference(m_drawn[KIND_CURVE], m_inactive[KIND_CURVE]));
    else
        InsertAll(m_inactive[KIND_CURVE], Difference(m_drawn[KIND_CURVE], m_active[KIND_CURVE]));

    // Curves follow their closed loops.
    const bool loopsHidden = !m_inactive[KIND_CLOSED_LOOP].empty();
    const KeySet loopKeys = loopsHidden ? m_inactive[KIND_CLOSED_LOOP] : m_active[KIND_CLOSED_LOOP];
    for (int key : loopKeys) {
        const T_LOOP_D* loop = model->FindClosedLoop(IdOfKey(key));
        if (!loop)
            continue;
        for (int signedId : loop->curveIds)
            MoveKey(KIND_CURVE, CurveKey(std::abs(signedId)), !loopsHidden);
    }
    if (loopsHidden)
        InsertAll(m_active[KIND_CURVE], Difference(m_drawn[KIND_CURVE], m_inactive[KIND_CURVE]));
    else
        InsertAll(m_inactive[KIND_CURVE], Difference(m_drawn[KIND_CURVE], m_active[KIND_CURVE]));

    // Points follow the curves.
    m_active[KIND_POINT].clear();
    m_inactive[KIND_POINT].clear();
    const bool curvesShown = !m_active[KIND_CURVE].empty();
    KeySet& pointsOfCurves = curvesShown ? m_active[KIND_POINT] : m_inactive[KIND_POINT];
    for (int key : curvesShown ? m_active[KIND_CURVE] : m_inactive[KIND_CURVE]) {
        const T_CURVE_D* curve = model->FindCurve(IdOfKey(key));
        if (!curve)
            continue;
        for (int pointId : curve->pointIds) {
            if (const int pointKey = PointKey(pointId))
                pointsOfCurves.insert(pointKey);
        }
    }
    KeySet& otherPoints = curvesShown ? m_inactive[KIND_POINT] : m_active[KIND_POINT];
    otherPoints = Difference(m_drawn[KIND_POINT], pointsOfCurves);

    // Centroids follow their sections.
    const bool noSectionShown = m_active[KIND_SECTION].empty();
    for (int key : noSectionShown ? m_inactive[KIND_SECTION] : m_active[KIND_SECTION]) {
        const T_SECTION_D* section = model->FindSection(IdOfKey(key));
        if (section && section->propertiesCalculated)
            MoveKey(KIND_POINT, PointKey(section->centroidPointId), !noSectionShown);
    }
}
