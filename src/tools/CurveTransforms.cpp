#include "tools/CurveTransforms.h"

#include "frame/SelectionReading.h"
#include "frame/ToolDocument.h"
#include "frame/ToolPageContext.h"
#include "view/ToolViewPort.h"

namespace {

constexpr const char* CONNECT_ENDS = "Connect Ends by Line";

// Runs the transform on the selected curves once the form is read; clears
// the selection at the end.
template <class Transform>
void ApplyOnSelectedCurves(CTransformForm& form, ToolPageContext& context, Transform transform)
{
    if (!context.view || !context.document || !context.boxes)
        return;
    if (form.ReadFields()) {
        const std::vector<int> curves = ReadSelectedIds(*context.view, KIND_CURVE, *context.boxes);
        if (!curves.empty())
            transform(curves, *context.document);
    }
    ClearSelectionAndRedraw(*context.view);
}

}  // namespace

TransformControls CurveTranslateControls()
{
    TransformControls c;
    c.kind = TransformKind::Translate;
    c.moveRadio = 1051;
    c.copyRadio = 1052;
    c.openingMode = 0;
    c.methods = {{1056, "Delta X, Y", {1058, 1059, 1113, 1114}, 1058},
                 {1057, "Defined by 2 Points", {1060, 1061, 1115, 1117}, 1060}};
    c.timesEdit = 1054;
    c.timesSpin = 1055;
    c.dxEdit = 1058;
    c.dyEdit = 1059;
    c.point1Edit = 1060;
    c.point1Code = 10035;
    c.point2Edit = 1061;
    c.point2Code = 10036;
    c.connectCheck = 1215;
    c.alignmentRadios = {1216, 1217, 1218};
    c.widthEdit = 1219;
    c.copyGroup = {1054, 1055, 1112, 1215, 1216, 1217, 1218, 1116, 1219};
    c.connectGroup = {1216, 1217, 1218, 1116, 1219};
    c.labelIds = {{1058, 1113}, {1059, 1114}, {1060, 1115}, {1061, 1117}, {1054, 1112}};
    c.alignmentBoxId = 1116;
    c.connectText = CONNECT_ENDS;
    return c;
}

TransformControls CurveRotateControls()
{
    TransformControls c;
    c.kind = TransformKind::Rotate;
    c.moveRadio = 1220;
    c.copyRadio = 1221;
    c.openingMode = 0;
    c.originEdit = 1222;
    c.originCode = 10041;
    c.timesEdit = 1223;
    c.timesSpin = 1224;
    c.angleEdit = 1225;
    c.angleSpin = 1226;
    c.connectCheck = 1215;
    c.alignmentRadios = {1216, 1217, 1218};
    c.widthEdit = 1219;
    c.copyGroup = {1223, 1224, 1215, 1112};
    c.connectGroup = {1216, 1217, 1218, 1113, 1219};
    c.labelIds = {{1223, 1112}};
    c.alignmentBoxId = 1113;
    c.connectText = CONNECT_ENDS;
    return c;
}

TransformControls CurveMirrorControls()
{
    TransformControls c;
    c.kind = TransformKind::Mirror;
    c.moveRadio = 1061;
    c.copyRadio = 1062;
    c.openingMode = 1;
    c.methods = {{1064, "About X-axis", {1067}, 1067},
                 {1065, "About Y-axis", {1068}, 1068},
                 {1066, "Defined by 2 Points", {1069, 1070, 1112, 1113}, 1069}};
    c.openingMethod = 1;
    c.xAxisEdit = 1067;
    c.yAxisEdit = 1068;
    c.point1Edit = 1069;
    c.point1Code = 10046;
    c.point2Edit = 1070;
    c.point2Code = 10047;
    c.connectCheck = 1228;
    c.alignmentRadios = {1229, 1230, 1231};
    c.widthEdit = 1232;
    c.copyGroup = {1228};
    c.connectGroup = {1229, 1230, 1231, 1114, 1232};
    c.labelIds = {{1069, 1112}, {1070, 1113}};
    c.alignmentBoxId = 1114;
    c.connectText = CONNECT_ENDS;
    return c;
}

void ApplyTranslateCurve(CTransformForm& form, ToolPageContext& context)
{
    ApplyOnSelectedCurves(form, context, [&form](const std::vector<int>& curves, IToolDocument& document) {
        double dx = 0.0;
        double dy = 0.0;
        if (!form.GetDelta(dx, dy))
            return;
        if (!form.IsCopy()) {
            document.TranslateCurves(curves, dx, dy);
            return;
        }
        const bool connect = form.ConnectByLine();
        document.CopyCurvesByTranslation(curves, dx, dy, form.Times(), connect, connect ? form.AlignmentCode() : 0,
                                         connect ? form.Width() : 0.0);
    });
}

void ApplyRotateCurve(CTransformForm& form, ToolPageContext& context)
{
    ApplyOnSelectedCurves(form, context, [&form](const std::vector<int>& curves, IToolDocument& document) {
        PlanePoint origin{};
        if (!form.GetOrigin(origin))
            return;
        if (form.IsCopy())
            document.CopyCurvesByRotation(curves, origin.data(), form.Angle(), form.Times(), form.ConnectByLine(),
                                          form.AlignmentCode(), form.Width());
        else
            document.RotateCurves(curves, origin.data(), form.Angle());
    });
}

void ApplyMirrorCurve(CTransformForm& form, ToolPageContext& context)
{
    ApplyOnSelectedCurves(form, context, [&form](const std::vector<int>& curves, IToolDocument& document) {
        PlanePoint point1{};
        PlanePoint point2{};
        if (!form.GetMirrorLine(point1, point2))
            return;
        if (form.IsCopy())
            document.CopyCurvesByMirroring(curves, point1.data(), point2.data(), form.ConnectByLine(),
                                           form.AlignmentCode(), form.Width());
        else
            document.MirrorCurves(curves, point1.data(), point2.data());
    });
}
