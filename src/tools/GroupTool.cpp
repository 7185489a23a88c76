#include "tools/GroupTool.h"

#include "frame/ToolRegistry.h"
#include "tools/GroupApplies.h"
#include "tools/GroupDialogs.h"
#include "tools/GroupForms.h"

namespace {

constexpr int PICK_POINTS_CURVES_SECTIONS = 30005;

}  // namespace

CGroupTool::CGroupTool()
    : create_(std::make_shared<CGToolCreate>()),
      rename_(std::make_shared<CGToolRename>()),
      delete_(std::make_shared<CGToolDelete>()),
      merge_(std::make_shared<CGToolMerge>()),
      export_(std::make_shared<CGToolExport>()),
      query_(std::make_shared<CGToolQuery>()),
      add_(std::make_shared<CGToolAdd>()),
      expel_(std::make_shared<CGToolExpel>()),
      listed_{rename_, delete_, merge_, export_, query_, add_, expel_}
{
    constexpr int unchanged = PICK_FILTER_UNCHANGED;
    std::vector<ToolPageRow>& rows = table_.rows;
    rows.push_back(ListedDialogRow<CGToolCreate>("Create Group", 32861, unchanged, create_, GroupCreateDialog(),
                                                 ApplyCreateGroup));
    rows.push_back(ListedDialogRow<CGToolRename>("Rename Group", 32862, unchanged, rename_, GroupRenameDialog(),
                                                 ApplyRenameGroup));
    rows.push_back(ListedDialogRow<CGToolDelete>("Delete Group", 32863, unchanged, delete_, GroupDeleteDialog(),
                                                 ApplyDeleteGroup));
    rows.push_back(ListedDialogRow<CGToolMerge>("Merge Group", 32864, unchanged, merge_, GroupMergeDialog(),
                                                ApplyMergeGroup));
    rows.push_back(ListedDialogRow<CGToolExport>("Export Group", 32865, unchanged, export_, GroupExportDialog(),
                                                 ApplyExportGroup));
    rows.push_back(ListedDialogRow<CGToolQuery>("Query Group", 32866, unchanged, query_, GroupQueryDialog(),
                                                ApplyQueryGroup));
    rows.push_back(ToolSeparatorRow());
    rows.push_back(ListedDialogRow<CGToolAdd>("Add to Group", 32867, PICK_POINTS_CURVES_SECTIONS, add_,
                                              GroupAddDialog(), ApplyAddToGroup));
    rows.push_back(ListedDialogRow<CGToolExpel>("Expel from Group", 32868, PICK_POINTS_CURVES_SECTIONS, expel_,
                                                GroupExpelDialog(), ApplyExpelFromGroup));
}

void RegisterGroupTool(CToolRegistry& registry)
{
    CGroupTool tool;
    registry.RegisterPage(ToolPageKind::Group, tool.Table());
    registry.hooks.refreshGroupDialogs = [forms = tool.ListedForms()] { RefreshShownLists(forms); };
}
