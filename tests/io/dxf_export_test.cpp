// DXF export: a flat drawing of LINE, TEXT and POINT entities, checked against
// golden text, against our own DXF import and against an independent reader.

#include "DxfTestReader.h"
#include "ExportTestSupport.h"
#include "model/TextFormat.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <fstream>

namespace {

std::vector<std::string> LineGroups(const std::string& layer, const std::string& x1, const std::string& y1,
                                    const std::string& x2, const std::string& y2)
{
    return {"0", "LINE", "8", layer, "10", x1, "20", y1, "11", x2, "21", y2};
}

std::string Drawing(const std::vector<std::vector<std::string>>& entities)
{
    std::vector<std::string> lines = {"0", "SECTION", "2", "ENTITIES"};
    for (const auto& entity : entities)
        lines.insert(lines.end(), entity.begin(), entity.end());
    lines.insert(lines.end(), {"0", "ENDSEC", "0", "EOF"});
    return CrLfLines(lines);
}

struct Segment {
    Xy from;
    Xy to;
    bool operator==(const Segment&) const = default;
};

std::vector<Segment> LinesOn(const ReadDxfDrawing& drawing, const std::string& layer)
{
    std::vector<Segment> segments;
    for (const ReadDxfEntity& entity : drawing.entities) {
        if (entity.type == "LINE" && entity.Layer() == layer)
            segments.push_back({{entity.Real(10), entity.Real(20)}, {entity.Real(11), entity.Real(21)}});
    }
    return segments;
}

// Reads the drawing with our own DXF import into a fresh model, which says
// no more than the boxes. The tolerance is fine enough that no two written
// points merge, and coarse enough for the doubles about 2.5e12 to lie closer
// than it.
void ExpectOurImportReads(const std::string& path, CSectModel& imported, const std::vector<std::string>& boxes = {})
{
    ScriptedUserPorts user;
    imported.m_reporter.SetPorts(user.Ports());
    imported.SetTolerance(1e-3);
    imported.BeginUndoAction();
    imported.SetUndoActionTitle("Import DXF file");
    const double shift[2] = {0.0, 0.0};
    EXPECT_TRUE(imported.ReadDxfFile(path.c_str(), shift, 0.0));
    EXPECT_EQ(user.BoxTexts(), boxes);
}

class DxfExportTest : public ExportFileTest {
protected:
    DxfExportTest() : ExportFileTest("drawing.dxf") {}

