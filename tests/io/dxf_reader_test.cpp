#include "dxf_test_support.h"
#include "io/DxfLineReader.h"

#include "model/Geometry.h"

#include <cmath>

#include <sys/stat.h>

namespace {

using DxfReader = DxfImportTest;

const char* const kCannotRead = "Cannot read the DXF file.\n\nCheck the file format.";

DxfBuilder EntitiesSection()
{
    DxfBuilder dxf;
    dxf.Section("ENTITIES");
    return dxf;
}

// A layer table of the entries, each its groups after its group 0, and a
// line on each layer of lineLayers, the n-th from (0, 10 n) to (10, 10 n).
std::string DrawingOnLayers(const std::vector<std::vector<std::pair<int, std::string>>>& entries,
                            const std::vector<std::string>& lineLayers)
{
    DxfBuilder dxf;
    dxf.Section("TABLES").Group(0, "TABLE").Group(2, "LAYER");
    for (const auto& entry : entries) {
        dxf.Group(0, "LAYER");
        for (const auto& [code, value] : entry)
            dxf.Group(code, value);
    }
    dxf.Group(0, "ENDTAB").EndSection().Section("ENTITIES");
    for (size_t i = 0; i < lineLayers.size(); ++i)
        dxf.Line(0.0, 10.0 * static_cast<double>(i), 10.0, 10.0 * static_cast<double>(i), lineLayers[i]);
    return dxf.EndSection().Eof().text;
}

const std::string kByteOrderMark = "\xEF\xBB\xBF";

TEST_F(DxfReader, ImportsPlaneEntitiesAndReportsTheCounts)
{
    DxfBuilder dxf = EntitiesSection();
    dxf.Line(0, 0, 100, 0).Point(500, 500).Arc(0, 0, 50, 0, 90).EndSection().Eof();
    ASSERT_TRUE(ImportText(dxf.text));
    EXPECT_EQ(CurveCount(), 2);
    EXPECT_EQ(PointCount(), 2 + 1 + 10);
    EXPECT_EQ(user.lines, (std::vector<std::string>{"Imported AutoCAD DXF model data",
                                                    "- Model: Curve [2], Point [13]"}));
    EXPECT_TRUE(user.boxes.empty());
}

TEST_F(DxfReader, RefusesFilesItCannotRead)
{
    EXPECT_FALSE(ImportFile(folder.Path("missing.dxf")));
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{"Cannot open the file [" +
                                                         folder.Path("missing.dxf").string() + "]."}));
    const double shift[2] = {0.0, 0.0};
    EXPECT_FALSE(model.ReadDxfFile(nullptr, shift, 0.0));

    struct RefusedCase {
        const char* name;
        std::string text;
    };
    const std::string longName(DxfLineReader::kKeptLineLength, 'L');
    // A line on layer F, whose table entry holds the group.
    const auto onLayerF = [](int code, const std::string& value) {
        return DrawingOnLayers({{{2, "F"}, {code, value}}}, {"F"});
    };
    const std::string onFrozenF = onLayerF(70, "1");
    const std::vector<RefusedCase> cases = {
        {"no EOF", EntitiesSection().Line(0, 0, 100, 0).EndSection().text},
        {"EOF only inside an unended TABLES section",
         DxfBuilder().Section("TABLES").Group(0, "TABLE").Group(0, "ENDTAB").Eof().text},
        {"not a drawing", "hello\nworld\n"},
        {"empty", ""},
        {"binary", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22) + std::string("\0EOF\0", 5) + "\n0\nEOF\n"},
        // A damaged start would lose the group that starts the layer table,
        // and the line on the frozen layer F would come in.
        {"two byte-order marks", kByteOrderMark + kByteOrderMark + onFrozenF},
        {"a byte-order mark and part of another", kByteOrderMark + "\xEF\xBB" + onFrozenF},
        {"part of a byte-order mark", "\xEF" + onFrozenF},
        // Names alike up to what the reader keeps, the first frozen: cut,
        // they would be one visible layer.
        {"layer names alike up to what is kept",
         DrawingOnLayers({{{2, longName + "1"}, {70, "1"}}, {{2, longName + "2"}, {70, "0"}}}, {longName + "1"})},
        // Flags or a colour that is no integer an int holds: read as 0, the
        // layer would be thawed and on, and the line on it would come in.
        {"a layer's flags a word", onLayerF(70, "abc")},
        {"a layer's flags a number and more", onLayerF(70, "1.5x")},
        {"a layer's flags empty", onLayerF(70, "")},
        {"a layer's flags beyond an int", onLayerF(70, "4294967297")},
        {"a layer's colour a word", onLayerF(62, "abc")},
        {"a layer's colour below an int", onLayerF(62, "-2147483649")},
    };
    for (const RefusedCase& c : cases) {
        user.ClearRecords();
        EXPECT_FALSE(ImportText(c.text)) << c.name;
        EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{kCannotRead}) << c.name;
        EXPECT_TRUE(user.lines.empty()) << c.name;
    }
    EXPECT_EQ(CurveCount(), 0);
    EXPECT_EQ(PointCount(), 0);
}

