// The section file (.sec): its records and its two exports.

#include "ExportTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const std::string kRectValues = "20000, 16666.7, 16666.7, 4.57761e+07, 6.66667e+07, 1.66667e+07, 50, 50, 100, 100,\\";

std::string SecFile(const std::vector<std::string>& records)
{
    std::vector<std::string> lines = {"UNIT=KGF, MM"};
    lines.insert(lines.end(), records.begin(), records.end());
    lines.push_back("EOF");
    return CrLfLines(lines);
}

std::string SecLine(int number, const std::string& name)
{
    return "SEC=" + std::to_string(number) + ", " + name + ", " + kRectValues;
}

// The rectangle's record as the section export writes it.
std::vector<std::string> RectRecord(int number, const std::string& name = "Rect")
{
    return {SecLine(number, name),   "0, 0, 600, 0, 50, 100,\\", "-50, 100, 50, 100, 50, -100, -50, -100",
            "OUT=-50, 100, \\",      "-50, -100, \\",             "50, -100, \\",
            "50, 100"};
}

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

class SectionFileTest : public ExportFileTest {
protected:
    SectionFileTest() : ExportFileTest("sections.sec") {}

    T_SECTION_D& LineSection(const std::string& name, const std::vector<int>& curveIds, const Xy& centroid)
    {
        T_SECTION_D& section = builder.LineSection(name, curveIds, centroid);
        SetRectValues(section);
        return section;
    }


};

TEST_F(SectionFileTest, TheRectangleGivesTheGoldenRecordInBothLayouts)
{
    const int rect = AddCalculatedRect(builder).id;
    builder.Group("Plates", {rect}, {}, {});
    ASSERT_TRUE(model.ExportSectionsToSecFile({rect}, path.c_str()));
    EXPECT_EQ(Written(), SecFile(RectRecord(1)));

    // The group layout: each boundary on one line, from its first point.
    ASSERT_TRUE(model.ExportGroupToSecFile("plates", path.c_str()));
    EXPECT_EQ(Written(), SecFile({SecLine(1, "Rect"), "0, 0, 600, 0, 50, 100,\\", "-50, 100, 50, 100, 50, -100, -50, -100",
                                  "OUT=-50, -100, 50, -100, 50, 100, -50, 100"}));
    EXPECT_TRUE(user.lines.empty());
    EXPECT_TRUE(user.boxes.empty());
}

TEST_F(SectionFileTest, HolesFollowTheOutlineFromTheirLeftmostPoint)
{
    const Xy centre = {50, 50};
    // Two holes level within the tolerance: the higher one comes first in
    // the section export, the domain's order holds in the group export.
    T_SECTION_D& plate = builder.PlaneSection(
        "Plate", {{0, 0}, {100, 0}, {100, 100}, {0, 100}},
        {{{20, 20}, {20, 30}, {30, 30}, {30, 20}}, {{20.5, 60}, {20.5, 70}, {30.5, 70}, {30.5, 60}}}, &centre);
    SetRectValues(plate);
    builder.Group("G", {plate.id}, {}, {});
    const std::vector<std::string> head = {SecLine(1, "Plate"), "0, 0, 400, 80, 50, 50,\\",
                                           "-50, 50, 50, 50, 50, -50, -50, -50"};

    ASSERT_TRUE(model.ExportSectionsToSecFile({plate.id}, path.c_str()));
    EXPECT_EQ(Written(), SecFile(Concat({head,
                                         {"OUT=-50, 50, \\", "-50, -50, \\", "50, -50, \\", "50, 50"},
                                         {"IN=-29.5, 20, \\", "-19.5, 20, \\", "-19.5, 10, \\", "-29.5, 10"},
                                         {"IN=-30, -20, \\", "-20, -20, \\", "-20, -30, \\", "-30, -30"}})));

    ASSERT_TRUE(model.ExportGroupToSecFile("G", path.c_str()));
    EXPECT_EQ(Written(), SecFile(Concat({head,
                                         {"OUT=-50, -50, 50, -50, 50, 50, -50, 50",
                                          "IN=-30, -30, -30, -20, -20, -20, -20, -30",
                                          "IN=-29.5, 10, -29.5, 20, -19.5, 20, -19.5, 10"}})));
}

