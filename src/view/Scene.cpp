#include "view/Scene.h"

#include "model/SectModel.h"
#include "view/ViewPorts.h"

namespace {

const Colour DEFAULT_COLOURS[COLOUR_COUNT] = {
    {0.0f, 0.0f, 1.0f},  // point
    {0.0f, 1.0f, 1.0f},  // free end
    {1.0f, 1.0f, 0.0f},  // junction
    {1.0f, 0.5f, 0.0f},  // centroid
    {0.0f, 0.0f, 0.0f},  // curve
    {1.0f, 0.0f, 0.0f},  // highlight
    {0.0f, 0.5f, 0.0f},  // curve of a calculated section
    {0.7f, 0.7f, 0.7f},  // width band
    {1.0f, 0.0f, 1.0f},  // closed loop
};

}  // namespace

const KeySet& KeysOfKind(const KeySet (&sets)[KIND_COUNT], SceneKind kind)
{
    static const KeySet noKeys;
    return kind >= KIND_POINT && kind < KIND_COUNT ? sets[kind] : noKeys;
}

CScene::CScene(IViewDocument* document) : m_document(document)
{
    for (int i = 0; i < COLOUR_COUNT; ++i)
        m_colours[i] = DEFAULT_COLOURS[i];
}

CScene::~CScene() = default;

CSectModel* CScene::Model() const
{
    return m_document ? m_document->GetModel() : nullptr;
}

void CScene::ResetDefaults()
{
    m_gridCountHorizontal = 30;
    m_gridCountVertical = 30;
    m_gridSpacing = 100.0;
    m_gridColour = {0.0f, 0.0f, 0.0f};
    m_labelColour = {0.0f, 0.0f, 0.0f};
    ResetPickFilter();
    m_showPoints = true;
    m_showCurves = true;
    m_showClosedLoops = true;
    m_activityMode = ACTIVITY_ALL;
    m_activityModeAtLastDraw = ACTIVITY_SELECTED_ONLY;
    m_showCurveWidths = true;
    m_highlightSectionId = 0;
    m_highlightDomainId = 0;
    m_highlightOnlyUsed = true;
    for (int i = 0; i < COLOUR_COUNT; ++i)
        m_colours[i] = DEFAULT_COLOURS[i];
}

void CScene::ResetPickFilter()
{
    m_pickFilter[KIND_POINT] = true;
    m_pickFilter[KIND_CURVE] = true;
    m_pickFilter[KIND_SECTION] = true;
    m_pickFilter[KIND_CLOSED_LOOP] = true;
    m_pickFilter[KIND_DOMAIN] = false;
    m_allKindsFilter = true;
}

void CScene::SetPickFilterCode(int code)
{
    const struct {
        SceneKind kind;
        int code;
    } alone[] = {{KIND_POINT, PICK_FILTER_POINTS},
                 {KIND_CURVE, PICK_FILTER_CURVES},
                 {KIND_SECTION, PICK_FILTER_SECTIONS},
                 {KIND_DOMAIN, PICK_FILTER_DOMAINS},
                 {KIND_CLOSED_LOOP, PICK_FILTER_CLOSED_LOOPS}};
    for (const auto& entry : alone)
        m_pickFilter[entry.kind] = code == entry.code;
    if (code == PICK_FILTER_POINTS_CURVES_SECTIONS) {
        m_pickFilter[KIND_POINT] = true;
        m_pickFilter[KIND_CURVE] = true;
        m_pickFilter[KIND_SECTION] = true;
    }
}

void CScene::ClearSelection()
{
    if (!IsSelectionEmpty())
        KeepPreviousSelection();
    for (int kind = 0; kind < KIND_COUNT; ++kind) {
        if (m_allKindsFilter || m_pickFilter[kind])
            m_selection[kind].clear();
    }
    // The combined set stays readable for the activity commands that run right
    // after; the next select starts it afresh.
    m_combinedSelectionStale = true;
}

void CScene::ClearCombinedSelection()
{
    m_combinedSelection.clear();
    m_combinedSelectionStale = false;
}

bool CScene::IsSelectionEmpty() const
{
    for (const KeySet& selection : m_selection) {
        if (!selection.empty())
            return false;
    }
    return true;
}

void CScene::ToggleKindSelection(int key)
{
    const SceneKind kind = KindOfKey(key);
    if (kind == KIND_NONE)
        return;
    KeySet& selection = m_selection[kind];
    if (!selection.erase(key))
        selection.insert(key);
}

void CScene::ToggleSelection(int key)
{
    // The combined set follows the per-kind outcome instead of toggling on its
    // own, so it never drifts from the selection.
    if (m_combinedSelectionStale)
        ClearCombinedSelection();
    const SceneKind kind = KindOfKey(key);
    if (kind != KIND_NONE && m_selection[kind].count(key))
        m_combinedSelection.insert(key);
    else
        m_combinedSelection.erase(key);
}

