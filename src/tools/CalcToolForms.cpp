#include "tools/CalcToolForms.h"

#include "frame/DialogNumbers.h"
#include "frame/TarvokrtDoc.h"
#include "frame/ToolPageContext.h"

#include <array>
#include <filesystem>

CalcForm::CalcForm()
{
    AddReal(ID_CALC_MESH_SIZE, 0.0);
    SetMeshMode(MESH_BY_DENSITY);
}

void CalcForm::ResetForShow()
{
    densityLevel = 3;
    pauseAfterEach = false;
    recalculate = false;
    // Text typed since the last reading is dropped.
    WriteText(ID_CALC_MESH_SIZE, RealFieldText(MeshSize()));
    SetMeshMode(MESH_BY_DENSITY);
}

void CalcForm::SetMeshMode(int mode)
{
    meshMode_ = mode;
    // A disabled field is not read: the size counts only in size mode.
    SetEnabled(ID_CALC_MESH_SIZE, mode == MESH_BY_SIZE);
    NotifyChoices();
}

bool DisplayForm::ResetForShow()
{
    chosen_ = applied_;
    NotifyChoices();
    const bool first = !shownBefore_;
    shownBefore_ = true;
    return first;
}

int DisplayForm::TakeChosen()
{
    applied_ = chosen_;
    return applied_;
}

const PropertyExportFormat& PropertyExportFormatOf(int format)
{
    static const std::array<PropertyExportFormat, PROPERTY_EXPORT_FORMAT_COUNT> formats = {{
        {"PYLOR PYF File", "TARVO/PYLOR PYF Files (*.pyf)|*.pyf", "pyf"},
        {"ZOLw KWF File", "TARVO/ZOLw KWF Files (*.kwf)|*.kwf", "kwf"},
        {"Text File", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*", "txt"},
    }};
    return formats.at(static_cast<size_t>(format));
}

ExportForm::ExportForm()
{
    AddText(ID_CALC_EXPORT_FILE_NAME, std::string());
}

void ExportForm::ResetForShow()
{
    format_ = 0;
    ForgetFile();
    NotifyChoices();
}

void ExportForm::SetFormat(int format)
{
    if (format < 0 || format >= PROPERTY_EXPORT_FORMAT_COUNT)
        return;
    format_ = format;
    ForgetFile();
}

void ExportForm::ForgetFile()
{
    chosenPath_.clear();
    WriteText(ID_CALC_EXPORT_FILE_NAME, std::string());
}

ExportFile ExportForm::TargetFile() const
{
    return ExportFileFromField(Field(ID_CALC_EXPORT_FILE_NAME)->text, chosenPath_,
                               PropertyExportFormatOf(format_).extension);
}

void ExportForm::Browse()
{
    ToolPageContext* context = Context();
    if (!context || !context->prompts)
        return;
    const PropertyExportFormat& chosen = PropertyExportFormatOf(format_);
    const std::string path = context->prompts->AskSaveFile("Save As", chosen.filter, chosen.extension, std::string());
    if (path.empty())
        return;
    chosenPath_ = path;
    WriteText(ID_CALC_EXPORT_FILE_NAME, std::filesystem::path(path).filename().string());
}
