#include "view/TarvokrtToolView.h"

#include "view/TarvokrtView.h"

namespace {

// Asking for a kind outside the scene's bands gives no keys.
const std::set<int> NO_KEYS;

bool IsSceneKind(SceneKind kind)
{
    return kind >= KIND_POINT && kind < KIND_COUNT;
}

}  // namespace

int TarvokrtToolView::ToolCommandId() const { return view_.m_toolCommandId; }
void TarvokrtToolView::SetToolCommandId(int toolId) { view_.m_toolCommandId = toolId; }
int TarvokrtToolView::PickFieldCode() const { return view_.m_pickFieldCode; }
void TarvokrtToolView::SetPickFieldCode(int code) { view_.m_pickFieldCode = code; }
int TarvokrtToolView::ToolActive() const { return view_.m_toolActive; }
void TarvokrtToolView::SetToolActive(int active) { view_.m_toolActive = active; }
int TarvokrtToolView::MouseMode() const { return view_.m_mouseMode; }
void TarvokrtToolView::SetMouseMode(int mode) { view_.m_mouseMode = mode; }
int TarvokrtToolView::SavedMouseMode() const { return view_.m_previousMouseMode; }
void TarvokrtToolView::SetSavedMouseMode(int mode) { view_.m_previousMouseMode = mode; }
int TarvokrtToolView::ReRender() const { return view_.m_reRender; }
void TarvokrtToolView::SetReRender(int reRender) { view_.m_reRender = reRender; }

void TarvokrtToolView::SetPickFilter(int code)
{
    view_.SetPickFilter(code);
}

void TarvokrtToolView::ResetPickFilter()
{
    view_.GetScene()->ResetPickFilter();
}

void TarvokrtToolView::RedrawScene()
{
    view_.RedrawScene();
}

void TarvokrtToolView::InvalidateWithErase()
{
    view_.Refresh(true);
}

const std::set<int>& TarvokrtToolView::SelectedKeys(SceneKind kind) const
{
    return IsSceneKind(kind) ? view_.GetScene()->m_selection[kind] : NO_KEYS;
}

const std::set<int>& TarvokrtToolView::ActiveKeys(SceneKind kind) const
{
    return IsSceneKind(kind) ? view_.GetScene()->m_active[kind] : NO_KEYS;
}

void TarvokrtToolView::ClearSelection()
{
    view_.GetScene()->ClearSelection();
}

void TarvokrtToolView::SelectKeyAsClick(int key)
{
    view_.GetScene()->ToggleClickedKey(key);
}