// The drawing with the first code line that reads code (as the builder
// writes it) replaced by the line given.
std::string WithCodeLine(std::string text, int code, const std::string& line)
{
    const std::string written = FormatText("\n%3d\n", code);
    const size_t at = text.find(written);
    if (at == std::string::npos) {
        ADD_FAILURE() << "the drawing has no code line " << code;
        return text;
    }
    return text.replace(at, written.size(), "\n" + line + "\n");
}

// A code line that is not wholly an integer loses its group: read as the
// integer it starts with, or passed over, its value would go to the wrong
// group or to none, and the group it was meant for would take its default.
// The line from (1.5, 2.5) came in from (0, 2.5), the arc of 30 to 120
// degrees as one of 0 to 120. The file is refused, as it is by an
// independent reader.
TEST_F(DxfReader, RefusesADrawingWithACodeLineThatIsNotWhollyAnInteger)
{
    const std::string line = EntitiesSection().Line(1.5, 2.5, 7.25, -3.5).EndSection().Eof().text;
    const std::string arc = EntitiesSection().Arc(0, 0, 10, 30, 120).EndSection().Eof().text;
    const std::string onFrozenF = DrawingOnLayers({{{2, "F"}, {70, "1"}}}, {"F"});
    struct Case {
        const char* name;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"an exponent", WithCodeLine(line, 10, "1e1")},
        {"empty", WithCodeLine(line, 10, "")},
        {"blanks only", WithCodeLine(line, 10, "   ")},
        {"a word", WithCodeLine(line, 10, "ten")},
        {"digits apart", WithCodeLine(line, 10, "1 0")},
        {"a byte-order mark before the code", WithCodeLine(line, 10, kByteOrderMark + "10")},
        {"beyond an int", WithCodeLine(line, 10, "99999999999")},
        {"a fraction", WithCodeLine(line, 10, "10.5")},
        {"a word after the code", WithCodeLine(line, 10, "10 x")},
        {"a code that runs on past what is kept",
         WithCodeLine(line, 10, "10" + std::string(DxfLineReader::kKeptLineLength, ' ') + "5")},
        {"the arc's start angle", WithCodeLine(arc, 50, "5e1")},
        {"a layer's flags", WithCodeLine(onFrozenF, 70, "70abc")},
        {"the code that starts the line", WithCodeLine(line, 0, "O")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        user.ClearRecords();
        EXPECT_FALSE(ImportText(c.text));
        EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{kCannotRead});
        EXPECT_TRUE(user.lines.empty());
        EXPECT_EQ(CurveCount(), 0);
        EXPECT_EQ(PointCount(), 0);
    }
}

// Nothing after the group 0 "EOF" is read, a code line that is no code
// among it.
TEST_F(DxfReader, ReadsNothingAfterEof)
{
    const std::string text = EntitiesSection().Line(1.5, 2.5, 7.25, -3.5).EndSection().Eof().text + "1e1\nx\n";
    ASSERT_TRUE(ImportText(text));
    ASSERT_EQ(CurveCount(), 1);
    ExpectNear2(CurvePositions(1).front(), 1.5, 2.5);
    ExpectNear2(CurvePositions(1).back(), 7.25, -3.5);
    EXPECT_TRUE(user.boxes.empty());
}

