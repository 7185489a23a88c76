#pragma once
// A tool page's command row whose dialog is a choice form with its window
// laid out from items: each show runs the form's resets (OnShow) once the
// window is made, and Apply hands the form, as its own type, to the apply.

#include "frame/ToolPageTable.h"
#include "tools/ChoiceDialogPanel.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

template <class Form>
ToolPageRow ChoiceDialogRow(std::string text, int commandId, int pickFilter, std::shared_ptr<Form> form,
                            std::vector<DialogItem> items, std::function<void(Form&, ToolPageContext&)> apply,
                            ToolRowRole role = ToolRowRole::Command)
{
    ToolPageRow row;
    row.text = std::move(text);
    row.commandId = commandId;
    row.pickFilter = pickFilter;
    row.role = role;
    row.extraShow = [](CToolForm& shown, ToolPageContext&) { static_cast<CChoiceToolForm&>(shown).OnShow(); };
    row.dialog.form = form;
    row.dialog.makeDialog = [items = std::move(items)](wxWindow* parent, CToolForm& shown, ToolPageContext& context) {
        return new CChoiceDialogPanel(parent, static_cast<CChoiceToolForm&>(shown), context, items);
    };
    row.dialog.apply = [apply = std::move(apply)](CToolForm& applied, ToolPageContext& context) {
        apply(static_cast<Form&>(applied), context);
    };
    return row;
}
