#include "frame/ToolPageController.h"

#include "frame/ToolForm.h"
#include "frame/ToolPageContext.h"
#include "view/MouseModes.h"
#include "view/ToolViewPort.h"

CToolPageController::CToolPageController(const ToolPageShell& shell, ToolPageTable& table, ToolPageContext& context)
    : shell_(shell), table_(table), context_(context)
{
}

ToolPageRow* CToolPageController::Row(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= table_.rows.size())
        return nullptr;
    return &table_.rows[static_cast<size_t>(index)];
}

CToolForm* CToolPageController::ShownForm()
{
    ToolPageRow* row = Row(previous_);
    return dialogShown_ && row ? row->dialog.form.get() : nullptr;
}

void CToolPageController::SelectCommand(int toolId)
{
    // An id outside the page selects nothing in the combo.
    const int index = toolId - shell_.baseId;
    current_ = Row(index) ? index : -1;
    if (window_)
        window_->SelectComboIndex(current_);
    if (current_ == previous_)
        return;
    HideCommand(previous_);
    previous_ = current_;
    ShowCommand(current_);
}

void CToolPageController::OnSelChangeCommand(int index)
{
    current_ = index;
    if (current_ == previous_)
        return;
    HideCommand(previous_);
    previous_ = current_;
    ShowCommand(current_);
}

void CToolPageController::ShowCommand(int index)
{
    ToolPageRow* row = Row(index);
    if (!row || row->IsSeparator() || !row->HasDialog())
        return;
    CToolForm& form = *row->dialog.form;
    form.Attach(&context_);
    if (IToolView* view = context_.view) {
        view->SetToolCommandId(shell_.baseId + index);
        view->SetToolActive(1);
        if (row->pickFilter != PICK_FILTER_UNCHANGED)
            view->SetPickFilter(row->pickFilter);
    }
    if (window_)
        window_->MakeDialog(*row);
    dialogShown_ = true;
    if (row->extraShow)
        row->extraShow(form, context_);
}

void CToolPageController::HideCommand(int index)
{
    ToolPageRow* row = Row(index);
    if (dialogShown_ && row && row->HasDialog()) {
        dialogShown_ = false;
        if (window_)
            window_->DestroyDialog();
        if (row->extraHide)
            row->extraHide(*row->dialog.form, context_);
    }
    IToolView* view = context_.view;
    if (!view)
        return;
    // The Pick command's selection is its result.
    if (!(row && row->role == ToolRowRole::Pick))
        ClearSelectionAndRedraw(*view);
    view->SetToolCommandId(0);
    view->SetPickFieldCode(0);
    view->SetToolActive(0);
    view->SetMouseMode(MOUSE_NONE);
}

void CToolPageController::OnApply()
{
    ToolPageRow* row = Row(current_);
    if (row && dialogShown_ && row->HasDialog() && row->dialog.apply)
        row->dialog.apply(*row->dialog.form, context_);
    if (IToolView* view = context_.view) {
        view->SetReRender(1);
        view->InvalidateWithErase();
    }
}

void CToolPageController::OnClose()
{
    HideCommand(current_);
    if (closePage_)
        closePage_();
    if (IToolView* view = context_.view) {
        view->SetToolCommandId(0);
        view->ResetPickFilter();
        view->SetMouseMode(MOUSE_NONE);
    }
    ResetIndices();
}

bool CToolPageController::RunQuery(int toolId)
{
    ToolPageRow* row = Row(previous_);
    if (!row || row->role != ToolRowRole::Query || shell_.baseId + previous_ != toolId || !dialogShown_
        || !row->dialog.apply)
        return false;
    row->dialog.apply(*row->dialog.form, context_);
    return true;
}
