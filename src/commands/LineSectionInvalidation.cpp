#include "commands/LineSectionInvalidation.h"

#include "commands/IdLists.h"
#include "model/InvalidationNotice.h"

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
    ReportInvalidatedSections(model.m_reporter, static_cast<int>(sectionIds.size()), "line ");
}
