#include "commands/LineSectionInvalidation.h"

#include "commands/IdLists.h"
#include "model/TextFormat.h"

#include <string>

void NoteLineSectionToInvalidate(const CSectModel& model, const T_CURVE_D& curve, std::vector<int>& sectionIds)
{
    const T_SECTION_D* section = model.FindSection(curve.sectionId);
    if (section && section->type == SECTION_LINE && section->propertiesCalculated &&
        !ContainsId(sectionIds, section->id))
        sectionIds.push_back(section->id);
}

void InvalidateLineSections(CSectModel& model, const std::vector<int>& sectionIds)
{
    if (sectionIds.empty())
        return;
    for (int id : sectionIds) {
        T_SECTION_D* section = model.FindSection(id);
        model.SaveSectionForUndo(section, false);
        model.InvalidateSectionProperties(section);
    }
    const std::string count = sectionIds.size() == 1
        ? std::string("The properties of 1 line section are invalidated.")
        : FormatText("The properties of %d line sections are invalidated.", static_cast<int>(sectionIds.size()));
    model.m_reporter.ShowInfo(count + "\n\nRe-calculate the properties using [Properties]-[Calculate].");
}