    // The written drawing, which our own import must read without a word.
    ReadDxfDrawing WrittenDrawing() const
    {
        CSectModel imported;
        ExpectOurImportReads(path, imported);
        return ReadFlatDxf(Written());
    }
};

TEST_F(DxfExportTest, AnEmptyProjectGivesTheBareFrame)
{
    ASSERT_TRUE(model.ExportProjectToDxf(path.c_str()));
    EXPECT_EQ(Written(), CrLfLines({"0", "SECTION", "2", "ENTITIES", "0", "ENDSEC", "0", "EOF"}));
    EXPECT_EQ(user.lines, std::vector<std::string>{"Project is exported to the AutoCAD DXF file [" + path + "]."});
    CSectModel imported;
    ExpectOurImportReads(path, imported, {"Nothing was imported from the DXF file."});
}

TEST_F(DxfExportTest, ACalculatedSectionGivesOutlineLabelAndCentroid)
{
    const int rect = AddCalculatedRect(builder).id;
    for (auto& [id, curve] : model.m_curves)
        curve->width = 5.0;  // a plane section's outline ignores widths
    ASSERT_TRUE(model.ExportSectionsToDxf({rect}, path.c_str()));
    EXPECT_EQ(Written(), Drawing({
                             LineGroups("Rect", "0", "0", "100", "0"),
                             LineGroups("Rect", "100", "0", "100", "200"),
                             LineGroups("Rect", "100", "200", "0", "200"),
                             LineGroups("Rect", "0", "200", "0", "0"),
                             {"0", "TEXT", "8", "Rect", "10", "50", "20", "100", "40", "13.3333", "1", "Rect"},
                             {"0", "POINT", "8", "Centroid", "10", "50", "20", "100"},
                         }));
    EXPECT_EQ(user.lines, std::vector<std::string>{"1 section is exported to the AutoCAD DXF file [" + path + "]."});
    EXPECT_TRUE(user.boxes.empty());
    CSectModel imported;
    ExpectOurImportReads(path, imported);
    EXPECT_EQ(imported.m_curves.size(), 4u);
}

TEST_F(DxfExportTest, CoordinatesReadBackToTheSameDouble)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {12.345678, "12.345678"}, {1234567.8, "1234567.8"}, {0.1 + 0.2, "0.30000000000000004"},
        {1.5e-7, "1.5e-07"},      {100.0, "100"},           {2.5e12, "2.5e+12"},
    };
    for (const auto& c : cases)
        builder.Point(c.value, -c.value);
    ASSERT_TRUE(model.ExportProjectToDxf(path.c_str()));
    const ReadDxfDrawing drawing = WrittenDrawing();
    ASSERT_EQ(drawing.entities.size(), std::size(cases));
    CSectModel imported;
    ExpectOurImportReads(path, imported);
    ASSERT_EQ(imported.m_points.size(), std::size(cases));
    auto importedPoint = imported.m_points.begin();
    for (std::size_t k = 0; k < std::size(cases); ++k, ++importedPoint) {
        SCOPED_TRACE(cases[k].text);
        EXPECT_EQ(drawing.entities[k].groups.at(10), cases[k].text);
        EXPECT_EQ(drawing.entities[k].groups.at(20), std::string(cases[k].value == 0 ? "" : "-") + cases[k].text);
        EXPECT_EQ(importedPoint->second->xy[0], cases[k].value);
        EXPECT_EQ(importedPoint->second->xy[1], -cases[k].value);
    }
}

