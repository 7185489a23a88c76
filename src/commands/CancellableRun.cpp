#include "commands/CancellableRun.h"

#include "model/SectModel.h"

#include <utility>

namespace {

template <class T>
bool RecordsNothing(const UndoKindRecord<T>& kind)
{
    return kind.created.empty() && kind.saved.empty();
}

bool RecordsNothing(const T_ACTION_D& action)
{
    return RecordsNothing(action.sections) && RecordsNothing(action.closedLoops) && RecordsNothing(action.curves)
        && RecordsNothing(action.points) && RecordsNothing(action.ucs) && RecordsNothing(action.groups)
        && RecordsNothing(action.materials);
}

} // namespace

CancellableRun::CancellableRun(CSectModel& model, bool newUndoAction)
    : model_(model), newUndoAction_(newUndoAction),
      undoTopId_(model.m_undoTopId), nextPointId_(model.m_nextPointId), nextCurveId_(model.m_nextCurveId),
      newcomerPoints_(model.m_newcomerPoints), newcomerCurves_(model.m_newcomerCurves),
      redoActions_(std::move(model.m_redoActions)), redoTopId_(model.m_redoTopId)
{
    model.m_redoActions.clear();
    model.m_redoTopId = 0;
    // An action of the run's own, so that a cancel can undo it whole.
    model.BeginUndoAction();
}

CancellableRun::~CancellableRun()
{
    Keep();
}

void CancellableRun::Keep()
{
    if (settled_)
        return;
    settled_ = true;
    const T_ACTION_D* own = model_.GetCurrentUndoAction();
    if (model_.m_undoTopId == undoTopId_ + 1 && own && RecordsNothing(*own)) {
        // Without a recording the redo history stands, and only a command
        // that opens an action of its own leaves one.
        if (!newUndoAction_)
            model_.RevertUndoActionsAbove(undoTopId_);
        model_.m_redoActions = std::move(redoActions_);
        model_.m_redoTopId = redoTopId_;
        return;
    }
    if (!newUndoAction_ && undoTopId_ > 0 && model_.m_undoTopId == undoTopId_ + 1)
        model_.FoldTopUndoActionIntoPrevious();
}

void CancellableRun::TakeBack()
{
    if (settled_)
        return;
    settled_ = true;
    model_.RevertUndoActionsAbove(undoTopId_);
    // The ids of the points taken back are issued again, perhaps elsewhere:
    // the point look-up must not answer from where those points were.
    model_.NotePointsMoved();
    model_.m_nextPointId = nextPointId_;
    model_.m_nextCurveId = nextCurveId_;
    model_.m_newcomerPoints = std::move(newcomerPoints_);
    model_.m_newcomerCurves = std::move(newcomerCurves_);
    model_.m_redoActions = std::move(redoActions_);
    model_.m_redoTopId = redoTopId_;
}
