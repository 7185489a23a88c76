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

namespace {

void SetCopyOption(TransformControls& c, const CopyOptionIds& ids)
{
    c.connectCheck = ids.connectCheck;
    c.alignmentRadios = ids.alignmentRadios;
    c.widthEdit = ids.widthEdit;
    c.alignmentBoxId = ids.alignmentBox;
    const auto [center, left, right] = ids.alignmentRadios;
    c.connectGroup = {center, left, right, ids.alignmentBox, ids.widthEdit};
}

void SetPointPair(TransformControls& c, const PointPairIds& ids)
{
    c.point1Edit = ids.point1Edit;
    c.point1Code = ids.point1Code;
    c.point2Edit = ids.point2Edit;
    c.point2Code = ids.point2Code;
    c.labelIds[ids.point1Edit] = ids.point1Label;
    c.labelIds[ids.point2Edit] = ids.point2Label;
}

std::vector<int> PointPairControls(const PointPairIds& ids)
{
    return {ids.point1Edit, ids.point2Edit, ids.point1Label, ids.point2Label};
}

}  // namespace

TransformControls TranslateControls(const TranslateIds& ids)
{
    TransformControls c;
    c.kind = TransformKind::Translate;
    c.moveRadio = ids.moveRadio;
    c.copyRadio = ids.copyRadio;
    c.methods = {{ids.deltaRadio, "Delta X, Y", {ids.dxEdit, ids.dyEdit, ids.dxLabel, ids.dyLabel}, ids.dxEdit},
                 {ids.pointsRadio, "Defined by 2 Points", PointPairControls(ids.points), ids.points.point1Edit}};
    c.dxEdit = ids.dxEdit;
    c.dyEdit = ids.dyEdit;
    c.labelIds = {{ids.dxEdit, ids.dxLabel}, {ids.dyEdit, ids.dyLabel}, {ids.timesEdit, ids.timesLabel}};
    SetPointPair(c, ids.points);
    c.timesEdit = ids.timesEdit;
    c.timesSpin = ids.timesSpin;
    SetCopyOption(c, ids.copy);
    c.copyGroup = {ids.timesEdit, ids.timesSpin, ids.timesLabel, ids.copy.connectCheck};
    c.copyGroup.insert(c.copyGroup.end(), c.connectGroup.begin(), c.connectGroup.end());
    return c;
}

TransformControls RotateControls(const RotateIds& ids)
{
    TransformControls c;
    c.kind = TransformKind::Rotate;
    c.moveRadio = ids.moveRadio;
    c.copyRadio = ids.copyRadio;
    c.originEdit = ids.originEdit;
    c.originCode = ids.originCode;
    c.timesEdit = ids.timesEdit;
    c.timesSpin = ids.timesSpin;
    c.angleEdit = ids.angleEdit;
    c.angleSpin = ids.angleSpin;
    c.labelIds = {{ids.timesEdit, ids.timesLabel}};
    SetCopyOption(c, ids.copy);
    c.copyGroup = {ids.timesEdit, ids.timesSpin, ids.copy.connectCheck, ids.timesLabel};
    return c;
}

TransformControls MirrorControls(const MirrorIds& ids)
{
    TransformControls c;
    c.kind = TransformKind::Mirror;
    c.moveRadio = ids.moveRadio;
    c.copyRadio = ids.copyRadio;
    c.openingMode = 1;
    c.methods = {{ids.xAxisRadio, "About X-axis", {ids.xAxisEdit}, ids.xAxisEdit},
                 {ids.yAxisRadio, "About Y-axis", {ids.yAxisEdit}, ids.yAxisEdit},
                 {ids.pointsRadio, "Defined by 2 Points", PointPairControls(ids.points), ids.points.point1Edit}};
    c.openingMethod = 1;
    c.xAxisEdit = ids.xAxisEdit;
    c.yAxisEdit = ids.yAxisEdit;
    SetPointPair(c, ids.points);
    SetCopyOption(c, ids.copy);
    c.copyGroup = {ids.copy.connectCheck};
    return c;
}

TransformControls PointTranslateControls()
{
    return TranslateControls({.moveRadio = 1043, .copyRadio = 1044, .deltaRadio = 1008, .pointsRadio = 1009,
                              .dxEdit = 1019, .dxLabel = 1113, .dyEdit = 1014, .dyLabel = 1114,
                              .points = {1018, 1115, 10037, 1020, 1117, 10038},
                              .timesEdit = 1046, .timesSpin = 1047, .timesLabel = 1112,
                              .copy = {1045, {1129, 1130, 1131}, 1116, 1132}});
}

TransformControls PointRotateControls()
{
    return RotateControls({.moveRadio = 1006, .copyRadio = 1007, .originEdit = 1141, .originCode = 10042,
                           .timesEdit = 1009, .timesSpin = 1017, .timesLabel = 1112, .angleEdit = 1011,
                           .angleSpin = 1018, .copy = {1045, {1129, 1130, 1131}, 1113, 1132}});
}

TransformControls PointMirrorControls()
{
    return MirrorControls({.moveRadio = 1037, .copyRadio = 1038, .xAxisRadio = 1040, .yAxisRadio = 1041,
                           .pointsRadio = 1011, .xAxisEdit = 1042, .yAxisEdit = 1015,
                           .points = {1016, 1112, 10044, 1017, 1113, 10045},
                           .copy = {1210, {1211, 1212, 1213}, 1114, 1214}});
}
