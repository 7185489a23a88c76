#include "tools/CurveTool.h"

#include "frame/ToolRegistry.h"
#include "tools/DialogRow.h"
#include "tools/CurveEditDialogs.h"
#include "tools/CurveLineDialogs.h"
#include "tools/CurvePickDialogs.h"
#include "tools/CurveShapeDialogs.h"
#include "tools/CurveTransforms.h"
#include "tools/TransformDialog.h"

#include <memory>

namespace {

constexpr int FILTER_CURVES = 30001;
constexpr DialogStyle CURVE_DIALOG_STYLE{180, 0};

struct CurveRow {
    const char* text;  // null: a separator
    int commandId;
    int pickFilter;
    ToolRowRole role = ToolRowRole::Command;
};

// In combo order; the combo index is the tool id less 2000.
const CurveRow CURVE_ROWS[] = {
    {"Line", 32839, 0},
    {"Polyline", 32840, PICK_FILTER_UNCHANGED},
    {"Shortest Path Line", 32856, FILTER_CURVES},
    {"Rectangle", 32855, PICK_FILTER_UNCHANGED},
    {"Circle", 32843, PICK_FILTER_UNCHANGED},
    {"Arc", 32844, PICK_FILTER_UNCHANGED},
    {"Ellipse", 32852, PICK_FILTER_UNCHANGED},
    {"Quardatic Curve", 32849, PICK_FILTER_UNCHANGED},
    {"Cubic Curve", 32850, PICK_FILTER_UNCHANGED},
    {"Bezier Curve", 32841, PICK_FILTER_UNCHANGED},
    {"Convert Curve-Width", 32884, FILTER_CURVES},
    {nullptr, 0, 0},
    {"Register Closed Loop", 32880, FILTER_CURVES},
    {"Unregister Closed Loop", 32881, 30004},
    {nullptr, 0, 0},
    {"Translate Curve", 32853, FILTER_CURVES},
    {"Rotate Curve", 32854, FILTER_CURVES},
    {"Mirror Curve", 32859, FILTER_CURVES},
    {nullptr, 0, 0},
    {"Intersect Curve", 32846, FILTER_CURVES},
    {"Fillet Curve", 32837, FILTER_CURVES},
    {"Extend Curve", 32838, FILTER_CURVES},
    {"Merge Curve", 32842, FILTER_CURVES},
    {"Split Curve", 32848, 30000},
    {"Reverse Curve", 32847, FILTER_CURVES},
    {"Delete Curve", 32860, FILTER_CURVES},
    {nullptr, 0, 0},
    {"Scale Line", 32886, FILTER_CURVES},
    {"Change Width", 32882, FILTER_CURVES},
    {nullptr, 0, 0},
    {"Pick Curve", 32857, FILTER_CURVES, ToolRowRole::Pick},
    {"Query Curve", 32858, FILTER_CURVES, ToolRowRole::Query},
};

ToolRowDialog DialogOver(std::shared_ptr<CCurveDialogForm> form)
{
    ToolRowDialog dialog;
    dialog.form = std::move(form);
    dialog.makeDialog = FormLayoutDialog(CURVE_DIALOG_STYLE);
    dialog.apply = [](CToolForm& applied, ToolPageContext& context) {
        static_cast<CCurveDialogForm&>(applied).Apply(context);
    };
    return dialog;
}

void ShowDialogForm(CToolForm& form, ToolPageContext&)
{
    if (auto* dialog = dynamic_cast<CDialogForm*>(&form))
        dialog->Show();
}

// The row of a transform dialog: the shared transform form and window.
void SetTransformDialog(ToolPageRow& row, TransformControls controls,
                        void (*apply)(CTransformForm&, ToolPageContext&))
{
    auto form = std::make_shared<CTransformForm>(std::move(controls));
    ToolDialogFactory window = ItemsDialog(TransformDialogItems(form->Controls()));
    row = DialogRow<CTransformForm>(row.text, row.commandId, row.pickFilter, std::move(form), std::move(window), apply,
                                    row.role);
}

}  // namespace

ToolPageTable CCurveTool::MakeTable()
{
    ToolPageTable table;
    for (const CurveRow& curveRow : CURVE_ROWS) {
        if (!curveRow.text) {
            table.rows.push_back(ToolSeparatorRow());
            continue;
        }
        ToolPageRow row = CommandRow(curveRow.text, curveRow.commandId, curveRow.pickFilter, curveRow.role);
        row.extraShow = ShowDialogForm;
        table.rows.push_back(std::move(row));
    }
    const std::pair<int, std::shared_ptr<CCurveDialogForm>> dialogs[] = {
        {0, std::make_shared<CCToolCreateLine>()},      {1, std::make_shared<CCToolCreatePLine>()},
        {2, std::make_shared<CCToolCreateShortPath>()}, {3, std::make_shared<CCToolCreateRectangle>()},
        {4, std::make_shared<CCToolCreateCircle>()},    {5, std::make_shared<CCToolCreateArc>()},
        {6, std::make_shared<CCToolCreateEllipse>()},   {7, std::make_shared<CCToolCreateQuard>()},
        {8, std::make_shared<CCToolCreateCubic>()},     {9, std::make_shared<CCToolCreateBezier>()},
        {10, std::make_shared<CCToolCreateConvertWidth>()},
        {12, std::make_shared<CCToolCLoopRegister>()},  {13, std::make_shared<CCToolCLoopUnregister>()},
        {19, std::make_shared<CCToolIntersect>()},      {20, std::make_shared<CCToolFillet>()},
        {21, std::make_shared<CCToolExtend>()},         {22, std::make_shared<CCToolMerge>()},
        {23, std::make_shared<CCToolSplit>()},          {24, std::make_shared<CCToolReverse>()},
        {25, std::make_shared<CCToolDelete>()},         {27, std::make_shared<CCToolScale>()},
        {28, std::make_shared<CCToolChgWidth>()},
        {CURVE_TOOL_PICK - CURVE_TOOL_LINE, std::make_shared<CCToolPick>()},
        {CURVE_TOOL_QUERY - CURVE_TOOL_LINE, std::make_shared<CCToolQuery>()},
    };
    for (const auto& [index, form] : dialogs)
        table.rows[static_cast<size_t>(index)].dialog = DialogOver(form);
    SetTransformDialog(table.rows[15], CurveTranslateControls(), ApplyTranslateCurve);
    SetTransformDialog(table.rows[16], CurveRotateControls(), ApplyRotateCurve);
    SetTransformDialog(table.rows[17], CurveMirrorControls(), ApplyMirrorCurve);
    return table;
}

void CCurveTool::Register(CToolRegistry& registry)
{
    registry.RegisterPage(ToolPageKind::Curve, MakeTable());
}
