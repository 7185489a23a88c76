#include "tools/TransformForm.h"

#include <algorithm>

namespace {

constexpr int TIMES_LOW = 1;
constexpr int TIMES_HIGH = 10000;
constexpr int ANGLE_LOW = 0;
constexpr int ANGLE_HIGH = 360;

}  // namespace

CTransformForm::CTransformForm(TransformControls controls) : controls_(std::move(controls))
{
    const TransformControls& c = controls_;
    AddRadioGroup({c.moveRadio, c.copyRadio});
    if (!c.methods.empty()) {
        std::vector<int> radios;
        for (const TransformMethod& method : c.methods)
            radios.push_back(method.radioId);
        AddRadioGroup(radios);
    }
    if (c.timesEdit) {
        AddInteger(c.timesEdit, 1);
        AddSpin(c.timesSpin, c.timesEdit, TIMES_LOW, TIMES_HIGH);
    }
    if (c.dxEdit) {
        AddReal(c.dxEdit, 0.0);
        AddReal(c.dyEdit, 0.0);
    }
    if (c.originEdit)
        AddCoordinateText(c.originEdit, c.originCode, FocusMouseMode::SaveThenNone);
    if (c.angleEdit) {
        AddReal(c.angleEdit, 0.0);
        AddSpin(c.angleSpin, c.angleEdit, ANGLE_LOW, ANGLE_HIGH);
    }
    if (c.xAxisEdit) {
        AddReal(c.xAxisEdit, 0.0);
        AddReal(c.yAxisEdit, 0.0);
    }
    if (c.point1Edit) {
        AddCoordinateText(c.point1Edit, c.point1Code, FocusMouseMode::SaveThenNone);
        AddCoordinateText(c.point2Edit, c.point2Code, FocusMouseMode::SaveThenNone);
    }
    AddCheck(c.connectCheck);
    AddRadioGroup({c.alignmentRadios.begin(), c.alignmentRadios.end()});
    AddReal(c.widthEdit, 0.0, NamedField::Width);
}

void CTransformForm::OnShow()
{
    ClearHighlights();
    SetChoice(controls_.moveRadio, controls_.openingMode);
    if (!controls_.methods.empty())
        SetChoice(controls_.methods.front().radioId, controls_.openingMethod);
    SetChoice(controls_.alignmentRadios[0], 0);
    SetChecked(controls_.connectCheck, false);
    ApplyModeRule();
    ApplyMethodRule();
}

void CTransformForm::OnClick(int controlId)
{
    if (controlId == controls_.moveRadio || controlId == controls_.copyRadio)
        ApplyModeRule();
    else if (controlId == controls_.connectCheck)
        ApplyConnectRule();
    else if (std::any_of(controls_.methods.begin(), controls_.methods.end(),
                         [controlId](const TransformMethod& method) { return method.radioId == controlId; }))
        ApplyMethodRule();
}

void CTransformForm::ApplyModeRule()
{
    if (IsCopy()) {
        EnableControls(controls_.copyGroup, true);
        ApplyConnectRule();
    } else {
        EnableControls(controls_.copyGroup, false);
        EnableControls(controls_.connectGroup, false);
    }
}

void CTransformForm::ApplyConnectRule()
{
    EnableControls(controls_.connectGroup, ConnectByLine());
}

void CTransformForm::ApplyMethodRule()
{
    const int chosen = Method();
    if (chosen < 0)
        return;
    for (size_t i = 0; i < controls_.methods.size(); ++i) {
        if (static_cast<int>(i) != chosen)
            EnableControls(controls_.methods[i].controls, false);
    }
    const TransformMethod& method = controls_.methods[static_cast<size_t>(chosen)];
    EnableControls(method.controls, true);
    FocusControl(method.focusId);
}

bool CTransformForm::IsCopy() const
{
    return Choice(controls_.moveRadio) == 1;
}

int CTransformForm::Method() const
{
    return controls_.methods.empty() ? -1 : Choice(controls_.methods.front().radioId);
}

bool CTransformForm::ConnectByLine() const
{
    return Checked(controls_.connectCheck);
}

int CTransformForm::AlignmentCode() const
{
    return Choice(controls_.alignmentRadios[0]) + 1;
}

int CTransformForm::Times() const
{
    const ToolFormField* field = Field(controls_.timesEdit);
    return field ? field->integer : 1;
}

double CTransformForm::HeldReal(int controlId) const
{
    const ToolFormField* field = Field(controlId);
    return field ? field->real : 0.0;
}

double CTransformForm::Angle() const
{
    return HeldReal(controls_.angleEdit);
}

