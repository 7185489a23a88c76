#pragma once
// The dialogs of the Group and UCS pages: forms whose lists follow the
// model. A list is refilled at each show, after the dialog's own applies and,
// while the dialog's window exists, after an Undo or a Redo that touched the
// listed records (the page's refresh hook). The row helper below makes a
// page row over such a form and keeps its window-exists flag.

#include "frame/ToolPageTable.h"
#include "tools/DialogRow.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CSectModel;

class CListedDialogForm : public CDialogForm {
public:
    // Refills the dialog's lists from the model; nothing for a dialog without.
    virtual void UpdateList() {}

    bool WindowExists() const { return windowExists_; }
    // A destroyed window leaves no field focused: the next show's focus
    // runs its field's behaviour again.
    void SetWindowExists(bool exists);

protected:
    // The open project's model; null before the page hands its context.
    CSectModel* Model() const;
    // The text of the combo's chosen row; empty when none is chosen.
    std::string ChosenText(int comboId) const;

private:
    bool windowExists_ = false;
};

// A command row over the form: each show marks its window as existing and
// runs the form's resets (Show), each hide clears the mark.
template <class Form>
ToolPageRow ListedDialogRow(std::string text, int commandId, int pickFilter, std::shared_ptr<Form> form,
                            ToolDialogFactory makeDialog, std::function<void(Form&, ToolPageContext&)> apply)
{
    ToolPageRow row =
        DialogRow<Form>(std::move(text), commandId, pickFilter, form, std::move(makeDialog), std::move(apply));
    row.extraShow = [](CToolForm& shown, ToolPageContext&) {
        auto& listed = static_cast<CListedDialogForm&>(shown);
        listed.SetWindowExists(true);
        listed.Show();
    };
    row.extraHide = [](CToolForm& hidden, ToolPageContext&) {
        static_cast<CListedDialogForm&>(hidden).SetWindowExists(false);
    };
    return row;
}

// Refills the lists of the forms whose windows exist.
void RefreshShownLists(const std::vector<std::shared_ptr<CListedDialogForm>>& forms);
