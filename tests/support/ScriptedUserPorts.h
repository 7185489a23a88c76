#pragma once
// A stand-in for the user in engine tests: records every box, output line and
// progress call, answers questions from a queue and feeds pending input to the
// cancel poll from another.

#include "model/UserPorts.h"

#include <deque>
#include <string>
#include <vector>

struct RecordedBox {
    BoxKind kind;
    std::string text;
};

struct RecordedQuestion {
    std::string text;
    bool yesIsDefault;
};

class ScriptedUserPorts : public IMessageBoxPort, public IOutputPort, public IProgressPort, public ICancelPort {
public:
    UserPorts Ports() { return UserPorts{this, this, this, this}; }

    // Queue the answers to the next questions (true = Yes). A question asked
    // with nothing queued fails the running test and answers the default.
    void QueueAnswers(std::initializer_list<bool> answers);
    // Queue pending input for the cancel poll; an empty queue reads as no input.
    void QueuePendingMessages(std::initializer_list<PolledMessage> messages);

    std::vector<RecordedBox> boxes;
    std::vector<RecordedQuestion> questions;
    std::vector<std::string> lines;          // the output window as it now reads
    std::vector<std::string> progressCalls;  // "begin N", "set N", "end"
    int polls = 0;                           // looks at the pending input

    std::vector<std::string> BoxTexts() const;
    std::string LastLine() const { return lines.empty() ? std::string() : lines.back(); }
    void ClearRecords();

    void ShowMessage(BoxKind kind, const std::string& text) override;
    bool AskYesNo(const std::string& text, bool yesIsDefault) override;
    void AddMessage(const std::string& line) override;
    void ReplaceLastMessage(const std::string& line) override;
    void ClearMessages() override;
    void BeginProgress(int range) override;
    void SetProgress(int position) override;
    void EndProgress() override;
    PolledMessage TakePendingMessage() override;

private:
    std::deque<bool> answers_;
    std::deque<PolledMessage> pending_;
};