// No layer the table lists is named longer than the reader keeps, as the
// table refuses such a name: an entity on one is on a layer the table does
// not list, and is drawn, whatever listed name its kept part matches. A
// block, never read, may hold one too.
TEST_F(DxfReader, TakesAnEntityOnALayerNamedLongerThanIsKept)
{
    const std::string kept(DxfLineReader::kKeptLineLength, 'L');
    DxfBuilder dxf;
    dxf.Section("TABLES").Group(0, "TABLE").Group(2, "LAYER").Layer(kept, 1, 7).Group(0, "ENDTAB").EndSection();
    dxf.Section("BLOCKS").Group(0, "BLOCK").Group(8, kept + "B").Group(2, "UNUSED")
        .Line(0, 0, 5, 5, kept + "B").Group(0, "ENDBLK").EndSection();
    dxf.Section("ENTITIES").Line(0, 0, 100, 0, kept + "1").Line(0, 10, 100, 10, kept).EndSection().Eof();
    ASSERT_TRUE(ImportText(dxf.text));
    ASSERT_EQ(CurveCount(), 1);
    ExpectNear2(CurvePositions(1).front(), 0.0, 0.0);
    ExpectNear2(CurvePositions(1).back(), 100.0, 0.0);
    EXPECT_EQ(model.m_dxfSkipped.onHiddenLayers, 1);
    ExpectEveryEntityCounted(model, dxf.text, user.lines);
    EXPECT_TRUE(user.boxes.empty());
}

TEST_F(DxfReader, ReadsEveryLineEndStyle)
{
    const std::string lf = EntitiesSection().Line(0, 0, 100, 0).Line(100, 0, 100, 100).EndSection().Eof().text;
    for (const std::string& lineEnd : {std::string("\r\n"), std::string("\r")}) {
        std::string text;
        for (char c : lf)
            text += c == '\n' ? lineEnd : std::string(1, c);
        CSectModel fresh;
        fresh.m_reporter.SetPorts(user.Ports());
        const std::filesystem::path path = folder.Path("ends.dxf");
        WriteWholeFile(path, text);
        const double shift[2] = {0.0, 0.0};
        ASSERT_TRUE(fresh.ReadDxfFile(path.string().c_str(), shift, 0.0));
        EXPECT_EQ(fresh.m_curves.size(), 2u);
        EXPECT_EQ(fresh.m_points.size(), 3u);
    }
}

TEST_F(DxfReader, ReadsADrawingThatStartsWithAByteOrderMark)
{
    // ENTITIES first: the mark would otherwise spoil the group that starts it.
    const std::string text = kByteOrderMark + EntitiesSection().Line(0, 0, 100, 0).EndSection().Eof().text;
    ASSERT_TRUE(ImportText(text));
    ASSERT_EQ(CurveCount(), 1);
    ExpectNear2(CurvePositions(1)[0], 0.0, 0.0);
    ExpectNear2(CurvePositions(1)[1], 100.0, 0.0);
    EXPECT_EQ(user.lines, (std::vector<std::string>{"Imported AutoCAD DXF model data",
                                                    "- Model: Curve [1], Point [2]"}));
    EXPECT_TRUE(user.boxes.empty());

    // The layer table after the mark is read: the line on the frozen layer F
    // stays out, the one on layer 0 comes in.
    user.ClearRecords();
    CSectModel fresh;
    const std::string onLayers = kByteOrderMark + DrawingOnLayers({{{2, "F"}, {70, "1"}}}, {"F", "0"});
    ASSERT_TRUE(ImportTextInto(fresh, onLayers));
    ASSERT_EQ(fresh.m_curves.size(), 1u);
    const std::vector<std::array<double, 2>> positions = CurvePositionsIn(fresh, fresh.m_curves.begin()->first);
    ASSERT_GE(positions.size(), 2u);
    ExpectNear2(positions.front(), 0.0, 10.0);
    ExpectNear2(positions.back(), 10.0, 10.0);
    EXPECT_EQ(fresh.m_dxfSkipped.onHiddenLayers, 1);
    ExpectEveryEntityCounted(fresh, onLayers, user.lines);
    EXPECT_TRUE(user.boxes.empty());
}

