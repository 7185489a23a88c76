#include "tools/ChoiceToolForm.h"

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

void CChoiceToolForm::NotifyChoice(int controlId)
{
    if (choiceObserver_)
        choiceObserver_->OnChoiceState(controlId);
}

void CChoiceToolForm::AddRadioGroup(std::vector<int> buttonIds)
{
    radioGroups_.push_back(std::move(buttonIds));
    radioValues_.push_back(-1);
}

int CChoiceToolForm::RadioValue(int buttonId) const
{
    for (size_t group = 0; group < radioGroups_.size(); ++group) {
        if (std::count(radioGroups_[group].begin(), radioGroups_[group].end(), buttonId))
            return radioValues_[group];
    }
    return -1;
}

void CChoiceToolForm::SetRadioValue(int buttonId, int value)
{
    for (size_t group = 0; group < radioGroups_.size(); ++group) {
        const std::vector<int>& buttons = radioGroups_[group];
        if (!std::count(buttons.begin(), buttons.end(), buttonId))
            continue;
        radioValues_[group] = value;
        for (int button : buttons)
            NotifyChoice(button);
        return;
    }
}

void CChoiceToolForm::ClickRadio(int buttonId)
{
    for (size_t group = 0; group < radioGroups_.size(); ++group) {
        const std::vector<int>& buttons = radioGroups_[group];
        const auto found = std::find(buttons.begin(), buttons.end(), buttonId);
        if (found == buttons.end())
            continue;
        SetRadioValue(buttonId, static_cast<int>(found - buttons.begin()));
        OnClick(buttonId);
        return;
    }
}

void CChoiceToolForm::AddCheck(int checkId)
{
    checks_[checkId] = false;
}

bool CChoiceToolForm::Checked(int checkId) const
{
    const auto found = checks_.find(checkId);
    return found != checks_.end() && found->second;
}

void CChoiceToolForm::SetChecked(int checkId, bool checked)
{
    const auto found = checks_.find(checkId);
    if (found == checks_.end())
        return;
    found->second = checked;
    NotifyChoice(checkId);
}

void CChoiceToolForm::ClickCheck(int checkId)
{
    if (!checks_.count(checkId))
        return;
    SetChecked(checkId, !Checked(checkId));
    OnClick(checkId);
}

void CChoiceToolForm::AddCombo(int comboId)
{
    combos_[comboId] = ComboRows{};
}

ComboRows* CChoiceToolForm::MutableCombo(int comboId)
{
    const auto found = combos_.find(comboId);
    return found == combos_.end() ? nullptr : &found->second;
}

void CChoiceToolForm::SetComboRows(int comboId, std::vector<std::string> texts, std::vector<int> ids)
{
    ComboRows* combo = MutableCombo(comboId);
    if (!combo)
        return;
    *combo = ComboRows{std::move(texts), std::move(ids), -1};
    NotifyChoice(comboId);
}

const ComboRows& CChoiceToolForm::Combo(int comboId) const
{
    const auto found = combos_.find(comboId);
    return found == combos_.end() ? NO_ROWS : found->second;
}

int CChoiceToolForm::ComboId(int comboId) const
{
    const ComboRows& combo = Combo(comboId);
    if (combo.selection < 0 || static_cast<size_t>(combo.selection) >= combo.ids.size())
        return -1;
    return combo.ids[static_cast<size_t>(combo.selection)];
}

void CChoiceToolForm::SelectComboRow(int comboId, int row)
{
    ComboRows* combo = MutableCombo(comboId);
    if (!combo)
        return;
    combo->selection = row >= 0 && static_cast<size_t>(row) < combo->texts.size() ? row : -1;
    NotifyChoice(comboId);
    OnClick(comboId);
}

void CChoiceToolForm::AddSpin(int spinId, int buddyId, int low, int high)
{
    spins_.push_back(SpinButton{spinId, buddyId, low, high});
}

void CChoiceToolForm::StepSpin(int spinId, int direction)
{
    for (const SpinButton& spin : spins_) {
        if (spin.spinId != spinId)
            continue;
        const ToolFormField* buddy = Field(spin.buddyId);
        if (!buddy)
            return;
        const std::optional<long> shown = WholeNumberOf(buddy->text);
        const long next = shown ? *shown + (direction < 0 ? -1 : 1) : spin.low;
        WriteText(spin.buddyId, IntegerFieldText(static_cast<int>(std::clamp<long>(next, spin.low, spin.high))));
        return;
    }
}

void CChoiceToolForm::EnableControls(const std::vector<int>& controlIds, bool enable)
{
    for (int id : controlIds) {
        if (Field(id)) {
            SetEnabled(id, enable);
            continue;
        }
        const bool changed = enable ? disabled_.erase(id) > 0 : disabled_.insert(id).second;
        if (changed)
            NotifyChoice(id);
    }
}

bool CChoiceToolForm::IsEnabled(int controlId) const
{
    if (const ToolFormField* field = Field(controlId))
        return field->enabled;
    return !disabled_.count(controlId);
}

void CChoiceToolForm::FocusControl(int controlId)
{
    lastFocusMove_ = controlId;
    OnControlFocus(controlId);
    if (choiceObserver_)
        choiceObserver_->OnChoiceFocus(controlId);
}

ToolFormField& CChoiceToolForm::AddCoordinateText(int controlId, int code, FocusMouseMode mode)
{
    ToolFormField& field = AddCoordinatePick(controlId, code, mode);
    field.kind = FieldKind::Text;
    return field;
}

void CChoiceToolForm::ClearHighlights()
{
    for (const ToolFormField& field : Fields()) {
        if (field.pickCode != 0)
            SetHighlighted(field.controlId, false);
    }
}
