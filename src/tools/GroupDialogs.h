#pragma once
// The windows of the Group page's dialogs, laid out over their forms.

#include "frame/ToolPageTable.h"

ToolDialogFactory GroupCreateDialog();
ToolDialogFactory GroupRenameDialog();
ToolDialogFactory GroupDeleteDialog();
ToolDialogFactory GroupMergeDialog();
// With the "..." button beside the file name.
ToolDialogFactory GroupExportDialog();
ToolDialogFactory GroupQueryDialog();
// With the editable group combo.
ToolDialogFactory GroupAddDialog();
ToolDialogFactory GroupExpelDialog();
