// The scene's part of a frame: list calls in a fixed order with colours chosen
// from each entity's state, the selection, the highlighted domain, the grid,
// the axis glyph and the passes of selection rendering.

#include "model/SectModel.h"
#include "view/LookupTexts.h"
#include "view/Scene.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

namespace {

const Colour AXIS_X_COLOUR{1.0f, 0.0f, 0.0f};
const Colour AXIS_Y_COLOUR{0.0f, 0.0f, 1.0f};
const Colour AXIS_ORIGIN_COLOUR{0.0f, 0.0f, 0.0f};

// The plan of one named pass: the name stack holds exactly the key of the
// entity whose list is called.
class NamedPass {
public:
    explicit NamedPass(DrawPlan& plan) : plan_(plan)
    {
        plan_.InitNames();
        plan_.PushName(0);
    }
    ~NamedPass() { plan_.InitNames(); }
    NamedPass(const NamedPass&) = delete;
    NamedPass& operator=(const NamedPass&) = delete;

    void Call(int key)
    {
        plan_.LoadName(key);
        plan_.CallList(key);
    }

private:
    DrawPlan& plan_;
};

}  // namespace

Colour CScene::SectionColour(const T_SECTION_D& section) const
{
    return Colour{static_cast<float>(section.colour[0] / 255.0), static_cast<float>(section.colour[1] / 255.0),
                  static_cast<float>(section.colour[2] / 255.0)};
}

void CScene::Draw(DrawPlan& plan)
{
    plan.PushMatrix();
    plan.PushAttributes();
    DrawLists(plan);
    if (m_highlightSectionId > 0 && m_highlightDomainId > 0)
        DrawHighlightedDomain(plan);
    m_activityModeAtLastDraw = m_activityMode;
    DrawSelection(plan);
    plan.PopAttributes();
    plan.PopMatrix();
}

void CScene::DrawLists(DrawPlan& plan)
{
    plan.SetPolygonMode(PolygonMode::Fill);
    DrawSections(plan);
    plan.SetPolygonMode(PolygonMode::Fill);
    if (m_showCurves)
        DrawCurves(plan);
    if (m_showCurveWidths)
        DrawWidths(plan);
    plan.SetPolygonMode(PolygonMode::Fill);
    if (m_showClosedLoops)
        DrawClosedLoops(plan);
    plan.SetPolygonMode(PolygonMode::Fill);
    if (m_showPoints) {
        plan.SetPointSmooth(true);
        DrawPoints(plan);
        plan.SetPointSmooth(false);
    }
    plan.SetPolygonMode(PolygonMode::Fill);
    DrawMesh(plan);
}

void CScene::DrawSections(DrawPlan& plan)
{
    const CSectModel* model = Model();
    NamedPass pass(plan);
    for (int key : m_active[KIND_SECTION]) {
        const T_SECTION_D* section = model ? model->FindSection(IdOfKey(key)) : nullptr;
        if (!section)
            continue;
        plan.SetColour(SectionColour(*section));
        pass.Call(key);
    }
}

void CScene::DrawCurves(DrawPlan& plan)
{
    CSectModel* model = Model();
    NamedPass pass(plan);
    plan.SetLineWidth(1.0);
    for (int key : m_active[KIND_CURVE]) {
        T_CURVE_D* curve = model ? model->FindCurve(IdOfKey(key)) : nullptr;
        if (!curve)
            continue;
        if (curve->work > 0) {
            if (const T_SECTION_D* section = model->FindSection(curve->work))
                plan.SetColour(SectionColour(*section));
            else
                curve->work = CURVE_IN_NO_SECTION;
        }
        if (curve->work == CURVE_IN_NO_SECTION || curve->work == CURVE_IN_PLANE)
            plan.SetColour(m_colours[COLOUR_CURVE]);
        else if (curve->work == CURVE_IN_CALCULATED_PLANE || curve->work == CURVE_IN_CALCULATED_LINE)
            plan.SetColour(m_colours[COLOUR_CALCULATED_CURVE]);
        pass.Call(key);
    }
}