TEST_F(SectionFileTest, QuadrantsWithoutAPointTakeTheNextOneCounterClockwise)
{
    const struct {
        const char* name;
        std::vector<Xy> outline;
        Xy centroid;
        const char* farPoints;
        const char* extent;
    } cases[] = {
        {"all at or right of the centroid", {{50, 0}, {100, 0}, {100, 200}, {50, 200}}, {50, 100},
         "50, -100, 50, 100, 50, -100, 50, -100", "0, 100"},
        {"all above", {{0, 10}, {10, 10}, {10, 20}, {0, 20}}, {5, 10}, "-5, 10, 5, 10, 5, 10, 5, 10", "5, 0"},
        {"all left and below", {{0, 0}, {4, 0}, {4, 3}, {0, 3}}, {5, 5}, "-5, -5, -5, -5, -5, -5, -5, -5", "5, 5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        T_SECTION_D& section = builder.PlaneSection(c.name, c.outline, {}, &c.centroid);
        SetRectValues(section);
        ASSERT_TRUE(model.ExportSectionsToSecFile({section.id}, path.c_str()));
        const std::vector<std::string> lines = SplitCrLfLines(Written());
        ASSERT_GT(lines.size(), 3u);
        EXPECT_EQ(lines[2].substr(lines[2].size() - 2 - std::string(c.extent).size()), std::string(c.extent) + ",\\");
        EXPECT_EQ(lines[3], c.farPoints);
    }
}

TEST_F(SectionFileTest, ALineSectionIsWrittenWithStraightCurvesRunningRightOrUp)
{
    // The curve runs from (100, 0) to (0, 0): the record writes it the other
    // way round, with LEFT and RIGHT exchanged, and the model keeps it.
    const struct {
        int alignment;
        int written;
    } cases[] = {{ALIGN_LEFT, ALIGN_RIGHT}, {ALIGN_RIGHT, ALIGN_LEFT}, {ALIGN_CENTER, ALIGN_CENTER}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.alignment);
        const int curve = builder.Line({100, 0}, {0, 0}, c.alignment, 2.0);
        const std::vector<int> pointIds = model.FindCurve(curve)->pointIds;
        const int bar = LineSection("Bar", {curve}, {50, 0}).id;
        const ModelState withSection = ReadModelState(model);
        user.ClearRecords();
        ASSERT_TRUE(model.ExportSectionsToSecFile({bar}, path.c_str()));
        EXPECT_EQ(Written(), SecFile({SecLine(1, "Bar"), "0, 0, 0, 0, 50, 0,\\", "-50, 0, 50, 0, 50, 0, 50, 0",
                                      "OUT=-50, 0, \\", "50, 0", "LINE=0, 1, 2, " + std::to_string(c.written)}));
        EXPECT_EQ(model.FindCurve(curve)->pointIds, pointIds);
        EXPECT_EQ(model.FindCurve(curve)->alignment, c.alignment);
        EXPECT_EQ(ReadModelState(model), withSection);
        EXPECT_TRUE(user.lines.empty());
        model.m_sections.erase(bar);
    }
}

TEST_F(SectionFileTest, EveryExportOfARisingLeftCurveWritesTheSameFile)
{
    const int curve = builder.Line({10, 0}, {0, 10}, ALIGN_LEFT, 1.0);
    const int bar = LineSection("Slope", {curve}, {5, 5}).id;
    ASSERT_TRUE(model.ExportSectionsToSecFile({bar}, path.c_str()));
    const std::string first = Written();
    ASSERT_TRUE(model.ExportSectionsToSecFile({bar}, path.c_str()));
    EXPECT_EQ(Written(), first);
    // Written from (0, 10) to (10, 0), with LEFT written as RIGHT, however
    // often it is exported.
    EXPECT_NE(first.find("OUT=-5, 5, \\\r\n5, -5\r\nLINE=0, 1, 1, 3\r\n"), std::string::npos) << first;
}

TEST_F(SectionFileTest, CellsListSegmentsAlongEachClosedLoop)
{
    // A triangle A(0, 0), B(10, 0), C(10, 10); the curve C->A is written A->C,
    // so the loop A->B->C->A runs its segment backwards.
    const int a = builder.Point(0, 0);
    const int b = builder.Point(10, 0);
    const int c = builder.Point(10, 10);
    const int ab = builder.Curve({a, b}, ALIGN_CENTER, 1.0);
    const int bc = builder.Curve({b, c}, ALIGN_LEFT, 2.0);
    const int ca = builder.Curve({c, a}, ALIGN_RIGHT, 0.5);
    builder.ClosedLoop({ab, bc, ca});
    builder.ClosedLoop({-ab});  // segment 0 backwards is still 0
    const int triangle = LineSection("Cell", {ab, bc, ca}, {20.0 / 3, 10.0 / 3}).id;
    const ModelState before = ReadModelState(model);

    ASSERT_TRUE(model.ExportSectionsToSecFile({triangle}, path.c_str()));
    const std::vector<std::string> lines = SplitCrLfLines(Written());
    ASSERT_EQ(lines.size(), 13u);
    // Points by x, then y: A 0, B 1, C 2. Curves by mean point: AB (5, 0),
    // CA (5, 5), BC (10, 5).
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 7, lines.end() - 1),
              (std::vector<std::string>{"LINE=0, 1, 1, 1, \\", "0, 2, 0.5, 2, \\", "1, 2, 2, 2", "CELL=3, 0, 2, -1, \\",
                                        "1, 0"}));
    EXPECT_EQ(ReadModelState(model), before);
}

