#pragma once
// Taking back a command that refuses after it has already changed the model:
// the undo actions it opened, the redo history their recording cleared and
// the output lines that reported the work taken back.

#include "model/HeldOutput.h"
#include "model/UserPorts.h"

#include <map>
#include <memory>

class CSectModel;
struct T_ACTION_D;

// From construction on, holds back the model's output lines and keeps the
// redo store aside. Commit lets the command's work stand and prints the held
// lines; RollBack (or the destructor, when neither was called) undoes every
// action opened since, silently, and puts the redo store back.
class CommandRollback {
public:
    explicit CommandRollback(CSectModel& model);
    ~CommandRollback();
    CommandRollback(const CommandRollback&) = delete;
    CommandRollback& operator=(const CommandRollback&) = delete;

    void Commit();
    void RollBack();

private:
    void StopHoldingOutput();

    CSectModel& model_;
    UserPorts ports_;  // as they were before
    int undoTopId_;
    std::map<int, std::unique_ptr<T_ACTION_D>> redoActions_;
    int redoTopId_;
    bool settled_ = false;
    HeldOutput held_;
};