TEST_F(DxfReader, SkipsAndCountsEntitiesOnlyOnFrozenAndOffLayers)
{
    DxfBuilder dxf;
    dxf.Section("TABLES").Group(0, "TABLE").Group(2, "LAYER")
        .Layer("0", 0, -7).Layer("A", 1, 7).Layer("F", 2, 7).Layer("C", 0, 0).Layer("WALLS", 0, 3)
        .Group(0, "ENDTAB").EndSection();
    // Names do not tell case apart: "a" is the frozen A, "walls" the visible
    // WALLS. B is not listed and the last line names no layer: both are
    // drawn, as by CAD programs.
    dxf.Section("ENTITIES")
        .Line(0, 0, 100, 0, "0").Line(0, 100, 100, 100, "a").Line(0, 200, 100, 200, "F")
        .Line(0, 300, 100, 300, "B").Line(0, 400, 100, 400, "C").Line(0, 500, 100, 500, "walls")
        .Line(0, 550, 100, 550, "Walls")
        .Group(0, "LINE").Group(10, 0.0).Group(20, 600.0).Group(11, 100.0).Group(21, 600.0)
        .EndSection().Eof();
    ASSERT_TRUE(ImportText(dxf.text));
    // C has no colour group: it is listed all the same, visible.
    std::vector<double> heights;
    for (const auto& [id, curve] : model.m_curves)
        heights.push_back(CurvePositions(id)[0][1]);
    EXPECT_EQ(heights, (std::vector<double>{300.0, 400.0, 500.0, 550.0, 600.0}));
    EXPECT_EQ(user.lines, (std::vector<std::string>{"Imported AutoCAD DXF model data",
                                                    "- Model: Curve [5], Point [10]",
                                                    "- Not imported: On layers off or frozen [3]"}));
    EXPECT_TRUE(user.boxes.empty());
}

TEST_F(DxfReader, TakesEveryLayerWithoutALayerTable)
{
    DxfBuilder dxf;
    dxf.Section("TABLES").Group(0, "TABLE").Group(2, "LTYPE").Group(0, "ENDTAB").EndSection();
    dxf.Section("ENTITIES").Line(0, 0, 100, 0, "any").Group(0, "LINE").Group(11, 100.0).Group(21, 100.0)
        .EndSection().Eof();
    ASSERT_TRUE(ImportText(dxf.text));
    EXPECT_EQ(CurveCount(), 2);
}

// However many blanks or zeros lead a number, in a code line or a value
// line, it is read whole: not passed over, nor read as 0.
TEST_F(DxfReader, ReadsNumbersHoweverManyBlanksOrZerosLeadThem)
{
    const std::string zeros(DxfLineReader::kKeptLineLength + 1, '0');
    const std::string blanks(DxfLineReader::kKeptLineLength + 1, ' ');
    DxfBuilder longCode = EntitiesSection();
    longCode.Group(0, "LINE").Group(8, "0");
    longCode.text += zeros + "10\n5\n";
    longCode.Group(20, 0.0).Group(11, 10.0).Group(21, 0.0).EndSection().Eof();
    DxfBuilder blankCode = EntitiesSection();
    blankCode.Group(0, "LINE").Group(10, 0.0).Group(20, 5.0).Group(11, 10.0);
    blankCode.text += blanks + "21\n5\n";
    blankCode.EndSection().Eof();
    DxfBuilder longCoordinates = EntitiesSection();
    longCoordinates.Group(0, "LINE").Group(10, zeros + "5").Group(20, blanks + "-" + zeros + "2.5").Group(11, 10.0)
        .Group(21, -2.5).EndSection().Eof();
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::array<double, 4>> curves;  // from x, y to x, y
        int onHiddenLayers;
    };
    const std::vector<std::array<double, 4>> lineOnLayer0 = {{0.0, 10.0, 10.0, 10.0}};
    const std::vector<Case> cases = {
        {"the code 10 after zeros", longCode.text, {{5.0, 0.0, 10.0, 0.0}}, 0},
        {"the code 21 after blanks", blankCode.text, {{0.0, 5.0, 10.0, 5.0}}, 0},
        {"coordinates after zeros and blanks", longCoordinates.text, {{5.0, -2.5, 10.0, -2.5}}, 0},
        {"a frozen flag after zeros", DrawingOnLayers({{{2, "F"}, {70, zeros + "1"}}}, {"F", "0"}), lineOnLayer0, 1},
        {"an off colour after zeros", DrawingOnLayers({{{2, "F"}, {70, "0"}, {62, "-" + zeros + "7"}}}, {"F", "0"}),
         lineOnLayer0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        user.ClearRecords();
        CSectModel fresh;
        ASSERT_TRUE(ImportTextInto(fresh, c.text));
        std::vector<std::array<double, 4>> curves;
        for (const auto& [id, curve] : fresh.m_curves) {
            const std::vector<std::array<double, 2>> positions = CurvePositionsIn(fresh, id);
            ASSERT_GE(positions.size(), 2u);
            curves.push_back({positions.front()[0], positions.front()[1], positions.back()[0], positions.back()[1]});
        }
        EXPECT_EQ(curves, c.curves);
        EXPECT_EQ(fresh.m_dxfSkipped.onHiddenLayers, c.onHiddenLayers);
        ExpectEveryEntityCounted(fresh, c.text, user.lines);
        EXPECT_TRUE(user.boxes.empty());
    }
}

