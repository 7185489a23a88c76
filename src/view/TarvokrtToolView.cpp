#include "view/TarvokrtToolView.h"

#include "view/TarvokrtView.h"

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
bool TarvokrtToolView::PropertyLabelsOn() const { return view_.m_propertyLabelsOn; }
void TarvokrtToolView::SetPropertyLabelsOn(bool on) { view_.m_propertyLabelsOn = on; }
const PropertyLabelSwitches& TarvokrtToolView::PropertyLabels() const { return view_.m_propertyLabels; }
void TarvokrtToolView::SetPropertyLabels(const PropertyLabelSwitches& switches) { view_.m_propertyLabels = switches; }

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
    return KeysOfKind(view_.GetScene()->m_selection, kind);
}

const std::set<int>& TarvokrtToolView::ActiveKeys(SceneKind kind) const
{
    return KeysOfKind(view_.GetScene()->m_active, kind);
}

void TarvokrtToolView::ClearSelection()
{
    view_.GetScene()->ClearSelection();
}

void TarvokrtToolView::SelectKeyAsClick(int key)
{
    view_.GetScene()->ToggleClickedKey(key);
}

ClickSnap TarvokrtToolView::SnapAtClick(int x, int y)
{
    return view_.SnapAtClick(x, y);
}

int TarvokrtToolView::NearestCurveAt(int x, int y)
{
    const int key = view_.PickNearestCurve(x, y, DEFAULT_PICK_HALF_SIZE, DEFAULT_PICK_HALF_SIZE);
    return key > 0 ? key : 0;
}

void TarvokrtToolView::BlinkEntity(int key)
{
    view_.BlinkEntity(key);
}

int TarvokrtToolView::RubberBandKind() const { return view_.m_rubberBandKind; }
void TarvokrtToolView::SetRubberBandKind(int kind) { view_.m_rubberBandKind = kind; }

void TarvokrtToolView::RebuildScene()
{
    view_.RebuildScene();
}

bool TarvokrtToolView::DomainPickFilter() const
{
    return view_.GetScene()->m_pickFilter[KIND_DOMAIN];
}

void TarvokrtToolView::SetDomainPickFilter(bool pickable)
{
    view_.GetScene()->m_pickFilter[KIND_DOMAIN] = pickable;
}

bool TarvokrtToolView::IsModal() const
{
    return view_.IsModal();
}

void TarvokrtToolView::ChangeDomainState(int sectionId)
{
    view_.ChangeDomainState(sectionId);
}
