// The display lists of the scene: one list per shown entity, named by its key,
// in the coordinates of the current UCS.

#include "model/SectModel.h"
#include "model/WidthBand.h"
#include "view/LookupTexts.h"
#include "view/Scene.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Adds a global point to the plan in current-UCS coordinates.
void AddVertex(const CScene& scene, const double xy[2], DrawPlan& plan)
{
    double local[2];
    scene.ToCurrentUcs(xy, local);
    plan.Vertex(local[0], local[1]);
}

// Adds the section's own curve as a line strip; a point missing from the
// section's map is reported as corrupted section data.
void AddSectionCurveStrip(CScene& scene, const T_SECTION_D& section, const T_SCURVE_D& curve, DrawPlan& plan)
{
    plan.SetPolygonMode(PolygonMode::Line);
    plan.Begin(PrimitiveKind::LineStrip);
    for (int pointId : curve.pointIds) {
        if (const T_POINT_D* point = section.FindPoint(pointId))
            AddVertex(scene, point->xy, plan);
        else
            scene.ReportLookupProblem(SectionCorruptedText(section.id, section.name));
    }
}

void AddFacet(CScene& scene, const T_SECTION_D& section, const T_FACET_D& facet, DrawPlan& plan)
{
    const T_POINT_D* corners[3];
    for (int i = 0; i < 3; ++i) {
        corners[i] = section.FindPoint(facet.pointIds[i]);
        if (!corners[i]) {
            scene.ReportLookupProblem(SectionCorruptedText(section.id, section.name));
            return;
        }
    }
    plan.Begin(PrimitiveKind::Polygon);
    for (const T_POINT_D* corner : corners)
        AddVertex(scene, corner->xy, plan);
}

template <class T>
std::vector<int> KeysOf(const IdMap<T>& map, SceneKind kind)
{
    std::vector<int> keys;
    keys.reserve(map.size());
    for (const auto& entry : map)
        keys.push_back(KeyOf(kind, entry.first));
    return keys;
}

}  // namespace

void CScene::BuildDisplayLists(DisplayListPlan& plan)
{
    plan.lists.clear();
    m_reportedProblems.clear();
    if (!Model())
        return;
    BuildPointLists(plan);
    BuildCurveLists(plan);
    if (m_showCurveWidths)
        BuildWidthLists(plan);
    BuildSectionLists(plan);
    BuildClosedLoopLists(plan);
    plan.keepsDomainLists = !m_pickFilter[KIND_DOMAIN];
    if (m_pickFilter[KIND_DOMAIN])
        BuildDomainLists(plan);
}

void CScene::BuildPointLists(DisplayListPlan& plan)
{
    const CSectModel* model = Model();
    m_listCounts[KIND_POINT] = 0;
    RefreshActiveSets(KIND_POINT, KeysOf(model->m_points, KIND_POINT));
    for (int key : m_active[KIND_POINT]) {
        const T_POINT_D* point = model->FindPoint(IdOfKey(key));
        if (!point) {
            ReportLookupProblem(MissingEntityText(KIND_POINT, IdOfKey(key)));
            continue;
        }
        DrawPlan& list = plan.lists[key];
        list.Begin(PrimitiveKind::Points);
        AddVertex(*this, point->xy, list);
        ++m_listCounts[KIND_POINT];
    }
}

void CScene::AddCurveStrip(const T_CURVE_D& curve, DrawPlan& plan)
{
    const CSectModel* model = Model();
    plan.Begin(PrimitiveKind::LineStrip);
    for (int pointId : curve.pointIds) {
        if (const T_POINT_D* point = model->FindPoint(pointId))
            AddVertex(*this, point->xy, plan);
        else
            ReportLookupProblem(MissingEntityText(KIND_POINT, pointId));
    }
}

void CScene::BuildCurveLists(DisplayListPlan& plan)
{
    CSectModel* model = Model();
    m_listCounts[KIND_CURVE] = 0;
    // What each curve belongs to decides its colour; the last section in id
    // order that lists a curve wins.
    for (auto& entry : model->m_curves)
        entry.second->work = CURVE_IN_NO_SECTION;
    for (const auto& [sectionId, section] : model->m_sections) {
        int state = section->type == SECTION_PLANE ? CURVE_IN_PLANE : sectionId;
        if (section->propertiesCalculated)
            state = section->type == SECTION_PLANE ? CURVE_IN_CALCULATED_PLANE : CURVE_IN_CALCULATED_LINE;
        for (int curveId : section->curveIds) {
            if (T_CURVE_D* curve = model->FindCurve(curveId))
                curve->work = state;
        }
    }
    RefreshActiveSets(KIND_CURVE, KeysOf(model->m_curves, KIND_CURVE));
    for (int key : m_active[KIND_CURVE]) {
        const T_CURVE_D* curve = model->FindCurve(IdOfKey(key));
        if (!curve) {
            ReportLookupProblem(MissingEntityText(KIND_CURVE, IdOfKey(key)));
            continue;
        }
        AddCurveStrip(*curve, plan.lists[key]);
        ++m_listCounts[KIND_CURVE];
    }
}

bool CScene::HasWidthBand(const T_CURVE_D& curve) const
{
    return curve.work != CURVE_IN_PLANE && curve.work != CURVE_IN_CALCULATED_PLANE && std::fabs(curve.width) > 1e-6;
}

