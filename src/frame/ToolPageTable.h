#pragma once
// The six tool pages of the project workspace as data. A page's shell (tab
// title, base id, open-page code, control ids) is fixed here; its command
// table is registered by the tools at start-up. A row holds its text, the
// command that opens it, the pick filter its show sets, its extra show and
// hide steps, its role, and once its dialog is built the form, the dialog
// made over the form and the apply.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CToolForm;
class CToolDialogPanel;
struct ToolPageContext;
class wxWindow;

enum class ToolPageKind { Point, Curve, Section, Properties, Group, Ucs };
constexpr int TOOL_PAGE_COUNT = 6;

// The workspace's open-page code.
enum OpenPageCode {
    OPEN_PAGE_NONE = 20000,
    OPEN_PAGE_POINT = 20001,
    OPEN_PAGE_CURVE = 20002,
    OPEN_PAGE_SECTION = 20003,
    OPEN_PAGE_PROPERTIES = 20004,
    OPEN_PAGE_GROUP = 20005,
    OPEN_PAGE_UCS = 20006,
};

struct ToolPageShell {
    ToolPageKind kind;
    const char* title;
    int baseId;  // tool id of row 0
    int openCode;
    int comboId;
    int applyId;
    int closeId;
};

// In ToolPageKind order.
const std::array<ToolPageShell, TOOL_PAGE_COUNT>& ToolPageShells();
const ToolPageShell& ShellOf(ToolPageKind kind);

// The text of a separator row.
extern const char* const TOOL_SEPARATOR_TEXT;

// A show that leaves the pick filter and the mouse mode as they are.
constexpr int PICK_FILTER_UNCHANGED = -1;

// The Pick row's selection is its result and survives the hide; the Query
// row's apply also runs after each selection click while the row is shown.
enum class ToolRowRole { Command, Pick, Query };

// The apply: reads the form, validates, calls the document, as its tool says.
using ToolApply = std::function<void(CToolForm& form, ToolPageContext& context)>;
// An extra step of a row's show (after its dialog is made) or of its hide.
using ToolStep = std::function<void(CToolForm& form, ToolPageContext& context)>;
// Makes the dialog window over the form, as a child of the page.
using ToolDialogFactory = std::function<CToolDialogPanel*(wxWindow* parent, CToolForm& form, ToolPageContext& context)>;

// What a dialog's tool adds to its row. The form lives as long as the table.
struct ToolRowDialog {
    std::shared_ptr<CToolForm> form;
    ToolDialogFactory makeDialog;
    ToolApply apply;
};

struct ToolPageRow {
    std::string text;
    int commandId = 0;  // 0: no command opens the row
    int pickFilter = PICK_FILTER_UNCHANGED;
    ToolRowRole role = ToolRowRole::Command;
    ToolStep extraShow;
    ToolStep extraHide;
    ToolRowDialog dialog;

    bool IsSeparator() const { return text == TOOL_SEPARATOR_TEXT; }
    // A row without a dialog shows nothing.
    bool HasDialog() const { return dialog.form && dialog.makeDialog; }
};

ToolPageRow ToolSeparatorRow();

struct ToolPageTable {
    std::vector<ToolPageRow> rows;

    // The row index the command opens, or -1.
    int IndexOfCommand(int commandId) const;
};
