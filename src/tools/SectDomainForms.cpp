#include "tools/SectDomainForms.h"

#include "frame/TarvokrtDoc.h"
#include "frame/ToolDocument.h"
#include "frame/ToolPageContext.h"

#include <cstdio>

const PickComparison PICK_COMPARISONS[PICK_COMPARISON_COUNT] = {
    {1300, 1284, 1280}, {1301, 1286, 1281}, {1302, 1288, 1290}, {1303, 1291, 1293}, {1128, 1294, 1296},
};

namespace {

constexpr const char* NOT_ASSIGNED = "Not Assigned";

CSectModel* ModelOf(const ToolPageContext* context)
{
    return context && context->document ? context->document->GetModel() : nullptr;
}

std::string FormatText(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

CSToolChgDMaterial::CSToolChgDMaterial()
{
    BeginGroup(" Material ");
    ListCombo(ID_MATERIAL_COMBO);
    Button(ID_MATERIAL_LIST_BUTTON, "...");
    CheckBox(ID_MATERIAL_AS_BASE, "Set as Base Material");
    EndGroup();
}

void CSToolChgDMaterial::UpdateMaterialList()
{
    const CSectModel* model = ModelOf(Context());
    const bool any = model && !model->m_materials.empty();
    EnableControls({ID_MATERIAL_COMBO, ID_MATERIAL_AS_BASE}, any);
    if (any) {
        std::vector<std::string> rows{"None"};
        materialIds_ = {0};
        for (const auto& [id, material] : model->m_materials) {
            rows.push_back(std::to_string(id) + ":" + material->name);
            materialIds_.push_back(id);
        }
        SetComboRows(ID_MATERIAL_COMBO, std::move(rows));
    }
}

int CSToolChgDMaterial::GetSelectedMaterialId() const
{
    const int row = SelectedRow(ID_MATERIAL_COMBO);
    return row >= 0 && static_cast<size_t>(row) < materialIds_.size() ? materialIds_[static_cast<size_t>(row)] : -1;
}

void CSToolChgDMaterial::OnClick(int controlId)
{
    if (controlId == ID_MATERIAL_LIST_BUTTON && Context() && Context()->sendCommand)
        Context()->sendCommand(CMD_SHOW_MATERIAL_LIST);
}

CSToolExport::CSToolExport() : file_(*this, ID_EXPORT_FILE)
{
    BeginGroup(" Export ");
    AddItems(ExportFileItems(ID_EXPORT_FILE, ID_EXPORT_BROWSE));
    Radios({{ID_EXPORT_KLX, EXPORT_FORMATS[0].label},
            {1355, EXPORT_FORMATS[1].label},
            {1352, EXPORT_FORMATS[2].label},
            {1356, EXPORT_FORMATS[3].label},
            {1353, EXPORT_FORMATS[4].label},
            {1354, EXPORT_FORMATS[5].label}});
    EndGroup();
    BeginGroup(" TARVO Section (Plane) ");
    CheckBox(ID_EXPORT_MERGE, "Merge Straight Lines");
    Label(ID_EXPORT_DEVIATION_LABEL, "Deviation");
    AddReal(ID_EXPORT_DEVIATION, 1.0);
    Edit(ID_EXPORT_DEVIATION);
    Label(ID_EXPORT_UNIT_LABEL, "[Deg]");
    EndGroup();
}

void CSToolExport::OnShow()
{
    SetChoice(ID_EXPORT_KLX, 0);
    SetChecked(ID_EXPORT_MERGE, false);
    WriteReal(ID_EXPORT_DEVIATION, 1.0);
    OnFormatChanged();
}

void CSToolExport::OnClick(int controlId)
{
    if (GroupOf(controlId) == ID_EXPORT_KLX)
        OnFormatChanged();
    else if (controlId == ID_EXPORT_BROWSE)
        OnBrowse();
}

void CSToolExport::OnFormatChanged()
{
    file_.Forget();
    EnableControls({ID_EXPORT_MERGE, ID_EXPORT_DEVIATION, ID_EXPORT_DEVIATION_LABEL, ID_EXPORT_UNIT_LABEL},
                   Format() == EXPORT_SECTION_FILE);
}

void CSToolExport::OnBrowse()
{
    if (const ExportFormat* chosen = ExportFormatOf(Format()))
        file_.Browse(chosen->filter, chosen->extension, chosen->offeredName);
}

ExportFile CSToolExport::TargetFile() const
{
    const ExportFormat* format = ExportFormatOf(Format());
    return file_.Target(format ? format->extension : "");
}

CSToolPick::CSToolPick()
{
    CheckBox(ID_PICK_NAME, "Name");
    ListCombo(ID_PICK_NAME_COMBO);
    CheckBox(ID_PICK_TYPE, "Type");
    ListCombo(ID_PICK_TYPE_COMBO);
    SetComboRows(ID_PICK_TYPE_COMBO, {"Plane", "Line"});
    CheckBox(ID_PICK_LOCATION, "Location");
    ListCombo(ID_PICK_LOCATION_COMBO);
    static const char* const NAMES[PICK_COMPARISON_COUNT] = {"Area", "Ixx", "Iyy", "Ixy", "J"};
    for (int i = 0; i < PICK_COMPARISON_COUNT; ++i) {
        const PickComparison& criterion = PICK_COMPARISONS[i];
        CheckBox(criterion.check, NAMES[i]);
        Radios({{criterion.greater, ">"}, {criterion.greater + 1, "<"}}, true);
        AddReal(criterion.value, 0.0);
        Edit(criterion.value);
        SwitchWithCheck(criterion.check, {criterion.greater, criterion.greater + 1, criterion.value});
    }
    SwitchWithCheck(ID_PICK_NAME, {ID_PICK_NAME_COMBO});
    SwitchWithCheck(ID_PICK_TYPE, {ID_PICK_TYPE_COMBO});
    SwitchWithCheck(ID_PICK_LOCATION, {ID_PICK_LOCATION_COMBO});
    Radios({{ID_PICK_UNION, "Union"}, {ID_PICK_UNION + 1, "Intersection"}}, true);
}

void CSToolPick::OnShow()
{
    for (const PickComparison& criterion : PICK_COMPARISONS)
        SetChoice(criterion.greater, 0);
    SetChoice(ID_PICK_UNION, 0);
    const CSectModel* model = ModelOf(Context());
    std::vector<std::string> names;
    if (model) {
        for (const auto& [id, section] : model->m_sections)
            names.push_back(section->name);
    }
    const bool anySection = model && !model->m_sections.empty();
    SetComboRows(ID_PICK_NAME_COMBO, names);
    locations_.clear();
    if (Context() && Context()->document)
        Context()->document->GetSectionLocations(locations_);
    std::vector<std::string> locationRows{NOT_ASSIGNED};
    for (double location : locations_)
        locationRows.push_back(FormatText("%.3lf", location));
    SetComboRows(ID_PICK_LOCATION_COMBO, std::move(locationRows));
    EnableControls({ID_PICK_NAME}, !names.empty());
    EnableControls({ID_PICK_TYPE, ID_PICK_LOCATION}, anySection);
    for (const PickComparison& criterion : PICK_COMPARISONS)
        EnableControls({criterion.check}, anySection);
    for (const DialogItem& item : Layout()) {
        if (item.kind == DialogItemKind::Check)
            SetChecked(item.id, false);
    }
}

std::string CSToolPick::SelectedName() const
{
    const int row = SelectedRow(ID_PICK_NAME_COMBO);
    return row < 0 ? std::string() : Rows(ID_PICK_NAME_COMBO)[static_cast<size_t>(row)];
}

CSToolPick::LocationRow CSToolPick::SelectedLocation(double& location) const
{
    const int row = SelectedRow(ID_PICK_LOCATION_COMBO);
    if (row < 0)
        return LocationRow::None;
    if (row == 0)
        return LocationRow::NotAssigned;
    location = locations_[static_cast<size_t>(row - 1)];
    return LocationRow::Location;
}
