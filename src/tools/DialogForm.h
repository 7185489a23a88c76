#pragma once
// A tool dialog's whole input as a plain object: the text and number fields
// of CToolForm plus the controls that are not typed into (radio groups, check
// boxes, drop-down lists, buttons, labels and group boxes), each with its
// state and enabled flag, and the layout the window builds them in. The
// window (CDialogFormPanel) mirrors the state and hands the user's clicks to
// Choose, Check, SelectRow and Press, so a dialog is driven and tested whole
// without a display.

#include "frame/ToolForm.h"

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

struct ToolPageContext;

enum class LayoutKind { GroupBegin, GroupEnd, Label, Edit, Radio, Check, Combo, Button };

// One item of the layout, top to bottom. A radio's `group` is the id of the
// first radio of its group and `value` its value there.
struct LayoutItem {
    LayoutKind kind;
    int id = 0;  // 0: a label or group box nobody switches
    std::string text;
    int group = 0;
    int value = 0;
};

// The window over the form: told when a control other than a field changed.
class IDialogControlsObserver {
public:
    virtual ~IDialogControlsObserver() = default;
    virtual void OnControlsChanged() = 0;
};

class CDialogForm : public CToolForm {
public:
    const std::vector<LayoutItem>& Layout() const { return layout_; }
    void SetControlsObserver(IDialogControlsObserver* observer) { controlsObserver_ = observer; }

    // The user's clicks; each runs the dialog's reaction.
    void Choose(int group, int value);
    void Check(int checkId, bool checked);
    void SelectRow(int comboId, int row);
    void Press(int buttonId);

    int Choice(int group) const;
    bool Checked(int checkId) const;
    // -1 when no row is chosen.
    int SelectedRow(int comboId) const;
    const std::vector<std::string>& Rows(int comboId) const;
    // A field's enabled flag, or a control's.
    bool IsEnabled(int controlId) const;

    // Fields through the form, other controls here; the window follows.
    void EnableControls(const std::vector<int>& controlIds, bool enable);

    // Run at every opening of the dialog, after its window is made: the
    // dialog's resets.
    virtual void OnOpen() {}
    // The page's Apply.
    virtual void Apply(ToolPageContext& context) = 0;

protected:
    // Layout builders, in the order the window shows them.
    void BeginGroup(const std::string& title) { layout_.push_back({LayoutKind::GroupBegin, 0, title}); }
    void EndGroup() { layout_.push_back({LayoutKind::GroupEnd, 0, {}}); }
    void Label(int id, const std::string& text) { layout_.push_back({LayoutKind::Label, id, text}); }
    // The field's edit, under a label when the text is not empty.
    void Edit(int fieldId, const std::string& label = {}, int labelId = 0);
    // A radio group: its values are the positions of the texts.
    void Radios(std::initializer_list<std::pair<int, const char*>> radios);
    void CheckBox(int id, const std::string& text, bool checked = false);
    void Combo(int id);
    void Button(int id, const std::string& text) { layout_.push_back({LayoutKind::Button, id, text}); }

    // Set by the dialog itself, not by the user: no reaction runs.
    void SetChoice(int group, int value);
    void SetChecked(int checkId, bool checked);
    void SetRows(int comboId, std::vector<std::string> rows, int selected);

    // Reactions to the user's clicks.
    virtual void OnChoice(int /*group*/) {}
    virtual void OnCheck(int /*checkId*/) {}
    virtual void OnButton(int /*buttonId*/) {}

    // The coordinate fields in order, stopping at the first that fails.
    bool ParseFields(const std::vector<int>& controlIds, std::vector<PlanePoint>& points);
    // The number fields in order (a disabled one gives its held value),
    // stopping at the first the reader refuses.
    bool ReadReals(const std::vector<int>& controlIds, std::vector<double>& values);

    void NotifyControls();

private:
    struct ControlState {
        bool enabled = true;
        bool checked = false;
        int selectedRow = -1;
        std::vector<std::string> rows;
    };

    std::vector<LayoutItem> layout_;
    std::map<int, ControlState> controls_;
    std::map<int, int> choices_;
    IDialogControlsObserver* controlsObserver_ = nullptr;
};
