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
