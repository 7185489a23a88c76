#pragma once
// Taking back a DXF read the user cancelled: the points and curves it made,
// the newcomers it listed, the ids it issued and the redo history its
// recording cleared. The import's own undo action, opened before the read,
// stays for the import command to settle.

#include "model/UndoAction.h"

#include <cstddef>

class CSectModel;

class DxfReadRollback {
public:
    explicit DxfReadRollback(CSectModel& model);
    ~DxfReadRollback();
    DxfReadRollback(const DxfReadRollback&) = delete;
    DxfReadRollback& operator=(const DxfReadRollback&) = delete;

    // The read stands; the redo history comes back only if it made nothing.
    void Keep();
    void TakeBack();

private:
    void RestoreRedoStore();

    CSectModel& model_;
    bool settled_ = false;
    int nextPointId_;
    int nextCurveId_;
    int undoTopId_;
    std::size_t createdPoints_ = 0;  // in the open action
    std::size_t createdCurves_ = 0;
    std::size_t newcomerPoints_;
    std::size_t newcomerCurves_;
    IdMap<T_ACTION_D> redoActions_;
    int redoTopId_;
};
