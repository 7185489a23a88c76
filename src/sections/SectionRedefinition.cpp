// Section > Redefine: a new name, location and/or colour for one section.
// None of them affects the calculated properties, which stay valid.

#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "model/UnchangedActionGuard.h"
#include "sections/SectionClashes.h"

bool CSectModel::RedefineSection(int sectionId, std::string name, bool redefineLocation, double location,
                                 bool redefineColor, const int color[3], bool clashesSettled)
{
    if (name.empty() && !redefineLocation && !redefineColor)
        return false;
    T_SECTION_D* section = FindSection(sectionId);
    if (!section)
        return m_reporter.ReportSectionNotFound(sectionId);

    bool rename = !name.empty();
    if (rename && !clashesSettled) {
        if (const T_SECTION_D* other = FindSectionNamed(*this, name, sectionId))
            rename = m_reporter.AskYesNo(FormatText("Name \"%s\" is already used by the section [%s].\n\n"
                                                    "Rename the section [%s] anyway?",
                                                    name.c_str(), other->name.c_str(), section->name.c_str()),
                                         0) == 1;
    }
    bool relocate = redefineLocation;
    if (relocate && !clashesSettled) {
        if (const T_SECTION_D* other = FindSectionLocatedAt(*this, location, sectionId))
            relocate = m_reporter.AskYesNo(FormatText("Location %.3lf is already assigned to the section [%s].\n\n"
                                                      "Relocate the section [%s] to the same location anyway?",
                                                      location, other->name.c_str(), section->name.c_str()),
                                           0) == 1;
    }
    if (!rename && !relocate && !redefineColor)
        return false;

    const UnchangedActionGuard noEmptyStep(*this);
    SaveSectionForUndo(section, true);
    SetUndoActionTitle(FormatText("Redefine section [%s]", section->name.c_str()));
    if (rename)
        section->name = name;
    if (relocate) {
        section->hasLocation = true;
        section->location = location;
    }
    if (redefineColor) {
        for (int i = 0; i < 3; ++i)
            section->colour[i] = color[i];
    }
    if (!noEmptyStep.ReportIfNothingChanged("the section already has these values"))
        m_reporter.PrintOutput(FormatText("Section [%s] is redefined.", section->name.c_str()));
    return true;
}