double CTransformForm::Width() const
{
    return HeldReal(controls_.widthEdit);
}

bool CTransformForm::GetDeltaFrom2Points(double& dx, double& dy)
{
    PlanePoint point1{};
    PlanePoint point2{};
    if (!GetCoordinate(controls_.point1Code, point1) || !GetCoordinate(controls_.point2Code, point2))
        return false;
    dx = point2[0] - point1[0];
    dy = point2[1] - point1[1];
    return true;
}

bool CTransformForm::GetDelta(double& dx, double& dy)
{
    if (Method() == 1)
        return GetDeltaFrom2Points(dx, dy);
    dx = HeldReal(controls_.dxEdit);
    dy = HeldReal(controls_.dyEdit);
    return true;
}

bool CTransformForm::GetOrigin(PlanePoint& origin)
{
    return GetCoordinate(controls_.originCode, origin);
}

bool CTransformForm::GetMirrorLine(PlanePoint& point1, PlanePoint& point2)
{
    switch (Method()) {
    case 0: {
        const double y = HeldReal(controls_.xAxisEdit);
        point1 = {0.0, y};
        point2 = {1.0, y};
        return true;
    }
    case 1: {
        const double x = HeldReal(controls_.yAxisEdit);
        point1 = {x, 0.0};
        point2 = {x, 1.0};
        return true;
    }
    default:
        return GetCoordinate(controls_.point1Code, point1) && GetCoordinate(controls_.point2Code, point2);
    }
}

TransformControls PointTranslateControls()
{
    TransformControls c;
    c.kind = TransformKind::Translate;
    c.moveRadio = 1043;
    c.copyRadio = 1044;
    c.openingMode = 0;
    c.methods = {{1008, "Delta X, Y", {1019, 1014, 1113, 1114}, 1019}, {1009, "Defined by 2 Points", {1018, 1020, 1115, 1117}, 1018}};
    c.timesEdit = 1046;
    c.timesSpin = 1047;
    c.dxEdit = 1019;
    c.dyEdit = 1014;
    c.point1Edit = 1018;
    c.point1Code = 10037;
    c.point2Edit = 1020;
    c.point2Code = 10038;
    c.connectCheck = 1045;
    c.alignmentRadios = {1129, 1130, 1131};
    c.widthEdit = 1132;
    c.copyGroup = {1046, 1047, 1112, 1045, 1129, 1130, 1131, 1116, 1132};
    c.connectGroup = {1129, 1130, 1131, 1116, 1132};
    c.labelIds = {{1019, 1113}, {1014, 1114}, {1018, 1115}, {1020, 1117}, {1046, 1112}};
    c.alignmentBoxId = 1116;
    return c;
}

TransformControls PointRotateControls()
{
    TransformControls c;
    c.kind = TransformKind::Rotate;
    c.moveRadio = 1006;
    c.copyRadio = 1007;
    c.openingMode = 0;
    c.originEdit = 1141;
    c.originCode = 10042;
    c.timesEdit = 1009;
    c.timesSpin = 1017;
    c.angleEdit = 1011;
    c.angleSpin = 1018;
    c.connectCheck = 1045;
    c.alignmentRadios = {1129, 1130, 1131};
    c.widthEdit = 1132;
    c.copyGroup = {1009, 1017, 1045, 1112};
    c.connectGroup = {1129, 1130, 1131, 1113, 1132};
    c.labelIds = {{1009, 1112}};
    c.alignmentBoxId = 1113;
    return c;
}

TransformControls PointMirrorControls()
{
    TransformControls c;
    c.kind = TransformKind::Mirror;
    c.moveRadio = 1037;
    c.copyRadio = 1038;
    c.openingMode = 1;
    c.methods = {{1040, "About X-axis", {1042}, 1042}, {1041, "About Y-axis", {1015}, 1015}, {1011, "Defined by 2 Points", {1016, 1017, 1112, 1113}, 1016}};
    c.openingMethod = 1;
    c.xAxisEdit = 1042;
    c.yAxisEdit = 1015;
    c.point1Edit = 1016;
    c.point1Code = 10044;
    c.point2Edit = 1017;
    c.point2Code = 10045;
    c.connectCheck = 1210;
    c.alignmentRadios = {1211, 1212, 1213};
    c.widthEdit = 1214;
    c.copyGroup = {1210};
    c.connectGroup = {1211, 1212, 1213, 1114, 1214};
    c.labelIds = {{1016, 1112}, {1017, 1113}};
    c.alignmentBoxId = 1114;
    return c;
}
