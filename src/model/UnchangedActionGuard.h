#pragma once
// A command that in the end changed nothing is no step to undo. Held over a
// command: on leaving, the actions the command filed that change nothing are
// dropped, and when none is left the redo store comes back as it was, since
// the recording that cleared it recorded nothing that stayed. The redo store
// is kept aside meanwhile. A command that records into its caller's action
// (opensOwnAction false) leaves all that to the caller: the guard does nothing.

#include "model/UndoAction.h"

#include <map>
#include <memory>
#include <string>

class CSectModel;

// "Nothing is changed: <reason>.", the line a command prints in place of its
// report when it changed nothing.
std::string NothingChangedLine(const std::string& reason);

class UnchangedActionGuard {
public:
    explicit UnchangedActionGuard(CSectModel& model, bool opensOwnAction = true);
    ~UnchangedActionGuard();
    UnchangedActionGuard(const UnchangedActionGuard&) = delete;
    UnchangedActionGuard& operator=(const UnchangedActionGuard&) = delete;

    // True when what the command filed so far changes nothing, so that it
    // reports "nothing changed" rather than a change the user cannot undo.
    // Always false for a command that records into its caller's action: the
    // caller tells.
    bool ChangedNothing() const;

    // When the command changed nothing, prints "Nothing is changed: <reason>."
    // in place of its report, so that the user does not take the next Undo
    // for this command's; true then.
    bool ReportIfNothingChanged(const std::string& reason) const;

private:
    CSectModel& model_;
    int undoTopId_;
    std::map<int, std::unique_ptr<T_ACTION_D>> redoActions_;
    int redoTopId_;
    bool stepFiledBefore_;
    bool active_;
};
