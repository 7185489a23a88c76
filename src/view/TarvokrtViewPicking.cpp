// Picking by OpenGL selection, the pick filter and the view's select
// commands.
#include "view/TarvokrtView.h"

#include "model/SectModel.h"
#include "view/Picking.h"

#include <GL/gl.h>

#include <new>

namespace {

constexpr int NEAREST_CURVE_RECORDS = 100;
// A buffer that keeps overflowing is given up at this many records.
constexpr int MAX_PICK_RECORDS = 1 << 24;
constexpr int BLINK_MILLISECONDS = 200;

int CountDomains(const CSectModel* model)
{
    int count = 0;
    if (model) {
        for (const auto& [id, section] : model->m_sections)
            count += static_cast<int>(section->domains.size());
    }
    return count;
}

}  // namespace

void CTarvokrtView::SetPickFilter(int code)
{
    scene_->SetPickFilterCode(code);
    m_mouseMode = MouseModeOfPickFilter(code);
}

void CTarvokrtView::CompilePendingLists()
{
    if (!listsPending_)
        return;
    executor_.Compile(pendingLists_);
    pendingLists_ = DisplayListPlan();
    listsPending_ = false;
}

int CTarvokrtView::RenderPickBox(const PickBox& box, int records, const std::function<void()>& render,
                                 std::vector<unsigned>& buffer)
{
    const int width = Camera().WindowWidth();
    const int height = Camera().WindowHeight();
    const PickProjection projection =
        PickProjectionOf(box, width, height, Camera().HalfWidth(), Camera().HalfHeight());
    for (;;) {
        buffer.assign(static_cast<size_t>(records) * 4, 0u);
        glSelectBuffer(static_cast<GLsizei>(buffer.size()), buffer.data());
        glViewport(0, 0, width, height);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glRenderMode(GL_SELECT);
        glLoadIdentity();
        glOrtho(projection.left, projection.right, projection.bottom, projection.top, -Camera().Depth(),
                Camera().Depth());
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        render();
        const int hits = glRenderMode(GL_RENDER);
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        // An overflow reports a negative count; a larger buffer takes it.
        if (hits >= 0 || records >= MAX_PICK_RECORDS)
            return hits;
        records *= 2;
    }
}

void CTarvokrtView::RenderForSelection()
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    tglCameraON();
    DrawPlan plan;
    scene_->RenderForSelection(plan);
    executor_.Run(plan);
    glPopMatrix();
}

void CTarvokrtView::RenderCurvesForPick()
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    tglCameraON();
    DrawPlan plan;
    scene_->DrawCurves(plan);
    executor_.Run(plan);
    glPopMatrix();
}

bool CTarvokrtView::SelectInWindow(int cx, int cy, int halfWidth, int halfHeight)
{
    scene_->m_hitCount = 0;
    if (!m_ctrlHeld) {
        scene_->ClearSelection();
        scene_->ClearCombinedSelection();
    }
    PickBox box{cx, cy, halfWidth, halfHeight};
    scene_->m_pickMode = PICK_WINDOW;
    if (halfWidth == 0 && halfHeight == 0)
        scene_->m_pickMode = PICK_NEAREST;
    if (box.halfWidth == 0)
        box.halfWidth = DEFAULT_PICK_HALF_SIZE;
    if (box.halfHeight == 0)
        box.halfHeight = DEFAULT_PICK_HALF_SIZE;
    // Every pickable kind counts, domains too.
    const int entities = scene_->CountModelEntities() + CountDomains(scene_->Model());
    if (entities == 0)
        return false;
    if (!tglSetCurrent())
        return false;
    CompilePendingLists();
    std::vector<unsigned> buffer;
    int hits = 0;
    try {
        hits = RenderPickBox(box, SelectionBufferRecords(entities), [this] { RenderForSelection(); }, buffer);
    } catch (const std::bad_alloc&) {
        tglReleaseCurrent();
        if (const CSectModel* model = scene_->Model())
            model->m_reporter.ShowInfo("Memory allocation failed! [Selection Buffer]");
        return false;
    }
    tglReleaseCurrent();
    scene_->m_hitCount = hits;
    if (hits < 1)
        return false;
    const std::vector<SelectionHit> records = ReadHitRecords(buffer.data(), buffer.size(), hits);
    if (scene_->m_pickMode == PICK_WINDOW) {
        for (const SelectionHit& hit : records) {
            scene_->ToggleClickedKey(static_cast<int>(hit.name));
        }
    } else if (const int key = NearestHitKey(records); key != -1) {
        scene_->ToggleClickedKey(key);
    }
    return true;
}

int CTarvokrtView::PickNearestCurve(int x, int y, int halfWidth, int halfHeight)
{
    const PickBox box{x, y, halfWidth == 0 ? DEFAULT_PICK_HALF_SIZE : halfWidth,
                      halfHeight == 0 ? DEFAULT_PICK_HALF_SIZE : halfHeight};
    if (!tglSetCurrent())
        return -1;
    CompilePendingLists();
    std::vector<unsigned> buffer;
    const int hits = RenderPickBox(box, NEAREST_CURVE_RECORDS, [this] { RenderCurvesForPick(); }, buffer);
    tglReleaseCurrent();
    if (hits < 1)
        return -1;
    return NearestHitKey(ReadHitRecords(buffer.data(), buffer.size(), hits));
}

void CTarvokrtView::BlinkEntity(int key)
{
    if (!RenderFrame()) {
        tglReleaseCurrent();
        return;
    }
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    tglCameraON();
    DrawPlan plan;
    scene_->DrawHighlighted(key, plan);
    executor_.Run(plan);
    glPopMatrix();
    KeepFrame();
    tglRedrawWnd();
    tglReleaseCurrent();
    m_reRender = 0;
    blinkTimer_.StartOnce(BLINK_MILLISECONDS);
}

void CTarvokrtView::OnSelect()
{
    if (m_mouseMode == MOUSE_SELECT) {
        m_mouseMode = MOUSE_NONE;
        return;
    }
    m_mouseMode = MOUSE_SELECT;
    m_pickFieldCode = 0;
}

void CTarvokrtView::OnSelectPrevious()
{
    scene_->SelectPrevious();
    RedrawScene();
}

void CTarvokrtView::OnSelectNewcomer()
{
    scene_->ClearSelection();
    CSectModel* model = scene_->Model();
    if (model) {
        const struct {
            SceneKind kind;
            void (CSectModel::*newcomers)(std::vector<int>&);
        } kinds[] = {{KIND_POINT, &CSectModel::GetNewcomerPoints},
                     {KIND_CURVE, &CSectModel::GetNewcomerCurves},
                     {KIND_SECTION, &CSectModel::GetNewcomerSections},
                     {KIND_CLOSED_LOOP, &CSectModel::GetNewcomerClosedLoops}};
        for (const auto& entry : kinds) {
            if (!scene_->m_pickFilter[entry.kind])
                continue;
            std::vector<int> ids;
            (model->*entry.newcomers)(ids);
            scene_->SelectActiveIds(entry.kind, ids);
        }
    }
    RedrawScene();
}

void CTarvokrtView::OnSelectGroup()
{
    const CSectModel* model = scene_->Model();
    if (!model || model->m_groups.empty())
        return;
    if (m_mouseMode == MOUSE_SELECT_GROUP) {
        m_mouseMode = MOUSE_NONE;
        return;
    }
    m_mouseMode = MOUSE_SELECT_GROUP;
    m_pickFieldCode = 0;
    if (services_.combos)
        services_.combos->RefreshGroupCombos();
}
