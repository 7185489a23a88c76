#include "tools/ListedDialogForm.h"

#include "frame/ToolDocument.h"
#include "frame/ToolPageContext.h"

CSectModel* CListedDialogForm::Model() const
{
    const ToolPageContext* context = Context();
    return context && context->document ? context->document->GetModel() : nullptr;
}

void CListedDialogForm::SetWindowExists(bool exists)
{
    windowExists_ = exists;
    if (exists)
        return;
    for (const ToolFormField& field : Fields())
        OnControlFocusLost(field.controlId);
}

std::string CListedDialogForm::ChosenText(int comboId) const
{
    const ComboRows& rows = Combo(comboId);
    if (rows.selection < 0 || static_cast<size_t>(rows.selection) >= rows.texts.size())
        return std::string();
    return rows.texts[static_cast<size_t>(rows.selection)];
}

void RefreshShownLists(const std::vector<std::shared_ptr<CListedDialogForm>>& forms)
{
    for (const std::shared_ptr<CListedDialogForm>& form : forms) {
        if (form->WindowExists())
            form->UpdateList();
    }
}
