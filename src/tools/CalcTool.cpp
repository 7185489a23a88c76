#include "tools/CalcTool.h"

#include "frame/SelectionReading.h"
#include "frame/ToolDocument.h"
#include "frame/ToolPageContext.h"
#include "frame/ToolRegistry.h"
#include "model/UserPorts.h"
#include "tools/CalcToolDialogs.h"
#include "view/ToolViewPort.h"

#include <cmath>

namespace {

enum PropertiesCommand { CMD_CALCULATE_PROPERTY = 32904, CMD_DISPLAY_PROPERTY = 32871, CMD_EXPORT_PROPERTY = 32977 };
constexpr int PICK_SECTIONS = 30002;
// Sizes below this are taken for zero.
constexpr double SMALLEST_MESH_SIZE = 1e-6;

bool HasPorts(const ToolPageContext& context)
{
    return context.view && context.document && context.boxes;
}

void TurnPropertyLabelsOff(ToolPageContext& context)
{
    if (context.view)
        context.view->SetPropertyLabelsOn(false);
}

// A row of this page over one of its forms; Form is the form's own type.
template <class Form, class Dialog>
ToolPageRow DialogRow(const char* text, int commandId, const std::shared_ptr<Form>& form,
                      void (*apply)(Form&, ToolPageContext&))
{
    ToolPageRow row;
    row.text = text;
    row.commandId = commandId;
    row.dialog.form = form;
    row.dialog.makeDialog = [](wxWindow* parent, CToolForm& shown, ToolPageContext& context) -> CToolDialogPanel* {
        return new Dialog(parent, static_cast<Form&>(shown), context);
    };
    row.dialog.apply = [apply](CToolForm& applied, ToolPageContext& context) {
        apply(static_cast<Form&>(applied), context);
    };
    return row;
}

}  // namespace

CCalcTool::CCalcTool()
    : calc_(std::make_shared<CalcForm>()), display_(std::make_shared<DisplayForm>()),
      export_(std::make_shared<ExportForm>())
{
}

ToolPageTable CCalcTool::Table() const
{
    ToolPageTable table;

    ToolPageRow calculate =
        DialogRow<CalcForm, CAToolCalc>("Calculate Property", CMD_CALCULATE_PROPERTY, calc_, &ApplyCalculate);
    calculate.pickFilter = PICK_SECTIONS;
    calculate.extraShow = [](CToolForm& form, ToolPageContext&) { static_cast<CalcForm&>(form).ResetForShow(); };
    table.rows.push_back(std::move(calculate));

    table.rows.push_back(ToolSeparatorRow());

    ToolPageRow display =
        DialogRow<DisplayForm, CAToolDisp>("Display Property", CMD_DISPLAY_PROPERTY, display_, &ApplyDisplay);
    display.extraShow = [](CToolForm& form, ToolPageContext& context) {
        const bool first = static_cast<DisplayForm&>(form).ResetForShow();
        TurnPropertyLabelsOff(context);
        if (first && context.view)
            context.view->SetPropertyLabels(PropertyLabelSwitches());
    };
    display.extraHide = [](CToolForm&, ToolPageContext& context) {
        TurnPropertyLabelsOff(context);
        if (context.view)
            context.view->RedrawScene();
    };
    table.rows.push_back(std::move(display));

    ToolPageRow exportRow =
        DialogRow<ExportForm, CAToolExport>("Export Property", CMD_EXPORT_PROPERTY, export_, &ApplyExport);
    exportRow.extraShow = [](CToolForm& form, ToolPageContext& context) {
        static_cast<ExportForm&>(form).ResetForShow();
        TurnPropertyLabelsOff(context);
    };
    table.rows.push_back(std::move(exportRow));
    return table;
}

void CCalcTool::ApplyCalculate(CalcForm& form, ToolPageContext& context)
{
    if (!HasPorts(context) || context.document->IsBusy())
        return;
    // Only the enabled size field is read: in density mode it is ignored.
    if (!form.ReadFields())
        return;
    IToolView& view = *context.view;
    const std::vector<int> sectionIds = ReadSelectedIds(view, KIND_SECTION, *context.boxes);
    if (sectionIds.empty()) {
        ClearSelectionAndRedraw(view);
        return;
    }
    int meshLevel = form.densityLevel;
    double meshSize = 0.0;
    if (form.MeshMode() == MESH_BY_SIZE) {
        meshLevel = 0;
        meshSize = form.MeshSize();
        if (meshSize < 0.0 || std::fabs(meshSize) < SMALLEST_MESH_SIZE) {
            context.boxes->ShowMessage(BoxKind::Information, "Mesh size should be greater than 0.");
            return;
        }
    }
    ClearSelectionAndRedraw(view);
    context.document->CalculateProperties(sectionIds, meshLevel, meshSize, form.recalculate, form.pauseAfterEach);
    ClearSelectionAndRedraw(view);
}

void CCalcTool::ApplyDisplay(DisplayForm& form, ToolPageContext& context)
{
    if (!context.view)
        return;
    const int index = form.TakeChosen();
    if (index < 0 || index >= PROPERTY_LABEL_COUNT)
        return;
    PropertyLabelSwitches switches;
    switches.show[index] = true;
    context.view->SetPropertyLabelsOn(true);
    context.view->SetPropertyLabels(switches);
    context.view->SetReRender(1);
    context.view->RedrawScene();
}

void CCalcTool::ApplyExport(ExportForm& form, ToolPageContext& context)
{
    if (!context.document || !context.boxes)
        return;
    const ExportFile file = form.TargetFile();
    if (file.path.empty()) {
        context.boxes->ShowMessage(BoxKind::Information, "File name is not designated.");
        return;
    }
    if (ConfirmExportFile(file, *context.boxes))
        context.document->ExportProperties(file.path, form.Format());
}

bool RegisterCalcTool(CToolRegistry& registry)
{
    return registry.RegisterPage(ToolPageKind::Properties, CCalcTool().Table());
}