TEST_F(DxfReader, SetsAsideEntitiesOffThePlane)
{
    DxfBuilder dxf = EntitiesSection();
    dxf.Point(7, 7, 5.0);
    dxf.Line(0, 0, 100, 0);
    dxf.Group(0, "LINE").Group(10, 0.0).Group(20, 100.0).Group(30, 1e-7).Group(11, 100.0).Group(21, 100.0)
        .Group(31, -1e-7);
    dxf.Group(0, "LINE").Group(10, 0.0).Group(20, 200.0).Group(11, 100.0).Group(21, 200.0).Group(31, 2e-6);
    dxf.Group(0, "ARC").Group(10, 0.0).Group(20, 300.0).Group(40, 10.0).Group(50, 0.0).Group(51, 90.0)
        .Group(210, 0.1).Group(230, 0.995);
    dxf.Group(0, "CIRCLE").Group(10, 0.0).Group(20, 400.0).Group(40, 10.0).Group(220, -0.5).Group(230, 0.8);
    dxf.Group(0, "ELLIPSE").Group(10, 0.0).Group(20, 500.0).Group(11, 50.0).Group(21, 0.0).Group(31, 3.0)
        .Group(40, 0.5).Group(41, 0.0).Group(42, 6.283185307179586);
    dxf.Group(0, "3DFACE").Group(10, 0.0).Group(20, 600.0).Group(11, 100.0).Group(21, 600.0)
        .Group(12, 100.0).Group(22, 700.0).Group(13, 0.0).Group(23, 700.0).Group(33, 1.0);
    dxf.EndSection().Eof();
    ASSERT_TRUE(ImportText(dxf.text));
    ASSERT_EQ(CurveCount(), 2);
    EXPECT_NEAR(CurvePositions(2)[0][1], 100.0, 1e-12);
    EXPECT_EQ(PointCount(), 4);
    EXPECT_EQ(user.LastLine(), "- Not imported: Off the XY plane [6]");
}

TEST_F(DxfReader, PlacesEntitiesByTheRotationThenTheShift)
{
    DxfBuilder dxf = EntitiesSection();
    dxf.Line(0, 0, 10, 0).Arc(0, 0, 10, 0, 90);
    dxf.Group(0, "ELLIPSE").Group(10, 0.0).Group(20, 0.0).Group(11, 10.0).Group(21, 0.0).Group(40, 0.5)
        .Group(41, 0.0).Group(42, 6.283185307179586);
    dxf.EndSection().Eof();
    model.SetTolerance(0.01);
    ASSERT_TRUE(ImportText(dxf.text, 100.0, 0.0, 90.0));
    ASSERT_EQ(CurveCount(), 3);

    const auto line = CurvePositions(1);
    ExpectNear2(line[0], 100.0, 0.0);
    ExpectNear2(line[1], 100.0, 10.0);

    const auto arc = CurvePositions(2);
    ASSERT_EQ(arc.size(), 10u);
    ExpectNear2(arc.front(), 100.0, 10.0);
    ExpectNear2(arc[1], 100.0 - 10.0 * std::sin(DegToRad(10.0)), 10.0 * std::cos(DegToRad(10.0)));
    ExpectNear2(arc.back(), 90.0, 0.0);

    // A full ellipse from 0 to 2 pi: its major axis now along y.
    const auto ellipse = CurvePositions(3);
    ASSERT_EQ(ellipse.size(), 37u);
    EXPECT_EQ(model.FindCurve(3)->pointIds.front(), model.FindCurve(3)->pointIds.back());
    ExpectNear2(ellipse[0], 100.0, 10.0);
    ExpectNear2(ellipse[9], 95.0, 0.0);
    ExpectNear2(ellipse[18], 100.0, -10.0);
}

