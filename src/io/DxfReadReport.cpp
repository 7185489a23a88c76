#include "io/DxfReadReport.h"

#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// A hostile drawing can invent any number of kinds; the line names this many.
constexpr size_t kNamedKindLimit = 10;

std::string Joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : ", ") + part;
    return text;
}

// The bytes of the UTF-8 character at the start of the text; 0 when it
// starts with none: a stray or missing continuation byte, an overlong form, a
// surrogate or a code point beyond U+10FFFF.
size_t Utf8CharacterLength(std::string_view text)
{
    const auto byte = [&text](size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    size_t length = 0;
    unsigned char low = 0x80;  // the range of the byte after the lead
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

// How a kind is named in the report: a drawing may give an entity no name,
// or one that is no UTF-8 text, which the window would show as nothing; each
// byte that belongs to no character is shown as U+FFFD.
std::string KindName(std::string_view kind)
{
    if (kind.empty())
        return "(no name)";
    std::string name;
    while (!kind.empty()) {
        const size_t length = Utf8CharacterLength(kind);
        name += length == 0 ? std::string_view("\xEF\xBF\xBD") : kind.substr(0, length);
        kind.remove_prefix(std::max<size_t>(length, 1));
    }
    return name;
}

// "LWPOLYLINE 5, INSERT 2": the most frequent kinds first, equal counts by
// name. Kinds shown alike are counted as one. The kinds beyond those named
// are counted together, so that the line still adds up to every entity.
std::string UnreadKindsText(const std::map<std::string, int>& kinds)
{
    std::map<std::string, int> byName;
    for (const auto& [kind, count] : kinds)
        byName[KindName(kind)] += count;
    std::vector<std::pair<std::string, int>> byCount(byName.begin(), byName.end());
    std::stable_sort(byCount.begin(), byCount.end(),
                     [](const auto& left, const auto& right) { return left.second > right.second; });
    std::vector<std::string> named;
    for (size_t i = 0; i < std::min(byCount.size(), kNamedKindLimit); ++i)
        named.push_back(byCount[i].first + " " + std::to_string(byCount[i].second));
    std::string text = Joined(named);
    if (byCount.size() > kNamedKindLimit) {
        int unnamedEntities = 0;
        for (size_t i = kNamedKindLimit; i < byCount.size(); ++i)
            unnamedEntities += byCount[i].second;
        text += FormatText(" and %d more kinds [%d]", static_cast<int>(byCount.size() - kNamedKindLimit),
                           unnamedEntities);
    }
    return text;
}

std::string NotImportedText(const DxfSkippedEntities& skipped)
{
    std::vector<std::string> reasons;
    if (!skipped.unreadKinds.empty())
        reasons.push_back("Kinds not read [" + UnreadKindsText(skipped.unreadKinds) + "]");
    const std::pair<const char*, int> counted[] = {
        {"On layers off or frozen", skipped.onHiddenLayers}, {"Off the XY plane", skipped.offPlane},
        {"Of no size", skipped.ofNoSize},                    {"Smaller than the tolerance", skipped.belowTolerance},
        {"Cannot be placed", skipped.unplaceable},           {"Id limit reached", skipped.leftAtIdLimit},
    };
    for (const auto& [reason, count] : counted) {
        if (count > 0)
            reasons.push_back(FormatText("%s [%d]", reason, count));
    }
    return "Not imported: " + Joined(reasons);
}

// Why the entities that cannot be placed were not: the text names the
// causes met.
std::string UnplaceableText(const DxfSkippedEntities& skipped, double tolerance)
{
    const int unreadable = skipped.unreadableNumbers;
    const int others = skipped.unplaceable - unreadable;
    const std::string notFinite = FormatText("not finite or overflow, as written or once turned and shifted, or their "
                                             "coordinates are too large to be told apart at the tolerance (%g)",
                                             tolerance);
    std::string why;
    if (others == 0)
        why = "they hold a number that cannot be read";
    else if (unreadable == 0)
        why = "their numbers are " + notFinite;
    else
        why = FormatText("%d hold a number that cannot be read; the numbers of the other %d are ", unreadable, others)
            + notFinite;
    return FormatText("%d entities cannot be placed: ", skipped.unplaceable) + why + ". They were not imported.";
}

void Warn(const CSectModel& model, const std::string& text)
{
    model.m_reporter.PrintOutput(text);
    model.m_reporter.ShowWarning(text);
}

} // namespace

void ReportDxfRead(const CSectModel& model)
{
    const DxfSkippedEntities& skipped = model.m_dxfSkipped;
    const int curves = static_cast<int>(model.m_newcomerCurves.size());
    const int points = static_cast<int>(model.m_newcomerPoints.size());
    model.m_reporter.PrintOutput("Imported AutoCAD DXF model data");
    model.m_reporter.PrintOutput(FormatText("- Model: Curve [%d], Point [%d]", curves, points));
    if (!skipped.NoneSkipped())
        model.m_reporter.PrintOutput("- " + NotImportedText(skipped));

    // An import that lost these is not to be taken for a complete one.
    if (skipped.belowTolerance > 0) {
        Warn(model, FormatText("%d entities are smaller than the tolerance (%g) and were not imported. Set a smaller "
                               "tolerance in the Setting dialog to import them.",
                               skipped.belowTolerance, model.m_tolerance));
    }
    if (skipped.unplaceable > 0)
        Warn(model, UnplaceableText(skipped, model.m_tolerance));
    // At the id limit its own warning has told why the import stopped.
    if (curves == 0 && points == 0 && skipped.leftAtIdLimit == 0) {
        std::string text = "Nothing was imported from the DXF file.";
        if (!skipped.NoneSkipped())
            text += "\n\n" + NotImportedText(skipped);
        if (!skipped.unreadKinds.empty())
            text += "\n\nThe import reads the entities POINT, LINE, ARC, CIRCLE, ELLIPSE and 3DFACE.";
        model.m_reporter.ShowWarning(text);
    }
}