void CScene::AddWidthBand(const T_CURVE_D& curve, DrawPlan& plan)
{
    const CSectModel* model = Model();
    for (size_t i = 0; i + 1 < curve.pointIds.size(); ++i) {
        const T_POINT_D* a = model->FindPoint(curve.pointIds[i]);
        const T_POINT_D* b = model->FindPoint(curve.pointIds[i + 1]);
        if (!a || !b) {
            ReportLookupProblem(MissingEntityText(KIND_POINT, a ? curve.pointIds[i + 1] : curve.pointIds[i]));
            continue;
        }
        double corners[4][2];
        CurveBandCorners(a->xy, b->xy, curve, corners);
        plan.Begin(PrimitiveKind::Polygon);
        for (const double* corner : corners)
            AddVertex(*this, corner, plan);
    }
}

void CScene::BuildWidthLists(DisplayListPlan& plan)
{
    const CSectModel* model = Model();
    for (int key : m_active[KIND_CURVE]) {
        const T_CURVE_D* curve = model->FindCurve(IdOfKey(key));
        if (!curve || !HasWidthBand(*curve))
            continue;
        // The band replaces the curve's line list.
        DrawPlan& list = plan.lists[key];
        list = DrawPlan();
        AddWidthBand(*curve, list);
    }
}

void CScene::BuildSectionLists(DisplayListPlan& plan)
{
    const CSectModel* model = Model();
    m_listCounts[KIND_SECTION] = 0;
    RefreshActiveSets(KIND_SECTION, KeysOf(model->m_sections, KIND_SECTION));
    for (int key : m_active[KIND_SECTION]) {
        const T_SECTION_D* section = model->FindSection(IdOfKey(key));
        if (!section) {
            ReportLookupProblem(MissingEntityText(KIND_SECTION, IdOfKey(key)));
            continue;
        }
        DrawPlan& list = plan.lists[key];
        if (section->type == SECTION_PLANE && !section->facets.empty()) {
            list.SetPolygonMode(PolygonMode::Fill);
            for (const auto& entry : section->facets) {
                const T_DOMAIN_D* domain = section->FindDomain(entry.second->domainId);
                if (domain && domain->used)
                    AddFacet(*this, *section, *entry.second, list);
            }
        } else if (section->type == SECTION_PLANE) {
            for (const auto& entry : section->curves)
                AddSectionCurveStrip(*this, *section, *entry.second, list);
        } else {
            for (int curveId : section->curveIds) {
                const T_CURVE_D* curve = model->FindCurve(curveId);
                if (!curve) {
                    ReportLookupProblem(MissingEntityText(KIND_CURVE, curveId));
                    continue;
                }
                list.SetPolygonMode(PolygonMode::Line);
                AddCurveStrip(*curve, list);
                if (m_showCurveWidths) {
                    list.SetPolygonMode(PolygonMode::Fill);
                    AddWidthBand(*curve, list);
                }
            }
        }
        ++m_listCounts[KIND_SECTION];
    }
}

void CScene::BuildClosedLoopLists(DisplayListPlan& plan)
{
    const CSectModel* model = Model();
    m_listCounts[KIND_CLOSED_LOOP] = 0;
    RefreshActiveSets(KIND_CLOSED_LOOP, KeysOf(model->m_closedLoops, KIND_CLOSED_LOOP));
    for (int key : m_active[KIND_CLOSED_LOOP]) {
        const T_LOOP_D* loop = model->FindClosedLoop(IdOfKey(key));
        if (!loop) {
            ReportLookupProblem(MissingEntityText(KIND_CLOSED_LOOP, IdOfKey(key)));
            continue;
        }
        DrawPlan& list = plan.lists[key];
        for (int signedId : loop->curveIds) {
            const T_CURVE_D* curve = model->FindCurve(std::abs(signedId));
            if (curve)
                AddCurveStrip(*curve, list);
            else
                ReportLookupProblem(MissingEntityText(KIND_CURVE, std::abs(signedId)));
        }
        ++m_listCounts[KIND_CLOSED_LOOP];
    }
}

void CScene::AddDomainOutline(const T_SECTION_D& section, int domainId, bool outlineLoopsOnly, DrawPlan& plan)
{
    const T_DOMAIN_D* domain = section.FindDomain(domainId);
    if (!domain)
        return;
    if (!section.facets.empty()) {
        for (const auto& entry : section.facets) {
            if (entry.second->domainId == domainId)
                AddFacet(*this, section, *entry.second, plan);
        }
        return;
    }
    // Section loops run curves backwards with a negative id; the outline
    // needs only the curve.
    for (int loopId : domain->loopIds) {
        const T_LOOP_D* loop = section.FindLoop(loopId);
        if (!loop || (outlineLoopsOnly && loop->kind != LOOP_DOMAIN_OUTLINE))
            continue;
        for (int signedId : loop->curveIds) {
            if (const T_SCURVE_D* curve = section.FindCurve(std::abs(signedId)))
                AddSectionCurveStrip(*this, section, *curve, plan);
        }
    }
}

void CScene::BuildDomainLists(DisplayListPlan& plan)
{
    const CSectModel* model = Model();
    m_listCounts[KIND_DOMAIN] = 0;
    std::vector<int> usedDomainKeys;
    for (const auto& [sectionId, section] : model->m_sections) {
        for (const auto& [domainId, domain] : section->domains) {
            if (domain->used)
                usedDomainKeys.push_back(DomainKey(sectionId, domainId));
        }
    }
    RefreshActiveSets(KIND_DOMAIN, usedDomainKeys);
    for (int key : m_active[KIND_DOMAIN]) {
        const T_SECTION_D* section = model->FindSection(SectionIdOfDomainKey(key));
        if (!section) {
            ReportLookupProblem(MissingEntityText(KIND_SECTION, SectionIdOfDomainKey(key)));
            continue;
        }
        DrawPlan& list = plan.lists[key];
        list.SetPolygonMode(PolygonMode::Fill);
        AddDomainOutline(*section, DomainIdOfDomainKey(key), true, list);
        ++m_listCounts[KIND_DOMAIN];
    }
}
