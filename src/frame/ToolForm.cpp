#include "frame/ToolForm.h"

#include "frame/CoordinateParsing.h"
#include "frame/DialogNumbers.h"
#include "frame/ToolPageContext.h"
#include "model/UserPorts.h"
#include "view/MouseModes.h"
#include "view/ToolViewPort.h"

const char* const ZERO_COORDINATE_TEXT = "0.000, 0.000";

namespace {

const char* const INPUT_ERROR = "Input error!";

// A form not yet attached to a page has nobody to show a box to.
class NoBoxes : public IMessageBoxPort {
public:
    void ShowMessage(BoxKind, const std::string&) override {}
    bool AskYesNo(const std::string&, bool yesIsDefault) override { return yesIsDefault; }
};

bool ParsePoint(const std::string& text, PlanePoint& point, IMessageBoxPort& boxes)
{
    double xyz[3];
    if (!ParseCoordinate(text, xyz)) {
        boxes.ShowMessage(BoxKind::Information, INPUT_ERROR);
        return false;
    }
    point = {xyz[0], xyz[1]};
    return true;
}

// Reads the field's text into its held value; false after the box.
bool ReadValue(ToolFormField& field, IMessageBoxPort& boxes)
{
    switch (field.kind) {
    case FieldKind::Real:
        return ReadRealField(field.text, field.real, boxes);
    case FieldKind::Integer:
        return ReadIntegerField(field.text, field.integer, boxes);
    case FieldKind::Coordinate:
        return ParsePoint(field.text, field.point, boxes);
    case FieldKind::Text:
        break;
    }
    return true;
}

}  // namespace

ToolFormField& CToolForm::Add(ToolFormField field)
{
    fields_.push_back(std::move(field));
    return fields_.back();
}

ToolFormField& CToolForm::AddCoordinatePick(int controlId, int code, FocusMouseMode mode)
{
    ToolFormField field;
    field.controlId = controlId;
    field.kind = FieldKind::Coordinate;
    field.pickCode = code;
    field.focus = FieldFocus{code, mode};
    field.text = ZERO_COORDINATE_TEXT;
    return Add(std::move(field));
}

ToolFormField& CToolForm::AddIdPick(int controlId, int code, FocusMouseMode mode)
{
    ToolFormField field;
    field.controlId = controlId;
    field.kind = FieldKind::Integer;
    field.pickCode = code;
    field.focus = FieldFocus{code, mode};
    field.text = IntegerFieldText(0);
    return Add(std::move(field));
}

ToolFormField& CToolForm::AddReal(int controlId, double value, std::optional<NamedField> name,
                                  std::optional<FieldFocus> focus)
{
    ToolFormField field;
    field.controlId = controlId;
    field.kind = FieldKind::Real;
    field.name = name;
    field.focus = focus;
    field.real = value;
    field.text = RealFieldText(value);
    return Add(std::move(field));
}

ToolFormField& CToolForm::AddInteger(int controlId, int value)
{
    ToolFormField field;
    field.controlId = controlId;
    field.kind = FieldKind::Integer;
    field.integer = value;
    field.text = IntegerFieldText(value);
    return Add(std::move(field));
}

ToolFormField& CToolForm::AddText(int controlId, const std::string& text)
{
    ToolFormField field;
    field.controlId = controlId;
    field.text = text;
    return Add(std::move(field));
}

const ToolFormField* CToolForm::Field(int controlId) const
{
    for (const ToolFormField& field : fields_) {
        if (field.controlId == controlId)
            return &field;
    }
    return nullptr;
}

ToolFormField* CToolForm::MutableField(int controlId)
{
    return const_cast<ToolFormField*>(Field(controlId));
}

const ToolFormField* CToolForm::PickField(int code) const
{
    for (const ToolFormField& field : fields_) {
        if (field.pickCode != 0 && field.pickCode == code)
            return &field;
    }
    return nullptr;
}

const ToolFormField* CToolForm::Named(NamedField name) const
{
    for (const ToolFormField& field : fields_) {
        if (field.name == name)
            return &field;
    }
    return nullptr;
}

void CToolForm::Notify(const ToolFormField& field)
{
    if (observer_)
        observer_->OnFieldState(field);
}

void CToolForm::SetText(int controlId, const std::string& text)
{
    if (ToolFormField* field = MutableField(controlId))
        field->text = text;
}

void CToolForm::WriteText(int controlId, const std::string& text)
{
    ToolFormField* field = MutableField(controlId);
    if (!field)
        return;
    field->text = text;
    if (observer_)
        observer_->OnFieldText(*field);
}

