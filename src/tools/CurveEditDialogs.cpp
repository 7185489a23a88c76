#include "tools/CurveEditDialogs.h"

#include "frame/SelectionReading.h"
#include "frame/ToolDocument.h"
#include "frame/ToolPageContext.h"
#include "model/UserPorts.h"
#include "view/ToolViewPort.h"

namespace {

constexpr int CHGWIDTH_RADIOS[] = {CHGWIDTH_ALIGNMENT, 1170, 1171, 1172};

}  // namespace

void CCurveSelectionEdit::Apply(ToolPageContext& context)
{
    if (!context.view || !context.document || !context.boxes)
        return;
    if (ReadFields()) {
        const std::vector<int> ids = ReadSelectedIds(*context.view, kind_, *context.boxes);
        if (!ids.empty())
            Forward(ids, *context.document, context);
    }
    ClearSelectionAndRedraw(*context.view);
}

int CCurveSelectionEdit::HeldInteger(int fieldId) const
{
    const ToolFormField* field = Field(fieldId);
    return field ? field->integer : 0;
}

double CCurveSelectionEdit::HeldReal(int fieldId) const
{
    const ToolFormField* field = Field(fieldId);
    return field ? field->real : 0.0;
}

void CCToolCLoopRegister::Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext&)
{
    document.RegisterClosedLoop(ids);
}

void CCToolCLoopUnregister::Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext&)
{
    document.UnregisterClosedLoops(ids);
}

CCheckedOptionEdit::CCheckedOptionEdit(int checkId, const char* text) : checkId_(checkId)
{
    CheckBox(checkId, text, true);
}

void CCheckedOptionEdit::OnShow()
{
    SetChecked(checkId_, true);
}

CCToolIntersect::CCToolIntersect() : CCheckedOptionEdit(INTERSECT_SPLIT, "Split Curve") {}

void CCToolIntersect::Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext&)
{
    document.IntersectCurves(ids, Option());
}

CCToolFillet::CCToolFillet()
{
    AddReal(FILLET_RADIUS, 0.0);
    AddReal(FILLET_WIDTH, 0.0);
    Edit(FILLET_RADIUS, "Radius");
    BeginGroup(" Alignment ");
    Radios({{FILLET_ALIGNMENT, "Center"}, {1236, "Left"}, {1237, "Right"}});
    EndGroup();
    Edit(FILLET_WIDTH, "Width");
}

void CCToolFillet::OnShow()
{
    SetChoice(FILLET_ALIGNMENT, 0);
}

void CCToolFillet::Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext& context)
{
    if (ids.size() != 2) {
        context.boxes->ShowMessage(BoxKind::Information, "Select just two target curves.");
        return;
    }
    document.FilletCurves(ids[0], ids[1], HeldReal(FILLET_RADIUS), Choice(FILLET_ALIGNMENT) + 1,
                          HeldReal(FILLET_WIDTH));
}

CCToolExtend::CCToolExtend() : CCheckedOptionEdit(EXTEND_SPLIT, "Split Curve")
{
    AddIdPick(EXTEND_BASE_ID, CODE_BASE_CURVE_ID, FocusMouseMode::SaveThenNone);
    Edit(EXTEND_BASE_ID, "Base Curve ID");
}

void CCToolExtend::Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext&)
{
    document.ExtendCurves(HeldInteger(EXTEND_BASE_ID), ids, Option());
}

void CCToolMerge::Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext&)
{
    document.MergeCurves(ids);
}

CCToolSplit::CCToolSplit() : CCurveSelectionEdit(KIND_POINT)
{
    AddIdPick(SPLIT_CURVE_ID, CODE_SPLIT_CURVE_ID, FocusMouseMode::SaveThenNone);
    Edit(SPLIT_CURVE_ID, "Curve ID");
}

void CCToolSplit::OnShow()
{
    WriteText(SPLIT_CURVE_ID, "");
}

void CCToolSplit::Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext&)
{
    document.SplitCurve(HeldInteger(SPLIT_CURVE_ID), ids);
}

CCToolReverse::CCToolReverse() : CCheckedOptionEdit(REVERSE_SWAP, "Change Alignment") {}

void CCToolReverse::Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext&)
{
    document.ReverseCurves(ids, Option());
}

CCToolDelete::CCToolDelete() : CCheckedOptionEdit(DELETE_POINTS, "Delete Point") {}

void CCToolDelete::Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext&)
{
    document.DeleteCurves(ids, Option());
}

CCToolScale::CCToolScale()
{
    AddReal(SCALE_RATIO, 0.0);
    Edit(SCALE_RATIO, "Ratio");
}

void CCToolScale::OnShow()
{
    WriteText(SCALE_RATIO, "");
}

void CCToolScale::Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext&)
{
    document.ScaleLines(ids, HeldReal(SCALE_RATIO));
}

CCToolChgWidth::CCToolChgWidth()
{
    AddReal(CHGWIDTH_WIDTH, 0.0);
    CheckBox(CHGWIDTH_BY_ALIGNMENT, "Alignment");
    Radios({{CHGWIDTH_ALIGNMENT, "Center"}, {1170, "Left"}, {1171, "Right"}, {1172, "Left <-> Right"}});
    CheckBox(CHGWIDTH_BY_WIDTH, "Width");
    Edit(CHGWIDTH_WIDTH);
    SwitchWithCheck(CHGWIDTH_BY_ALIGNMENT, {std::begin(CHGWIDTH_RADIOS), std::end(CHGWIDTH_RADIOS)});
    SwitchWithCheck(CHGWIDTH_BY_WIDTH, {CHGWIDTH_WIDTH});
}

void CCToolChgWidth::OnShow()
{
    SetChoice(CHGWIDTH_ALIGNMENT, 0);
    SetChecked(CHGWIDTH_BY_ALIGNMENT, false);
    SetChecked(CHGWIDTH_BY_WIDTH, false);
}

void CCToolChgWidth::Forward(const std::vector<int>& ids, IToolDocument& document, ToolPageContext&)
{
    document.ChangeCurveWidths(ids, Checked(CHGWIDTH_BY_ALIGNMENT), Choice(CHGWIDTH_ALIGNMENT),
                               Checked(CHGWIDTH_BY_WIDTH), HeldReal(CHGWIDTH_WIDTH));
}
