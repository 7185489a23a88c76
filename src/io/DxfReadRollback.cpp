#include "io/DxfReadRollback.h"

#include "model/SectModel.h"

#include <utility>

DxfReadRollback::DxfReadRollback(CSectModel& model)
    : model_(model), nextPointId_(model.m_nextPointId), nextCurveId_(model.m_nextCurveId),
      undoTopId_(model.m_undoTopId), newcomerPoints_(model.m_newcomerPoints.size()),
      newcomerCurves_(model.m_newcomerCurves.size()), redoActions_(std::move(model.m_redoActions)),
      redoTopId_(model.m_redoTopId)
{
    model.m_redoActions.clear();
    model.m_redoTopId = 0;
    if (const T_ACTION_D* open = model.GetCurrentUndoAction()) {
        createdPoints_ = open->points.created.size();
        createdCurves_ = open->curves.created.size();
    }
}

DxfReadRollback::~DxfReadRollback()
{
    Keep();
}

void DxfReadRollback::Keep()
{
    if (settled_)
        return;
    settled_ = true;
    if (model_.m_nextPointId == nextPointId_ && model_.m_nextCurveId == nextCurveId_)
        RestoreRedoStore();
}

void DxfReadRollback::TakeBack()
{
    if (settled_)
        return;
    settled_ = true;
    // Actions the read's recording opened, when none was open, go whole.
    model_.RevertUndoActionsAbove(undoTopId_);
    if (T_ACTION_D* open = model_.GetCurrentUndoAction()) {
        for (std::size_t i = createdPoints_; i < open->points.created.size(); ++i)
            model_.m_points.erase(open->points.created[i]);
        for (std::size_t i = createdCurves_; i < open->curves.created.size(); ++i)
            model_.m_curves.erase(open->curves.created[i]);
        open->points.created.resize(createdPoints_);
        open->curves.created.resize(createdCurves_);
    }
    // The ids of the points taken back are issued again, perhaps elsewhere:
    // the point look-up must not answer from where those points were.
    model_.NotePointsMoved();
    model_.m_newcomerPoints.resize(newcomerPoints_);
    model_.m_newcomerCurves.resize(newcomerCurves_);
    model_.m_nextPointId = nextPointId_;
    model_.m_nextCurveId = nextCurveId_;
    RestoreRedoStore();
}

void DxfReadRollback::RestoreRedoStore()
{
    model_.m_redoActions = std::move(redoActions_);
    model_.m_redoTopId = redoTopId_;
}
