// The applies of Generate, Redefine, Translate, Rotate, Delete and Arrange.

#include "frame/SelectionReading.h"
#include "frame/ToolDocument.h"
#include "frame/ToolPageContext.h"
#include "model/UserPorts.h"
#include "tools/SectTool.h"
#include "view/ToolViewPort.h"
#include "view/ViewPorts.h"

namespace {

constexpr double DEFAULT_MERGE_ANGLE = 2.0;
constexpr double MAX_MERGE_ANGLE = 90.0;

void Inform(ToolPageContext& context, const char* text)
{
    context.boxes->ShowMessage(BoxKind::Information, text);
}

}  // namespace

void CSectTool::ApplyGenerateSection(ToolPageContext& context)
{
    CSToolGenerate& form = *generate;
    IToolView& view = *context.view;
    if (!form.ReadFields())
        return;
    const std::vector<int> curveIds = ReadSelectedIds(view, KIND_CURVE, *context.boxes);
    if (curveIds.empty()) {
        ClearSelectionAndRedraw(view);
        return;
    }
    // A line section takes the held merge flag and angle as they are: the
    // model uses them for plane sections only.
    const bool merge = form.Checked(ID_GEN_MERGE);
    const double angle = merge ? form.Field(ID_GEN_ANGLE)->real : DEFAULT_MERGE_ANGLE;
    if (merge && !form.IsLine() && (angle < 0.0 || angle >= MAX_MERGE_ANGLE)) {
        context.boxes->ShowMessage(BoxKind::Warning, "Angle deviation should be in the range of 0~90 [Deg]!");
        return;
    }
    const Rgb colour = form.Colour(ID_GEN_COLOUR);
    const std::string group = form.Checked(ID_GEN_HAS_GROUP) ? form.ComboText(ID_GEN_GROUP) : std::string();
    view.ClearSelection();
    context.document->GenerateSection(form.Field(ID_GEN_NAME)->text, form.IsLine() ? 2 : 1, curveIds,
                                      form.Checked(ID_GEN_HAS_LOCATION), form.Field(ID_GEN_LOCATION)->real,
                                      colour.data(), group, form.Checked(ID_GEN_CALCULATE), merge, angle);
    // A group named here is made when none has the name.
    if (!group.empty() && context.groupCombos)
        context.groupCombos->RefreshGroupCombos();
    ClearSelectionAndRedraw(view);
}

void CSectTool::ApplyRedefineSection(ToolPageContext& context)
{
    CSToolRedefine& form = *redefine;
    IToolView& view = *context.view;
    if (form.ReadFields()) {
        const std::vector<int> ids = ReadSelectedIds(view, KIND_SECTION, *context.boxes);
        if (ids.size() > 1) {
            Inform(context, "Select just one section.");
        } else if (ids.size() == 1) {
            const Rgb colour = form.Colour(ID_REDEF_COLOUR);
            context.document->RedefineSection(ids[0], form.GetName(), form.Checked(ID_REDEF_HAS_LOCATION),
                                              form.Field(ID_REDEF_LOCATION)->real,
                                              form.Checked(ID_REDEF_HAS_COLOUR), colour.data());
        }
    }
    ClearSelectionAndRedraw(view);
}

void CSectTool::ApplyTranslateSection(ToolPageContext& context)
{
    CSToolTranslate& form = *translate;
    IToolView& view = *context.view;
    if (form.ReadFields()) {
        const std::vector<int> ids = ReadSelectedIds(view, KIND_SECTION, *context.boxes);
        if (!ids.empty()) {
            double dx = form.Field(ID_MOVE_DX)->real;
            double dy = form.Field(ID_MOVE_DY)->real;
            if (form.ByPoints()) {
                const PlanePoint& from = form.Field(ID_MOVE_POINT1)->point;
                const PlanePoint& to = form.Field(ID_MOVE_POINT2)->point;
                dx = to[0] - from[0];
                dy = to[1] - from[1];
            }
            context.document->TranslateSections(ids, dx, dy);
        }
    }
    ClearSelectionAndRedraw(view);
}

void CSectTool::ApplyRotateSection(ToolPageContext& context)
{
    CSToolRotate& form = *rotate;
    IToolView& view = *context.view;
    if (form.ReadFields()) {
        const std::vector<int> ids = ReadSelectedIds(view, KIND_SECTION, *context.boxes);
        if (!ids.empty())
            context.document->RotateSections(ids, form.Field(ID_ROTATE_ORIGIN)->point.data(),
                                             form.Field(ID_ROTATE_ANGLE)->real);
    }
    ClearSelectionAndRedraw(view);
}

void CSectTool::ApplyDeleteSection(ToolPageContext& context)
{
    IToolView& view = *context.view;
    const std::vector<int> ids = ReadSelectedIds(view, KIND_SECTION, *context.boxes);
    if (!ids.empty())
        context.document->DeleteSections(ids, erase->Checked(ID_DELETE_CURVES));
    ClearSelectionAndRedraw(view);
}

void CSectTool::ApplyArrangeSection(ToolPageContext& context)
{
    CSToolArrange& form = *arrange;
    if (!form.ReadFields())
        return;
    std::vector<int> ids;
    for (int key : context.view->ActiveKeys(KIND_SECTION))
        ids.push_back(IdOfKey(key));
    if (ids.empty()) {
        Inform(context, "No section is activated.");
        return;
    }
    context.document->ArrangeSections(ids, form.OrderCode(), form.Field(ID_ARRANGE_ROWS)->integer,
                                      form.Field(ID_ARRANGE_COLUMNS)->integer);
}
