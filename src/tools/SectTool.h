#pragma once
// The Section page's tool: the forms of its eleven dialogs, its command
// table and the applies that read a form, check it and call the document.
// Each apply ends as its command says: most clear the selection and redraw,
// Arrange leaves the selection alone, Pick leaves its result selected, and
// the refusals of Generate's angle and Export's file and deviation keep the
// selection so that the user can mend the input and apply again. A number
// field that is not a number stops an apply the way that apply's refusals do.

#include "frame/ToolPageTable.h"
#include "tools/SectDomainForms.h"
#include "tools/SectTransformForms.h"

#include <memory>

class CToolRegistry;

class CSectTool {
public:
    // The rows in combo order, with their commands, filters and dialogs.
    ToolPageTable Table(const std::shared_ptr<CSectTool>& self);

    void ApplyGenerateSection(ToolPageContext& context);
    void ApplyRedefineSection(ToolPageContext& context);
    void ApplyTranslateSection(ToolPageContext& context);
    void ApplyRotateSection(ToolPageContext& context);
    void ApplyDeleteSection(ToolPageContext& context);
    void ApplyArrangeSection(ToolPageContext& context);
    void ApplyChangeDomainState(ToolPageContext& context);
    void ApplyAssignDomainMaterial(ToolPageContext& context);
    void ApplyExportSection(ToolPageContext& context);
    void ApplyPickSection(ToolPageContext& context);
    void ApplyQuerySection(ToolPageContext& context);

    // The material hook: refills the material combo while its dialog is shown.
    void UpdateMaterialList();

    const std::shared_ptr<CSToolGenerate> generate = std::make_shared<CSToolGenerate>();
    const std::shared_ptr<CSToolRedefine> redefine = std::make_shared<CSToolRedefine>();
    const std::shared_ptr<CSToolTranslate> translate = std::make_shared<CSToolTranslate>();
    const std::shared_ptr<CSToolRotate> rotate = std::make_shared<CSToolRotate>();
    const std::shared_ptr<CSToolDelete> erase = std::make_shared<CSToolDelete>();
    const std::shared_ptr<CSToolArrange> arrange = std::make_shared<CSToolArrange>();
    const std::shared_ptr<CSToolChgDState> domainState = std::make_shared<CSToolChgDState>();
    const std::shared_ptr<CSToolChgDMaterial> material = std::make_shared<CSToolChgDMaterial>();
    const std::shared_ptr<CSToolExport> exporter = std::make_shared<CSToolExport>();
    const std::shared_ptr<CSToolPick> pick = std::make_shared<CSToolPick>();
    const std::shared_ptr<CSToolQuery> query = std::make_shared<CSToolQuery>();
};

// Registers the Section page's table and the material-list hook.
void RegisterSectTool(CToolRegistry& registry);
