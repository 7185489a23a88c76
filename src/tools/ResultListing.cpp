#include "tools/ResultListing.h"

#include "frame/DialogNumbers.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "sections/SectionOrdering.h"

#include <algorithm>

const char* const kResultListOrderNames[RESULT_LIST_ORDER_COUNT] = {
    "Creation",
    "Name",
    "Location",
    "A (Effective Area)",
    "Asx (Shear Area)",
    "Asy (Shear Area)",
    "Ixx (Moment of Inertia)",
    "Iyy (Moment of Inertia)",
    "Ixy (Product of Inertia)",
    "J (Torsion Constant)",
};

namespace {

std::vector<ListedSection> Listed(const std::vector<int>& ids, bool unlocated)
{
    std::vector<ListedSection> listed;
    for (int id : ids)
        listed.push_back(ListedSection{id, unlocated});
    return listed;
}

std::vector<int> ByName(const std::vector<const T_SECTION_D*>& sections)
{
    std::vector<std::pair<std::string, int>> names;
    for (const T_SECTION_D* section : sections) {
        std::string lower;
        CSectModel::ToLowerCase(section->name, lower);
        names.emplace_back(std::move(lower), section->id);
    }
    // std::string compares its bytes as unsigned values.
    std::sort(names.begin(), names.end());
    std::vector<int> ids;
    for (const auto& entry : names)
        ids.push_back(entry.second);
    return ids;
}

}  // namespace

std::vector<ListedSection> FillSectionList(const CSectModel& model, int listOrder)
{
    std::vector<const T_SECTION_D*> calculated;  // in ascending id: the map's order
    for (const auto& entry : model.m_sections) {
        if (entry.second->propertiesCalculated)
            calculated.push_back(entry.second.get());
    }
    if (listOrder == ORDER_NAME)
        return Listed(ByName(calculated), false);
    if (listOrder == ORDER_LOCATION) {
        std::vector<SectionValue> located;
        std::vector<int> unlocated;
        for (const T_SECTION_D* section : calculated) {
            if (section->hasLocation)
                located.push_back(SectionValue{section->id, section->location});
            else
                unlocated.push_back(section->id);
        }
        std::vector<ListedSection> listed = Listed(OrderByValueRuns(located, kLocationRunTolerance), false);
        const std::vector<ListedSection> tail = Listed(unlocated, true);
        listed.insert(listed.end(), tail.begin(), tail.end());
        return listed;
    }
    if (listOrder >= ORDER_AREA && listOrder <= ORDER_TORSION) {
        std::vector<SectionValue> values;
        for (const T_SECTION_D* section : calculated)
            values.push_back(SectionValue{section->id, section->results[RESULT_A + listOrder - ORDER_AREA]});
        const double tolerance = CalculatedValueTolerance(values);
        return Listed(OrderByValueRuns(std::move(values), tolerance), false);
    }
    std::vector<int> ids;
    for (const T_SECTION_D* section : calculated)
        ids.push_back(section->id);
    return Listed(ids, false);
}

std::string FormatResultValue(double value)
{
    std::string text = FormatText("%lf", value);
    const bool fewDigits = text.rfind("0.0", 0) == 0 || text.rfind("-0.0", 0) == 0;
    if (value != 0.0 && fewDigits)
        text = FormatText("%.6g", value);
    return text;
}

ResultCellTexts ResultValueTexts(const T_SECTION_D& section)
{
    ResultCellTexts texts;
    for (int i = 0; i < RESULT_COUNT; ++i)
        texts[i] = FormatResultValue(ShownResult(section, static_cast<SectionResult>(i)));
    // A line section has no shear areas.
    if (section.type == SECTION_LINE) {
        const std::string none(1, 'X');
        texts[RESULT_ASX] = none;
        texts[RESULT_ASY] = none;
    }
    return texts;
}

std::string LengthUnitHeader(int lengthUnitCode)
{
    static const char* const suffixes[] = {"m]", "cm]", "mm]", "ft]", "in]"};
    std::string header = "Value [Length-Unit:";
    if (lengthUnitCode >= 1 && lengthUnitCode <= 5)
        header += suffixes[lengthUnitCode - 1];
    return header;
}

std::string BaseMaterialText(const CSectModel& model, const T_SECTION_D& section)
{
    const T_MATERIAL_D* material = model.FindMaterial(section.baseMaterialId);
    return material ? FormatText("(%d) %s", material->id, material->name.c_str()) : std::string();
}

ResultEditOutcome ApplyResultEdits(CSectModel& model, int sectionId, const ResultCellTexts& shown,
                                   const ResultCellTexts& cells, bool& undoOpened, IMessageBoxPort& boxes)
{
    ResultEditOutcome outcome;
    T_SECTION_D* section = model.FindSection(sectionId);
    if (!section)
        return outcome;
    std::vector<std::pair<int, double>> changes;
    for (int row = 0; row < RESULT_COUNT; ++row) {
        if (cells[row] == shown[row])
            continue;
        double value = 0.0;
        if (!ReadRealField(cells[row], value, boxes)) {
            outcome.refusedRow = row;
            return outcome;
        }
        changes.emplace_back(row, value);
    }
    if (changes.empty())
        return outcome;
    if (!undoOpened) {
        model.BeginUndoAction();
        model.SetUndoActionTitle("Modify sectional properties");
        undoOpened = true;
    }
    model.SaveSectionForUndo(section, false);
    section->propertiesModifiedByHand = true;
    for (const auto& [row, value] : changes)
        section->results[row] = value;
    outcome.written = true;
    return outcome;
}
