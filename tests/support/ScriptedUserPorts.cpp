#include "support/ScriptedUserPorts.h"

#include <gtest/gtest.h>

void ScriptedUserPorts::QueueAnswers(std::initializer_list<bool> answers)
{
    answers_.insert(answers_.end(), answers);
}

void ScriptedUserPorts::QueuePendingMessages(std::initializer_list<PolledMessage> messages)
{
    pending_.insert(pending_.end(), messages);
}

std::vector<std::string> ScriptedUserPorts::BoxTexts() const
{
    std::vector<std::string> texts;
    for (const RecordedBox& box : boxes)
        texts.push_back(box.text);
    return texts;
}

void ScriptedUserPorts::ClearRecords()
{
    boxes.clear();
    questions.clear();
    lines.clear();
    progressCalls.clear();
    polls = 0;
}

void ScriptedUserPorts::ShowMessage(BoxKind kind, const std::string& text)
{
    boxes.push_back({kind, text});
}

bool ScriptedUserPorts::AskYesNo(const std::string& text, bool yesIsDefault)
{
    questions.push_back({text, yesIsDefault});
    if (answers_.empty()) {
        ADD_FAILURE() << "Unexpected question: " << text;
        return yesIsDefault;
    }
    const bool answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void ScriptedUserPorts::AddMessage(const std::string& line)
{
    lines.push_back(line);
}

void ScriptedUserPorts::ReplaceLastMessage(const std::string& line)
{
    if (lines.empty())
        lines.push_back(line);
    else
        lines.back() = line;
}

void ScriptedUserPorts::ClearMessages()
{
    lines.clear();
}

void ScriptedUserPorts::BeginProgress(int range)
{
    progressCalls.push_back("begin " + std::to_string(range));
}

void ScriptedUserPorts::SetProgress(int position)
{
    progressCalls.push_back("set " + std::to_string(position));
}

void ScriptedUserPorts::EndProgress()
{
    progressCalls.push_back("end");
}

PolledMessage ScriptedUserPorts::TakePendingMessage()
{
    ++polls;
    if (pending_.empty())
        return PolledMessage::QueueEmpty;
    const PolledMessage message = pending_.front();
    pending_.pop_front();
    return message;
}
