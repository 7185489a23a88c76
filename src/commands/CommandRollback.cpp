#include "commands/CommandRollback.h"

#include "model/SectModel.h"

void CSectModel::RevertUndoActionsAbove(int undoTopId)
{
    while (m_undoTopId > undoTopId) {
        if (!Undo(false))
            break;
        // The inverse Undo just filed is the newest redo action: a refusal
        // has nothing to redo.
        m_redoActions.erase(m_redoTopId);
        --m_redoTopId;
    }
}

CommandRollback::CommandRollback(CSectModel& model)
    : model_(model), ports_(model.m_reporter.Ports()), undoTopId_(model.m_undoTopId),
      redoActions_(std::move(model.m_redoActions)), redoTopId_(model.m_redoTopId)
{
    model_.m_redoActions.clear();
    model_.m_redoTopId = 0;
    UserPorts holding = ports_;
    holding.output = &held_;
    model_.m_reporter.SetPorts(holding);
}

CommandRollback::~CommandRollback()
{
    if (!settled_)
        RollBack();
}

void CommandRollback::Commit()
{
    if (settled_)
        return;
    settled_ = true;
    StopHoldingOutput();
    // New work leaves nothing to redo, as any recording does.
    if (model_.m_undoTopId == undoTopId_) {
        model_.m_redoActions = std::move(redoActions_);
        model_.m_redoTopId = redoTopId_;
    }
    for (const std::string& line : held_.lines)
        model_.m_reporter.PrintOutput(line, 0);
}

void CommandRollback::RollBack()
{
    if (settled_)
        return;
    settled_ = true;
    StopHoldingOutput();
    model_.RevertUndoActionsAbove(undoTopId_);
    model_.m_redoActions = std::move(redoActions_);
    model_.m_redoTopId = redoTopId_;
}

void CommandRollback::StopHoldingOutput()
{
    model_.m_reporter.SetPorts(ports_);
}
