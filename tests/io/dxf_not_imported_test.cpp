// Every entity of a drawing that makes nothing is accounted for after the
// read: one line counts them by why, entities the import cannot place get a
// warning of their own, and a read that made nothing at all says so.

#include "dxf_test_support.h"

#include <cmath>

namespace {

using DxfNotImported = DxfImportTest;

std::string UnplaceableText(int count)
{
    return FormatText("%d entities cannot be placed: their numbers are not finite or overflow, as written or once "
                      "turned and shifted, or their coordinates are too large to be told apart at the tolerance (1). "
                      "They were not imported.",
                      count);
}

std::string TooSmallText(int count)
{
    return FormatText("%d entities are smaller than the tolerance (1) and were not imported. Set a smaller "
                      "tolerance in the Setting dialog to import them.",
                      count);
}

DxfBuilder& Circle(DxfBuilder& dxf, double cx, double cy, const std::string& radius)
{
    return dxf.Group(0, "CIRCLE").Group(8, "0").Group(10, cx).Group(20, cy).Group(40, radius);
}

DxfBuilder& Ellipse(DxfBuilder& dxf, double axisX, double axisY, double endParam)
{
    return dxf.Group(0, "ELLIPSE").Group(8, "0").Group(10, 0.0).Group(20, 0.0).Group(11, axisX)
        .Group(21, axisY).Group(40, 0.5).Group(41, 0.0).Group(42, endParam);
}

TEST_F(DxfNotImported, WarnsOfEntitiesItCannotPlaceApartFromThoseTooSmall)
{
    // With the tolerance 1, coordinates beyond about 4.5e15 lie further apart
    // than it: points there cannot be told apart.
    DxfBuilder unplaceable;
    unplaceable.Section("ENTITIES").Line(0, 0, 100, 0);
    Ellipse(unplaceable, 1e300, 1e300, 6.283185307179586);  // an axis whose length overflows
    Ellipse(unplaceable, 10.0, 0.0, 1e308);  // a parameter that overflows in degrees
    unplaceable.Arc(0, 0, 10, 1e308, -1e308);  // a sweep that overflows
    Circle(unplaceable, 1e300, 0.0, "5");  // its points fall on one another
    Circle(unplaceable, 0.0, 0.0, "1e300");  // so do the points of a huge radius
    unplaceable.Point(1e17, 0).Line(0, 100, 1e16, 100);
    unplaceable.Group(0, "3DFACE").Group(10, 0.0).Group(20, 0.0).Group(11, 100.0).Group(21, 0.0)
        .Group(12, 100.0).Group(22, 1e300).Group(13, 0.0).Group(23, 100.0);
    // Within the resolution: 36 points a tolerance and more apart.
    Circle(unplaceable, 1e15, 0.0, "50");
    // Text that is no number reads as 0: a circle of no size.
    Circle(unplaceable, 500.0, 0.0, "none");
    unplaceable.EndSection().Eof();

    // Turned by 45 degrees the corner (1.7e308, 1.7e308) overflows; shifted by
    // 1e308 so does x = 1e308.
    DxfBuilder overflowing;
    overflowing.Section("ENTITIES").Line(1.7e308, 1.7e308, 0, 0).Line(0, 0, 100, 0).Line(1e308, 0, 0, 0)
        .Point(1e308, 5).EndSection().Eof();

    DxfBuilder small;
    small.Section("ENTITIES").Line(0, 0, 0.5, 0).Line(0, 10, 100, 10).Line(0, 20, 1e16, 20).EndSection().Eof();

    struct Case {
        const char* name;
        std::string text;
        double tx;
        double rz;
        int curves;
        std::string notImported;
        std::vector<std::string> warnings;
    };
    const Case cases[] = {
        {"each kind", unplaceable.text, 0.0, 0.0, 2, "- Not imported: Of no size [1], Cannot be placed [8]",
         {UnplaceableText(8)}},
        {"turned", overflowing.text, 0.0, 45.0, 1, "- Not imported: Cannot be placed [3]", {UnplaceableText(3)}},
        {"shifted", overflowing.text, 1e308, 0.0, 0, "- Not imported: Cannot be placed [4]", {UnplaceableText(4)}},
        {"small beside", small.text, 0.0, 0.0, 1, "- Not imported: Smaller than the tolerance [1], Cannot be placed [1]",
         {TooSmallText(1), UnplaceableText(1)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        user.ClearRecords();
        CSectModel fresh;
        ASSERT_TRUE(ImportTextInto(fresh, c.text, c.tx, c.rz));
        EXPECT_EQ(static_cast<int>(fresh.m_curves.size()), c.curves);
        for (const auto& [id, point] : fresh.m_points) {
            EXPECT_TRUE(std::isfinite(point->xy[0]) && std::isfinite(point->xy[1])) << id;
        }
        std::vector<std::string> lines = {
            "Imported AutoCAD DXF model data",
            FormatText("- Model: Curve [%d], Point [%d]", c.curves, static_cast<int>(fresh.m_points.size())),
            c.notImported};
        lines.insert(lines.end(), c.warnings.begin(), c.warnings.end());
        EXPECT_EQ(user.lines, lines);
        std::vector<std::string> boxes = c.warnings;
        if (fresh.m_points.empty())
            boxes.push_back("Nothing was imported from the DXF file.\n\n" + c.notImported.substr(2));
        EXPECT_EQ(user.BoxTexts(), boxes);
    }
    // The circle far out that can be placed is whole.
    ASSERT_TRUE(ImportText(unplaceable.text));
    EXPECT_EQ(model.FindCurve(2)->pointIds.size(), 37u);
}

DxfBuilder& LineFromX(DxfBuilder& dxf, const std::string& x1)
{
    return dxf.Group(0, "LINE").Group(8, "0").Group(10, x1).Group(20, 0.0).Group(11, 100.0).Group(21, 0.0);
}

TEST_F(DxfNotImported, NumbersThatNoDoubleHoldsCannotBePlaced)
{
    DxfBuilder dxf;
    dxf.Section("ENTITIES");
    for (const char* x1 : {"1e400", "-1e400", "inf", "nan"})
        LineFromX(dxf, x1);
    Circle(dxf, 0.0, 0.0, "1e400");
    // Read after them, the line has values of its own only.
    dxf.Group(0, "LINE").Group(8, "0").Group(20, 50.0).Group(11, 100.0).Group(21, 50.0);
    dxf.EndSection().Eof();

    ASSERT_TRUE(ImportText(dxf.text));
    ASSERT_EQ(CurveCount(), 1);
    const auto positions = CurvePositions(1);
    ASSERT_EQ(positions.size(), 2u);
    ExpectNear2(positions[0], 0.0, 50.0);
    ExpectNear2(positions[1], 100.0, 50.0);
    EXPECT_EQ(user.lines, (std::vector<std::string>{"Imported AutoCAD DXF model data", "- Model: Curve [1], Point [2]",
                                                    "- Not imported: Cannot be placed [5]", UnplaceableText(5)}));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{UnplaceableText(5)});
}

// One entity at a time: which groups make it unplaceable, in which spelling,
// and how that ranks beside the layer filter and the plane test.
TEST_F(DxfNotImported, OnlyTheValuesAnEntityReadsMustBeFinite)
{
    using Groups = std::vector<std::pair<int, std::string>>;
    const Groups line = {{10, "0"}, {20, "0"}, {30, "0"}, {11, "100"}, {21, "0"}, {31, "0"}};
    const Groups circle = {{10, "0"}, {20, "0"}, {30, "0"}, {40, "10"}, {210, "0"}, {220, "0"}, {230, "1"}};
    const Groups arc = {{10, "0"}, {20, "0"}, {40, "10"}, {50, "0"}, {51, "90"}};
    const Groups ellipse = {{10, "0"}, {20, "0"}, {11, "10"}, {21, "0"}, {40, "0.5"}, {41, "0"}, {42, "3.14"}};
    const Groups face = {{10, "0"}, {20, "0"}, {11, "100"}, {21, "0"}, {12, "100"}, {22, "100"}, {13, "0"},
                         {23, "100"}};
    struct Case {
        const char* name;
        const char* type;
        Groups groups;
        std::pair<int, std::string> changed;  // put after the type's groups
        const char* layer;
        std::string notImported;  // empty: the entity is imported
    };
    const char* const kUnplaced = "Not imported: Cannot be placed [1]";
    const Case cases[] = {
        {"INF as the end's y", "LINE", line, {21, "INF"}, "0", kUnplaced},
        {"-Infinity as the start's x", "LINE", line, {10, "  -Infinity"}, "0", kUnplaced},
        {"+nan", "LINE", line, {11, "+nan"}, "0", kUnplaced},
        {"NaN with a payload", "LINE", line, {20, "NaN(1)"}, "0", kUnplaced},
        {"a number of over 300 digits", "LINE", line, {11, std::string(320, '9')}, "0", kUnplaced},
        {"a z of nan: where it lies is not known", "LINE", line, {31, "nan"}, "0", kUnplaced},
        {"a z beyond range", "LINE", line, {30, "-1e400"}, "0", kUnplaced},
        {"an extrusion z of -inf", "CIRCLE", circle, {230, "-inf"}, "0", kUnplaced},
        {"an angle beyond range", "ARC", arc, {51, "1e999"}, "0", kUnplaced},
        {"a parameter of nan", "ELLIPSE", ellipse, {41, "nan"}, "0", kUnplaced},
        {"a fourth corner's z of inf", "3DFACE", face, {33, "inf"}, "0", kUnplaced},
        {"a point at inf", "POINT", {{10, "0"}, {20, "0"}}, {10, "inf"}, "0", kUnplaced},
        {"on a frozen layer", "LINE", line, {10, "inf"}, "F", "Not imported: On layers off or frozen [1]"},
        {"a z of 5 beside", "LINE", line, {31, "5"}, "0", "Not imported: Off the XY plane [1]"},
        {"a group the line does not read", "LINE", line, {40, "inf"}, "0", ""},
        {"a number too small for a double reads as 0", "LINE", line, {10, "1e-400"}, "0", ""},
        {"a word reads as 0", "LINE", line, {10, "none"}, "0", ""},
        {"a later group replaces the earlier", "LINE", {{10, "nan"}, {20, "0"}, {11, "100"}, {21, "0"}},
         {10, "0"}, "0", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DxfBuilder dxf;
        dxf.Section("TABLES").Group(0, "TABLE").Group(2, "LAYER").Layer("0", 0, 7).Layer("F", 1, 7)
            .Group(0, "ENDTAB").EndSection();
        dxf.Section("ENTITIES").Group(0, c.type).Group(8, c.layer);
        for (const auto& [code, value] : c.groups)
            dxf.Group(code, value);
        dxf.Group(c.changed.first, c.changed.second).EndSection().Eof();
        user.ClearRecords();
        CSectModel fresh;
        ASSERT_TRUE(ImportTextInto(fresh, dxf.text));
        EXPECT_EQ(fresh.m_points.empty(), !c.notImported.empty());
        for (const auto& [id, point] : fresh.m_points) {
            EXPECT_TRUE(std::isfinite(point->xy[0]) && std::isfinite(point->xy[1])) << id;
        }
        if (c.notImported.empty()) {
            EXPECT_EQ(user.lines.size(), 2u) << user.lines.back();
        } else {
            ASSERT_GE(user.lines.size(), 3u);
            EXPECT_EQ(user.lines[2], "- " + c.notImported);
        }
    }
}

TEST_F(DxfNotImported, CountsTheKindsItDoesNotReadAndSaysWhenNothingWasImported)
{
    DxfBuilder polylines;
    polylines.Section("ENTITIES");
    for (int i = 0; i < 5; ++i) {
        polylines.Group(0, "LWPOLYLINE").Group(8, "0").Group(90, "2").Group(10, 0.0).Group(20, i * 10.0)
            .Group(10, 100.0).Group(20, i * 10.0);
    }
    polylines.Group(0, "INSERT").Group(2, "DOOR").Group(66, "1").Group(0, "ATTRIB").Group(1, "D1")
        .Group(0, "SEQEND").Group(0, "INSERT").Group(2, "DOOR");
    polylines.EndSection().Eof();

    DxfBuilder manyKinds;
    manyKinds.Section("ENTITIES");
    for (char kind = 'A'; kind < 'A' + 12; ++kind)
        manyKinds.Group(0, std::string("KIND_") + kind);
    manyKinds.Group(0, "KIND_L").Point(5, 5).Point(5, 5, 3.0).EndSection().Eof();

    DxfBuilder empty;
    empty.Section("ENTITIES").EndSection().Eof();

    const char* const kReads = "\n\nThe import reads the entities POINT, LINE, ARC, CIRCLE, ELLIPSE and 3DFACE.";
    struct Case {
        const char* name;
        std::string text;
        int points;
        std::string notImported;  // empty: no such line
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {"polylines", polylines.text, 0, "Not imported: Kinds not read [LWPOLYLINE 5, INSERT 2]",
         {"Nothing was imported from the DXF file.\n\nNot imported: Kinds not read [LWPOLYLINE 5, INSERT 2]" +
          std::string(kReads)}},
        // Ten kinds are named, the most frequent first.
        {"many kinds", manyKinds.text, 1,
         "Not imported: Kinds not read [KIND_L 2, KIND_A 1, KIND_B 1, KIND_C 1, KIND_D 1, KIND_E 1, KIND_F 1, "
         "KIND_G 1, KIND_H 1, KIND_I 1 and 2 more kinds], Off the XY plane [1]",
         {}},
        {"empty", empty.text, 0, "", {"Nothing was imported from the DXF file."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        user.ClearRecords();
        CSectModel fresh;
        ASSERT_TRUE(ImportTextInto(fresh, c.text));
        EXPECT_TRUE(fresh.m_curves.empty());
        EXPECT_EQ(static_cast<int>(fresh.m_points.size()), c.points);
        std::vector<std::string> lines = {"Imported AutoCAD DXF model data",
                                          FormatText("- Model: Curve [0], Point [%d]", c.points)};
        if (!c.notImported.empty())
            lines.push_back("- " + c.notImported);
        EXPECT_EQ(user.lines, lines);
        EXPECT_EQ(user.BoxTexts(), c.boxes);
        for (const RecordedBox& box : user.boxes)
            EXPECT_EQ(box.kind, BoxKind::Warning);
    }
}

} // namespace
