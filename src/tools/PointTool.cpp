#include "tools/PointTool.h"

#include "frame/ToolRegistry.h"
#include "tools/DialogRow.h"
#include "tools/PointApplies.h"
#include "tools/PointDialogs.h"
#include "tools/PointForms.h"
#include "tools/TransformDialog.h"
#include "tools/TransformForm.h"

namespace {

constexpr int PICK_POINTS = 30000;
constexpr int PICK_CURVES = 30001;

}  // namespace

CPointTool::CPointTool()
    : coordinate_(std::make_shared<CPToolCoordDlg>()),
      ratioCurve_(std::make_shared<CPToolRatioCurve>()),
      interpCurve_(std::make_shared<CPToolInterpCurve>()),
      ratioPoint_(std::make_shared<CPToolRatioPoint>()),
      interpPoint_(std::make_shared<CPToolInterpPoint>()),
      translate_(std::make_shared<CTransformForm>(PointTranslateControls())),
      rotate_(std::make_shared<CTransformForm>(PointRotateControls())),
      mirror_(std::make_shared<CTransformForm>(PointMirrorControls())),
      equalize_(std::make_shared<CPToolEqualize>()),
      pick_(std::make_shared<CPToolPick>())
{
    const auto selectionOnly = [](auto apply) {
        return [apply](CDialogForm&, ToolPageContext& context) { apply(context); };
    };
    std::vector<ToolPageRow>& rows = table_.rows;
    rows.push_back(DialogRow<CPToolCoordDlg>("Coordinate", 32825, PICK_FILTER_UNCHANGED, coordinate_,
                                             ItemsDialog(CoordinateDialogItems()), ApplyCoordinatePoint));
    rows.push_back(DialogRow<CPToolRatioCurve>("Ratio on Curve", 32829, PICK_CURVES, ratioCurve_,
                                               ItemsDialog(RatioOnCurveDialogItems()), ApplyRatioOnCurve));
    rows.push_back(DialogRow<CPToolInterpCurve>("Interpolating on Curve", 32820, PICK_CURVES, interpCurve_,
                                                ItemsDialog(InterpOnCurveDialogItems()), ApplyInterpOnCurve));
    rows.push_back(DialogRow<CPToolRatioPoint>("Ratio btwn 2 Pts", 32831, PICK_FILTER_UNCHANGED, ratioPoint_,
                                               ItemsDialog(RatioBetweenPointsDialogItems()),
                                               ApplyRatioBetweenPoints));
    rows.push_back(DialogRow<CPToolInterpPoint>("Interpolating btwn 2 Pts", 32832, PICK_POINTS, interpPoint_,
                                                ItemsDialog(InterpBetweenPointsDialogItems()),
                                                ApplyInterpBetweenPoints));
    rows.push_back(ToolSeparatorRow());
    rows.push_back(DialogRow<CTransformForm>("Translate Point", 32833, PICK_POINTS, translate_,
                                             ItemsDialog(TransformDialogItems(translate_->Controls())),
                                             ApplyTranslatePoint));
    rows.push_back(DialogRow<CTransformForm>("Rotate Point", 32834, PICK_POINTS, rotate_,
                                             ItemsDialog(TransformDialogItems(rotate_->Controls())),
                                             ApplyRotatePoint));
    rows.push_back(DialogRow<CTransformForm>("Mirror Point", 32835, PICK_POINTS, mirror_,
                                             ItemsDialog(TransformDialogItems(mirror_->Controls())),
                                             ApplyMirrorPoint));
    rows.push_back(ToolSeparatorRow());
    rows.push_back(DialogRow<CPToolEqualize>("Equalize Point", 32828, PICK_POINTS, equalize_,
                                             ItemsDialog(EqualizeDialogItems()), ApplyEqualizePoint));
    rows.push_back(DialogRow<CDialogForm>("Delete Point", 32836, PICK_POINTS, std::make_shared<CPToolDelete>(),
                                          ItemsDialog(EmptyDialogItems()), selectionOnly(ApplyDeletePoint)));
    rows.push_back(ToolSeparatorRow());
    rows.push_back(DialogRow<CPToolPick>("Pick Point", 32826, PICK_FILTER_UNCHANGED, pick_,
                                         ItemsDialog(PickDialogItems()), ApplyPickPoint, ToolRowRole::Pick));
    rows.push_back(DialogRow<CDialogForm>("Query Point", 32827, PICK_POINTS, std::make_shared<CPToolQuery>(),
                                          ItemsDialog(EmptyDialogItems()), selectionOnly(ApplyQueryPoint),
                                          ToolRowRole::Query));
}

void RegisterPointTool(CToolRegistry& registry)
{
    CPointTool tool;
    registry.RegisterPage(ToolPageKind::Point, tool.Table());
}
