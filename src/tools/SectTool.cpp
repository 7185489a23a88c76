#include "tools/SectTool.h"

#include "frame/ToolPageContext.h"
#include "frame/ToolRegistry.h"
#include "view/ToolViewPort.h"
#include "tools/SectDialogPanel.h"

namespace {

constexpr int FILTER_CURVES = 30001;
constexpr int FILTER_SECTIONS = 30002;
constexpr int FILTER_DOMAINS = 30003;
constexpr int FILTER_OFF = 0;

using SectApply = void (CSectTool::*)(ToolPageContext& context);

}  // namespace

ToolPageTable CSectTool::Table(const std::shared_ptr<CSectTool>& self)
{
    // The members are of the dialogs' own types; each row reaches its form
    // through the common base.
    const std::shared_ptr<CSectDialogForm> forms[] = {generate, redefine, translate, rotate, erase, arrange,
                                                     domainState, material, exporter, pick, query};
    struct Row {
        const char* text;
        int commandId;
        int pickFilter;
        int form;  // into forms; -1 for a separator
        SectApply apply;
        ToolRowRole role = ToolRowRole::Command;
    };
    const Row rows[] = {
        {"Generate Section", 32813, FILTER_CURVES, 0, &CSectTool::ApplyGenerateSection},
        {"Redefine Section", 32814, FILTER_SECTIONS, 1, &CSectTool::ApplyRedefineSection},
        {nullptr, 0, 0, -1, nullptr},
        {"Translate Section", 32821, FILTER_SECTIONS, 2, &CSectTool::ApplyTranslateSection},
        {"Rotate Section", 32822, FILTER_SECTIONS, 3, &CSectTool::ApplyRotateSection},
        {"Delete Section", 32816, FILTER_SECTIONS, 4, &CSectTool::ApplyDeleteSection},
        {"Arrange Section", 32824, FILTER_OFF, 5, &CSectTool::ApplyArrangeSection},
        {nullptr, 0, 0, -1, nullptr},
        {"Change Domain State", 32815, FILTER_SECTIONS, 6, &CSectTool::ApplyChangeDomainState},
        {"Assign Domain Material", 32819, FILTER_DOMAINS, 7, &CSectTool::ApplyAssignDomainMaterial},
        {nullptr, 0, 0, -1, nullptr},
        {"Export Section", 32823, FILTER_SECTIONS, 8, &CSectTool::ApplyExportSection},
        {nullptr, 0, 0, -1, nullptr},
        {"Pick Section", 32818, FILTER_SECTIONS, 9, &CSectTool::ApplyPickSection, ToolRowRole::Pick},
        {"Query Section", 32817, FILTER_SECTIONS, 10, &CSectTool::ApplyQuerySection, ToolRowRole::Query},
    };
    ToolPageTable table;
    for (const Row& row : rows) {
        if (!row.text) {
            table.rows.push_back(ToolSeparatorRow());
            continue;
        }
        ToolPageRow pageRow;
        pageRow.text = row.text;
        pageRow.commandId = row.commandId;
        pageRow.pickFilter = row.pickFilter;
        pageRow.role = row.role;
        pageRow.dialog.form = forms[row.form];
        pageRow.dialog.makeDialog = [](wxWindow* parent, CToolForm& form,
                                       ToolPageContext& context) -> CToolDialogPanel* {
            return new CSectDialogPanel(parent, static_cast<CSectDialogForm&>(form), context);
        };
        pageRow.dialog.apply = [self, apply = row.apply](CToolForm&, ToolPageContext& context) {
            if (context.view && context.document && context.boxes)
                ((*self).*apply)(context);
        };
        pageRow.extraShow = [](CToolForm& form, ToolPageContext&) { static_cast<CSectDialogForm&>(form).Show(); };
        table.rows.push_back(std::move(pageRow));
    }
    // The material combo is refilled from outside only while it is shown.
    // However the row is reached, the scene is rebuilt with domains pickable,
    // so that it holds the domain lists to pick from.
    ToolPageRow& materialRow = table.rows[9];
    materialRow.extraShow = [self](CToolForm&, ToolPageContext& context) {
        if (context.view)
            context.view->RebuildScene();
        self->material->SetShown(true);
        self->material->Show();
    };
    materialRow.extraHide = [self](CToolForm&, ToolPageContext&) { self->material->SetShown(false); };
    return table;
}

void RegisterSectTool(CToolRegistry& registry)
{
    auto tool = std::make_shared<CSectTool>();
    registry.RegisterPage(ToolPageKind::Section, tool->Table(tool));
    registry.hooks.updateMaterialList = [tool] { tool->UpdateMaterialList(); };
}
