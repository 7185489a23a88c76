#include "tools/CalcToolForms.h"

#include "frame/DialogNumbers.h"

#include <array>

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

ExportForm::ExportForm() : file_(*this, ID_CALC_EXPORT_FILE_NAME) {}

void ExportForm::ResetForShow()
{
    format_ = 0;
    file_.Forget();
    NotifyChoices();
}

void ExportForm::SetFormat(int format)
{
    if (format < 0 || format >= PROPERTY_EXPORT_FORMAT_COUNT)
        return;
    format_ = format;
    file_.Forget();
}

ExportFile ExportForm::TargetFile() const
{
    return file_.Target(PropertyExportFormatOf(format_).extension);
}

void ExportForm::Browse()
{
    const PropertyExportFormat& chosen = PropertyExportFormatOf(format_);
    file_.Browse(chosen.filter, chosen.extension, std::string());
}