TEST_F(DxfReader, MirrorsArcsCirclesAndEllipsesSeenFromBelow)
{
    DxfBuilder dxf = EntitiesSection();
    dxf.Arc(10, 0, 5, 0, 90, -1.0);
    dxf.Group(0, "CIRCLE").Group(10, 40.0).Group(20, 0.0).Group(40, 5.0).Group(230, -1.0);
    dxf.Group(0, "ELLIPSE").Group(10, 0.0).Group(20, 100.0).Group(11, 10.0).Group(21, 0.0).Group(40, 0.5)
        .Group(41, 0.0).Group(42, 1.5707963267948966).Group(230, -1.0);
    dxf.EndSection().Eof();
    model.SetTolerance(0.01);
    ASSERT_TRUE(ImportText(dxf.text, 100.0, 0.0, 90.0));
    ASSERT_EQ(CurveCount(), 3);

    // The arc about (-10, 0) from 90 to 180 degrees, then turned and shifted:
    // about (100, -10) from 180 to 270 degrees.
    const auto arc = CurvePositions(1);
    ASSERT_EQ(arc.size(), 10u);
    ExpectNear2(arc.front(), 95.0, -10.0);
    ExpectNear2(arc.back(), 100.0, -15.0);
    for (const auto& p : arc)
        EXPECT_NEAR(DistanceXY(p[0], p[1], 100.0, -10.0), 5.0, 1e-9);

    const auto circle = CurvePositions(2);
    for (const auto& p : circle)
        EXPECT_NEAR(DistanceXY(p[0], p[1], 100.0, -40.0), 5.0, 1e-9);

    // The ellipse quarter runs clockwise from its major axis: before the
    // turn from (0, 100) over (10, 100) to (0, 95).
    const auto ellipse = CurvePositions(3);
    ASSERT_EQ(ellipse.size(), 10u);
    ExpectNear2(ellipse.front(), 5.0, 0.0);
    ExpectNear2(ellipse.back(), 0.0, 10.0);
    for (const auto& p : ellipse) {
        const double x = p[1];  // undo the quarter turn and the shift
        const double y = -(p[0] - 100.0) - 100.0;
        EXPECT_LE(y, 1e-9);
        EXPECT_NEAR(x * x / 100.0 + y * y / 25.0, 1.0, 1e-9);
    }
}

TEST_F(DxfReader, StartsEveryEntityFromFreshValues)
{
    DxfBuilder dxf = EntitiesSection();
    dxf.Arc(0, 0, 50, 0, 90, -1.0);
    // No radius, no angles, no extrusion: nothing from the arc before.
    dxf.Group(0, "ARC").Group(8, "0").Group(10, 500.0).Group(20, 0.0);
    dxf.Group(0, "CIRCLE").Group(10, 1000.0).Group(20, 0.0);
    dxf.Group(0, "ELLIPSE").Group(10, 0.0).Group(20, 1000.0).Group(11, 50.0).Group(21, 0.0).Group(40, 0.5)
        .Group(41, 0.0).Group(42, 1.5707963267948966);
    // A point that lacks its y: 0, not the y of the ellipse.
    dxf.Group(0, "POINT").Group(10, 2000.0);
    dxf.EndSection().Eof();
    ASSERT_TRUE(ImportText(dxf.text));
    ASSERT_EQ(CurveCount(), 2);
    // The ellipse is not mirrored: its quarter runs from the major axis
    // counter-clockwise.
    const auto ellipse = CurvePositions(2);
    ExpectNear2(ellipse.front(), 50.0, 1000.0);
    ExpectNear2(ellipse.back(), 0.0, 1025.0);
    ASSERT_EQ(model.m_newcomerPoints.empty(), false);
    const T_POINT_D* point = model.FindPoint(model.m_newcomerPoints.back());
    EXPECT_EQ(point->xy[0], 2000.0);
    EXPECT_EQ(point->xy[1], 0.0);
}

