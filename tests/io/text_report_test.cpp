// The text report of calculated properties.

#include "ExportTestSupport.h"
#include "model/ProgramInfo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

const std::string kFrame(52, '=');
const std::string kRule(52, '-');

std::string Fixed12(double value)
{
    char text[512];
    std::snprintf(text, sizeof text, "%.12f", value);
    return text;
}

// A value line whose value ends in column 52.
std::string ValueLine(const std::string& label, const std::string& value)
{
    return label + std::string(52 - label.size() - value.size(), ' ') + value;
}

std::vector<std::string> Header(const std::string& dateTime)
{
    return {kFrame,
            "=            TARVO KLX TEXT OUTPUT FILE            =",
            "=            (" + dateTime + ")            =",
            "=          - https://tarvo.example/klx -           =",
            kFrame,
            "",
            kFrame,
            " UNIT: KGF . MM",
            kFrame,
            ""};
}

std::vector<std::string> Block(const std::string& nameLine, const std::string& materialLine, const double* r)
{
    std::vector<std::string> lines = {kFrame, "* " + nameLine + std::string(49 - nameLine.size(), ' '), kFrame};
    if (!materialLine.empty())
        lines.insert(lines.end(), {"  " + materialLine + std::string(49 - materialLine.size(), ' '), kFrame});
    const std::pair<const char*, double> values[] = {
        {"*     A   :  ", r[RESULT_A]},         {"*    Asx  :  ", r[RESULT_ASX]},
        {"*    Asy  :  ", r[RESULT_ASY]},       {"*    Ixx  :  ", r[RESULT_IXX]},
        {"*    Iyy  :  ", r[RESULT_IYY]},       {"*    Ixy  :  ", r[RESULT_IXY]},
        {"*     J   :  ", r[RESULT_J]},         {nullptr, 0.0},
        {"*   (+)Cx :  ", r[RESULT_CX_PLUS]},   {"*   (-)Cx :  ", r[RESULT_CX_MINUS]},
        {"*   (+)Cy :  ", r[RESULT_CY_PLUS]},   {"*   (-)Cy :  ", r[RESULT_CY_MINUS]},
        {nullptr, 0.0},
        {"* (+)1/Sx :  ", r[RESULT_CY_PLUS] / r[RESULT_IXX]}, {"* (-)1/Sx :  ", r[RESULT_CY_MINUS] / r[RESULT_IXX]},
        {"* (+)1/Sy :  ", r[RESULT_CX_PLUS] / r[RESULT_IYY]}, {"* (-)1/Sy :  ", r[RESULT_CX_MINUS] / r[RESULT_IYY]},
    };
    for (const auto& [label, value] : values)
        lines.push_back(label ? ValueLine(label, Fixed12(value)) : kRule);
    lines.insert(lines.end(), {kFrame, ""});
    return lines;
}

class TextReportTest : public ExportFileTest {
protected:
    TextReportTest() : ExportFileTest("report.txt")
    {
        T_SECTION_D& rectSection = AddCalculatedRect(builder);
        rect = rectSection.id;
        auto steel = std::make_unique<T_MATERIAL_D>();
        steel->id = 4;
        steel->name = "Steel";
        steel->elasticModulus = 2.1e4;
        steel->poissonRatio = 0.3;
        model.m_materials[4] = std::move(steel);
        rectSection.baseMaterialId = 4;

        const int curve = builder.Line({0, 0}, {0, 10}, ALIGN_CENTER, 1.0);
        T_SECTION_D& barSection = builder.LineSection("Bar", {curve}, {0, 5});
        barSection.baseMaterialId = 9;  // deleted since the calculation
        double* r = barSection.results;
        const double values[RESULT_COUNT] = {10, 8, 8, 1000.0 / 12, 10.0 / 12, -2.5, 3.3, 0.5, 0.5, 5, 5};
        std::copy(std::begin(values), std::end(values), r);
        bar = barSection.id;
        uncalculated = builder.PlaneSection("Open", {{0, 0}, {1, 0}, {1, 1}}).id;
    }

