#include "tools/DialogForm.h"

#include "frame/DialogNumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

const ComboRows NO_ROWS;

// The whole number a buddy text shows, or nothing.
std::optional<long> WholeNumberOf(const std::string& text)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    while (begin != end && *begin == ' ')
        ++begin;
    double value = 0.0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop == begin || !std::isfinite(value) || std::fabs(value) > 1e9)
        return std::nullopt;
    return std::lround(value);
}

}  // namespace

void CDialogForm::NotifyControls()
{
    if (dialogObserver_)
        dialogObserver_->OnControlsChanged();
}

void CDialogForm::Show()
{
    OnShow();
    NotifyControls();
}

// ---- registration and layout

void CDialogForm::AddRadioGroup(std::vector<int> buttonIds, int value)
{
    radioGroups_.push_back(std::move(buttonIds));
    radioValues_.push_back(value);
}

void CDialogForm::AddCheck(int checkId, bool checked)
{
    controls_[checkId].checked = checked;
}

void CDialogForm::AddCombo(int comboId)
{
    controls_[comboId];
    comboIds_.push_back(comboId);
}

void CDialogForm::AddSpin(int spinId, int buddyId, int low, int high)
{
    spins_.push_back(SpinButton{spinId, buddyId, low, high});
}

void CDialogForm::SwitchWithCheck(int checkId, std::vector<int> controlIds)
{
    checkSwitches_[checkId] = std::move(controlIds);
}

void CDialogForm::BeginGroup(const std::string& title, int boxId)
{
    layout_.push_back({DialogItemKind::BoxBegin, boxId, title});
}

void CDialogForm::Edit(int fieldId, const std::string& label, int labelId)
{
    if (!label.empty())
        Label(labelId, label);
    layout_.push_back({DialogItemKind::Edit, fieldId});
}

void CDialogForm::Radios(const std::vector<std::pair<int, std::string>>& radios, bool across)
{
    std::vector<int> buttons;
    for (const auto& [id, text] : radios) {
        DialogItem item{DialogItemKind::Radio, id, text};
        item.across = across;
        layout_.push_back(std::move(item));
        buttons.push_back(id);
    }
    AddRadioGroup(std::move(buttons), 0);
}

void CDialogForm::CheckBox(int id, const std::string& text, bool checked)
{
    layout_.push_back({DialogItemKind::Check, id, text});
    AddCheck(id, checked);
}

void CDialogForm::ListCombo(int id)
{
    layout_.push_back({DialogItemKind::Combo, id});
    AddCombo(id);
}

void CDialogForm::EditCombo(int id)
{
    layout_.push_back({DialogItemKind::EditCombo, id});
    AddCombo(id);
}

void CDialogForm::Button(int id, const std::string& text)
{
    layout_.push_back({DialogItemKind::Button, id, text});
}

void CDialogForm::AddItems(const std::vector<DialogItem>& items)
{
    layout_.insert(layout_.end(), items.begin(), items.end());
}

void CDialogForm::ColourChooser(int id, const std::string& text, const Rgb& colour)
{
    layout_.push_back({DialogItemKind::Colour, id, text});
    controls_[id].colour = colour;
}

void CDialogForm::Picture(int id, int radioGroup)
{
    DialogItem item{DialogItemKind::Picture, id};
    item.group = radioGroup;
    layout_.push_back(std::move(item));
}

void CDialogForm::Spin(int id, int buddyField, int high)
{
    layout_.push_back({DialogItemKind::Spin, id});
    AddSpin(id, buddyField, 0, high);
}

// ---- the user's clicks

void CDialogForm::ClickRadio(int buttonId)
{
    size_t group = 0;
    size_t position = 0;
    if (!FindRadio(buttonId, group, position))
        return;
    SetChoice(buttonId, static_cast<int>(position));
    OnClick(buttonId);
}

void CDialogForm::Choose(int group, int value)
{
    size_t index = 0;
    size_t position = 0;
    if (!FindRadio(group, index, position) || value < 0 || static_cast<size_t>(value) >= radioGroups_[index].size())
        return;
    ClickRadio(radioGroups_[index][static_cast<size_t>(value)]);
}

void CDialogForm::Check(int checkId, bool checked)
{
    SetChecked(checkId, checked);
    OnClick(checkId);
}

void CDialogForm::SelectRow(int comboId, int row)
{
    const auto found = controls_.find(comboId);
    if (found == controls_.end())
        return;
    ComboRows& combo = found->second.combo;
    combo.selection = row >= 0 && static_cast<size_t>(row) < combo.texts.size() ? row : -1;
    combo.text = combo.selection < 0 ? std::string() : combo.texts[static_cast<size_t>(combo.selection)];
    NotifyControls();
    OnClick(comboId);
}

void CDialogForm::Press(int buttonId)
{
    OnClick(buttonId);
}

void CDialogForm::StepSpin(int spinId, int direction)
{
    const auto spin = std::find_if(spins_.begin(), spins_.end(),
                                   [spinId](const SpinButton& candidate) { return candidate.spinId == spinId; });
    if (spin == spins_.end())
        return;
    const ToolFormField* buddy = Field(spin->buddyId);
    if (!buddy)
        return;
    const std::optional<long> shown = WholeNumberOf(buddy->text);
    const long next = shown ? *shown + (direction < 0 ? -1 : 1) : spin->low;
    WriteText(spin->buddyId, IntegerFieldText(static_cast<int>(std::clamp<long>(next, spin->low, spin->high))));
}

