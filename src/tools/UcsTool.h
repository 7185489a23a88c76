#pragma once
// The UCS page: its command table (tool ids 6000-6004, a separator at
// 6001), the forms of its four dialogs and their applies. No command sets a
// pick filter. Registered, the page's refresh hook refills the three UCS
// lists of the dialogs whose windows exist after an Undo or a Redo that
// touched UCSs.

#include "frame/ToolPageTable.h"

#include <memory>
#include <vector>

class CToolRegistry;
class CListedDialogForm;
class CUToolChange;
class CUToolCreate;
class CUToolRedefine;
class CUToolDelete;

enum UcsToolRow { UCS_ROW_SET_WORK = 0, UCS_ROW_CREATE = 2, UCS_ROW_REDEFINE = 3, UCS_ROW_DELETE = 4 };

class CUcsTool {
public:
    CUcsTool();

    ToolPageTable& Table() { return table_; }
    // The dialogs with UCS lists.
    const std::vector<std::shared_ptr<CListedDialogForm>>& ListedForms() const { return listed_; }

    CUToolChange& Change() { return *change_; }
    CUToolCreate& Create() { return *create_; }
    CUToolRedefine& Redefine() { return *redefine_; }
    CUToolDelete& Delete() { return *delete_; }

private:
    std::shared_ptr<CUToolChange> change_;
    std::shared_ptr<CUToolCreate> create_;
    std::shared_ptr<CUToolRedefine> redefine_;
    std::shared_ptr<CUToolDelete> delete_;
    std::vector<std::shared_ptr<CListedDialogForm>> listed_;
    ToolPageTable table_;
};

// Registers the page's table and its refresh hook.
void RegisterUcsTool(CToolRegistry& registry);