TEST_F(DxfReader, ReadsOnlyTheEntitiesSections)
{
    DxfBuilder dxf;
    dxf.Section("HEADER").Group(9, "$EXTMIN").Group(10, 5.0).Group(20, 5.0).EndSection();
    dxf.Section("TABLES").Group(0, "TABLE").Group(2, "LAYER").Layer("0", 0, 7).Layer("HIDDEN", 0, -7)
        .Group(0, "ENDTAB").EndSection();
    // Blocks named like sections start none: the one named TABLES leaves the
    // layer table as it is, the one named ENTITIES is no model geometry.
    dxf.Section("BLOCKS").Group(0, "BLOCK").Group(2, "B").Line(0, 900, 100, 900).Group(0, "ENDBLK")
        .Group(0, "BLOCK").Group(2, "ENTITIES").Group(8, "0").Line(0, 950, 100, 950).Group(0, "ENDBLK")
        .Group(0, "BLOCK").Group(2, "TABLES").Group(0, "TABLE").Group(2, "LAYER").Layer("0", 1, 7)
        .Group(0, "ENDTAB").Group(0, "ENDBLK")
        .EndSection();
    dxf.Section("ENTITIES").Line(0, 0, 100, 0)
        // Entities of other types are passed over, groups and all.
        .Group(0, "TEXT").Group(10, 0.0).Group(20, 50.0).Group(1, "LINE")
        .Group(0, "INSERT").Group(2, "B").Group(10, 0.0).Group(20, 0.0)
        .Group(0, "POLYLINE").Group(0, "VERTEX").Group(10, 0.0).Group(20, 0.0).Group(0, "SEQEND")
        .Line(0, 100, 100, 100).Line(0, 150, 100, 150, "HIDDEN").EndSection();
    dxf.Section("OBJECTS").Line(0, 800, 100, 800).EndSection();
    dxf.Section("ENTITIES").Group(0, "INSERT").Group(2, "ENTITIES").Line(0, 200, 100, 200).EndSection().Eof();
    dxf.text += "0\nLINE\n10\n0\n20\n700\n11\n100\n21\n700\n";  // after the end of the drawing
    ASSERT_TRUE(ImportText(dxf.text));
    ASSERT_EQ(CurveCount(), 3);
    EXPECT_NEAR(CurvePositions(1)[0][1], 0.0, 1e-12);
    EXPECT_NEAR(CurvePositions(2)[0][1], 100.0, 1e-12);
    EXPECT_NEAR(CurvePositions(3)[0][1], 200.0, 1e-12);
    // A polyline's vertices and its end belong to it.
    EXPECT_EQ(user.lines.back(),
              "- Not imported: Kinds not read [INSERT 2, POLYLINE 1, TEXT 1], On layers off or frozen [1]");
}

TEST_F(DxfReader, EndsAnUnendedEntitiesSectionAtEof)
{
    DxfBuilder dxf = EntitiesSection();
    dxf.Line(0, 0, 100, 0).Line(0, 100, 100, 100).Eof();
    // Written after the end of the drawing, still inside the open section.
    dxf.Line(0, 700, 100, 700).Point(900, 900).EndSection().Eof();
    EXPECT_TRUE(ImportText(dxf.text));
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_EQ(user.lines, (std::vector<std::string>{"Imported AutoCAD DXF model data",
                                                    "- Model: Curve [2], Point [4]"}));
    ASSERT_EQ(CurveCount(), 2);
    EXPECT_EQ(PointCount(), 4);
    EXPECT_NEAR(CurvePositions(2)[0][1], 100.0, 1e-12);
}

TEST_F(DxfReader, RefusesPathsThatAreNoRegularFileAtOnce)
{
    const std::filesystem::path fifo = folder.Path("pipe.dxf");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::filesystem::path directory = folder.Path("folder.dxf");
    std::filesystem::create_directory(directory);
    for (const std::string& path : {std::string("/dev/zero"), fifo.string(), directory.string()}) {
        user.ClearRecords();
        // A blocking open of the pipe, or a read of the device, would never return.
        EXPECT_FALSE(ImportFile(path)) << path;
        EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Cannot open the file [" + path + "]."}) << path;
        EXPECT_TRUE(user.lines.empty()) << path;
    }
    EXPECT_EQ(PointCount(), 0);
}

