#pragma once
// A tool dialog's whole input as a plain object: the typed fields of
// CToolForm plus the controls nobody types into (radio groups, check boxes,
// drop-down lists, spin buttons, push buttons, the colour chooser, labels and
// group boxes), each with its state and enabled flag, and the layout its
// window is built from (DialogItem, top to bottom). The window
// (CDialogFormPanel) mirrors the form and hands the user's clicks to
// ClickRadio, Check, SelectRow, Press, StepSpin, SetComboText and PickColour;
// each click then runs the dialog's rule for that control (OnClick), so a
// dialog is driven and tested whole without a display.
//
// The resets of every show are the dialog's OnShow, run through Show by the
// page's show step once the window is made, so the window shows the reset
// state and tests run it without one. A form changes its controls through
// the setters; the window follows each change.

#include "frame/ToolForm.h"

#include <array>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

enum class DialogItemKind {
    Label,
    Edit,       // a field's edit; `text` is a label beside it (`labelId` when switched)
    Spin,       // beside the edit laid out before it; its range is the form's AddSpin
    Radio,      // a button of one of the form's radio groups
    Check,
    Combo,      // a drop-down list
    EditCombo,  // a drop-down list whose text can be typed
    Button,
    Colour,     // a colour chooser under its label `text`
    Picture,    // the drawing of the choice of the radio group `group`
    BoxBegin,   // a framed group box titled `text`
    BoxEnd,
};

// One item of a layout; an id of 0 or less is a control nobody switches.
struct DialogItem {
    DialogItem(DialogItemKind itemKind, int itemId = 0, std::string itemText = {}, int itemLabelId = 0)
        : kind(itemKind), id(itemId), text(std::move(itemText)), labelId(itemLabelId)
    {
    }

    DialogItemKind kind;
    int id;
    std::string text;
    int labelId;
    int group = 0;  // a Picture's radio group
    // A Radio laid out in one row with the rest of its group; a Button beside
    // the edit laid out before it.
    bool across = false;
    int width = 0;  // an Edit's or Combo's width, which it keeps; 0 for the layout's own
};

// A spin button beside an integer text: its range, stepped in whole units.
struct SpinButton {
    int spinId;
    int buddyId;
    int low;
    int high;
};

// The rows of a drop-down list, the id each stands for (when the dialog
// keeps them), the chosen row and, for an editable list, its text.
struct ComboRows {
    std::vector<std::string> texts;
    std::vector<int> ids;
    int selection = -1;
    std::string text;
};

using Rgb = std::array<int, 3>;

// The window over a dialog form: told of what the form changes itself.
class IDialogFormObserver {
public:
    virtual ~IDialogFormObserver() = default;
    // A radio group, check box, combo, colour or enabled state changed.
    virtual void OnControlsChanged() = 0;
    // The form moved the focus to the control.
    virtual void OnControlFocusRequest(int controlId) = 0;
};

class CDialogForm : public CToolForm {
public:
    const std::vector<DialogItem>& Layout() const { return layout_; }
    void SetDialogObserver(IDialogFormObserver* observer) { dialogObserver_ = observer; }

    // The page's show step: the dialog's resets, then the window follows.
    void Show();

    // The user's clicks; each runs the dialog's rule for the control.
    void ClickRadio(int buttonId);
    // Clicks the group's button at `value`.
    void Choose(int group, int value);
    void Check(int checkId, bool checked);
    void ClickCheck(int checkId) { Check(checkId, !Checked(checkId)); }
    void SelectRow(int comboId, int row);
    void Press(int buttonId);
    // One step up (+1) or down (-1) from the buddy's whole number, kept in
    // the spin's range; a buddy that holds no number starts from the low end.
    void StepSpin(int spinId, int direction);
    // Typing into an editable list and choosing a colour run no rule.
    void SetComboText(int comboId, const std::string& text);
    void PickColour(int colourId, const Rgb& colour);

    // The value (button position) of the group holding the button; -1 for an
    // unknown button.
    int Choice(int buttonId) const;
    // The first button of the group holding the button; 0 for none.
    int GroupOf(int buttonId) const;
    // The button's position in its group; -1 for an unknown button.
    int RadioPosition(int buttonId) const;
    const std::vector<std::vector<int>>& RadioGroups() const { return radioGroups_; }
    bool Checked(int checkId) const;
    [[nodiscard]] const ComboRows& Combo(int comboId) const;
    // The drop-down lists, in the order the dialog added them.
    const std::vector<int>& ComboIds() const { return comboIds_; }
    const std::vector<std::string>& Rows(int comboId) const { return Combo(comboId).texts; }
    // -1 when no row is chosen.
    int SelectedRow(int comboId) const { return Combo(comboId).selection; }
    // The id of the chosen row, -1 when none is chosen.
    int ComboId(int comboId) const;
    const std::string& ComboText(int comboId) const { return Combo(comboId).text; }
    Rgb Colour(int colourId) const;
    const std::vector<SpinButton>& Spins() const { return spins_; }
    // A field's enabled flag, or a control's.
    bool IsEnabled(int controlId) const;

