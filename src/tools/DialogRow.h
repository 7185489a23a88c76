#pragma once
// A tool page's command row whose dialog is a dialog form: its window laid
// out by CDialogFormPanel, each show running the form's resets (Show) once
// the window is made, and Apply handing the form, as its own type, to the
// apply.

#include "frame/ToolPageTable.h"
#include "tools/DialogFormPanel.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>

// A row of the page's combo with the command that opens it; no dialog yet.
inline ToolPageRow CommandRow(std::string text, int commandId, int pickFilter, ToolRowRole role = ToolRowRole::Command)
{
    ToolPageRow row;
    row.text = std::move(text);
    row.commandId = commandId;
    row.pickFilter = pickFilter;
    row.role = role;
    return row;
}

template <class Form>
ToolPageRow DialogRow(std::string text, int commandId, int pickFilter, std::shared_ptr<Form> form,
                      ToolDialogFactory makeDialog, std::function<void(Form&, ToolPageContext&)> apply,
                      ToolRowRole role = ToolRowRole::Command)
{
    ToolPageRow row = CommandRow(std::move(text), commandId, pickFilter, role);
    row.extraShow = [](CToolForm& shown, ToolPageContext&) { static_cast<CDialogForm&>(shown).Show(); };
    row.dialog.form = form;
    row.dialog.makeDialog = std::move(makeDialog);
    row.dialog.apply = [apply = std::move(apply)](CToolForm& applied, ToolPageContext& context) {
        apply(static_cast<Form&>(applied), context);
    };
    return row;
}
