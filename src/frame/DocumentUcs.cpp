// The document's UCS commands. Creating, redefining and deleting only mark
// the project modified; a new work UCS rebuilds and refits every view.

#include "frame/TarvokrtDoc.h"

bool CTarvokrtDoc::CreateUcs(int definitionMode, const std::string& name, const double origin[2], double angle, const double axisPoint1[2], const double axisPoint2[2]) { return AfterCommand(AfterStep::Modified, model_->CreateUcs(definitionMode, name, origin, angle, axisPoint1, axisPoint2)); }
bool CTarvokrtDoc::RedefineUcs(int ucsId, int definitionMode, const std::string& name, const double origin[2], double angle, const double axisPoint1[2], const double axisPoint2[2]) { return AfterCommand(AfterStep::Modified, model_->RedefineUcs(ucsId, definitionMode, name, origin, angle, axisPoint1, axisPoint2)); }
bool CTarvokrtDoc::DeleteUcs(int ucsId) { return AfterCommand(AfterStep::Modified, model_->DeleteUcs(ucsId)); }

T_UCS_D* CTarvokrtDoc::SetCurrentUcs(int ucsId)
{
    T_UCS_D* workUcs = model_->GetCurrentUcs();
    if (workUcs->id == ucsId)
        return workUcs;
    return ShowNewWorkUcs(model_->SetCurrentUcs(ucsId));
}

T_UCS_D* CTarvokrtDoc::SetGcsCurrent()
{
    T_UCS_D* workUcs = model_->GetCurrentUcs();
    if (workUcs->id == 0)
        return workUcs;
    return ShowNewWorkUcs(model_->SetGcsCurrent());
}

T_UCS_D* CTarvokrtDoc::ShowNewWorkUcs(T_UCS_D* workUcs)
{
    if (!frame_)
        return workUcs;
    if (workUcs->id == 0)
        frame_->ShowGlobalCoordinates();
    else
        frame_->ShowUcsCoordinates();
    frame_->RebuildViews();
    frame_->ZoomFitViews();
    return workUcs;
}