    // Fields through the form, other controls here.
    void EnableControls(const std::vector<int>& controlIds, bool enable);
    // Moves the focus to a field or control as the dialog's rules do; a
    // field's focus behaviour runs.
    void FocusControl(int controlId);
    // The control the form last moved the focus to; 0 before any move.
    int LastFocusMove() const { return lastFocusMove_; }

protected:
    // Controls whose place the page's own items give (ItemsDialog) rather
    // than the form's layout. A radio group's value is -1 until set.
    void AddRadioGroup(std::vector<int> buttonIds, int value = -1);
    void AddCheck(int checkId, bool checked = false);
    void AddCombo(int comboId);
    void AddSpin(int spinId, int buddyId, int low, int high);
    // The check box enables the controls exactly while it is checked, by the
    // user's click or by the dialog's own SetChecked.
    void SwitchWithCheck(int checkId, std::vector<int> controlIds);

    // Layout builders, in the order the window shows them; each adds its control.
    void BeginGroup(const std::string& title, int boxId = 0);
    void EndGroup() { layout_.push_back({DialogItemKind::BoxEnd}); }
    void Label(int id, const std::string& text) { layout_.push_back({DialogItemKind::Label, id, text}); }
    // The field's edit, under a label when the text is not empty.
    void Edit(int fieldId, const std::string& label = {}, int labelId = 0);
    // A radio group, its values the positions of the texts, the first chosen.
    void Radios(const std::vector<std::pair<int, std::string>>& radios, bool across = false);
    void CheckBox(int id, const std::string& text, bool checked = false);
    void ListCombo(int id);
    void EditCombo(int id);
    // A button as wide as its text needs.
    void Button(int id, const std::string& text);
    // Items laid out as they are.
    void AddItems(const std::vector<DialogItem>& items);
    void ColourChooser(int id, const std::string& text, const Rgb& colour);
    void Picture(int id, int radioGroup);
    // A spin beside the edit laid out last, from 0 to `high`.
    void Spin(int id, int buddyField, int high);

    // Set by the dialog itself: no OnClick rule runs (a check's switch does).
    void SetChoice(int buttonId, int value);
    void SetChecked(int checkId, bool checked);
    // Replaces the rows; none is chosen.
    void SetComboRows(int comboId, std::vector<std::string> texts, std::vector<int> ids = {});
    void SetColour(int colourId, const Rgb& colour);

    // A coordinate pick field that ReadFields leaves alone: the apply parses
    // it with GetCoordinate when it needs it, after its selection checks.
    ToolFormField& AddCoordinateText(int controlId, int code, FocusMouseMode mode);
    // Clears the highlight of every pick field.
    void ClearHighlights();
    // The coordinate fields in order, stopping at the first that fails.
    bool ParseFields(const std::vector<int>& controlIds, std::vector<PlanePoint>& points);
    // The number fields in order (a disabled one gives its held value),
    // stopping at the first the reader refuses.
    bool ReadReals(const std::vector<int>& controlIds, std::vector<double>& values);

    // The dialog's resets at each show.
    virtual void OnShow() {}
    // The dialog's rule after a click on the control (for a radio group, the
    // button clicked).
    virtual void OnClick(int /*controlId*/) {}

private:
    struct ControlState {
        bool checked = false;
        ComboRows combo;
        Rgb colour{0, 0, 0};
    };
    void NotifyControls();
    // The group's index and the button's position in it; false for none.
    bool FindRadio(int buttonId, size_t& group, size_t& position) const;
    const ControlState* FindState(int controlId) const;

    std::vector<DialogItem> layout_;
    std::vector<std::vector<int>> radioGroups_;
    std::vector<int> radioValues_;
    std::map<int, ControlState> controls_;
    std::vector<int> comboIds_;
    std::map<int, std::vector<int>> checkSwitches_;
    std::vector<SpinButton> spins_;
    std::set<int> disabled_;  // controls that are no field
    IDialogFormObserver* dialogObserver_ = nullptr;
    int lastFocusMove_ = 0;
};
