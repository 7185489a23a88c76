#include "model/UnchangedActionGuard.h"

#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <utility>

UnchangedActionGuard::UnchangedActionGuard(CSectModel& model, bool opensOwnAction)
    : model_(model), undoTopId_(model.m_undoTopId), redoTopId_(model.m_redoTopId),
      stepFiledBefore_(model.m_undoStepFiled), active_(opensOwnAction)
{
    if (!active_)
        return;
    redoActions_ = std::move(model.m_redoActions);
    model_.m_redoActions.clear();
    model_.m_redoTopId = 0;
}

UnchangedActionGuard::~UnchangedActionGuard()
{
    if (!active_)
        return;
    model_.DiscardUnchangedUndoActionsAbove(undoTopId_);
    // Only a command that filed nothing gives the redo history back; one that
    // did has replaced it, as every recording does.
    if (model_.m_undoTopId == undoTopId_) {
        model_.m_redoActions = std::move(redoActions_);
        model_.m_redoTopId = redoTopId_;
        model_.m_undoStepFiled = stepFiledBefore_;
    }
}

std::string NothingChangedLine(const std::string& reason)
{
    return FormatText("Nothing is changed: %s.", reason.c_str());
}

bool UnchangedActionGuard::ChangedNothing() const
{
    return active_ && model_.UndoActionsAboveChangeNothing(undoTopId_);
}

bool UnchangedActionGuard::ReportIfNothingChanged(const std::string& reason) const
{
    if (!ChangedNothing())
        return false;
    model_.m_reporter.PrintOutput(NothingChangedLine(reason));
    return true;
}
