#include "tools/GroupForms.h"

#include "frame/TarvokrtDoc.h"
#include "frame/ToolPageContext.h"
#include "model/SectModel.h"

#include <filesystem>
#include <iterator>

const GroupExportFormat GROUP_EXPORT_FORMATS[6] = {
    {1333, "KLX Project File", "*.klx", "TARVO/KLX Project Files (*.klx)|*.klx"},
    {1335, "PYLOR PYF File", "*.pyf", "TARVO/PYLOR PYF Files (*.pyf)|*.pyf"},
    {1334, "Zol KWF File", "*.kwf", "TARVO/Zol KWF Files (*.kwf)|*.kwf"},
    {1337, "TARVO Section File", "*.sec", "TARVO Section Files (*.sec)|*.sec"},
    {1336, "AutoCAD DXF File", "*.dxf", "AutoCAD DXF Files (*.dxf)|*.dxf"},
    {1384, "Text File", "*.txt", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*"},
};

namespace {

std::vector<int> FormatRadios()
{
    std::vector<int> radios;
    for (const GroupExportFormat& format : GROUP_EXPORT_FORMATS)
        radios.push_back(format.radioId);
    return radios;
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
      }())
{
    AddText(ID_GROUP_EXPORT_FILE_NAME, "");
    AddRadioGroup(FormatRadios());
}

void CGToolExport::ForgetFile()
{
    chosenPath_.clear();
    WriteText(ID_GROUP_EXPORT_FILE_NAME, "");
}

void CGToolExport::OnShow()
{
    SetChoice(GROUP_EXPORT_FORMATS[0].radioId, 0);
    ForgetFile();
    UpdateGroupList();
}

void CGToolExport::OnBrowse()
{
    const ToolPageContext* context = Context();
    const int format = Format();
    if (!context || !context->prompts || format < 0 || format >= static_cast<int>(std::size(GROUP_EXPORT_FORMATS)))
        return;
    const GroupExportFormat& chosen = GROUP_EXPORT_FORMATS[format];
    // No default extension: a typed name is taken as it is.
    const std::string path = context->prompts->AskSaveFile("Save As", chosen.filter, "", chosen.offeredName);
    if (path.empty())
        return;
    chosenPath_ = path;
    WriteText(ID_GROUP_EXPORT_FILE_NAME, std::filesystem::path(path).filename().string());
}

ExportFile CGToolExport::TargetFile() const
{
    return ExportFileFromField(Field(ID_GROUP_EXPORT_FILE_NAME)->text, chosenPath_, std::string());
}

void CGToolExport::OnFormatChanged()
{
    ForgetFile();
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
