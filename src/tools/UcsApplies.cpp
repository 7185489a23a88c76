#include "tools/UcsApplies.h"

#include "frame/ToolDocument.h"
#include "frame/ToolPageContext.h"
#include "tools/UcsForms.h"
#include "view/ToolViewPort.h"

namespace {

bool IsWorkUcs(IToolDocument& document, int ucsId)
{
    const CSectModel* model = document.GetModel();
    return model && model->m_currentUcsId == ucsId;
}

void RebuildView(ToolPageContext& context)
{
    if (IToolView* view = context.view) {
        view->RebuildScene();
        view->SetReRender(1);
        view->InvalidateWithErase();
    }
}

}  // namespace

void ApplySetWorkUcs(CUToolChange& form, ToolPageContext& context)
{
    const int id = form.GetSelectedUcsId();
    if (id <= 0 || !context.document)
        return;
    context.document->SetCurrentUcs(id);
    form.UpdateUcsList();
}

void ApplyCreateUcs(CUToolCreate& form, ToolPageContext& context)
{
    UcsDefinition definition;
    if (!context.document || !form.ReadDefinition(definition))
        return;
    context.document->CreateUcs(definition.way, form.Name(), definition.origin.data(), definition.angle,
                                definition.point1.data(), definition.point2.data());
}

void ApplyRedefineUcs(CUToolRedefine& form, ToolPageContext& context)
{
    const int id = form.GetSelectedUcsId();
    const CSectModel* model = context.document ? context.document->GetModel() : nullptr;
    if (id == 0 || !model || !model->FindUcs(id))
        return;
    UcsDefinition definition;
    if (!form.ReadDefinition(definition))
        return;
    const bool wasWorkUcs = IsWorkUcs(*context.document, id);
    context.document->RedefineUcs(id, definition.way, form.Name(), definition.origin.data(), definition.angle,
                                  definition.point1.data(), definition.point2.data());
    if (wasWorkUcs)
        RebuildView(context);
}

void ApplyDeleteUcs(CUToolDelete& form, ToolPageContext& context)
{
    const int id = form.GetSelectedUcsId();
    if (id <= 0 || !context.document)
        return;
    const bool wasWorkUcs = IsWorkUcs(*context.document, id);
    context.document->DeleteUcs(id);
    form.UpdateUcsList();
    if (wasWorkUcs)
        RebuildView(context);
}
