// Section tables for the sibling analysis programs (.kwf for Zol, .pyf for
// Pylor): one user-value entry of three data lines per calculated section.
// Their section axes differ from ours: their y is our x, their z our y, and
// their Ixx is the torsion constant, so the values are written swapped.

#include "io/ExportSelection.h"
#include "io/ExportText.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"

namespace {

constexpr int kPylorProduct = 1;

const char* const kNoCalculatedSection =
    "No section has the calculated properties.\n\nCalculate the sectional properties using [Properties]-[Calculate].";

// The sibling programs read ";" as the start of a comment and "," as the
// field separator.
const char* const kNameFieldBreakers = ",;";

const char* FileKind(int product)
{
    return product == kPylorProduct ? "TARVO/PYLOR PYF" : "TARVO/Zol KWF";
}

ExportText AnalysisFileText(const CSectModel& model, const std::vector<int>& sectionIds)
{
    ExportText text;
    text.Line("*VERSION");
    text.Line("5.3.0");
    text.Line("");
    text.Line("*UNIT");
    text.Line("; FORCE, LENGTH");
    text.Line(std::string(ForceUnitName(model.m_forceUnit)) + ", " + LengthUnitName(model.m_lengthUnit));
    text.Line("");
    text.Line("*SECTION    ; Section");
    text.Line("; iSEC, TYPE, SNAME, SHAPE, OFFSET, BLT, D1, D2, D3, D4, D5, D6 ; 1st line - VALUE");
    text.Line(";       AREA, ASy, ASz, Ixx, Iyy, Izz                           ; 2nd line");
    text.Line(";       CyP, CyM, CzP, CzM, QyB, QzB, PERI_OUT, PERI_IN, Cy, Cz ; 3rd line");

    int entry = 0;
    for (int id : sectionIds) {
        const T_SECTION_D* section = model.FindSection(id);
        const double* r = section->results;
        text.Line("; " + NameForRecord(section->name));
        text.Line(FormatText("%d, VALUE, %s, CC, SB, ROLL, %lg, %lg, 0, 0, 0, 0", ++entry,
                             NameForRecord(section->name, kNameFieldBreakers).c_str(),
                             r[RESULT_CY_PLUS] + r[RESULT_CY_MINUS], r[RESULT_CX_PLUS] + r[RESULT_CX_MINUS]));
        text.Line(FormatText("%lg, %lg, %lg, %lg, %lg, %lg", r[RESULT_A], r[RESULT_ASX], r[RESULT_ASY], r[RESULT_J],
                             r[RESULT_IXX], r[RESULT_IYY]));
        text.Line(FormatText("%lg, %lg, %lg, %lg, 0, 0, 0, 0, %lg, %lg", r[RESULT_CX_PLUS], r[RESULT_CX_MINUS],
                             r[RESULT_CY_PLUS], r[RESULT_CY_MINUS], r[RESULT_CX_MINUS], r[RESULT_CY_MINUS]));
    }
    text.Line("");
    text.Line("*ENDDATA");
    text.Line("");
    return text;
}

} // namespace

bool CSectModel::ExportSectionsToAnalysisFile(std::vector<int> sectionIds, const char* path, int product) const
{
    sectionIds = KeepCalculatedSections(*this, sectionIds);
    if (sectionIds.empty())
        return m_reporter.ShowWarning(kNoCalculatedSection);
    if (!StoreExportFile(m_reporter, path, AnalysisFileText(*this, sectionIds)))
        return false;
    if (sectionIds.size() == 1)
        m_reporter.PrintOutput(FormatText("1 section is exported to the %s file [%s].", FileKind(product), path));
    else
        m_reporter.PrintOutput(FormatText("%d sections are exported to the %s file [%s].",
                                          static_cast<int>(sectionIds.size()), FileKind(product), path));
    return true;
}

bool CSectModel::ExportGroupToAnalysisFile(std::string groupName, const char* path, int product) const
{
    const T_GROUP_D* group = FindExportGroup(*this, groupName);
    if (!group)
        return false;
    const std::vector<int> sectionIds = KeepCalculatedSections(*this, group->sectionIds);
    if (sectionIds.empty())
        return m_reporter.ShowWarning(FormatText(
            "Group [%s] has no calculated section.\n\nCalculate the sectional properties using [Properties]-[Calculate].",
            group->name.c_str()));
    if (!StoreExportFile(m_reporter, path, AnalysisFileText(*this, sectionIds)))
        return false;
    m_reporter.PrintOutput(
        FormatText("Group [%s] is exported to the %s file [%s].", group->name.c_str(), FileKind(product), path));
    return true;
}

bool CSectModel::ExportPropertiesToAnalysisFile(const char* path, int product) const
{
    const std::vector<int> sectionIds = AllCalculatedSections(*this);
    if (sectionIds.empty())
        return m_reporter.ShowWarning(kNoCalculatedSection);
    return ExportSectionsToAnalysisFile(sectionIds, path, product);
}
