#include "view/support/RecordingDocumentFrame.h"

#include <algorithm>

CalcPauseChoice RecordingDocumentFrame::AskCalcPause(const std::string& text, bool lastSection)
{
    Record("AskCalcPause " + text + (lastSection ? " (last)" : ""));
    if (pauseChoices.empty())
        return PAUSE_CONTINUE;
    const CalcPauseChoice choice = pauseChoices.front();
    pauseChoices.pop_front();
    return choice;
}

int RecordingDocumentFrame::Count(const std::string& call) const
{
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

void RecordingDocumentFrame::Record(const std::string& call)
{
    calls.push_back(call);
    if (onCall)
        onCall(call);
}
