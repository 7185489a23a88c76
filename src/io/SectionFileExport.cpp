// The section file (.sec) of chosen sections or of a group: the unit line,
// one record per qualifying section, and "EOF". A section whose record cannot
// be written is left out and named in the output window.

#include "io/ExportSelection.h"
#include "io/ExportText.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <algorithm>

namespace {

bool HasOneUsedDomain(const T_SECTION_D& section)
{
    return std::count_if(section.domains.begin(), section.domains.end(),
                         [](const auto& entry) { return entry.second->used; })
        == 1;
}

// Calculated, and a line section or a plane section with one used domain.
bool QualifiesForSecFile(const T_SECTION_D* section, bool planeOnly)
{
    if (!section || !section->propertiesCalculated)
        return false;
    if (section->type != SECTION_PLANE)
        return !planeOnly;
    return HasOneUsedDomain(*section);
}

std::vector<int> QualifyingSections(const CSectModel& model, const std::vector<int>& sectionIds, bool planeOnly)
{
    std::vector<int> kept;
    for (int id : sectionIds) {
        if (QualifiesForSecFile(model.FindSection(id), planeOnly))
            kept.push_back(id);
    }
    return kept;
}

// Writes the file of the sections, numbering the records that could be
// written from 1; true once it is stored.
bool WriteSecFile(const CSectModel& model, const std::vector<int>& sectionIds, const char* path,
                  SecRecordLayout layout)
{
    ExportText text;
    text.Line(std::string("UNIT=") + ForceUnitName(model.m_forceUnit) + ", " + LengthUnitName(model.m_lengthUnit));
    int number = 1;
    std::vector<const T_SECTION_D*> leftOut;
    for (int id : sectionIds) {
        const T_SECTION_D* section = model.FindSection(id);
        const bool written = section->type == SECTION_PLANE
            ? model.WritePlaneSectionRecord(section, number, text, layout)
            : model.WriteLineSectionRecord(section, number, text);
        if (written)
            ++number;
        else
            leftOut.push_back(section);
    }
    text.Line("EOF");
    if (!StoreExportFile(model.m_reporter, path, text))
        return false;
    for (const T_SECTION_D* section : leftOut)
        model.m_reporter.PrintOutput(FormatText("Internal model data of section [%d:%s] seem corrupted.",
                                                section->id, section->name.c_str()));
    return true;
}

} // namespace

bool CSectModel::ExportSectionsToSecFile(std::vector<int> sectionIds, const char* path) const
{
    sectionIds = QualifyingSections(*this, sectionIds, false);
    if (sectionIds.empty())
        return m_reporter.ShowWarning("There is no proper section to export!");
    return WriteSecFile(*this, sectionIds, path, SecRecordLayout::SectionExport);
}

bool CSectModel::ExportGroupToSecFile(std::string groupName, const char* path) const
{
    const T_GROUP_D* group = FindExportGroup(*this, groupName);
    if (!group)
        return false;
    const std::vector<int> sectionIds = QualifyingSections(*this, group->sectionIds, true);
    if (sectionIds.empty())
        return m_reporter.ShowWarning(
            FormatText("Group [%s] has no proper section to export!", group->name.c_str()));
    return WriteSecFile(*this, sectionIds, path, SecRecordLayout::GroupExport);
}
