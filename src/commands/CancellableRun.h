#pragma once
// Taking back a command that the user cancels part-way. The command records
// into an undo action of its own from construction on; a cancel undoes it
// silently and puts back the newcomer lists, the id counters and the redo
// history the recording cleared. A run that is kept and was to record into
// the action already open joins that action, as if it had recorded there.

#include "model/UndoAction.h"

#include <vector>

class CSectModel;

class CancellableRun {
public:
    // With newUndoAction false the run's recordings end up in the action that
    // is open now.
    CancellableRun(CSectModel& model, bool newUndoAction);
    // Keeps the run unless it was taken back.
    ~CancellableRun();
    CancellableRun(const CancellableRun&) = delete;
    CancellableRun& operator=(const CancellableRun&) = delete;

    void Keep();
    void TakeBack();

private:
    CSectModel& model_;
    bool newUndoAction_;
    bool settled_ = false;
    int undoTopId_;
    int nextPointId_;
    int nextCurveId_;
    std::vector<int> newcomerPoints_;
    std::vector<int> newcomerCurves_;
    IdMap<T_ACTION_D> redoActions_;
    int redoTopId_;
};
