#include "tools/GroupForms.h"

#include "model/SectModel.h"

#include <iterator>

const int GROUP_EXPORT_RADIOS[EXPORT_FORMAT_COUNT] = {1333, 1335, 1334, 1337, 1336, 1384};

namespace {

std::vector<int> FormatRadios()
{
    return std::vector<int>(std::begin(GROUP_EXPORT_RADIOS), std::end(GROUP_EXPORT_RADIOS));
}

}  // namespace

CGroupListForm::CGroupListForm(std::vector<int> combos, std::vector<int> switchedControls)
    : combos_(std::move(combos)), switchedControls_(std::move(switchedControls))
{
    for (int combo : combos_)
        AddCombo(combo);
}

void CGroupListForm::UpdateGroupList()
{
    std::vector<std::string> names;
    if (const CSectModel* model = Model()) {
        for (const auto& [id, group] : model->m_groups)
            names.push_back(group->name);
    }
    for (int combo : combos_)
        SetComboRows(combo, names, std::vector<int>(names.size(), 0));
    EnableControls(switchedControls_, !names.empty());
}

CGToolCreate::CGToolCreate()
{
    AddText(ID_GROUP_CREATE_NAME, "");
}

CGToolRename::CGToolRename()
    : CGroupListForm({ID_GROUP_RENAME_GROUP}, {ID_GROUP_RENAME_GROUP, ID_GROUP_RENAME_NEW_NAME})
{
    AddText(ID_GROUP_RENAME_NEW_NAME, "");
}

void CGToolRename::OnSelChangeGroup()
{
    WriteText(ID_GROUP_RENAME_NEW_NAME, GetSelectedGroup());
}

void CGToolRename::OnClick(int controlId)
{
    if (controlId == ID_GROUP_RENAME_GROUP)
        OnSelChangeGroup();
}

CGToolDelete::CGToolDelete() : CGroupListForm({ID_GROUP_DELETE_GROUP}, {ID_GROUP_DELETE_GROUP}) {}

CGToolMerge::CGToolMerge()
    : CGroupListForm({ID_GROUP_MERGE_FROM, ID_GROUP_MERGE_TO},
                     {ID_GROUP_MERGE_FROM, ID_GROUP_MERGE_TO, ID_GROUP_MERGE_DELETE_FROM})
{
    AddCheck(ID_GROUP_MERGE_DELETE_FROM);
}

CGToolExport::CGToolExport()
    : CGroupListForm({ID_GROUP_EXPORT_GROUP}, [] {
          std::vector<int> switched{ID_GROUP_EXPORT_GROUP, ID_GROUP_EXPORT_FILE_NAME, ID_GROUP_EXPORT_BROWSE};
          const std::vector<int> radios = FormatRadios();
          switched.insert(switched.end(), radios.begin(), radios.end());
          return switched;
      }()),
      file_(*this, ID_GROUP_EXPORT_FILE_NAME)
{
    AddRadioGroup(FormatRadios());
}

void CGToolExport::OnShow()
{
    SetChoice(GROUP_EXPORT_RADIOS[0], 0);
    file_.Forget();
    UpdateGroupList();
}

void CGToolExport::OnBrowse()
{
    // The chooser gets no default extension: a name is kept as it is chosen.
    if (const ExportFormat* chosen = ExportFormatOf(Format()))
        file_.Browse(chosen->filter, "", chosen->offeredName);
}

ExportFile CGToolExport::TargetFile() const
{
    const ExportFormat* format = ExportFormatOf(Format());
    return file_.Target(format ? format->extension : "");
}

void CGToolExport::OnFormatChanged()
{
    file_.Forget();
}

void CGToolExport::OnClick(int controlId)
{
    if (controlId == ID_GROUP_EXPORT_BROWSE)
        OnBrowse();
    else if (Choice(controlId) >= 0)
        OnFormatChanged();
}

CGToolQuery::CGToolQuery() : CGroupListForm({ID_GROUP_QUERY_GROUP}, {ID_GROUP_QUERY_GROUP}) {}

CGToolAdd::CGToolAdd() : CGroupListForm({ID_GROUP_ADD_GROUP}, {})
{
    AddText(ID_GROUP_ADD_GROUP, "");
}

void CGToolAdd::UpdateGroupList()
{
    CGroupListForm::UpdateGroupList();
    WriteText(ID_GROUP_ADD_GROUP, "");
}

void CGToolAdd::OnClick(int controlId)
{
    if (controlId == ID_GROUP_ADD_GROUP)
        WriteText(ID_GROUP_ADD_GROUP, GetSelectedGroup());
}

CGToolExpel::CGToolExpel() : CGroupListForm({ID_GROUP_EXPEL_GROUP}, {ID_GROUP_EXPEL_GROUP}) {}
