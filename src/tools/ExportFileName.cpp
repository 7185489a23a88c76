#include "tools/ExportFileName.h"

#include "frame/TarvokrtDoc.h"
#include "frame/ToolForm.h"
#include "frame/ToolPageContext.h"
#include "model/TextFormat.h"
#include "model/UserPorts.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

ExportFile ExportFileFromField(const std::string& fieldText, const std::string& chosenPath,
                               const std::string& defaultExtension)
{
    const std::string typed(TrimmedText(fieldText));
    if (typed.empty())
        return {};
    if (!chosenPath.empty() && typed == chosenPath)
        return {chosenPath, false};
    fs::path path(typed);
    if (!path.has_extension() && !defaultExtension.empty())
        path += "." + defaultExtension;
    if (path.is_relative() && !chosenPath.empty() && !path.has_parent_path())
        path = fs::path(chosenPath).parent_path() / path;
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    return {(error ? path : absolute).lexically_normal().string(), true};
}

bool ConfirmExportFile(const ExportFile& file, IMessageBoxPort& boxes)
{
    std::error_code error;
    if (!file.typed || !fs::exists(file.path, error))
        return true;
    return boxes.AskYesNo(FormatText("%s already exists.\nDo you want to replace it?", file.path.c_str()), false);
}

std::vector<DialogItem> ExportFileItems(int fieldId, int browseId)
{
    DialogItem field{DialogItemKind::Edit, fieldId};
    field.width = EXPORT_FILE_NAME_WIDTH;
    DialogItem browse{DialogItemKind::Button, browseId, "..."};
    browse.across = true;
    return {{DialogItemKind::Label, 0, "File Name"}, field, browse};
}

ExportFileField::ExportFileField(CToolForm& form, int fieldId) : form_(form), fieldId_(fieldId)
{
    form_.AddText(fieldId_, std::string());
}

void ExportFileField::Browse(const std::string& filter, const std::string& defaultExtension,
                             const std::string& offeredName)
{
    const ToolPageContext* context = form_.Context();
    if (!context || !context->prompts)
        return;
    const std::string path = context->prompts->AskSaveFile("Save As", filter, defaultExtension, offeredName);
    if (path.empty())
        return;
    chosenPath_ = path;
    form_.WriteText(fieldId_, path);
}

void ExportFileField::Forget()
{
    chosenPath_.clear();
    form_.WriteText(fieldId_, std::string());
}

ExportFile ExportFileField::Target(const std::string& defaultExtension) const
{
    const ToolFormField* field = form_.Field(fieldId_);
    return ExportFileFromField(field ? field->text : std::string(), chosenPath_, defaultExtension);
}