void CScene::DrawWidths(DrawPlan& plan)
{
    const CSectModel* model = Model();
    if (!model)
        return;
    std::vector<const T_CURVE_D*> banded;
    for (int key : m_active[KIND_CURVE]) {
        const T_CURVE_D* curve = model->FindCurve(IdOfKey(key));
        if (curve && HasWidthBand(*curve))
            banded.push_back(curve);
    }
    NamedPass pass(plan);
    plan.SetColour(m_colours[COLOUR_WIDTH]);
    plan.SetPolygonMode(PolygonMode::Fill);
    for (const T_CURVE_D* curve : banded)
        pass.Call(CurveKey(curve->id));
    plan.SetPolygonMode(PolygonMode::Line);
    for (const T_CURVE_D* curve : banded) {
        const T_SECTION_D* section = curve->work > 0 ? model->FindSection(curve->work) : nullptr;
        if (section)
            plan.SetColour(SectionColour(*section));
        else if (curve->work == CURVE_IN_CALCULATED_LINE)
            plan.SetColour(m_colours[COLOUR_CALCULATED_CURVE]);
        else
            plan.SetColour(m_colours[COLOUR_CURVE]);
        pass.Call(CurveKey(curve->id));
    }
}

void CScene::DrawClosedLoops(DrawPlan& plan)
{
    const CSectModel* model = Model();
    NamedPass pass(plan);
    plan.SetLineWidth(2.0);
    plan.SetColour(m_colours[COLOUR_CLOSED_LOOP]);
    for (int key : m_active[KIND_CLOSED_LOOP]) {
        if (model && model->FindClosedLoop(IdOfKey(key)))
            pass.Call(key);
    }
    plan.SetLineWidth(1.0);
}

void CScene::DrawPoints(DrawPlan& plan)
{
    CSectModel* model = Model();
    if (!model)
        return;
    std::map<int, int> curveEnds;  // point id -> curve ends on it
    for (const auto& entry : model->m_curves) {
        const std::vector<int>& ids = entry.second->pointIds;
        if (!ids.empty()) {
            ++curveEnds[ids.front()];
            ++curveEnds[ids.back()];
        }
    }
    for (auto& entry : model->m_points)
        entry.second->work = 1;
    for (const auto& entry : model->m_sections) {
        if (!entry.second->propertiesCalculated)
            continue;
        if (T_POINT_D* centroid = model->FindPoint(entry.second->centroidPointId))
            centroid->work = 0;
    }
    NamedPass pass(plan);
    for (int key : m_active[KIND_POINT]) {
        const T_POINT_D* point = model->FindPoint(IdOfKey(key));
        if (!point)
            continue;
        if (point->work == 0) {
            plan.SetPointSize(5.0);
            plan.SetColour(m_colours[COLOUR_CENTROID]);
        } else {
            const int ends = curveEnds[point->id];
            plan.SetPointSize(3.0);
            if (ends == 1)
                plan.SetColour(m_colours[COLOUR_POINT_FREE_END]);
            else if (ends >= 3)
                plan.SetColour(m_colours[COLOUR_POINT_JUNCTION]);
            else
                plan.SetColour(m_colours[COLOUR_POINT]);
        }
        pass.Call(key);
    }
    plan.SetPointSize(1.0);
}

void CScene::DrawMesh(DrawPlan& plan)
{
    const CSectModel* model = Model();
    if (!model || model->m_feNodes.empty())
        return;
    plan.SetColour(m_meshColour);
    plan.SetPolygonMode(PolygonMode::Line);
    for (const auto& entry : model->m_feElements) {
        plan.Begin(PrimitiveKind::Polygon);
        for (int nodeId : entry.second->nodeIds) {
            if (const T_FENODE_D* node = model->FindFeNode(nodeId)) {
                double local[2];
                ToCurrentUcs(node->xy, local);
                plan.Vertex(local[0], local[1]);
            }
        }
    }
    plan.SetPolygonMode(PolygonMode::Fill);
}

void CScene::DrawDomainsForSelection(DrawPlan& plan)
{
    const CSectModel* model = Model();
    NamedPass pass(plan);
    for (int key : m_active[KIND_DOMAIN]) {
        const T_SECTION_D* section = model ? model->FindSection(SectionIdOfDomainKey(key)) : nullptr;
        if (!section)
            continue;
        plan.SetColour(SectionColour(*section));
        pass.Call(key);
    }
}

void CScene::CallKindLists(SceneKind kind, DrawPlan& plan)
{
    for (int key : m_selection[kind])
        plan.CallList(key);
}

