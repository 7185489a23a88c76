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
    : model_(model), undoSteps_(model), ports_(model.m_reporter.Ports())
{
    UserPorts holding = ports_;
    holding.output = this;
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
    undoSteps_.Settle();
    for (const std::string& line : lines_)
        model_.m_reporter.PrintOutput(line, 0);
}

void CommandRollback::RollBack()
{
    if (settled_)
        return;
    settled_ = true;
    StopHoldingOutput();
    model_.RevertUndoActionsAbove(undoSteps_.UndoTopIdBefore());
    undoSteps_.Settle();
}

void CommandRollback::StopHoldingOutput()
{
    model_.m_reporter.SetPorts(ports_);
}

void CommandRollback::AddMessage(const std::string& line)
{
    lines_.push_back(line);
}

void CommandRollback::ReplaceLastMessage(const std::string& line)
{
    if (lines_.empty())
        lines_.push_back(line);
    else
        lines_.back() = line;
}

void CommandRollback::ClearMessages()
{
    lines_.clear();
}
