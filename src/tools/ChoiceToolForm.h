#pragma once
// A tool form with the controls that are not typed fields: radio groups,
// check boxes, drop-down lists with the object id each row stands for, spin
// buttons beside number fields, and labels or frames that are only enabled
// and disabled. The dialog window mirrors them (IChoiceObserver); the user's
// clicks reach the form through ClickRadio, ClickCheck, SelectComboRow and
// StepSpin, after which the dialog's rule for that control runs (OnClick).
//
// A dialog's resets at each show (radio groups, check boxes, combo rows,
// defaults) are its OnShow, run by the page's show step once the window is
// made, so the window shows the reset state and tests run it without one.

#include "frame/ToolForm.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// The window over a choice form: told of what the form changes itself.
class IChoiceObserver {
public:
    virtual ~IChoiceObserver() = default;
    // A radio group's value, a check box, a combo's rows or choice, or a
    // control's enabled state changed.
    virtual void OnChoiceState(int controlId) = 0;
    // The form moved the focus to the control.
    virtual void OnChoiceFocus(int controlId) = 0;
};

// A spin button beside an integer text: its range, stepped in whole units.
struct SpinButton {
    int spinId;
    int buddyId;
    int low;
    int high;
};

// The rows of a drop-down list and, parallel to them, the id each stands for.
struct ComboRows {
    std::vector<std::string> texts;
    std::vector<int> ids;
    int selection = -1;
};

class CChoiceToolForm : public CToolForm {
public:
    void SetChoiceObserver(IChoiceObserver* observer) { choiceObserver_ = observer; }

    // The page's show step: the dialog's resets, then its rules.
    virtual void OnShow() {}

    // Radio buttons in value order; the group's value is -1 until set.
    void AddRadioGroup(std::vector<int> buttonIds);
    // The value of the group holding the button; -1 for an unknown button.
    int RadioValue(int buttonId) const;
    // Set by the form; no rule runs.
    void SetRadioValue(int buttonId, int value);
    const std::vector<std::vector<int>>& RadioGroups() const { return radioGroups_; }

    // Check boxes start unchecked.
    void AddCheck(int checkId);
    bool Checked(int checkId) const;
    void SetChecked(int checkId, bool checked);
    const std::map<int, bool>& Checks() const { return checks_; }

    void AddCombo(int comboId);
    // Replaces the rows; none is chosen.
    void SetComboRows(int comboId, std::vector<std::string> texts, std::vector<int> ids);
    const ComboRows& Combo(int comboId) const;
    // The id of the chosen row, -1 when none is chosen.
    int ComboId(int comboId) const;
    const std::map<int, ComboRows>& Combos() const { return combos_; }

    void AddSpin(int spinId, int buddyId, int low, int high);
    const std::vector<SpinButton>& Spins() const { return spins_; }

    // The user's clicks; each runs the dialog's rule for the control.
    void ClickRadio(int buttonId);
    void ClickCheck(int checkId);
    void SelectComboRow(int comboId, int row);
    // One step up (+1) or down (-1) from the buddy's whole number, kept in
    // the spin's range; a buddy that holds no number starts from the low end.
    void StepSpin(int spinId, int direction);

    // Fields, radio buttons, check boxes, combos and plain controls alike.
    void EnableControls(const std::vector<int>& controlIds, bool enable);
    bool IsEnabled(int controlId) const;

    // Moves the focus to a field or control as the dialog's rules do; a
    // field's focus behaviour runs.
    void FocusControl(int controlId);
    // The control the form last moved the focus to; 0 before any move.
    int LastFocusMove() const { return lastFocusMove_; }

protected:
    // A coordinate pick field that ReadFields leaves alone: the apply parses
    // it with GetCoordinate when it needs it, after its selection checks.
    ToolFormField& AddCoordinateText(int controlId, int code, FocusMouseMode mode);
    // The dialog's rule after a click on the control.
    virtual void OnClick(int /*controlId*/) {}
    // Clears the highlight of every pick field.
    void ClearHighlights();

private:
    void NotifyChoice(int controlId);
    ComboRows* MutableCombo(int comboId);

    std::vector<std::vector<int>> radioGroups_;
    std::vector<int> radioValues_;
    std::map<int, bool> checks_;
    std::map<int, ComboRows> combos_;
    std::vector<SpinButton> spins_;
    std::set<int> disabled_;  // controls that are no field
    IChoiceObserver* choiceObserver_ = nullptr;
    int lastFocusMove_ = 0;
};
