#pragma once
// The whole input of a Section page dialog as a plain object: the typed
// fields of CToolForm plus the controls nobody types into (radio groups,
// check boxes, drop-down lists, buttons, the colour chooser, the picture),
// each with its state and enabled flag, and the layout its window is built
// in. The window (CSectDialogPanel) mirrors the form and hands the user's
// clicks to Check, Choose, SelectRow, Press and PickColour, so each dialog is
// driven and tested whole without a display.

#include "frame/ToolForm.h"

#include <array>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

enum class SectLayoutKind {
    GroupBegin,
    GroupEnd,
    Label,
    Edit,
    Radio,
    Check,
    ListCombo,
    EditCombo,
    Button,
    Colour,
    Picture,
    Spin,
};

// One item of the layout, top to bottom. A radio's `group` is the id of the
// first radio of its group and `value` its place there; a picture shows the
// drawing of its `group`'s choice; a spin's `group` is
// its buddy field and `value` its highest position (the lowest is 0).
struct SectLayoutItem {
    SectLayoutKind kind;
    int id = 0;
    std::string text;
    int group = 0;
    int value = 0;
    bool across = false;  // a radio group laid out in one row
};

using Rgb = std::array<int, 3>;

class CSectDialogForm : public CToolForm {
public:
    const std::vector<SectLayoutItem>& Layout() const { return layout_; }
    // The window's resync after the form changed a control itself.
    void SetControlsObserver(std::function<void()> observer) { controlsObserver_ = std::move(observer); }

    // The user's clicks and typing; each runs the dialog's reaction.
    void Check(int checkId, bool checked);
    void Choose(int group, int value);
    void SelectRow(int comboId, int row);
    void SetComboText(int comboId, const std::string& text);
    void Press(int buttonId);
    void PickColour(int colourId, const Rgb& colour);

    bool Checked(int checkId) const;
    int Choice(int group) const;
    // -1 when no row is chosen.
    int SelectedRow(int comboId) const;
    const std::vector<std::string>& Rows(int comboId) const;
    std::string ComboText(int comboId) const;
    Rgb Colour(int colourId) const;
    // A field's enabled flag, or a control's.
    bool IsEnabled(int controlId) const;
    // The control the dialog last put the focus on (0: none); the window
    // takes it once.
    int FocusRequest() const { return focusRequest_; }
    int ConsumeFocusRequest() { return std::exchange(focusRequest_, 0); }

    // The resets of every show, run by the row's show step once the window
    // (if any) is made.
    void Show();

protected:
    // Layout builders, in the order the window shows them.
    void BeginGroup(const std::string& title) { layout_.push_back({SectLayoutKind::GroupBegin, 0, title}); }
    void EndGroup() { layout_.push_back({SectLayoutKind::GroupEnd, 0, {}}); }
    void Label(int id, const std::string& text) { layout_.push_back({SectLayoutKind::Label, id, text}); }
    void Edit(int fieldId, const std::string& label = {});
    void Radios(std::initializer_list<std::pair<int, const char*>> radios, bool across = false);
    void CheckBox(int id, const std::string& text);
    void ListCombo(int id);
    void EditCombo(int id);
    void Button(int id, const std::string& text) { layout_.push_back({SectLayoutKind::Button, id, text}); }
    void ColourChooser(int id, const std::string& text, const Rgb& colour);
    void Picture(int id, int radioGroup) { layout_.push_back({SectLayoutKind::Picture, id, {}, radioGroup}); }
    void Spin(int id, int buddyField, int high) { layout_.push_back({SectLayoutKind::Spin, id, {}, buddyField, high}); }

    // Set by the dialog itself: no reaction runs.
    void SetChecked(int checkId, bool checked);
    void SetChoice(int group, int value);
    void SetRows(int comboId, std::vector<std::string> rows);
    void SetColour(int colourId, const Rgb& colour);
    // Fields through the form, other controls here.
    void EnableControls(std::initializer_list<int> controlIds, bool enable);
    // A pick field takes the focus with its behaviour, any other control plainly.
    void FocusControl(int controlId);

    virtual void OnShow() {}
    virtual void OnCheck(int /*checkId*/) {}
    virtual void OnChoice(int /*group*/) {}
    virtual void OnButton(int /*buttonId*/) {}

    void NotifyControls();

private:
    struct ControlState {
        bool enabled = true;
        bool checked = false;
        int selectedRow = -1;
        std::vector<std::string> rows;
        std::string text;
        Rgb colour{0, 0, 0};
    };
    ControlState& State(int controlId) { return controls_[controlId]; }
    const ControlState* FindState(int controlId) const;

    std::vector<SectLayoutItem> layout_;
    std::map<int, ControlState> controls_;
    std::map<int, int> choices_;
    std::function<void()> controlsObserver_;
    int focusRequest_ = 0;
};