void CToolForm::WriteReal(int controlId, double value)
{
    if (ToolFormField* field = MutableField(controlId); field && field->kind == FieldKind::Real) {
        field->real = value;
        WriteText(controlId, RealFieldText(value));
    }
}

void CToolForm::SetEnabled(int controlId, bool enabled)
{
    if (ToolFormField* field = MutableField(controlId); field && field->enabled != enabled) {
        field->enabled = enabled;
        Notify(*field);
    }
}

void CToolForm::SetHighlighted(int controlId, bool highlighted)
{
    if (ToolFormField* field = MutableField(controlId); field && field->highlighted != highlighted) {
        field->highlighted = highlighted;
        Notify(*field);
    }
}

void CToolForm::TakeFocus(ToolFormField& field)
{
    if (focusedControl_ != 0 && focusedControl_ != field.controlId)
        SetHighlighted(focusedControl_, false);
    focusedControl_ = field.controlId;
    IToolView* view = context_ ? context_->view : nullptr;
    if (field.focus && view) {
        switch (field.focus->mode) {
        case FocusMouseMode::Keep:
            break;
        case FocusMouseMode::SetNone:
            view->SetMouseMode(MOUSE_NONE);
            break;
        case FocusMouseMode::SaveThenNone:
            view->SetSavedMouseMode(view->MouseMode());
            view->SetMouseMode(MOUSE_NONE);
            break;
        }
        view->SetPickFieldCode(field.focus->code);
    }
    if (field.pickCode != 0)
        SetHighlighted(field.controlId, true);
}

void CToolForm::OnControlFocus(int controlId)
{
    // A focus the form moved itself has already run its behaviour.
    if (controlId == focusedControl_)
        return;
    if (ToolFormField* field = MutableField(controlId))
        TakeFocus(*field);
}

void CToolForm::OnControlFocusLost(int controlId)
{
    // The view's pick field code stays: a click in the view still goes to it.
    if (controlId != focusedControl_)
        return;
    focusedControl_ = 0;
    SetHighlighted(controlId, false);
}

bool CToolForm::SetPickFieldText(int code, const std::string& text)
{
    const ToolFormField* field = PickField(code);
    if (!field)
        return false;
    WriteText(field->controlId, text);
    return true;
}

bool CToolForm::SetPickFieldId(int code, int id)
{
    return SetPickFieldText(code, IntegerFieldText(id < 0 ? 0 : id));
}

bool CToolForm::MoveFocusTo(const ToolFormField* field)
{
    if (!field)
        return false;
    ToolFormField& focused = *MutableField(field->controlId);
    TakeFocus(focused);
    if (observer_)
        observer_->OnFieldFocusMoved(focused);
    return true;
}

bool CToolForm::FocusPickField(int code)
{
    return MoveFocusTo(PickField(code));
}

bool CToolForm::FocusNamedField(NamedField name)
{
    return MoveFocusTo(Named(name));
}

bool CToolForm::FocusControl(int controlId)
{
    return MoveFocusTo(Field(controlId));
}

IMessageBoxPort& CToolForm::Boxes() const
{
    static NoBoxes nobody;
    return context_ && context_->boxes ? *context_->boxes : nobody;
}

bool CToolForm::GetCoordinate(int code, PlanePoint& point)
{
    const ToolFormField* field = PickField(code);
    return field && ParsePoint(field->text, point, Boxes());
}

bool CToolForm::GetFieldCoordinate(int controlId, PlanePoint& point)
{
    const ToolFormField* field = Field(controlId);
    return field && ParsePoint(field->text, point, Boxes());
}

bool CToolForm::GetIdList(int controlId, std::vector<int>& ids)
{
    const ToolFormField* field = Field(controlId);
    if (field && ParseIdList(field->text, ids))
        return true;
    Boxes().ShowMessage(BoxKind::Information, INPUT_ERROR);
    return false;
}

bool CToolForm::ReadFields()
{
    std::deque<ToolFormField> read = fields_;
    for (ToolFormField& field : read) {
        if (field.enabled && !ReadValue(field, Boxes()))
            return false;
    }
    fields_ = std::move(read);
    return true;
}

std::optional<double> CToolForm::ReadReal(int controlId)
{
    ToolFormField* field = MutableField(controlId);
    if (!field || field->kind != FieldKind::Real)
        return std::nullopt;
    if (!field->enabled)
        return field->real;
    ToolFormField read = *field;
    if (!ReadValue(read, Boxes()))
        return std::nullopt;
    field->real = read.real;
    return field->real;
}
