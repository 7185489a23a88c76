#include "tools/ExportFileName.h"

#include "model/TextFormat.h"
#include "model/UserPorts.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

ExportFile ExportFileFromField(const std::string& fieldText, const std::string& chosenPath,
                               const std::string& defaultExtension)
{
    const std::string typed = Trimmed(fieldText);
    if (typed.empty())
        return {};
    if (!chosenPath.empty() && typed == fs::path(chosenPath).filename().string())
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
