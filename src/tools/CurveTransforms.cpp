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
    TransformControls c = TranslateControls({.moveRadio = 1051, .copyRadio = 1052, .deltaRadio = 1056,
                                             .pointsRadio = 1057, .dxEdit = 1058, .dxLabel = 1113, .dyEdit = 1059,
                                             .dyLabel = 1114, .points = {1060, 1115, 10035, 1061, 1117, 10036},
                                             .timesEdit = 1054, .timesSpin = 1055, .timesLabel = 1112,
                                             .copy = {1215, {1216, 1217, 1218}, 1116, 1219}});
    c.connectText = CONNECT_ENDS;
    return c;
}

TransformControls CurveRotateControls()
{
    TransformControls c = RotateControls({.moveRadio = 1220, .copyRadio = 1221, .originEdit = 1222,
                                          .originCode = 10041, .timesEdit = 1223, .timesSpin = 1224,
                                          .timesLabel = 1112, .angleEdit = 1225, .angleSpin = 1226,
                                          .copy = {1215, {1216, 1217, 1218}, 1113, 1219}});
    c.connectText = CONNECT_ENDS;
    return c;
}

TransformControls CurveMirrorControls()
{
    TransformControls c = MirrorControls({.moveRadio = 1061, .copyRadio = 1062, .xAxisRadio = 1064,
                                          .yAxisRadio = 1065, .pointsRadio = 1066, .xAxisEdit = 1067,
                                          .yAxisEdit = 1068, .points = {1069, 1112, 10046, 1070, 1113, 10047},
                                          .copy = {1228, {1229, 1230, 1231}, 1114, 1232}});
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