TEST_F(DxfExportTest, LineSectionCurvesAreWrittenAsBands)
{
    // A segment from (0, 0) to (10, 0): its left is +y.
    const struct {
        const char* name;
        int alignment;
        double width;
        std::vector<Segment> lines;
    } cases[] = {
        {"center", ALIGN_CENTER, 2.0, {{{0, 1}, {0, -1}}, {{0, -1}, {10, -1}}, {{10, -1}, {10, 1}}, {{10, 1}, {0, 1}}}},
        {"left", ALIGN_LEFT, 2.0, {{{0, 2}, {0, 0}}, {{0, 0}, {10, 0}}, {{10, 0}, {10, 2}}, {{10, 2}, {0, 2}}}},
        {"right", ALIGN_RIGHT, 2.0, {{{0, 0}, {0, -2}}, {{0, -2}, {10, -2}}, {{10, -2}, {10, 0}}, {{10, 0}, {0, 0}}}},
        // A zero width: zero-length lines at the ends and the segment both ways.
        {"no width", ALIGN_LEFT, 0.0, {{{0, 0}, {0, 0}}, {{0, 0}, {10, 0}}, {{10, 0}, {10, 0}}, {{10, 0}, {0, 0}}}},
        // An alignment that places no band leaves the centre line.
        {"unknown alignment", 7, 2.0, {{{0, 0}, {10, 0}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int curve = builder.Line({0, 0}, {10, 0}, c.alignment, c.width);
        const int section = builder.LineSection(c.name, {curve}, {5, 0}).id;
        ASSERT_TRUE(model.ExportSectionsToDxf({section}, path.c_str()));
        const ReadDxfDrawing drawing = WrittenDrawing();
        EXPECT_EQ(LinesOn(drawing, c.name), c.lines);
        EXPECT_EQ(drawing.entities.size(), c.lines.size() + 2) << "the label and the centroid follow";
    }
}

TEST_F(DxfExportTest, FreeCurvesGetBandsOnlyWithAWidth)
{
    builder.Line({0, 0}, {10, 0});
    builder.Line({0, 5}, {10, 5}, ALIGN_RIGHT, 1.0);
    ASSERT_TRUE(model.ExportProjectToDxf(path.c_str()));
    EXPECT_EQ(LinesOn(WrittenDrawing(), "Curve"),
              (std::vector<Segment>{{{0, 0}, {10, 0}},
                                    {{0, 5}, {0, 4}},
                                    {{0, 4}, {10, 4}},
                                    {{10, 4}, {10, 5}},
                                    {{10, 5}, {0, 5}}}));
}

TEST_F(DxfExportTest, WhichPointsAndCurvesAreWritten)
{
    T_SECTION_D& rect = AddCalculatedRect(builder);
    const int rectId = rect.id;
    const int centroid = rect.centroidPointId;
    const int throughCentroid = builder.Curve({centroid, builder.Point(300, 300)});
    const int free = builder.Point(-5, -5);
    const int onCurve = model.FindCurve(throughCentroid)->pointIds[1];
    const Xy otherCentre = {505, 5};
    const int other = builder.PlaneSection("Other", {{500, 0}, {510, 0}, {510, 10}}, {}, &otherCentre).id;
    SetRectValues(*model.m_sections[other]);
    const int otherCurve = model.FindSection(other)->curveIds[0];
    builder.Group("Mixed", {rectId, 999}, {otherCurve, throughCentroid, 998}, {free, onCurve, centroid, 997});

    ASSERT_TRUE(model.ExportGroupToDxf("MIXED", path.c_str()));
    EXPECT_EQ(user.lines, std::vector<std::string>{"Group [Mixed] is exported to the AutoCAD DXF file [" + path + "]."});
    const ReadDxfDrawing drawing = WrittenDrawing();
    // The other section's curve is no outline here; the centroid stays a
    // centroid although a listed curve runs through it; a point on a listed
    // curve is not written on its own.
    const std::map<std::pair<std::string, std::string>, int> expected = {
        {{"LINE", "Rect"}, 4}, {{"TEXT", "Rect"}, 1}, {{"LINE", "Curve"}, 2},
        {{"POINT", "Centroid"}, 1}, {{"POINT", "Point"}, 1},
    };
    EXPECT_EQ(drawing.CountByLayer(), expected);
    EXPECT_EQ(LinesOn(drawing, "Curve"),
              (std::vector<Segment>{{{50, 100}, {300, 300}}, {{500, 0}, {510, 0}}}));
    for (const ReadDxfEntity& entity : drawing.entities) {
        if (entity.type == "POINT" && entity.Layer() == "Point") {
            EXPECT_EQ(Xy({entity.Real(10), entity.Real(20)}), Xy({-5, -5}));
        }
    }
    CSectModel imported;
    ExpectOurImportReads(path, imported);
}

TEST_F(DxfExportTest, LabelHeightIsAFifteenthOfTheMeanHeight)
{
    const int low = builder.PlaneSection("Low", {{0, 0}, {10, 0}, {10, 30}, {0, 30}}).id;
    const int high = builder.PlaneSection("High", {{20, 0}, {30, 0}, {30, 60}, {20, 60}}).id;
    const int empty = builder.LineSection("Empty", {}, {40, 40}).id;
    const struct {
        std::vector<int> sections;
        std::vector<std::string> heights;
        std::vector<Xy> labelsAt;
    } cases[] = {
        {{low, high}, {"3", "3"}, {{5, 15}, {25, 30}}},
        {{low}, {"2"}, {{5, 15}}},
        // A section without points adds no height; it still counts as one of
        // the listed ids, and its label stands at the origin.
        {{low, empty}, {"1", "1"}, {{5, 15}, {0, 0}}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(model.WriteDxfFile(c.sections, {}, {}, path.c_str()));
        std::vector<std::string> heights;
        std::vector<Xy> labelsAt;
        for (const ReadDxfEntity& entity : WrittenDrawing().entities) {
            if (entity.type == "TEXT") {
                heights.push_back(entity.groups.at(40));
                labelsAt.push_back({entity.Real(10), entity.Real(20)});
            }
        }
        EXPECT_EQ(heights, c.heights);
        EXPECT_EQ(labelsAt, c.labelsAt);
    }
}

TEST_F(DxfExportTest, LayerNamesHoldOnlyWhatDxfAllows)
{
    const struct {
        std::string name;
        std::string layer;
        std::string text;
    } cases[] = {
        {"HEB 300/150: A", "HEB 300_150_ A", "HEB 300/150: A"},
        {"a<b>c\\d\"e;f?g*h|i=j`k'l,m", "a_b_c_d_e_f_g_h_i_j_k_l_m", "a<b>c\\d\"e;f?g*h|i=j`k'l,m"},
        {"two\nlines\ttab", "two lines tab", "two lines tab"},
        {"", "0", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layer);
        const int section = builder.PlaneSection(c.name, {{0, 0}, {10, 0}, {10, 10}}).id;
        ASSERT_TRUE(model.ExportSectionsToDxf({section}, path.c_str()));
        const ReadDxfDrawing drawing = WrittenDrawing();
        ASSERT_EQ(drawing.entities.size(), 4u);
        for (const ReadDxfEntity& entity : drawing.entities)
            EXPECT_EQ(entity.Layer(), c.layer);
        EXPECT_EQ(drawing.entities.back().groups.at(1), c.text);
    }
}

TEST_F(DxfExportTest, MissingObjectsAndEmptyGroupsWriteNoFile)
{
    const int rect = AddCalculatedRect(builder).id;
    builder.Group("Dead", {77}, {78}, {79});
    const int broken = builder.PlaneSection("Broken", {{0, 0}, {10, 0}, {10, 10}}).id;
    model.m_sections[broken]->curveIds.push_back(99);
    const int lostCentroid = AddCalculatedRect(builder, "Lost").id;
    model.m_points.erase(model.m_sections[lostCentroid]->centroidPointId);

    EXPECT_FALSE(model.ExportSectionsToDxf({rect, 55}, path.c_str()));
    EXPECT_FALSE(model.ExportSectionsToDxf({rect, broken}, path.c_str()));
    EXPECT_FALSE(model.ExportSectionsToDxf({lostCentroid}, path.c_str()));
    EXPECT_FALSE(model.ExportGroupToDxf("dead", path.c_str()));
    EXPECT_EQ(user.BoxTexts(),
              (std::vector<std::string>{"Cannot find section [ID:55] object.", "Cannot find curve [ID:99] object.",
                                        FormatText("Cannot find point [ID:%d] object.",
                                                   model.m_sections[lostCentroid]->centroidPointId),
                                        "Group [Dead] has no model entity."}));
    user.ClearRecords();
    EXPECT_FALSE(model.ExportGroupToDxf("", path.c_str()));
    EXPECT_FALSE(model.ExportGroupToDxf("unknown", path.c_str()));
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_TRUE(user.lines.empty());
    EXPECT_TRUE(folder.FileNames().empty());
}

TEST_F(DxfExportTest, SeveralSectionsAreCountedInTheOutputLine)
{
    const int rect = AddCalculatedRect(builder).id;
    ASSERT_TRUE(model.ExportSectionsToDxf({rect, rect}, path.c_str()));
    EXPECT_EQ(user.lines, std::vector<std::string>{"2 sections are exported to the AutoCAD DXF file [" + path + "]."});
}

// ---- An independent reader ----

// A model with every kind of object the export writes.
void BuildRichDrawingModel(CSectModel& model)
{
    ModelBuilder builder(model);
    const Xy plateCentre = {50, 50};
    builder.PlaneSection("Plate", {{0, 0}, {100, 0}, {100, 100}, {0, 100}}, {{{40, 40}, {40, 60}, {60, 60}, {60, 40}}},
                         &plateCentre);
    SetRectValues(*model.m_sections.rbegin()->second);
    const int web = builder.Line({200, 0}, {200, 100}, ALIGN_CENTER, 6.0);
    const int left = builder.Line({200, 100}, {260, 100}, ALIGN_LEFT, 10.0);
    const int right = builder.Line({140, 100}, {200, 100}, ALIGN_RIGHT, 10.0);
    const int bare = builder.Line({200, 0}, {230, 0}, ALIGN_CENTER, 0.0);
    builder.LineSection("Tee", {web, left, right, bare}, {200, 70});
    builder.Line({300, 0}, {400, 50});
    builder.Line({300, 100}, {400, 150}, ALIGN_LEFT, 4.0);
    builder.Point(500, 500);
    builder.Point(-12.345678, 1234567.8);
    const Xy hebCentre = {605, 5};
    T_SECTION_D& heb = builder.PlaneSection("HEB 300/150: A", {{600, 0}, {610, 0}, {610, 10}, {600, 10}}, {},
                                            &hebCentre);
    SetRectValues(heb);
}

// Debian's python3-ezdxf serves the system's interpreter, which another
// python3 earlier on the PATH may hide.
std::string Python()
{
    return std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
}

bool EzdxfInstalled()
{
    return std::system((Python() + " -c 'import ezdxf' >/dev/null 2>&1").c_str()) == 0;
}

// Runs the reader on the file: its first line is the number of audit errors,
// then one line per entity type and layer: type, count and layer, tab-separated.
std::vector<std::string> EzdxfReport(const std::filesystem::path& dxf, const std::filesystem::path& script)
{
    std::ofstream(script) << "import collections, sys, ezdxf\n"
                             "doc = ezdxf.readfile(sys.argv[1])\n"
                             "auditor = doc.audit()\n"
                             "print(len(auditor.errors))\n"
                             "for error in auditor.errors: print('error', error, file=sys.stderr)\n"
                             "counts = collections.Counter((e.dxftype(), e.dxf.layer) for e in doc.modelspace())\n"
                             "for (kind, layer), n in sorted(counts.items()): print(kind, n, layer, sep='\\t')\n";
    const std::string command = Python() + " '" + script.string() + "' '" + dxf.string() + "'";
    std::vector<std::string> lines;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return lines;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        std::string line(buffer);
        if (!line.empty() && line.back() == '\n')
            line.pop_back();
        lines.push_back(line);
    }
    EXPECT_EQ(pclose(pipe), 0) << command;
    return lines;
}

TEST_F(DxfExportTest, AnIndependentReaderReadsTheProjectDrawing)
{
    BuildRichDrawingModel(model);
    ASSERT_TRUE(model.ExportProjectToDxf(path.c_str()));
    const ReadDxfDrawing drawing = WrittenDrawing();
    const std::map<std::pair<std::string, std::string>, int> expected = {
        {{"LINE", "Plate"}, 8},  {{"TEXT", "Plate"}, 1},          {{"LINE", "Tee"}, 16},
        {{"TEXT", "Tee"}, 1},    {{"LINE", "HEB 300_150_ A"}, 4}, {{"TEXT", "HEB 300_150_ A"}, 1},
        {{"LINE", "Curve"}, 5},  {{"POINT", "Centroid"}, 3},      {{"POINT", "Point"}, 2},
    };
    EXPECT_EQ(drawing.CountByLayer(), expected);
    CSectModel imported;
    ExpectOurImportReads(path, imported);

    if (!EzdxfInstalled())
        GTEST_SKIP() << "python3-ezdxf is not installed: DXF read-back check skipped";
    const std::vector<std::string> report = EzdxfReport(path, folder.Path("read.py"));
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report[0], "0") << "audit errors";
    std::vector<std::string> expectedReport;
    for (const auto& [kindAndLayer, count] : expected)
        expectedReport.push_back(kindAndLayer.first + "\t" + std::to_string(count) + "\t" + kindAndLayer.second);
    std::sort(expectedReport.begin(), expectedReport.end());
    std::vector<std::string> counted(report.begin() + 1, report.end());
    std::sort(counted.begin(), counted.end());
    EXPECT_EQ(counted, expectedReport);
}

} // namespace