TEST_F(SectionFileTest, PointsLevelWithin32UlpFormOneColumn)
{
    const double x = 1.0;
    const double nearX = std::nextafter(std::nextafter(x, 2.0), 2.0);
    const int upper = builder.Point(x, 5);
    const int lower = builder.Point(nearX, 0);
    const int right = builder.Point(1.5, -1);
    const int left = builder.Point(0.5, 9);
    const int first = builder.Curve({upper, lower});
    const int second = builder.Curve({right, left});
    const int bar = LineSection("Column", {first, second}, {0, 0}).id;
    ASSERT_TRUE(model.ExportSectionsToSecFile({bar}, path.c_str()));
    const std::vector<std::string> lines = SplitCrLfLines(Written());
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.begin() + 8),
              (std::vector<std::string>{"OUT=0.5, 9, \\", "1.0000000000000004, 0, \\", "1, 5, \\", "1.5, -1"}));
}

TEST_F(SectionFileTest, WhichSectionsAreWritten)
{
    const int rect = AddCalculatedRect(builder).id;
    T_SECTION_D& twoDomains = AddCalculatedRect(builder, "Two domains");
    auto spare = std::make_unique<T_DOMAIN_D>();
    spare->id = 2;
    twoDomains.domains[2] = std::move(spare);
    T_SECTION_D& unused = AddCalculatedRect(builder, "Unused");
    unused.domains.begin()->second->used = false;
    const int uncalculated = builder.PlaneSection("Open", {{0, 0}, {1, 0}, {1, 1}}).id;
    const int lineCurve = builder.Line({100, 0}, {0, 0});
    const int bar = LineSection("Bar", {lineCurve}, {50, 0}).id;
    const std::vector<std::string> barRecord = {SecLine(1, "Bar"), "0, 0, 0, 0, 50, 0,\\",
                                                "-50, 0, 50, 0, 50, 0, 50, 0", "OUT=-50, 0, \\", "50, 0",
                                                "LINE=0, 1, 0, 1"};

    const struct {
        const char* name;
        std::vector<int> ids;
        std::string file;
    } cases[] = {
        {"only the line section qualifies", {twoDomains.id, unused.id, uncalculated, 99, bar}, SecFile(barRecord)},
        {"a repeated id is written twice", {rect, rect}, SecFile(Concat({RectRecord(1), RectRecord(2)}))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(model.ExportSectionsToSecFile(c.ids, path.c_str()));
        EXPECT_EQ(Written(), c.file);
    }

    WriteWholeFile(path, "kept");
    EXPECT_FALSE(model.ExportSectionsToSecFile({twoDomains.id, unused.id, uncalculated, 99}, path.c_str()));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"There is no proper section to export!"});
    EXPECT_EQ(Written(), "kept");
    EXPECT_TRUE(user.lines.empty());
}

TEST_F(SectionFileTest, ASectionWhoseRecordCannotBeWrittenIsNamedAndSkipped)
{
    const int first = AddCalculatedRect(builder, "First").id;
    T_SECTION_D& lost = AddCalculatedRect(builder, "Lost");
    model.m_points.erase(lost.centroidPointId);
    T_SECTION_D& broken = AddCalculatedRect(builder, "Broken");
    broken.loops.begin()->second->curveIds.push_back(77);  // no such section curve
    const int shortCurve = builder.Curve({builder.Point(0, 0)});
    const int stub = LineSection("Stub", {shortCurve}, {0, 0}).id;
    const int third = AddCalculatedRect(builder, "Third").id;
    builder.Group("mixed", {first, lost.id, broken.id, third}, {}, {});

    ASSERT_TRUE(model.ExportSectionsToSecFile({first, lost.id, broken.id, stub, third}, path.c_str()));
    EXPECT_EQ(Written(), SecFile(Concat({RectRecord(1, "First"), RectRecord(2, "Third")})));
    const auto corrupted = [](int id, const char* name) {
        return "Internal model data of section [" + std::to_string(id) + ":" + name + "] seem corrupted.";
    };
    EXPECT_EQ(user.lines, (std::vector<std::string>{corrupted(lost.id, "Lost"), corrupted(broken.id, "Broken"),
                                                    corrupted(stub, "Stub")}));
    EXPECT_TRUE(user.boxes.empty());

    user.ClearRecords();
    ASSERT_TRUE(model.ExportGroupToSecFile("MIXED", path.c_str()));
    EXPECT_EQ(user.lines.size(), 2u);
    EXPECT_EQ(SplitCrLfLines(Written())[5], "SEC=2, Third, " + kRectValues);
}