    int rect = 0;
    int bar = 0;
    int uncalculated = 0;
};

TEST_F(TextReportTest, TwoSectionsGiveTheGoldenReport)
{
    ASSERT_TRUE(model.ExportSectionsToText({rect, uncalculated, 99, bar}, path.c_str(), true));
    std::vector<std::string> expected = Header("Tue Mar 05 07:08:09 2024");
    for (const auto& block : {Block("Rect (PLANE)", "Steel (E: 21000.000, v: 0.300)", model.FindSection(rect)->results),
                              Block("Bar (LINE)", "", model.FindSection(bar)->results)})
        expected.insert(expected.end(), block.begin(), block.end());
    const std::vector<std::string> lines = SplitCrLfLines(ReadWholeFile(path));
    EXPECT_EQ(lines, expected);
    ASSERT_GT(lines.size(), 16u);
    // The widest stored value, 66666666.666666664183, has 21 characters.
    EXPECT_EQ(lines[15], "*     A   :                       20000.000000000000");
    EXPECT_EQ(user.lines, std::vector<std::string>{"2 sections are exported to text file [" + path + "]."});
    EXPECT_TRUE(user.boxes.empty());
}

// A moment of the export's clock and the date text the report gives it.
struct DateCase {
    LocalDateTime now;
    const char* text;
};

TEST_F(TextReportTest, EveryFramedLineIsAsWideAsTheFrame)
{
    // Framed lines carry their text centred between the frame's two '=', the
    // blanks on its two sides differing by one at most.
    // A year of five digits widens the date's text by one.
    const DateCase dates[] = {
        {{2024, 3, 5, 7, 8, 9}, "Tue Mar 05 07:08:09 2024"},
        {{12024, 1, 1, 0, 0, 0}, "Mon Jan 01 00:00:00 12024"},
    };
    for (const auto& date : dates) {
        SCOPED_TRACE(date.text);
        exporting.clock.now = date.now;
        ASSERT_TRUE(model.ExportSectionsToText({rect, bar}, path.c_str(), false));
        const std::vector<std::string> lines = SplitCrLfLines(ReadWholeFile(path));
        std::vector<std::string> framedTexts;
        for (const std::string& line : lines) {
            SCOPED_TRACE(line);
            if (line.empty() || line.front() != '=' || line == kFrame)
                continue;
            ASSERT_EQ(line.size(), kFrame.size());
            EXPECT_EQ(line.back(), '=');
            const std::string inside = line.substr(1, line.size() - 2);
            const std::size_t left = inside.find_first_not_of(' ');
            const std::size_t right = inside.size() - 1 - inside.find_last_not_of(' ');
            EXPECT_LE(std::max(left, right) - std::min(left, right), 1u);
            framedTexts.push_back(inside.substr(left, inside.size() - left - right));
        }
        const std::vector<std::string> texts = {"TARVO KLX TEXT OUTPUT FILE", "(" + std::string(date.text) + ")",
                                                "- " + std::string(KLX_HOMEPAGE) + " -"};
        EXPECT_EQ(framedTexts, texts);
    }
}

TEST_F(TextReportTest, TheDateIsEnglishWithTheDaysLeadingZero)
{
    const DateCase cases[] = {
        {{2024, 3, 5, 7, 8, 9}, "Tue Mar 05 07:08:09 2024"},
        {{2000, 1, 1, 0, 0, 0}, "Sat Jan 01 00:00:00 2000"},
        {{2024, 2, 29, 23, 59, 59}, "Thu Feb 29 23:59:59 2024"},
        {{1999, 12, 31, 12, 30, 5}, "Fri Dec 31 12:30:05 1999"},
        {{2026, 6, 14, 9, 0, 1}, "Sun Jun 14 09:00:01 2026"},
    };
    for (const auto& c : cases) {
        exporting.clock.now = c.now;
        ASSERT_TRUE(model.ExportSectionsToText({rect}, path.c_str(), false));
        EXPECT_EQ(SplitCrLfLines(ReadWholeFile(path))[2], "=            (" + std::string(c.text) + ")            =");
    }
}

