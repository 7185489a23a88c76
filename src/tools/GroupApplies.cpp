#include "tools/GroupApplies.h"

#include "frame/SelectionReading.h"
#include "frame/ToolDocument.h"
#include "frame/ToolPageContext.h"
#include "model/NameLookup.h"
#include "model/UserPorts.h"
#include "tools/GroupForms.h"
#include "view/ToolViewPort.h"
#include "view/ViewPorts.h"

#include <optional>
#include <string>
#include <vector>

namespace {

void RefreshGroupCombos(ToolPageContext& context)
{
    if (context.groupCombos)
        context.groupCombos->RefreshGroupCombos();
}

void ShowInformation(ToolPageContext& context, const char* text)
{
    if (context.boxes)
        context.boxes->ShowMessage(BoxKind::Information, text);
}

struct SelectedMembers {
    std::vector<int> sections;
    std::vector<int> curves;
    std::vector<int> points;
    bool Empty() const { return sections.empty() && curves.empty() && points.empty(); }
};

// The selected sections, curves and points; with none, the plain box, the
// selection cleared, and nothing.
std::optional<SelectedMembers> ReadMembers(ToolPageContext& context)
{
    IToolView& view = *context.view;
    SelectedMembers members{SelectedIds(view, KIND_SECTION), SelectedIds(view, KIND_CURVE),
                            SelectedIds(view, KIND_POINT)};
    if (!members.Empty())
        return members;
    if (context.boxes)
        context.boxes->ShowMessage(BoxKind::Plain, "No entity is selected.");
    ClearSelectionAndRedraw(view);
    return std::nullopt;
}

bool NamesAGroup(ToolPageContext& context, const std::string& name)
{
    const CSectModel* model = context.document->GetModel();
    return model && FindRecordNamed(model->m_groups, name, kSkipNoRecord);
}

// Add and Expel: the selection, then the call under the group's name, the
// dialog's list refilled (and the toolbar combos when the call made a
// group); the selection is cleared in every case.
template <class Call>
void ApplyMembership(CGroupListForm& form, const std::string& name, ToolPageContext& context, Call call)
{
    if (!context.view || !context.document)
        return;
    const std::optional<SelectedMembers> members = ReadMembers(context);
    if (!members)
        return;
    if (!name.empty()) {
        const bool madeGroup = call(*context.document, *members);
        form.UpdateGroupList();
        if (madeGroup)
            RefreshGroupCombos(context);
    }
    ClearSelectionAndRedraw(*context.view);
}

}  // namespace

void ApplyCreateGroup(CGToolCreate& form, ToolPageContext& context)
{
    const std::string name = form.Name();
    if (name.empty() || !context.document)
        return;
    context.document->CreateGroup(name);
    RefreshGroupCombos(context);
}

void ApplyRenameGroup(CGToolRename& form, ToolPageContext& context)
{
    const std::string group = form.GetSelectedGroup();
    const std::string newName = form.NewName();
    if (group.empty() || newName.empty() || !context.document)
        return;
    context.document->RenameGroup(group, newName);
    form.UpdateGroupList();
    RefreshGroupCombos(context);
}

void ApplyDeleteGroup(CGToolDelete& form, ToolPageContext& context)
{
    const std::string group = form.GetSelectedGroup();
    if (group.empty() || !context.document)
        return;
    context.document->DeleteGroup(group);
    form.UpdateGroupList();
    RefreshGroupCombos(context);
}

void ApplyMergeGroup(CGToolMerge& form, ToolPageContext& context)
{
    const std::string from = form.GetFromGroup();
    const std::string to = form.GetToGroup();
    const bool deleteFrom = form.DeleteFromGroup();
    if (from.empty() || to.empty() || !context.document)
        return;
    context.document->MergeGroups(from, to, deleteFrom);
    form.UpdateGroupList();
    if (deleteFrom)
        RefreshGroupCombos(context);
}

void ApplyExportGroup(CGToolExport& form, ToolPageContext& context)
{
    const ExportFile file = form.TargetFile();
    const std::string group = form.GetSelectedGroup();
    if (group.empty()) {
        ShowInformation(context, "Group is not selected.");
        return;
    }
    if (file.path.empty()) {
        ShowInformation(context, "File name is not designated.");
        return;
    }
    if (context.document && context.boxes && ConfirmExportFile(file, *context.boxes))
        context.document->ExportGroup(group, file.path, form.Format());
}

void ApplyQueryGroup(CGToolQuery& form, ToolPageContext& context)
{
    const std::string group = form.GetSelectedGroup();
    if (!group.empty() && context.document)
        context.document->QueryGroup(group);
}

void ApplyAddToGroup(CGToolAdd& form, ToolPageContext& context)
{
    const std::string name = form.GetGroupName();
    ApplyMembership(form, name, context, [&name, &context](IToolDocument& document, const SelectedMembers& members) {
        const bool newGroup = !NamesAGroup(context, name);
        document.AddToGroup(name, members.sections, members.curves, members.points);
        return newGroup;
    });
}

void ApplyExpelFromGroup(CGToolExpel& form, ToolPageContext& context)
{
    const std::string name = form.GetGroupName();
    ApplyMembership(form, name, context, [&name](IToolDocument& document, const SelectedMembers& members) {
        document.ExpelFromGroup(name, members.sections, members.curves, members.points);
        return false;
    });
}
