#include "tools/UcsTool.h"

#include "frame/ToolRegistry.h"
#include "tools/UcsApplies.h"
#include "tools/UcsForms.h"

namespace {

using K = DialogItemKind;

// The way of definition and its two groups of inputs.
void AddDefinitionItems(std::vector<DialogItem>& items, const UcsDefinitionControls& c)
{
    items.insert(items.end(), {{K::BoxBegin, 0, " UCS Definition "},
                               {K::Radio, c.byOrigin, "Origin / Rotation"},
                               {K::Radio, c.byPoints, "Two Points (X-axis)"},
                               {K::Edit, c.origin, "Origin", ID_UCS_ORIGIN_LABEL},
                               {K::Edit, c.angle, "Angle", ID_UCS_ANGLE_LABEL},
                               {K::Spin, c.angleSpin},
                               {K::Edit, c.point1, "Point 1", ID_UCS_POINT1_LABEL},
                               {K::Edit, c.point2, "Point 2", ID_UCS_POINT2_LABEL},
                               {K::BoxEnd}});
}

std::vector<DialogItem> CreateItems(const UcsDefinitionControls& controls)
{
    std::vector<DialogItem> items{{K::Edit, ID_UCS_CREATE_NAME, "Name", ID_UCS_NAME_LABEL}};
    AddDefinitionItems(items, controls);
    return items;
}

std::vector<DialogItem> RedefineItems(const UcsDefinitionControls& controls)
{
    std::vector<DialogItem> items{{K::Label, ID_UCS_NAME_LABEL, "UCS"},
                                  {K::Combo, ID_UCS_REDEFINE_UCS},
                                  {K::BoxBegin},
                                  {K::Edit, ID_UCS_REDEFINE_NAME, "Name", ID_UCS_REDEFINE_NAME_LABEL},
                                  {K::BoxEnd}};
    AddDefinitionItems(items, controls);
    return items;
}

}  // namespace

CUcsTool::CUcsTool()
    : change_(std::make_shared<CUToolChange>()),
      create_(std::make_shared<CUToolCreate>()),
      redefine_(std::make_shared<CUToolRedefine>()),
      delete_(std::make_shared<CUToolDelete>()),
      listed_{change_, redefine_, delete_}
{
    constexpr int unchanged = PICK_FILTER_UNCHANGED;
    std::vector<ToolPageRow>& rows = table_.rows;
    // Set Work UCS is opened by the view's UCS button, through no command of its own.
    rows.push_back(ListedDialogRow<CUToolChange>(
        "Set Work UCS", 0, unchanged, change_,
        ItemsDialog({{K::BoxBegin, 0, " Work UCS "}, {K::Combo, ID_UCS_CHANGE_UCS}, {K::BoxEnd}}),
        ApplySetWorkUcs));
    rows.push_back(ToolSeparatorRow());
    rows.push_back(ListedDialogRow<CUToolCreate>("Create UCS", 32783, unchanged, create_,
                                                 ItemsDialog(CreateItems(create_->Controls())), ApplyCreateUcs));
    rows.push_back(ListedDialogRow<CUToolRedefine>("Redefine UCS", 32784, unchanged, redefine_,
                                                   ItemsDialog(RedefineItems(redefine_->Controls())),
                                                   ApplyRedefineUcs));
    rows.push_back(ListedDialogRow<CUToolDelete>(
        "Delete UCS", 32785, unchanged, delete_,
        ItemsDialog({{K::Label, ID_UCS_NAME_LABEL, "UCS"}, {K::Combo, ID_UCS_DELETE_UCS}}), ApplyDeleteUcs));
}

void RegisterUcsTool(CToolRegistry& registry)
{
    CUcsTool tool;
    registry.RegisterPage(ToolPageKind::Ucs, tool.Table());
    registry.hooks.refreshUcsDialogs = [forms = tool.ListedForms()] { RefreshShownLists(forms); };
}
