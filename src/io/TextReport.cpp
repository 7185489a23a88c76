// The text report of calculated properties: a ten-line header, then per
// section its name and kind, the material of its calculation and fifteen
// value lines whose values all end in one column.

#include "io/ExportSelection.h"
#include "io/ExportText.h"
#include "model/ProgramInfo.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <algorithm>
#include <chrono>

namespace {

const std::string kFrameLine(52, '=');
const std::string kRuleLine(52, '-');
constexpr std::size_t kPaddedTextWidth = 49;
constexpr std::size_t kValueColumnWidth = 39;

// The asctime form without its line end, in English whatever the locale, the
// day of the month with its leading zero: "Tue Mar 05 07:08:09 2024".
std::string ReportDateTime(const LocalDateTime& now)
{
    static const char* const weekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    using namespace std::chrono;
    const year_month_day date{year{now.year}, month{static_cast<unsigned>(now.month)},
                              day{static_cast<unsigned>(now.day)}};
    const unsigned weekday = std::chrono::weekday{sys_days{date}}.c_encoding();
    const char* monthName = now.month >= 1 && now.month <= 12 ? months[now.month - 1] : "???";
    return FormatText("%s %s %02d %02d:%02d:%02d %d", weekdays[weekday % 7], monthName, now.day, now.hour,
                      now.minute, now.second, now.year);
}

std::string PaddedTo(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

// A line of the header's frame: the text centred between the frame's two
// '=', the line as wide as the frame (the odd blank goes to the right).
std::string FramedLine(const std::string& text)
{
    const std::size_t inside = kFrameLine.size() - 2;
    const std::size_t blanks = text.size() < inside ? inside - text.size() : 0;
    return "=" + std::string(blanks / 2, ' ') + text + std::string(blanks - blanks / 2, ' ') + "=";
}

std::string FixedValue(double value)
{
    return FormatText("%.12lf", value);
}

// Right-aligns every value of the file in one column: the widest stored value
// sets the width, which is at most 39 characters without growing the line.
class ValueColumn {
public:
    explicit ValueColumn(std::size_t widest) : widest_(widest) {}

    std::string Field(const std::string& valueText) const
    {
        std::string field;
        if (widest_ < kValueColumnWidth)
            field.append(kValueColumnWidth - widest_, ' ');
        if (valueText.size() < widest_)
            field.append(widest_ - valueText.size(), ' ');
        return field + valueText;
    }

private:
    std::size_t widest_;
};

std::size_t WidestStoredValue(const CSectModel& model, const std::vector<int>& sectionIds)
{
    std::size_t widest = 0;
    for (int id : sectionIds) {
        const T_SECTION_D& section = *model.FindSection(id);
        for (int result = 0; result < RESULT_COUNT; ++result)
            widest = std::max(widest, FixedValue(ShownResult(section, static_cast<SectionResult>(result))).size());
    }
    return widest;
}

// The quotient a section modulus is reported as; a zero moment has none.
std::string ModulusText(double distance, double moment)
{
    return moment == 0.0 ? "undefined" : FixedValue(distance / moment);
}

void WriteHeader(const CSectModel& model, ExportText& text)
{
    text.Line(kFrameLine);
    text.Line(FramedLine("TARVO KLX TEXT OUTPUT FILE"));
    text.Line(FramedLine("(" + ReportDateTime(model.m_reporter.GetLocalDateTime()) + ")"));
    text.Line(FramedLine(std::string("- ") + KLX_HOMEPAGE + " -"));
    text.Line(kFrameLine);
    text.Line("");
    text.Line(kFrameLine);
    text.Line(std::string(" UNIT: ") + ForceUnitName(model.m_forceUnit) + " . " + LengthUnitName(model.m_lengthUnit));
    text.Line(kFrameLine);
    text.Line("");
}

void WriteSectionBlock(const CSectModel& model, const T_SECTION_D& section, const ValueColumn& column,
                       ExportText& text)
{
    const double* r = section.results;
    text.Line(kFrameLine);
    const char* kind = section.type == SECTION_PLANE ? " (PLANE)" : " (LINE)";
    text.Line("* " + PaddedTo(NameForRecord(section.name) + kind, kPaddedTextWidth));
    text.Line(kFrameLine);
    if (const T_MATERIAL_D* material = model.FindMaterial(section.baseMaterialId)) {
        text.Line("  " + PaddedTo(FormatText("%s (E: %.3lf, v: %.3lf)", NameForRecord(material->name).c_str(),
                                             material->elasticModulus, material->poissonRatio),
                                  kPaddedTextWidth));
        text.Line(kFrameLine);
    }
    const auto valueLine = [&](const char* label, const std::string& valueText) {
        text.Line(label + column.Field(valueText));
    };
    valueLine("*     A   :  ", FixedValue(r[RESULT_A]));
    valueLine("*    Asx  :  ", FixedValue(r[RESULT_ASX]));
    valueLine("*    Asy  :  ", FixedValue(r[RESULT_ASY]));
    valueLine("*    Ixx  :  ", FixedValue(r[RESULT_IXX]));
    valueLine("*    Iyy  :  ", FixedValue(r[RESULT_IYY]));
    valueLine("*    Ixy  :  ", FixedValue(ShownResult(section, RESULT_IXY)));
    valueLine("*     J   :  ", FixedValue(r[RESULT_J]));
    text.Line(kRuleLine);
    valueLine("*   (+)Cx :  ", FixedValue(r[RESULT_CX_PLUS]));
    valueLine("*   (-)Cx :  ", FixedValue(r[RESULT_CX_MINUS]));
    valueLine("*   (+)Cy :  ", FixedValue(r[RESULT_CY_PLUS]));
    valueLine("*   (-)Cy :  ", FixedValue(r[RESULT_CY_MINUS]));
    text.Line(kRuleLine);
    // Ixx is taken about the horizontal axis, whose extreme fibres lie at the
    // vertical distances Cy; Iyy about the vertical axis, with the distances Cx.
    valueLine("* (+)1/Sx :  ", ModulusText(r[RESULT_CY_PLUS], r[RESULT_IXX]));
    valueLine("* (-)1/Sx :  ", ModulusText(r[RESULT_CY_MINUS], r[RESULT_IXX]));
    valueLine("* (+)1/Sy :  ", ModulusText(r[RESULT_CX_PLUS], r[RESULT_IYY]));
    valueLine("* (-)1/Sy :  ", ModulusText(r[RESULT_CX_MINUS], r[RESULT_IYY]));
    text.Line(kFrameLine);
    text.Line("");
}

} // namespace

bool CSectModel::ExportSectionsToText(std::vector<int> sectionIds, const char* path, bool report) const
{
    sectionIds = KeepCalculatedSections(*this, sectionIds);
    if (sectionIds.empty())
        return report ? m_reporter.ShowWarning("No selected section has the calculated properties.") : false;

    ExportText text;
    WriteHeader(*this, text);
    const ValueColumn column(WidestStoredValue(*this, sectionIds));
    for (int id : sectionIds)
        WriteSectionBlock(*this, *FindSection(id), column, text);
    if (!StoreExportFile(m_reporter, path, text))
        return false;
    if (report && sectionIds.size() == 1)
        m_reporter.PrintOutput(FormatText("1 section is exported to text file [%s].", path));
    else if (report)
        m_reporter.PrintOutput(FormatText("%d sections are exported to text file [%s].",
                                          static_cast<int>(sectionIds.size()), path));
    return true;
}

bool CSectModel::ExportGroupToText(std::string groupName, const char* path) const
{
    const T_GROUP_D* group = FindExportGroup(*this, groupName);
    if (!group)
        return false;
    const std::vector<int> sectionIds = KeepCalculatedSections(*this, group->sectionIds);
    if (sectionIds.empty())
        return m_reporter.ShowWarning(FormatText("Group [%s] has no calculated section.", group->name.c_str()));
    if (!ExportSectionsToText(sectionIds, path, false))
        return false;
    m_reporter.PrintOutput(FormatText("Group [%s] is exported to the text file [%s].", group->name.c_str(), path));
    return true;
}

bool CSectModel::ExportPropertiesToText(const char* path) const
{
    const std::vector<int> sectionIds = AllCalculatedSections(*this);
    if (sectionIds.empty())
        return m_reporter.ShowWarning("No section has the calculated properties.");
    if (!ExportSectionsToText(sectionIds, path, false))
        return false;
    if (sectionIds.size() == 1)
        m_reporter.PrintOutput(FormatText("The properties of 1 section are exported to the text file [%s].", path));
    else
        m_reporter.PrintOutput(FormatText("The properties of %d sections are exported to the text file [%s].",
                                          static_cast<int>(sectionIds.size()), path));
    return true;
}
