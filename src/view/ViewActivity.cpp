// The view's activity commands: which entities are shown and pickable. They
// change only view state, never the model.

#include "view/TarvokrtView.h"

void CTarvokrtView::OnActivate()
{
    if (scene_->IsSelectionEmpty())
        return;
    scene_->m_activityMode = ACTIVITY_SELECTED_ONLY;
    // The combined set outlives the cleared selection for the step below.
    scene_->ClearSelection();
    scene_->ActivateSelectedOnly();
    scene_->ClearCombinedSelection();
    ZoomFit();
}

void CTarvokrtView::AfterActivityChange()
{
    RecompileDisplayLists();
    ZoomFit();
}

void CTarvokrtView::OnInactivate()
{
    if (scene_->IsSelectionEmpty())
        return;
    scene_->m_activityMode = ACTIVITY_SELECTED_INACTIVE;
    for (SceneKind kind : {KIND_SECTION, KIND_CURVE, KIND_POINT, KIND_CLOSED_LOOP})
        scene_->m_combinedSelection.insert(scene_->m_selection[kind].begin(), scene_->m_selection[kind].end());
    scene_->ClearSelection();
    scene_->InactivateSelected();
    scene_->ClearCombinedSelection();
    AfterActivityChange();
}

void CTarvokrtView::OnReverseActivity()
{
    if (scene_->m_activityMode == ACTIVITY_ALL || scene_->m_activityMode == ACTIVITY_NONE)
        return;
    scene_->ClearSelection();
    scene_->ReverseActivity();
    AfterActivityChange();
}

void CTarvokrtView::OnActivateAll()
{
    scene_->m_activityMode = ACTIVITY_ALL;
    scene_->ClearSelection();
    scene_->ActivateAll();
    scene_->ClearCombinedSelection();
    AfterActivityChange();
}

void CTarvokrtView::OnInactivateAll()
{
    scene_->m_activityMode = ACTIVITY_NONE;
    scene_->ClearSelection();
    scene_->InactivateAll();
    scene_->ClearCombinedSelection();
    AfterActivityChange();
}