TEST_F(TextReportTest, TheValueColumnFollowsTheWidestStoredValue)
{
    // Up to 39 characters, every value line is 52 long, whatever the width.
    for (double widest : {1234.123456789012, 2e8 / 3, 1e25}) {
        SCOPED_TRACE(widest);
        model.m_sections[rect]->results[RESULT_IXX] = widest;
        ASSERT_TRUE(model.ExportSectionsToText({rect}, path.c_str(), false));
        const std::vector<std::string> lines = SplitCrLfLines(ReadWholeFile(path));
        EXPECT_EQ(lines[15], "*     A   :  " + std::string(21, ' ') + "20000.000000000000");
        EXPECT_EQ(lines[18], ValueLine("*    Ixx  :  ", Fixed12(widest)));
    }

    // A value wider than 39 characters pushes its own line past 52, and
    // every other value ends where it does.
    model.m_sections[rect]->results[RESULT_IXX] = 1e30;
    ASSERT_TRUE(model.ExportSectionsToText({rect}, path.c_str(), false));
    const std::vector<std::string> lines = SplitCrLfLines(ReadWholeFile(path));
    const std::string wide = Fixed12(1e30);
    ASSERT_GT(wide.size(), 39u);
    EXPECT_EQ(lines[18], "*    Ixx  :  " + wide);
    EXPECT_EQ(lines[15], "*     A   :  " + std::string(wide.size() - 18, ' ') + "20000.000000000000");
}

TEST_F(TextReportTest, SmallValuesAndModuliAreRightAligned)
{
    // The widest stored value has 17 characters: 22 blanks before it, 25
    // before one of 14.
    double* r = model.m_sections[rect]->results;
    const double values[RESULT_COUNT] = {1234.5, 1, 1, 8000.5, 2, 0, 3, 4, 4, 1, 1};
    std::copy(std::begin(values), std::end(values), r);
    ASSERT_TRUE(model.ExportSectionsToText({rect}, path.c_str(), false));
    const std::vector<std::string> lines = SplitCrLfLines(ReadWholeFile(path));
    EXPECT_EQ(lines[15], "*     A   :  " + std::string(22, ' ') + "1234.500000000000");
    EXPECT_EQ(lines[16], "*    Asx  :  " + std::string(25, ' ') + "1.000000000000");
    // The (-) moduli keep the sign of the stored distances.
    r[RESULT_CY_MINUS] = -4;
    ASSERT_TRUE(model.ExportSectionsToText({rect}, path.c_str(), false));
    EXPECT_EQ(SplitCrLfLines(ReadWholeFile(path))[29], ValueLine("* (-)1/Sx :  ", Fixed12(-4 / 8000.5)));

    // A zero moment leaves the moduli undefined.
    r[RESULT_IXX] = 0;
    r[RESULT_IYY] = 0;
    ASSERT_TRUE(model.ExportSectionsToText({rect}, path.c_str(), false));
    const std::vector<std::string> zeroMoments = SplitCrLfLines(ReadWholeFile(path));
    for (int line = 28; line <= 31; ++line)
        EXPECT_EQ(zeroMoments[line].substr(zeroMoments[line].size() - 9), "undefined");
    EXPECT_EQ(zeroMoments[28], ValueLine("* (+)1/Sx :  ", "undefined"));
}

