#pragma once
// "Pause Mode": shown by the calculation after a plane section when the user
// asked to pause after each. The modal run returns the choice, a
// CalcPauseChoice: "Continue" (or "Finish" after the last plane section, when
// the other two are disabled) and Enter give 1; "Pause No More", Escape and
// the close box 2; "Stop" 3. Enter on a focused button presses that button.

#include "calc/DocumentHost.h"

#include <wx/dialog.h>

#include <string>

enum CalcPauseControl { ID_PAUSE_TEXT = 1206, ID_PAUSE_CONTINUE = 1207, ID_PAUSE_NO_MORE = 2, ID_PAUSE_STOP = 3 };

class CCalcPause : public wxDialog {
public:
    CCalcPause(wxWindow* parent, const std::string& message, bool lastSection);

private:
    void OnCharHook(wxKeyEvent& event);
};

// The pause question as the frame asks it: the dialog over the main window,
// run modally; its choice. A run ended from outside, as a cancel, counts as
// "Pause No More".
int AskCalcPauseDialog(const std::string& message, bool lastSection);
