#include "tools/UcsForms.h"

#include "frame/DialogNumbers.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <optional>

namespace {

constexpr int ANGLE_LOW = 0;
constexpr int ANGLE_HIGH = 360;

std::string CoordinateText(const double xy[2])
{
    return FormatText("%.3lf, %.3lf", xy[0], xy[1]);
}

// Every UCS but the GCS, ascending id.
void UcsRows(const CSectModel& model, std::vector<std::string>& names, std::vector<int>& ids)
{
    for (const auto& [id, ucs] : model.m_ucs) {
        if (id == 0)
            continue;
        names.push_back(ucs->name);
        ids.push_back(id);
    }
}

}  // namespace

CUcsDefinitionForm::CUcsDefinitionForm(const UcsDefinitionControls& controls) : controls_(controls)
{
    AddRadioGroup({controls.byOrigin, controls.byPoints});
    AddCoordinatePick(controls.origin, controls.originCode, FocusMouseMode::SaveThenNone);
    AddReal(controls.angle, 0.0, NamedField::Angle);
    AddSpin(controls.angleSpin, controls.angle, ANGLE_LOW, ANGLE_HIGH);
    AddCoordinatePick(controls.point1, controls.point1Code, FocusMouseMode::SaveThenNone);
    AddCoordinatePick(controls.point2, controls.point2Code, FocusMouseMode::SaveThenNone);
}

void CUcsDefinitionForm::OnDefinitionChanged()
{
    const bool byPoints = Way() == UCS_BY_TWO_AXIS_POINTS;
    const UcsDefinitionControls& c = controls_;
    EnableControls({c.origin, c.angle, c.angleSpin, ID_UCS_ORIGIN_LABEL, ID_UCS_ANGLE_LABEL}, !byPoints);
    EnableControls({c.point1, c.point2, ID_UCS_POINT1_LABEL, ID_UCS_POINT2_LABEL}, byPoints);
    FocusControl(byPoints ? c.point1 : c.origin);
}

void CUcsDefinitionForm::OnClick(int controlId)
{
    if (controlId == controls_.byOrigin || controlId == controls_.byPoints)
        OnDefinitionChanged();
}

bool CUcsDefinitionForm::ReadPoint(int controlId, int code, PlanePoint& held)
{
    if (!Field(controlId)->enabled)
        return true;
    PlanePoint point;
    if (!GetCoordinate(code, point))
        return false;
    held = point;
    return true;
}

bool CUcsDefinitionForm::ReadDefinition(UcsDefinition& definition)
{
    const UcsDefinitionControls& c = controls_;
    if (Field(c.angle)->enabled) {
        const std::optional<double> angle = ReadReal(c.angle);
        if (!angle)
            return false;
        heldAngle_ = *angle;
    }
    if (!ReadPoint(c.origin, c.originCode, heldOrigin_))
        return false;
    // Both points are read, so each bad one shows its box.
    const bool point1 = ReadPoint(c.point1, c.point1Code, heldPoint1_);
    const bool point2 = ReadPoint(c.point2, c.point2Code, heldPoint2_);
    if (!point1 || !point2)
        return false;
    definition = UcsDefinition{Way(), heldOrigin_, heldAngle_, heldPoint1_, heldPoint2_};
    return true;
}

void CUcsDefinitionForm::ShowDefinition(const UcsDefinition& definition)
{
    const UcsDefinitionControls& c = controls_;
    SetChoice(c.byOrigin, definition.way);
    heldOrigin_ = definition.origin;
    heldAngle_ = definition.angle;
    heldPoint1_ = definition.point1;
    heldPoint2_ = definition.point2;
    WriteText(c.origin, CoordinateText(definition.origin.data()));
    WriteText(c.angle, RealFieldText(definition.angle));
    WriteText(c.point1, CoordinateText(definition.point1.data()));
    WriteText(c.point2, CoordinateText(definition.point2.data()));
    OnDefinitionChanged();
}

CUToolCreate::CUToolCreate()
    : CUcsDefinitionForm({ID_UCS_CREATE_BY_ORIGIN, ID_UCS_CREATE_BY_POINTS, ID_UCS_CREATE_ORIGIN, ID_UCS_CREATE_ANGLE,
                          ID_UCS_CREATE_ANGLE_SPIN, ID_UCS_CREATE_POINT1, ID_UCS_CREATE_POINT2, 10051, 10052, 10053})
{
    AddText(ID_UCS_CREATE_NAME, "");
}

