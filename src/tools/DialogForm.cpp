#include "tools/DialogForm.h"

void CDialogForm::Edit(int fieldId, const std::string& label, int labelId)
{
    if (!label.empty())
        Label(labelId, label);
    layout_.push_back({LayoutKind::Edit, fieldId, {}});
}

void CDialogForm::Radios(std::initializer_list<std::pair<int, const char*>> radios)
{
    const int group = radios.begin()->first;
    int value = 0;
    for (const auto& [id, text] : radios) {
        layout_.push_back({LayoutKind::Radio, id, text, group, value++});
        controls_[id];
    }
    choices_[group] = 0;
}

void CDialogForm::CheckBox(int id, const std::string& text, bool checked)
{
    layout_.push_back({LayoutKind::Check, id, text});
    controls_[id].checked = checked;
}

void CDialogForm::Combo(int id)
{
    layout_.push_back({LayoutKind::Combo, id, {}});
    controls_[id];
}

void CDialogForm::NotifyControls()
{
    if (controlsObserver_)
        controlsObserver_->OnControlsChanged();
}

void CDialogForm::SetChoice(int group, int value)
{
    choices_[group] = value;
    NotifyControls();
}

void CDialogForm::SetChecked(int checkId, bool checked)
{
    controls_[checkId].checked = checked;
    NotifyControls();
}

void CDialogForm::SetRows(int comboId, std::vector<std::string> rows, int selected)
{
    ControlState& combo = controls_[comboId];
    combo.rows = std::move(rows);
    combo.selectedRow = selected;
    NotifyControls();
}

void CDialogForm::Choose(int group, int value)
{
    choices_[group] = value;
    OnChoice(group);
}

void CDialogForm::Check(int checkId, bool checked)
{
    controls_[checkId].checked = checked;
    OnCheck(checkId);
}

void CDialogForm::SelectRow(int comboId, int row)
{
    ControlState& combo = controls_[comboId];
    combo.selectedRow = row >= 0 && static_cast<size_t>(row) < combo.rows.size() ? row : -1;
}

void CDialogForm::Press(int buttonId)
{
    OnButton(buttonId);
}

int CDialogForm::Choice(int group) const
{
    const auto found = choices_.find(group);
    return found == choices_.end() ? 0 : found->second;
}

bool CDialogForm::Checked(int checkId) const
{
    const auto found = controls_.find(checkId);
    return found != controls_.end() && found->second.checked;
}

int CDialogForm::SelectedRow(int comboId) const
{
    const auto found = controls_.find(comboId);
    return found == controls_.end() ? -1 : found->second.selectedRow;
}

const std::vector<std::string>& CDialogForm::Rows(int comboId) const
{
    static const std::vector<std::string> none;
    const auto found = controls_.find(comboId);
    return found == controls_.end() ? none : found->second.rows;
}

bool CDialogForm::IsEnabled(int controlId) const
{
    if (const ToolFormField* field = Field(controlId))
        return field->enabled;
    const auto found = controls_.find(controlId);
    return found == controls_.end() || found->second.enabled;
}

void CDialogForm::EnableControls(const std::vector<int>& controlIds, bool enable)
{
    for (int id : controlIds) {
        if (Field(id))
            SetEnabled(id, enable);
        else
            controls_[id].enabled = enable;
    }
    NotifyControls();
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