TEST_F(TextReportTest, EachModulusDividesTheFibreDistanceAcrossItsAxis)
{
    // The rectangle is 100 wide and 200 high: 1/Sx = 6 / (b h^2) about the
    // horizontal axis, 1/Sy = 6 / (h b^2) about the vertical one. Its product
    // of inertia is only rounding of zero and reads 0.
    model.m_sections[rect]->results[RESULT_IXY] = 1.86265e-9;
    ASSERT_TRUE(model.ExportSectionsToText({rect}, path.c_str(), false));
    const std::vector<std::string> lines = SplitCrLfLines(ReadWholeFile(path));
    EXPECT_EQ(lines[20], ValueLine("*    Ixy  :  ", "0.000000000000"));
    EXPECT_EQ(lines[28], ValueLine("* (+)1/Sx :  ", "0.000001500000"));
    EXPECT_EQ(lines[29], ValueLine("* (-)1/Sx :  ", "0.000001500000"));
    EXPECT_EQ(lines[30], ValueLine("* (+)1/Sy :  ", "0.000003000000"));
    EXPECT_EQ(lines[31], ValueLine("* (-)1/Sy :  ", "0.000003000000"));
}

TEST_F(TextReportTest, NameLines)
{
    const struct {
        std::string name;
        std::string line;
    } cases[] = {
        {std::string(45, 'N'), "* " + std::string(45, 'N') + " (PLANE)"},
        {"A, B; C", "* A, B; C (PLANE)" + std::string(34, ' ')},
        {"two\r\nlines", "* two  lines (PLANE)" + std::string(31, ' ')},
    };
    for (const auto& c : cases) {
        model.m_sections[rect]->name = c.name;
        ASSERT_TRUE(model.ExportSectionsToText({rect}, path.c_str(), false));
        EXPECT_EQ(SplitCrLfLines(ReadWholeFile(path))[11], c.line);
    }
}

TEST_F(TextReportTest, MessagesOfTheThreeExports)
{
    builder.Group("Mixed Case", {uncalculated, 99, bar}, {}, {});
    builder.Group("Uncalculated", {uncalculated}, {}, {});
    const struct {
        const char* name;
        std::function<bool()> run;
        bool written;
        std::vector<std::string> boxes;
        std::vector<std::string> lines;
    } cases[] = {
        {"one section", [&] { return model.ExportSectionsToText({rect}, path.c_str(), true); }, true, {},
         {"1 section is exported to text file [" + path + "]."}},
        {"none chosen, reported", [&] { return model.ExportSectionsToText({uncalculated, 99}, path.c_str(), true); },
         false, {"No selected section has the calculated properties."}, {}},
        {"none chosen, quiet", [&] { return model.ExportSectionsToText({uncalculated}, path.c_str(), false); }, false,
         {}, {}},
        {"written, quiet", [&] { return model.ExportSectionsToText({rect}, path.c_str(), false); }, true, {}, {}},
        {"group", [&] { return model.ExportGroupToText("MIXED CASE", path.c_str()); }, true, {},
         {"Group [Mixed Case] is exported to the text file [" + path + "]."}},
        {"group without calculated section", [&] { return model.ExportGroupToText("uncalculated", path.c_str()); },
         false, {"Group [Uncalculated] has no calculated section."}, {}},
        {"no group", [&] { return model.ExportGroupToText("", path.c_str()) || model.ExportGroupToText("x", path.c_str()); },
         false, {}, {}},
        {"properties", [&] { return model.ExportPropertiesToText(path.c_str()); }, true, {},
         {"The properties of 2 sections are exported to the text file [" + path + "]."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        user.ClearRecords();
        EXPECT_EQ(c.run(), c.written);
        EXPECT_EQ(user.BoxTexts(), c.boxes);
        EXPECT_EQ(user.lines, c.lines);
    }

    model.m_sections[bar]->propertiesCalculated = false;
    user.ClearRecords();
    ASSERT_TRUE(model.ExportPropertiesToText(path.c_str()));
    EXPECT_EQ(user.lines,
              std::vector<std::string>{"The properties of 1 section are exported to the text file [" + path + "]."});
    model.m_sections[rect]->propertiesCalculated = false;
    user.ClearRecords();
    WriteWholeFile(path, "kept");
    EXPECT_FALSE(model.ExportPropertiesToText(path.c_str()));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"No section has the calculated properties."});
    EXPECT_EQ(ReadWholeFile(path), "kept");
}

} // namespace