void CUToolCreate::OnShow()
{
    SetChoice(ID_UCS_CREATE_BY_ORIGIN, UCS_BY_ORIGIN_AND_ANGLE);
    OnDefinitionChanged();
}

CUToolRedefine::CUToolRedefine()
    : CUcsDefinitionForm({ID_UCS_REDEFINE_BY_ORIGIN, ID_UCS_REDEFINE_BY_POINTS, ID_UCS_REDEFINE_ORIGIN,
                          ID_UCS_REDEFINE_ANGLE, ID_UCS_REDEFINE_ANGLE_SPIN, ID_UCS_REDEFINE_POINT1,
                          ID_UCS_REDEFINE_POINT2, 10054, 10055, 10056})
{
    AddCombo(ID_UCS_REDEFINE_UCS);
    AddText(ID_UCS_REDEFINE_NAME, "");
}

void CUToolRedefine::OnShow()
{
    SetChoice(ID_UCS_REDEFINE_BY_ORIGIN, UCS_BY_ORIGIN_AND_ANGLE);
    UpdateUcsList();
}

void CUToolRedefine::UpdateUcsList()
{
    const CSectModel* model = Model();
    std::vector<std::string> names;
    std::vector<int> ids;
    if (model)
        UcsRows(*model, names, ids);
    SetComboRows(ID_UCS_REDEFINE_UCS, names, ids);
    const UcsDefinitionControls& c = Controls();
    if (ids.empty()) {
        EnableControls({ID_UCS_REDEFINE_UCS, c.byOrigin, c.byPoints, ID_UCS_REDEFINE_NAME, c.origin, c.angle,
                        c.angleSpin, c.point1, c.point2},
                       false);
        return;
    }
    EnableControls({ID_UCS_REDEFINE_UCS, c.byOrigin, c.byPoints, ID_UCS_REDEFINE_NAME}, true);
    // The work UCS, or the first when the GCS is the work UCS; choosing it
    // shows its definition and name as the user's choice does.
    int chosen = 0;
    for (size_t row = 0; row < ids.size(); ++row) {
        if (ids[row] == model->m_currentUcsId)
            chosen = static_cast<int>(row);
    }
    SelectRow(ID_UCS_REDEFINE_UCS, chosen);
}

void CUToolRedefine::ShowUcsDefinition(int ucsId)
{
    const CSectModel* model = Model();
    const T_UCS_D* ucs = model ? model->FindUcs(ucsId) : nullptr;
    if (!ucs)
        return;
    ShowDefinition(UcsDefinition{ucs->definitionMode,
                                 {ucs->enteredOrigin[0], ucs->enteredOrigin[1]},
                                 ucs->enteredAngle,
                                 {ucs->axisPoint1[0], ucs->axisPoint1[1]},
                                 {ucs->axisPoint2[0], ucs->axisPoint2[1]}});
}

void CUToolRedefine::OnSelChangeUcs()
{
    const int id = GetSelectedUcsId();
    if (id < 0)
        return;
    ShowUcsDefinition(id);
    WriteText(ID_UCS_REDEFINE_NAME, ChosenText(ID_UCS_REDEFINE_UCS));
}

void CUToolRedefine::OnClick(int controlId)
{
    if (controlId == ID_UCS_REDEFINE_UCS)
        OnSelChangeUcs();
    else
        CUcsDefinitionForm::OnClick(controlId);
}

CUcsListForm::CUcsListForm(int comboId) : comboId_(comboId)
{
    AddCombo(comboId);
}

bool CUcsListForm::FillUcsRows()
{
    std::vector<std::string> names;
    std::vector<int> ids;
    if (const CSectModel* model = Model())
        UcsRows(*model, names, ids);
    SetComboRows(comboId_, names, ids);
    EnableControls({comboId_}, !ids.empty());
    return !ids.empty();
}

void CUToolDelete::UpdateUcsList()
{
    FillUcsRows();
}

void CUToolChange::UpdateUcsList()
{
    if (FillUcsRows())
        SelectRow(ID_UCS_CHANGE_UCS, 0);
}