TEST_F(SectionFileTest, GroupRefusals)
{
    const int curve = builder.Line({0, 0}, {10, 0});
    const int bar = LineSection("Bar", {curve}, {5, 0}).id;
    builder.Group("Line Sections", {bar, 98}, {}, {});
    WriteWholeFile(path, "kept");
    EXPECT_FALSE(model.ExportGroupToSecFile("LINE SECTIONS", path.c_str()));
    EXPECT_FALSE(model.ExportGroupToSecFile("", path.c_str()));
    EXPECT_FALSE(model.ExportGroupToSecFile("none", path.c_str()));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Group [Line Sections] has no proper section to export!"});
    EXPECT_EQ(Written(), "kept");
}

TEST_F(SectionFileTest, NamesAndCoordinatesInTheRecord)
{
    T_SECTION_D& rect = AddCalculatedRect(builder, "HEB 300, A\nB");
    ASSERT_TRUE(model.ExportSectionsToSecFile({rect.id}, path.c_str()));
    EXPECT_EQ(SplitCrLfLines(Written())[1], SecLine(1, "HEB 300_ A B"));

    // Coordinates keep every digit; other reals keep six.
    const int curve = builder.Line({1234567.8, 0.1}, {1234567.8, 12.345678}, ALIGN_CENTER, 12.345678);
    const int bar = LineSection("Far", {curve}, {0, 0}).id;
    ASSERT_TRUE(model.ExportSectionsToSecFile({bar}, path.c_str()));
    const std::vector<std::string> lines = SplitCrLfLines(Written());
    EXPECT_EQ(lines[2], "0, 0, 0, 0, -1234567.8, -0.1,\\");
    EXPECT_EQ(lines[4], "OUT=1234567.8, 0.1, \\");
    EXPECT_EQ(lines[5], "1234567.8, 12.345678");
    EXPECT_EQ(lines[6], "LINE=0, 1, 12.3457, 1");
}

TEST_F(SectionFileTest, RecordHelpers)
{
    // The mean point counts a missing point in the divisor.
    const int a = builder.Point(0, 0);
    const int b = builder.Point(6, 3);
    const int curve = builder.Curve({a, b, 999});
    double mean[2];
    model.GetCurveMeanPoint(curve, mean);
    EXPECT_EQ(Xy({mean[0], mean[1]}), Xy({2, 1}));
    model.GetCurveMeanPoint(12345, mean);
    EXPECT_EQ(Xy({mean[0], mean[1]}), Xy({0, 0}));

    // Leftmost within the tolerance (1): the higher of two level points.
    T_SECTION_D& section = AddCalculatedRect(builder);
    const struct {
        std::vector<Xy> points;
        std::size_t first;
    } cases[] = {
        {{{5, 0}, {0, 0}, {1, 10}, {3, 3}}, 2},
        {{{5, 0}, {0, 0}, {1.5, 10}, {3, 3}}, 1},
        {{{0, 0}, {0, 0}}, 0},
    };
    for (const auto& c : cases) {
        std::vector<int> ids;
        for (const Xy& xy : c.points) {
            const int id = section.nextPointId++;
            section.points[id] = MakePoint(id, xy[0], xy[1]);
            ids.push_back(id);
        }
        std::vector<int> rotated = ids;
        model.RotateLoopToLeftmostPoint(&section, &rotated);
        std::vector<int> expected(ids.begin() + static_cast<std::ptrdiff_t>(c.first), ids.end());
        expected.insert(expected.end(), ids.begin(), ids.begin() + static_cast<std::ptrdiff_t>(c.first));
        EXPECT_EQ(rotated, expected);
    }
}

} // namespace
