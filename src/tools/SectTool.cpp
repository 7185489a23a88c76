#include "tools/SectTool.h"

#include "frame/ToolPageContext.h"
#include "frame/ToolRegistry.h"
#include "tools/DialogRow.h"
#include "view/ToolViewPort.h"

namespace {

constexpr int FILTER_CURVES = 30001;
constexpr int FILTER_SECTIONS = 30002;
constexpr int FILTER_DOMAINS = 30003;
constexpr int FILTER_OFF = 0;
constexpr int CMD_ASSIGN_DOMAIN_MATERIAL = 32819;

// Clear of the page's command combo above.
constexpr DialogStyle SECTION_DIALOG_STYLE{150, 8};

using SectApply = void (CSectTool::*)(ToolPageContext& context);

}  // namespace

ToolPageTable CSectTool::Table(const std::shared_ptr<CSectTool>& self)
{
    struct Row {
        const char* text;  // null for a separator
        int commandId;
        int pickFilter;
        std::shared_ptr<CDialogForm> form;
        SectApply apply;
        ToolRowRole role = ToolRowRole::Command;
    };
    const Row rows[] = {
        {"Generate Section", 32813, FILTER_CURVES, generate, &CSectTool::ApplyGenerateSection},
        {"Redefine Section", 32814, FILTER_SECTIONS, redefine, &CSectTool::ApplyRedefineSection},
        {nullptr, 0, 0, nullptr, nullptr},
        {"Translate Section", 32821, FILTER_SECTIONS, translate, &CSectTool::ApplyTranslateSection},
        {"Rotate Section", 32822, FILTER_SECTIONS, rotate, &CSectTool::ApplyRotateSection},
        {"Delete Section", 32816, FILTER_SECTIONS, erase, &CSectTool::ApplyDeleteSection},
        {"Arrange Section", 32824, FILTER_OFF, arrange, &CSectTool::ApplyArrangeSection},
        {nullptr, 0, 0, nullptr, nullptr},
        {"Change Domain State", 32815, FILTER_SECTIONS, domainState, &CSectTool::ApplyChangeDomainState},
        {"Assign Domain Material", CMD_ASSIGN_DOMAIN_MATERIAL, FILTER_DOMAINS, material,
         &CSectTool::ApplyAssignDomainMaterial},
        {nullptr, 0, 0, nullptr, nullptr},
        {"Export Section", 32823, FILTER_SECTIONS, exporter, &CSectTool::ApplyExportSection},
        {nullptr, 0, 0, nullptr, nullptr},
        {"Pick Section", 32818, FILTER_SECTIONS, pick, &CSectTool::ApplyPickSection, ToolRowRole::Pick},
        {"Query Section", 32817, FILTER_SECTIONS, query, &CSectTool::ApplyQuerySection, ToolRowRole::Query},
    };
    ToolPageTable table;
    for (const Row& row : rows) {
        if (!row.text) {
            table.rows.push_back(ToolSeparatorRow());
            continue;
        }
        const auto apply = [self, apply = row.apply](CDialogForm&, ToolPageContext& context) {
            if (context.view && context.document && context.boxes)
                ((*self).*apply)(context);
        };
        table.rows.push_back(DialogRow<CDialogForm>(row.text, row.commandId, row.pickFilter, row.form,
                                                    FormLayoutDialog(SECTION_DIALOG_STYLE), apply, row.role));
    }
    // The material combo is refilled from outside only while it is shown.
    // However the row is reached, the scene is rebuilt with domains pickable,
    // so that it holds the domain lists to pick from.
    ToolPageRow& materialRow = table.rows[static_cast<size_t>(table.IndexOfCommand(CMD_ASSIGN_DOMAIN_MATERIAL))];
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