void CScene::ToggleClickedKey(int key)
{
    ToggleKindSelection(key);
    ToggleSelection(key);
}

void CScene::SelectKey(int key)
{
    const SceneKind kind = KindOfKey(key);
    if (kind == KIND_NONE)
        return;
    m_selection[kind].insert(key);
    ToggleSelection(key);
}

void CScene::SelectIds(SceneKind kind, const std::vector<int>& ids)
{
    for (int id : ids)
        SelectKey(KeyOf(kind, id));
}

void CScene::SelectCurves(const std::vector<int>& ids) { SelectIds(KIND_CURVE, ids); }
void CScene::SelectPoints(const std::vector<int>& ids) { SelectIds(KIND_POINT, ids); }
void CScene::SelectSections(const std::vector<int>& ids) { SelectIds(KIND_SECTION, ids); }
void CScene::SelectClosedLoops(const std::vector<int>& ids) { SelectIds(KIND_CLOSED_LOOP, ids); }

void CScene::SelectActiveIds(SceneKind kind, const std::vector<int>& ids)
{
    for (int id : ids) {
        const int key = KeyOf(kind, id);
        if (m_active[kind].count(key))
            SelectKey(key);
    }
}

void CScene::KeepPreviousSelection()
{
    for (int kind = 0; kind < KIND_COUNT; ++kind)
        m_previousSelection[kind] = m_selection[kind];
}

void CScene::SelectPrevious()
{
    for (int kind = 0; kind < KIND_COUNT; ++kind) {
        if (!m_pickFilter[kind])
            continue;
        for (int key : m_previousSelection[kind]) {
            if (m_active[kind].count(key))
                SelectKey(key);
        }
    }
}

bool CScene::IsPointActive(int id) const { return m_active[KIND_POINT].count(PointKey(id)) > 0; }
bool CScene::IsCurveActive(int id) const { return m_active[KIND_CURVE].count(CurveKey(id)) > 0; }
bool CScene::IsSectionActive(int id) const { return m_active[KIND_SECTION].count(SectionKey(id)) > 0; }

void CScene::AddActiveKey(int key)
{
    const SceneKind kind = KindOfKey(key);
    if (kind != KIND_NONE)
        m_active[kind].insert(key);
}

void CScene::AddDrawnKey(int key)
{
    const SceneKind kind = KindOfKey(key);
    if (kind != KIND_NONE)
        m_drawn[kind].insert(key);
}

void CScene::ClearActiveSets()
{
    for (KeySet& set : m_active)
        set.clear();
}

void CScene::ClearAllKeySets()
{
    m_combinedSelection.clear();
    for (KeySet* sets : {m_selection, m_previousSelection, m_active, m_inactive, m_drawn}) {
        for (int kind = 0; kind < KIND_COUNT; ++kind)
            sets[kind].clear();
    }
    m_combinedSelectionStale = false;
}

void CScene::ClearInactiveSets()
{
    for (KeySet& set : m_inactive)
        set.clear();
}

int CScene::CountModelEntities() const
{
    const CSectModel* model = Model();
    if (!model)
        return 0;
    return static_cast<int>(model->m_sections.size() + model->m_closedLoops.size() + model->m_curves.size()
                            + model->m_points.size());
}

bool CScene::HasFewerThanTwoPoints() const
{
    const CSectModel* model = Model();
    return !model || model->m_points.size() < 2;
}

bool CScene::EntityExists(int key) const
{
    const CSectModel* model = Model();
    if (!model)
        return false;
    switch (KindOfKey(key)) {
    case KIND_POINT: return model->FindPoint(IdOfKey(key)) != nullptr;
    case KIND_CURVE: return model->FindCurve(IdOfKey(key)) != nullptr;
    case KIND_SECTION: return model->FindSection(IdOfKey(key)) != nullptr;
    case KIND_CLOSED_LOOP: return model->FindClosedLoop(IdOfKey(key)) != nullptr;
    case KIND_DOMAIN: {
        const T_SECTION_D* section = model->FindSection(SectionIdOfDomainKey(key));
        return section && section->FindDomain(DomainIdOfDomainKey(key));
    }
    default: return false;
    }
}

void CScene::ToCurrentUcs(const double in[2], double out[2]) const
{
    CSectModel* model = Model();
    const T_UCS_D* ucs = model ? model->GetCurrentUcs() : nullptr;
    if (ucs) {
        ucs->ToLocal(in, out);
    } else {
        out[0] = in[0];
        out[1] = in[1];
    }
}

void CScene::ReportLookupProblem(const std::string& text)
{
    const CSectModel* model = Model();
    if (model && m_reportedProblems.insert(text).second)
        model->m_reporter.PrintOutput(text, 0);
}
