#pragma once
// The plain form under a tool dialog: its fields in reading order, each with
// its text, enabled state and the value held since the last reading; the
// pick fields by code, with what their focus does to the view; the plain
// fields the pick dispatch may move the focus to. The wx dialog mirrors the
// form (CToolDialogPanel), so the whole of a dialog's input is driven and
// tested without a window.
//
// Reading: the enabled fields in order, numbers with the dialogs' number
// reader, coordinates with the coordinate parser. The first refusal shows its
// box, ends the reading and leaves every held value as it was. A disabled
// field is neither read nor checked: it keeps its held value.

#include "frame/PickTarget.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

struct ToolPageContext;
class IMessageBoxPort;

enum class FieldKind { Text, Real, Integer, Coordinate };

// What a focused field does to the view's mouse mode.
enum class FocusMouseMode { Keep, SetNone, SaveThenNone };

// A field's focus behaviour: the code it writes into the view's pick field
// code (0 clears it) and its mouse-mode behaviour.
struct FieldFocus {
    int code;
    FocusMouseMode mode;
};

struct ToolFormField {
    int controlId = 0;
    FieldKind kind = FieldKind::Text;
    int pickCode = 0;  // 0: not a pick field
    std::optional<NamedField> name;
    std::optional<FieldFocus> focus;
    std::string text;
    bool enabled = true;
    bool highlighted = false;
    // Held values, of the field's kind.
    double real = 0.0;
    int integer = 0;
    PlanePoint point{0.0, 0.0};

    // Every pick field but an id pick is written the coordinates picked.
    bool TakesPickedCoordinates() const { return pickCode != 0 && kind != FieldKind::Integer; }
};

// The window over a form: told of what the form changes itself.
class IToolFormObserver {
public:
    virtual ~IToolFormObserver() = default;
    // A text written by the form (a pick, a reset), not by typing.
    virtual void OnFieldText(const ToolFormField& field) = 0;
    // Enabled state or highlight changed.
    virtual void OnFieldState(const ToolFormField& field) = 0;
    // The form moved the focus to the field.
    virtual void OnFieldFocusMoved(const ToolFormField& field) = 0;
};

// The text of a new coordinate pick field.
extern const char* const ZERO_COORDINATE_TEXT;

class CToolForm : public IPickTarget {
public:
    CToolForm() = default;
    CToolForm(const CToolForm&) = delete;
    CToolForm& operator=(const CToolForm&) = delete;
    ~CToolForm() override = default;

    // The page hands its context before the form's dialog is first shown.
    void Attach(ToolPageContext* context) { context_ = context; }
    ToolPageContext* Context() const { return context_; }
    void SetObserver(IToolFormObserver* observer) { observer_ = observer; }

    // Fields in reading order.
    ToolFormField& AddCoordinatePick(int controlId, int code, FocusMouseMode mode);
    ToolFormField& AddIdPick(int controlId, int code, FocusMouseMode mode);
    ToolFormField& AddReal(int controlId, double value, std::optional<NamedField> name = std::nullopt,
                           std::optional<FieldFocus> focus = std::nullopt);
    ToolFormField& AddInteger(int controlId, int value);
    ToolFormField& AddText(int controlId, const std::string& text);

    const std::deque<ToolFormField>& Fields() const { return fields_; }
    const ToolFormField* Field(int controlId) const;
    const ToolFormField* PickField(int code) const;
    const ToolFormField* Named(NamedField name) const;

    // Typing into a field; always allowed.
    void SetText(int controlId, const std::string& text);
    // Written by the form itself; the window shows it.
    void WriteText(int controlId, const std::string& text);
    // A real field reset by its dialog: text and held value.
    void WriteReal(int controlId, double value);
    void SetEnabled(int controlId, bool enabled);
    void SetHighlighted(int controlId, bool highlighted);

    // The window's focus events.
    void OnControlFocus(int controlId);
    void OnControlFocusLost(int controlId);

    // IPickTarget
    bool SetPickFieldText(int code, const std::string& text) override;
    bool SetPickFieldId(int code, int id) override;
    bool FocusPickField(int code) override;
    bool FocusNamedField(NamedField name) override;
    // Moves the focus to any field of the form, as the dialog itself does.
    bool FocusControl(int controlId);

    // The coordinate of a pick field (x and y); false after "Input error!".
    bool GetCoordinate(int code, PlanePoint& point);
    // The coordinate typed into any field, by its control id; likewise.
    bool GetFieldCoordinate(int controlId, PlanePoint& point);
    // The ids of a field's list; false after "Input error!".
    bool GetIdList(int controlId, std::vector<int>& ids);
    // Reads every enabled field; false after the first refusal's box, with
    // the held values unchanged.
    bool ReadFields();
    // Reads one real field (the held value when it is disabled); empty after
    // its box.
    std::optional<double> ReadReal(int controlId);

protected:
    IMessageBoxPort& Boxes() const;

private:
    ToolFormField* MutableField(int controlId);
    ToolFormField& Add(ToolFormField field);
    // Runs the field's focus behaviour on the view and highlights it.
    void TakeFocus(ToolFormField& field);
    // The form moves the focus: the behaviour runs, then the window follows.
    bool MoveFocusTo(const ToolFormField* field);
    void Notify(const ToolFormField& field);

    std::deque<ToolFormField> fields_;
    ToolPageContext* context_ = nullptr;
    IToolFormObserver* observer_ = nullptr;
    int focusedControl_ = 0;
};
