// Section tables for the sibling analysis programs (.kwf/.pyf).

#include "ExportTestSupport.h"

#include <gtest/gtest.h>

namespace {

const std::string kNoCalculatedWarning =
    "No section has the calculated properties.\n\nCalculate the sectional properties using [Properties]-[Calculate].";

std::vector<std::string> TableHead(const std::string& unitLine)
{
    return {"*VERSION",
            "5.3.0",
            "",
            "*UNIT",
            "; FORCE, LENGTH",
            unitLine,
            "",
            "*SECTION    ; Section",
            "; iSEC, TYPE, SNAME, SHAPE, OFFSET, BLT, D1, D2, D3, D4, D5, D6 ; 1st line - VALUE",
            ";       AREA, ASy, ASz, Ixx, Iyy, Izz                           ; 2nd line",
            ";       CyP, CyM, CzP, CzM, QyB, QzB, PERI_OUT, PERI_IN, Cy, Cz ; 3rd line"};
}

// The entry of the rectangle section: its values written on the sibling
// programs' axes (their Ixx is our J, their y our x).
std::vector<std::string> RectEntry(int number, const std::string& name)
{
    return {"; " + name, std::to_string(number) + ", VALUE, " + name + ", CC, SB, ROLL, 200, 100, 0, 0, 0, 0",
            "20000, 16666.7, 16666.7, 4.57761e+07, 6.66667e+07, 1.66667e+07", "50, 50, 100, 100, 0, 0, 0, 0, 50, 100"};
}

std::string TableFile(const std::vector<std::vector<std::string>>& entries, const std::string& unitLine = "KGF, MM")
{
    std::vector<std::string> lines = TableHead(unitLine);
    for (const auto& entry : entries)
        lines.insert(lines.end(), entry.begin(), entry.end());
    lines.insert(lines.end(), {"", "*ENDDATA", ""});
    return CrLfLines(lines);
}

class AnalysisFileExportTest : public ExportFileTest {
protected:
    AnalysisFileExportTest() : ExportFileTest("table.kwf")
    {
        rect = AddCalculatedRect(builder).id;
        const Xy centre = {5, 5};
        uncalculated = builder.PlaneSection("Open", {{0, 0}, {10, 0}, {10, 10}}).id;
        T_SECTION_D& second = builder.PlaneSection("Second", {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, {}, &centre);
        SetRectValues(second);
        calculatedSecond = second.id;
    }

    int rect = 0;
    int uncalculated = 0;
    int calculatedSecond = 0;
};

TEST_F(AnalysisFileExportTest, OneSectionGivesTheGoldenFileForBothProducts)
{
    const std::string golden = TableFile({RectEntry(1, "Rect")});
    const std::vector<std::string> head = SplitCrLfLines(golden);
    EXPECT_EQ(head[9].size(), 74u);
    EXPECT_EQ(head[10].size(), 74u);

    const struct {
        int product;
        std::string line;
    } cases[] = {
        {1, "1 section is exported to the TARVO/PYLOR PYF file [" + path + "]."},
        {2, "1 section is exported to the TARVO/Zol KWF file [" + path + "]."},
        {0, "1 section is exported to the TARVO/Zol KWF file [" + path + "]."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.product);
        user.ClearRecords();
        ASSERT_TRUE(model.ExportSectionsToAnalysisFile({rect}, path.c_str(), c.product));
        EXPECT_EQ(ReadWholeFile(path), golden);
        EXPECT_EQ(user.lines, std::vector<std::string>{c.line});
        EXPECT_TRUE(user.boxes.empty());
    }
}

TEST_F(AnalysisFileExportTest, OutputLinesNameProductAndCount)
{
    builder.Group("Pair", {rect, calculatedSecond}, {}, {});
    const struct {
        int product;
        bool group;
        std::string line;
    } cases[] = {
        {1, false, "2 sections are exported to the TARVO/PYLOR PYF file [" + path + "]."},
        {2, false, "2 sections are exported to the TARVO/Zol KWF file [" + path + "]."},
        {1, true, "Group [Pair] is exported to the TARVO/PYLOR PYF file [" + path + "]."},
        {2, true, "Group [Pair] is exported to the TARVO/Zol KWF file [" + path + "]."},
    };
    const std::string golden = TableFile({RectEntry(1, "Rect"), RectEntry(2, "Second")});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        user.ClearRecords();
        const bool written = c.group ? model.ExportGroupToAnalysisFile("PAIR", path.c_str(), c.product)
                                     : model.ExportSectionsToAnalysisFile({rect, calculatedSecond}, path.c_str(),
                                                                          c.product);
        ASSERT_TRUE(written);
        EXPECT_EQ(user.lines, std::vector<std::string>{c.line});
        EXPECT_EQ(ReadWholeFile(path), golden);
    }
}

TEST_F(AnalysisFileExportTest, ListsAreFilteredAndNumberedByPosition)
{
    const struct {
        const char* name;
        std::vector<int> ids;
        std::vector<std::vector<std::string>> entries;
    } cases[] = {
        {"calculated, uncalculated, missing", {rect, uncalculated, 99}, {RectEntry(1, "Rect")}},
        {"a repeated id is written twice", {rect, rect}, {RectEntry(1, "Rect"), RectEntry(2, "Rect")}},
        {"list order is kept", {calculatedSecond, uncalculated, rect}, {RectEntry(1, "Second"), RectEntry(2, "Rect")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(model.ExportSectionsToAnalysisFile(c.ids, path.c_str(), 2));
        EXPECT_EQ(ReadWholeFile(path), TableFile(c.entries));
    }

    // The properties export takes every calculated section in id order.
    ASSERT_TRUE(model.ExportPropertiesToAnalysisFile(path.c_str(), 1));
    EXPECT_EQ(ReadWholeFile(path), TableFile({RectEntry(1, "Rect"), RectEntry(2, "Second")}));
    EXPECT_EQ(user.LastLine(), "2 sections are exported to the TARVO/PYLOR PYF file [" + path + "].");
}

TEST_F(AnalysisFileExportTest, TheUnitLineNamesTheProjectUnits)
{
    const struct {
        int force, length;
        const char* line;
    } cases[] = {{4, 1, "TONF, M"}, {3, 3, "KGF, MM"}, {6, 5, "KIP, IN"}, {1, 2, "N, CM"}, {0, 0, ", "}};
    for (const auto& c : cases) {
        model.m_forceUnit = c.force;
        model.m_lengthUnit = c.length;
        ASSERT_TRUE(model.ExportSectionsToAnalysisFile({rect}, path.c_str(), 2));
        EXPECT_EQ(ReadWholeFile(path), TableFile({RectEntry(1, "Rect")}, c.line));
    }
}

TEST_F(AnalysisFileExportTest, RefusalsLeaveAnExistingFileAlone)
{
    builder.Group("Uncalculated", {uncalculated, 99}, {}, {});
    WriteWholeFile(path, "old bytes");
    EXPECT_FALSE(model.ExportSectionsToAnalysisFile({uncalculated, 99}, path.c_str(), 2));
    EXPECT_FALSE(model.ExportSectionsToAnalysisFile({}, path.c_str(), 1));
    EXPECT_FALSE(model.ExportGroupToAnalysisFile("uncalculated", path.c_str(), 2));
    EXPECT_EQ(user.BoxTexts(),
              (std::vector<std::string>{kNoCalculatedWarning, kNoCalculatedWarning,
                                        "Group [Uncalculated] has no calculated section.\n\nCalculate the sectional "
                                        "properties using [Properties]-[Calculate]."}));
    user.ClearRecords();

    EXPECT_FALSE(model.ExportGroupToAnalysisFile("", path.c_str(), 2));
    EXPECT_FALSE(model.ExportGroupToAnalysisFile("no such group", path.c_str(), 2));
    EXPECT_TRUE(user.boxes.empty());

    model.m_sections[rect]->propertiesCalculated = false;
    model.m_sections[calculatedSecond]->propertiesCalculated = false;
    EXPECT_FALSE(model.ExportPropertiesToAnalysisFile(path.c_str(), 2));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{kNoCalculatedWarning});
    EXPECT_TRUE(user.lines.empty());
    EXPECT_EQ(ReadWholeFile(path), "old bytes");
}

TEST_F(AnalysisFileExportTest, AnExistingFileIsReplacedNotExtended)
{
    WriteWholeFile(path, std::string(5000, 'x'));
    ASSERT_TRUE(model.ExportSectionsToAnalysisFile({rect}, path.c_str(), 2));
    EXPECT_EQ(ReadWholeFile(path), TableFile({RectEntry(1, "Rect")}));
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"table.kwf"});
}

TEST_F(AnalysisFileExportTest, NamesCannotBreakTheDataLine)
{
    // "," separates the fields and ";" starts a comment; a line break would
    // split the entry.
    model.m_sections[rect]->name = "HEB 300, A;1\nB";
    ASSERT_TRUE(model.ExportSectionsToAnalysisFile({rect}, path.c_str(), 2));
    const std::vector<std::string> lines = SplitCrLfLines(ReadWholeFile(path));
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[11], "; HEB 300, A;1 B");
    EXPECT_EQ(lines[12], "1, VALUE, HEB 300_ A_1 B, CC, SB, ROLL, 200, 100, 0, 0, 0, 0");
}

} // namespace