TEST_F(DxfReader, SetsAsideEntitiesWithTextThatIsNoNumber)
{
    DxfBuilder dxf = EntitiesSection();
    dxf.Group(0, "LINE").Group(10, "n/a").Group(20, "  \t1.5e2").Group(11, "0x40").Group(21, "in");
    dxf.Group(0, "LINE").Group(10, "e999").Group(20, "-300").Group(11, "100").Group(21, "-300");
    dxf.Group(0, "CIRCLE").Group(10, "0").Group(20, "500").Group(40, "-25");
    dxf.Group(0, "LINE").Group(10, "0").Group(20, "900").Group(11, "100").Group(21, "900");
    dxf.EndSection().Eof();
    ASSERT_TRUE(ImportText(dxf.text));
    ASSERT_EQ(CurveCount(), 1);
    ExpectNear2(CurvePositions(1)[0], 0.0, 900.0);
    ExpectNear2(CurvePositions(1)[1], 100.0, 900.0);
    EXPECT_EQ(model.m_dxfSkipped.unplaceable, 2);
    EXPECT_EQ(model.m_dxfSkipped.unreadableNumbers, 2);
    EXPECT_EQ(model.m_dxfSkipped.ofNoSize, 1);
}

TEST_F(DxfReader, ReadsTheGroupAfterAnOverlongValue)
{
    DxfBuilder dxf = EntitiesSection();
    dxf.Group(0, "LINE").Group(1, std::string(DxfLineReader::kKeptLineLength + 600, 'x')).Group(10, 0.0).Group(20, 0.0).Group(11, 100.0)
        .Group(21, 0.0);
    dxf.Group(0, "LINE").Group(8, std::string(510, 'L')).Group(11, 100.0).Group(21, 100.0);
    dxf.EndSection().Eof();
    std::string crlf;
    for (char c : dxf.text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    ASSERT_TRUE(ImportText(crlf));
    EXPECT_EQ(CurveCount(), 2);
}

// Once a converter is refused at the id limit nothing more is made: its one
// warning, and every entity left, the refused one with them, counted under
// a reason of its own.
TEST_F(DxfReader, StopsOnceTheIdLimitIsReachedAndCountsTheEntitiesLeft)
{
    const int pointBound = IdUpperBound(IdKind::Point);
    const int curveBound = IdUpperBound(IdKind::Curve);
    // As 1,000,000 lines read from the first point id stop after 499,999
    // lines with one point id left, 2,000 lines with the ids of 999 lines
    // and one left stop after 999: 1,001 lines are left, and after them a
    // TEXT and a POLYLINE with its parts.
    DxfBuilder manyLines = EntitiesSection();
    manyLines.ParallelLines(2000).Group(0, "TEXT").Group(0, "POLYLINE").Group(0, "VERTEX").Group(0, "VERTEX")
        .Group(0, "SEQEND").EndSection().Eof();
    DxfBuilder threeLines = EntitiesSection();
    threeLines.ParallelLines(3).EndSection().Eof();
    const std::string pointsLeft = "Cannot create 2 new points: the project has only 1 of its 999999 point ids left.";
    struct Case {
        const char* name;
        std::string text;
        int nextPointId;
        int nextCurveId;
        int curves;  // made before the limit, each of two new points
        int left;
        std::string warning;
    };
    const Case cases[] = {
        {"point ids for 999 of 2,000 lines", manyLines.text, pointBound - (2 * 999 + 1), 1, 999, 1001 + 2,
         pointsLeft},
        {"a curve id for one of three lines", threeLines.text, 1, curveBound - 1, 1, 2,
         "Cannot create a new curve: the project has used all 999999 curve ids."},
        // The limit's warning says why nothing was imported.
        {"no line's point ids", threeLines.text, pointBound - 1, 1, 0, 3, pointsLeft},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        user.ClearRecords();
        CSectModel fresh;
        fresh.m_nextPointId = c.nextPointId;
        fresh.m_nextCurveId = c.nextCurveId;
        EXPECT_TRUE(ImportTextInto(fresh, c.text));
        EXPECT_EQ(static_cast<int>(fresh.m_curves.size()), c.curves);
        EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{c.warning});
        EXPECT_EQ(user.lines,
                  (std::vector<std::string>{"Imported AutoCAD DXF model data",
                                            FormatText("- Model: Curve [%d], Point [%d]", c.curves, 2 * c.curves),
                                            FormatText("- Not imported: Id limit reached [%d]", c.left)}));
        EXPECT_EQ(fresh.m_dxfSkipped.imported, c.curves);
        ExpectEveryEntityCounted(fresh, c.text, user.lines);
    }
}

} // namespace