void CScene::DrawSelection(DrawPlan& plan)
{
    plan.SetColour(m_colours[COLOUR_HIGHLIGHT]);
    if (!m_selection[KIND_POINT].empty()) {
        plan.SetPointSmooth(true);
        plan.SetPointSize(4.0);
        CallKindLists(KIND_POINT, plan);
        plan.SetPointSize(1.0);
        plan.SetPointSmooth(false);
    }
    if (!m_selection[KIND_CURVE].empty()) {
        plan.SetLineWidth(2.0);
        CallKindLists(KIND_CURVE, plan);
        plan.SetLineWidth(1.0);
    }
    CallKindLists(KIND_SECTION, plan);
    CallKindLists(KIND_CLOSED_LOOP, plan);
    CallKindLists(KIND_DOMAIN, plan);
}

void CScene::DrawHighlighted(int key, DrawPlan& plan)
{
    plan.SetColour(m_colours[COLOUR_HIGHLIGHT]);
    plan.CallList(key);
}

void CScene::DrawHighlightedDomain(DrawPlan& plan)
{
    plan.SetColour(m_colours[COLOUR_HIGHLIGHT]);
    const CSectModel* model = Model();
    const T_SECTION_D* section = model ? model->FindSection(m_highlightSectionId) : nullptr;
    if (!section) {
        ReportLookupProblem(MissingEntityText(KIND_SECTION, m_highlightSectionId));
        return;
    }
    const T_DOMAIN_D* domain = section->FindDomain(m_highlightDomainId);
    if (!domain || (m_highlightOnlyUsed && !domain->used))
        return;
    plan.SetPolygonMode(PolygonMode::Fill);
    AddDomainOutline(*section, m_highlightDomainId, false, plan);
}

void CScene::DrawGrid(DrawPlan& plan)
{
    if (const CSectModel* model = Model()) {
        m_gridCountHorizontal = model->m_gridCountX;
        m_gridCountVertical = model->m_gridCountY;
        m_gridSpacing = model->m_gridSize;
    }
    plan.SetPointSize(1.0);
    plan.SetColour(m_gridColour);
    plan.Begin(PrimitiveKind::Points);
    for (int i = -m_gridCountVertical; i <= m_gridCountVertical; ++i) {
        for (int j = -m_gridCountHorizontal; j <= m_gridCountHorizontal; ++j)
            plan.Vertex(static_cast<float>(i * m_gridSpacing), static_cast<float>(j * m_gridSpacing));
    }
}

void CScene::DrawUcsAxes(DrawPlan& plan, double largestSize)
{
    const CSectModel* model = Model();
    // Sized by the grid, but never so large that it covers a small drawing.
    const double s = std::min(model ? model->m_gridSize : m_gridSpacing, largestSize);
    const double shaftRadius = s / 20.0;
    const double shaftLength = 0.66 * s;
    const double coneRadius = s / 7.0;
    const double coneLength = 0.33 * s;
    const struct {
        Colour colour;
        double along[3];  // the axis the glyph part points along
        double turn[4];  // the rotation that turns +z onto that axis
    } axes[] = {
        {AXIS_X_COLOUR, {1.0, 0.0, 0.0}, {90.0, 0.0, 1.0, 0.0}},
        {AXIS_Y_COLOUR, {0.0, 1.0, 0.0}, {-90.0, 1.0, 0.0, 0.0}},
    };
    for (const auto& axis : axes) {
        plan.PushMatrix();
        plan.SetColour(axis.colour);
        plan.Rotate(axis.turn[0], axis.turn[1], axis.turn[2], axis.turn[3]);
        plan.Cylinder(shaftRadius, shaftRadius, shaftLength, 16, 4);
        plan.PopMatrix();
        plan.PushMatrix();
        plan.SetColour(axis.colour);
        plan.Translate(axis.along[0] * shaftLength, axis.along[1] * shaftLength, 0.0);
        plan.Rotate(axis.turn[0], axis.turn[1], axis.turn[2], axis.turn[3]);
        plan.Cylinder(coneRadius, 0.0, coneLength, 16, 4);
        plan.PopMatrix();
    }
    plan.PushMatrix();
    plan.SetColour(AXIS_ORIGIN_COLOUR);
    plan.Sphere(s / 8.0, 20, 20);
    plan.PopMatrix();
}

void CScene::RenderForSelection(DrawPlan& plan)
{
    if (m_pickFilter[KIND_POINT] && m_showPoints)
        DrawPoints(plan);
    if (m_pickFilter[KIND_CURVE])
        DrawCurves(plan);
    if (m_pickFilter[KIND_SECTION])
        DrawSections(plan);
    if (m_pickFilter[KIND_CLOSED_LOOP] && m_showClosedLoops)
        DrawClosedLoops(plan);
    if (m_pickFilter[KIND_DOMAIN])
        DrawDomainsForSelection(plan);
}
