#pragma once
// The steps of one tool page, as plain code over the view port: showing,
// hiding, applying and closing its commands, and the query after a pick.
//
// Show of a command row with a dialog: tool id and tool-active 1 in the
// view; the row's pick filter (none leaves filter and mouse mode alone); the
// dialog made over the form; the row's extra show step. Hide: the dialog
// destroyed and the row's extra hide step; the selection cleared and the
// view redrawn unless the row is the page's Pick row; tool id, pick field
// code, tool-active and mouse mode 0, the filter left as it is. A separator
// or a row without a dialog shows nothing. Apply runs the shown row's apply,
// then always asks the view to render anew. Close hides, has the workspace
// close the page, and puts the view's pick filter back.

#include "frame/ToolPageTable.h"

#include <functional>

class CToolForm;

// The page on screen: its command combo and the host of the shown dialog.
class IToolPageWindow {
public:
    virtual ~IToolPageWindow() = default;
    // Shows the index in the command combo (-1: none).
    virtual void SelectComboIndex(int index) = 0;
    // Makes the row's dialog over its form and shows it.
    virtual void MakeDialog(ToolPageRow& row) = 0;
    virtual void DestroyDialog() = 0;
};

class CToolPageController {
public:
    CToolPageController(const ToolPageShell& shell, ToolPageTable& table, ToolPageContext& context);

    // The page's window while it is open; null while closed.
    void SetWindow(IToolPageWindow* window) { window_ = window; }
    // How the page's Close has the workspace close the page.
    void SetCloseRequest(std::function<void()> closePage) { closePage_ = std::move(closePage); }

    // Shows the command of the tool id; the shown command stays as it is.
    void SelectCommand(int toolId);
    // The combo's choice.
    void OnSelChangeCommand(int index);
    void HideCommand(int index);
    void OnApply();
    void OnClose();
    // The query after a selection click: the apply of the Query row while
    // that row is shown with the tool id; true when it ran.
    bool RunQuery(int toolId);

    int CurrentIndex() const { return current_; }
    int PreviousIndex() const { return previous_; }
    void ResetIndices() { current_ = previous_ = -1; }
    // The form of the shown dialog; null when none is shown.
    CToolForm* ShownForm();

    const ToolPageShell& Shell() const { return shell_; }
    const ToolPageTable& Table() const { return table_; }
    ToolPageContext& Context() { return context_; }

private:
    ToolPageRow* Row(int index);
    void ShowCommand(int index);

    const ToolPageShell& shell_;
    ToolPageTable& table_;
    ToolPageContext& context_;
    IToolPageWindow* window_ = nullptr;
    std::function<void()> closePage_;
    int current_ = -1;
    int previous_ = -1;
    bool dialogShown_ = false;
};
