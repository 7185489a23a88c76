#pragma once
// The Group page: its command table (tool ids 5000-5008, a separator at
// 5006), the forms of its eight dialogs and their applies. Only Add and
// Expel set a pick filter (points, curves and sections). Registered, the
// page's refresh hook refills the lists of its dialogs whose windows exist
// after an Undo or a Redo that touched groups.

#include "frame/ToolPageTable.h"

#include <memory>
#include <vector>

class CToolRegistry;
class CListedDialogForm;
class CGToolCreate;
class CGToolRename;
class CGToolDelete;
class CGToolMerge;
class CGToolExport;
class CGToolQuery;
class CGToolAdd;
class CGToolExpel;

enum GroupToolRow {
    GROUP_ROW_CREATE = 0,
    GROUP_ROW_RENAME = 1,
    GROUP_ROW_DELETE = 2,
    GROUP_ROW_MERGE = 3,
    GROUP_ROW_EXPORT = 4,
    GROUP_ROW_QUERY = 5,
    GROUP_ROW_ADD = 7,
    GROUP_ROW_EXPEL = 8,
};

class CGroupTool {
public:
    CGroupTool();

    ToolPageTable& Table() { return table_; }
    // The dialogs with group lists, in page order.
    const std::vector<std::shared_ptr<CListedDialogForm>>& ListedForms() const { return listed_; }

    CGToolCreate& Create() { return *create_; }
    CGToolRename& Rename() { return *rename_; }
    CGToolDelete& Delete() { return *delete_; }
    CGToolMerge& Merge() { return *merge_; }
    CGToolExport& Export() { return *export_; }
    CGToolQuery& Query() { return *query_; }
    CGToolAdd& Add() { return *add_; }
    CGToolExpel& Expel() { return *expel_; }

private:
    std::shared_ptr<CGToolCreate> create_;
    std::shared_ptr<CGToolRename> rename_;
    std::shared_ptr<CGToolDelete> delete_;
    std::shared_ptr<CGToolMerge> merge_;
    std::shared_ptr<CGToolExport> export_;
    std::shared_ptr<CGToolQuery> query_;
    std::shared_ptr<CGToolAdd> add_;
    std::shared_ptr<CGToolExpel> expel_;
    std::vector<std::shared_ptr<CListedDialogForm>> listed_;
    ToolPageTable table_;
};

// Registers the page's table and its refresh hook.
void RegisterGroupTool(CToolRegistry& registry);