void CDialogForm::SetComboText(int comboId, const std::string& text)
{
    controls_[comboId].combo.text = text;
}

void CDialogForm::PickColour(int colourId, const Rgb& colour)
{
    controls_[colourId].colour = colour;
}

// ---- state

bool CDialogForm::FindRadio(int buttonId, size_t& group, size_t& position) const
{
    for (group = 0; group < radioGroups_.size(); ++group) {
        const std::vector<int>& buttons = radioGroups_[group];
        const auto found = std::find(buttons.begin(), buttons.end(), buttonId);
        if (found != buttons.end()) {
            position = static_cast<size_t>(found - buttons.begin());
            return true;
        }
    }
    return false;
}

int CDialogForm::Choice(int buttonId) const
{
    size_t group = 0;
    size_t position = 0;
    return FindRadio(buttonId, group, position) ? radioValues_[group] : -1;
}

int CDialogForm::GroupOf(int buttonId) const
{
    size_t group = 0;
    size_t position = 0;
    return FindRadio(buttonId, group, position) ? radioGroups_[group].front() : 0;
}

int CDialogForm::RadioPosition(int buttonId) const
{
    size_t group = 0;
    size_t position = 0;
    return FindRadio(buttonId, group, position) ? static_cast<int>(position) : -1;
}

const CDialogForm::ControlState* CDialogForm::FindState(int controlId) const
{
    const auto found = controls_.find(controlId);
    return found == controls_.end() ? nullptr : &found->second;
}

bool CDialogForm::Checked(int checkId) const
{
    const ControlState* state = FindState(checkId);
    return state && state->checked;
}

const ComboRows& CDialogForm::Combo(int comboId) const
{
    const ControlState* state = FindState(comboId);
    return state ? state->combo : NO_ROWS;
}

int CDialogForm::ComboId(int comboId) const
{
    const ComboRows& combo = Combo(comboId);
    if (combo.selection < 0 || static_cast<size_t>(combo.selection) >= combo.ids.size())
        return -1;
    return combo.ids[static_cast<size_t>(combo.selection)];
}

Rgb CDialogForm::Colour(int colourId) const
{
    const ControlState* state = FindState(colourId);
    return state ? state->colour : Rgb{0, 0, 0};
}

bool CDialogForm::IsEnabled(int controlId) const
{
    if (const ToolFormField* field = Field(controlId))
        return field->enabled;
    return !disabled_.count(controlId);
}

// ---- set by the dialog

void CDialogForm::SetChoice(int buttonId, int value)
{
    size_t group = 0;
    size_t position = 0;
    if (!FindRadio(buttonId, group, position))
        return;
    radioValues_[group] = value;
    NotifyControls();
}

void CDialogForm::SetChecked(int checkId, bool checked)
{
    controls_[checkId].checked = checked;
    NotifyControls();
    if (const auto switched = checkSwitches_.find(checkId); switched != checkSwitches_.end())
        EnableControls(switched->second, checked);
}

void CDialogForm::SetComboRows(int comboId, std::vector<std::string> texts, std::vector<int> ids)
{
    const auto found = controls_.find(comboId);
    if (found == controls_.end())
        return;
    found->second.combo = ComboRows{std::move(texts), std::move(ids), -1, {}};
    NotifyControls();
}

void CDialogForm::SetColour(int colourId, const Rgb& colour)
{
    controls_[colourId].colour = colour;
    NotifyControls();
}

void CDialogForm::EnableControls(const std::vector<int>& controlIds, bool enable)
{
    bool changed = false;
    for (int id : controlIds) {
        if (Field(id))
            SetEnabled(id, enable);
        else
            changed |= enable ? disabled_.erase(id) > 0 : disabled_.insert(id).second;
    }
    if (changed)
        NotifyControls();
}

void CDialogForm::FocusControl(int controlId)
{
    lastFocusMove_ = controlId;
    OnControlFocus(controlId);
    if (dialogObserver_)
        dialogObserver_->OnControlFocusRequest(controlId);
}

// ---- fields

ToolFormField& CDialogForm::AddCoordinateText(int controlId, int code, FocusMouseMode mode)
{
    ToolFormField& field = AddCoordinatePick(controlId, code, mode);
    field.kind = FieldKind::Text;
    return field;
}

void CDialogForm::ClearHighlights()
{
    for (const ToolFormField& field : Fields()) {
        if (field.pickCode != 0)
            SetHighlighted(field.controlId, false);
    }
}

bool CDialogForm::ParseFields(const std::vector<int>& controlIds, std::vector<PlanePoint>& points)
{
    points.clear();
    for (int id : controlIds) {
        PlanePoint point{};
        if (!GetFieldCoordinate(id, point))
            return false;
        points.push_back(point);
    }
    return true;
}

bool CDialogForm::ReadReals(const std::vector<int>& controlIds, std::vector<double>& values)
{
    values.clear();
    for (int id : controlIds) {
        const std::optional<double> value = ReadReal(id);
        if (!value)
            return false;
        values.push_back(*value);
    }
    return true;
}
