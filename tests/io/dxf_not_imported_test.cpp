// Every entity of a drawing that makes nothing is accounted for after the
// read: one line counts them by why, entities the import cannot place get a
// warning of their own, and a read that made nothing at all says so.

#include "NumericLocale.h"
#include "dxf_test_support.h"
#include "io/DxfLineReader.h"

#include <cmath>
#include <iterator>

namespace {

using DxfNotImported = DxfImportTest;

const char* const kNotFinite = "not finite or overflow, as written or once turned and shifted, or their coordinates "
                               "are too large to be told apart at the tolerance (1). They were not imported.";

// The warning of entities that cannot be placed: those with a number that
// cannot be read, and the others.
std::string UnplaceableText(int notFinite, int unreadable = 0)
{
    const std::string start = FormatText("%d entities cannot be placed: ", notFinite + unreadable);
    if (unreadable == 0)
        return start + "their numbers are " + kNotFinite;
    if (notFinite == 0)
        return start + "they hold a number that cannot be read. They were not imported.";
    return start + FormatText("%d hold a number that cannot be read; the numbers of the other %d are ", unreadable,
                              notFinite) + kNotFinite;
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
    // A parameter beyond what degrees hold is taken by its direction, and
    // angles far apart less their whole turns: no sweep overflows.
    Ellipse(unplaceable, 10.0, 0.0, 1e308);
    unplaceable.Arc(0, 0, 10, 1e308, -1e308);
    Circle(unplaceable, 1e300, 0.0, "5");  // its points fall on one another
    Circle(unplaceable, 0.0, 0.0, "1e300");  // so do the points of a huge radius
    unplaceable.Point(1e17, 0).Line(0, 100, 1e16, 100);
    unplaceable.Group(0, "3DFACE").Group(10, 0.0).Group(20, 0.0).Group(11, 100.0).Group(21, 0.0)
        .Group(12, 100.0).Group(22, 1e300).Group(13, 0.0).Group(23, 100.0);
    // Within the resolution: 36 points a tolerance and more apart.
    Circle(unplaceable, 1e15, 0.0, "50");
    // Text that is no number cannot be placed either, a radius of 0 can.
    Circle(unplaceable, 500.0, 0.0, "none");
    Circle(unplaceable, 700.0, 0.0, "0");
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
        {"each kind", unplaceable.text, 0.0, 0.0, 4, "- Not imported: Of no size [1], Cannot be placed [7]",
         {UnplaceableText(6, 1)}},
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
    const T_CURVE_D* circle = model.FindCurve(4);
    ASSERT_NE(circle, nullptr);
    EXPECT_EQ(circle->pointIds.size(), 37u);
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

enum class Gives { Number, Unreadable, NotFinite };

struct NumberTextCase {
    std::string text;
    Gives gives;
    double x = 0.0;  // the number it gives
};

// What each text gives as a LINE's start x: text that is not wholly one
// number is never read as 0 or as its leading number.
const NumberTextCase kNumberTexts[] = {
    {"--5", Gives::Unreadable},      {"+-5", Gives::Unreadable},   {"0x10", Gives::Unreadable},
    {",5", Gives::Unreadable},       {"", Gives::Unreadable},      {".", Gives::Unreadable},
    {"-", Gives::Unreadable},        {"1e", Gives::Unreadable},    {"1,5", Gives::Unreadable},
    {"1.5.3", Gives::Unreadable},    {"12abc", Gives::Unreadable}, {"1 2", Gives::Unreadable},
    {"information", Gives::Unreadable}, {"nancy", Gives::Unreadable},
    {"inf", Gives::NotFinite},       {"-NaN", Gives::NotFinite},
    {"  12  ", Gives::Number, 12.0}, {"1e5", Gives::Number, 1e5}, {"-0.5", Gives::Number, -0.5},
    {"1E-3", Gives::Number, 1e-3},   {".5", Gives::Number, 0.5},  {"5.", Gives::Number, 5.0},
    // Judged on the whole line however long, never on its start alone.
    {"0." + std::string(520, '0') + "5e521", Gives::Number, 5.0},
    {"5" + std::string(520, ' ') + "junk", Gives::Unreadable},
    // Longer than the reader keeps: the number is not read rather than cut.
    {"0." + std::string(DxfLineReader::kKeptLineLength, '0') + "5e4097", Gives::Unreadable},
};

DxfBuilder& LineFromText(DxfBuilder& dxf, const std::string& x1, double y)
{
    return dxf.Group(0, "LINE").Group(8, "0").Group(10, x1).Group(20, y).Group(11, 300.0).Group(21, y);
}

class DxfNumberTexts : public DxfImportTest {
protected:
    // Each text alone, with the count it gives, then all of them in one
    // drawing beside the CIRCLE whose centre is "0x10" and empty.
    void ExpectEachTextGivesItsCount()
    {
        for (const NumberTextCase& c : kNumberTexts) {
            SCOPED_TRACE('"' + c.text + '"');
            DxfBuilder dxf;
            LineFromText(dxf.Section("ENTITIES"), c.text, 20.0).EndSection().Eof();
            user.ClearRecords();
            CSectModel fresh;
            ASSERT_TRUE(ImportTextInto(fresh, dxf.text));
            const bool placed = c.gives == Gives::Number;
            ASSERT_EQ(fresh.m_curves.size(), placed ? 1u : 0u);
            if (placed) {
                const std::vector<int>& ids = fresh.m_curves.begin()->second->pointIds;
                ASSERT_FALSE(ids.empty());
                const T_POINT_D* start = fresh.FindPoint(ids.front());
                ASSERT_NE(start, nullptr);
                EXPECT_EQ(start->xy[0], c.x);
                EXPECT_EQ(start->xy[1], 20.0);
                EXPECT_EQ(user.lines.size(), 2u);
                continue;
            }
            const std::string warning =
                c.gives == Gives::Unreadable ? UnplaceableText(0, 1) : UnplaceableText(1, 0);
            ASSERT_EQ(user.lines.size(), 4u);
            EXPECT_EQ(user.lines[2], "- Not imported: Cannot be placed [1]");
            EXPECT_EQ(user.lines[3], warning);
        }

        DxfBuilder all;
        all.Section("ENTITIES");
        for (size_t i = 0; i < std::size(kNumberTexts); ++i)
            LineFromText(all, kNumberTexts[i].text, 20.0 * static_cast<double>(i));
        all.Group(0, "CIRCLE").Group(8, "0").Group(10, "0x10").Group(20, "").Group(40, 50.0);
        all.EndSection().Eof();
        user.ClearRecords();
        CSectModel fresh;
        ASSERT_TRUE(ImportTextInto(fresh, all.text));
        EXPECT_EQ(fresh.m_curves.size(), 7u);
        EXPECT_EQ(fresh.m_dxfSkipped.unplaceable, 19);
        EXPECT_EQ(user.lines, (std::vector<std::string>{"Imported AutoCAD DXF model data",
                                                        "- Model: Curve [7], Point [14]",
                                                        "- Not imported: Cannot be placed [19]",
                                                        UnplaceableText(2, 17)}));
        EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{UnplaceableText(2, 17)});
        ExpectEveryEntityCounted(fresh, all.text, user.lines);
    }
};

TEST_F(DxfNumberTexts, TextThatIsNotWhollyANumberCannotBePlaced)
{
    ExpectEachTextGivesItsCount();
}

TEST_F(DxfNumberTexts, ADecimalCommaLocaleReadsTheSame)
{
    NumericLocale locale(kDecimalCommaLocale);
    if (!locale.Switched())
        GTEST_SKIP() << "the " << kDecimalCommaLocale << " locale is missing: decimal-comma check skipped";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    ExpectEachTextGivesItsCount();
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
        {"a later group replaces the earlier", "LINE", {{10, "nan"}, {20, "0"}, {11, "100"}, {21, "0"}},
         {10, "0"}, "0", ""},
        // Text that is not wholly a number, in every kind of group.
        {"a word as the start's x", "LINE", line, {10, "none"}, "0", kUnplaced},
        {"a point's x of 0x10", "POINT", {{10, "0"}, {20, "0"}}, {10, "0x10"}, "0", kUnplaced},
        {"an empty z", "LINE", line, {31, ""}, "0", kUnplaced},
        {"an empty radius", "CIRCLE", circle, {40, ""}, "0", kUnplaced},
        {"an extrusion x of --5", "CIRCLE", circle, {210, "--5"}, "0", kUnplaced},
        {"an angle with a decimal comma", "ARC", arc, {50, "1,5"}, "0", kUnplaced},
        {"a ratio of a point alone", "ELLIPSE", ellipse, {40, "."}, "0", kUnplaced},
        {"a parameter followed by letters", "ELLIPSE", ellipse, {42, "12abc"}, "0", kUnplaced},
        {"a corner's y of two numbers", "3DFACE", face, {22, "1 2"}, "0", kUnplaced},
        {"a word that starts as inf", "LINE", line, {21, "information"}, "0", kUnplaced},
        {"on a frozen layer, unread", "LINE", line, {10, "1,5"}, "F", "Not imported: On layers off or frozen [1]"},
        {"a group the arc does not read", "ARC", arc, {41, "1,5"}, "0", ""},
        {"a later number replaces the text", "LINE", {{10, "1,5"}, {20, "0"}, {11, "100"}, {21, "0"}},
         {10, "0"}, "0", ""},
        {"a later text replaces the number", "LINE", line, {11, "100 mm"}, "0", kUnplaced},
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

    // Beyond the kinds named, those counted together are many of a few kinds.
    DxfBuilder manyOfMoreKinds;
    manyOfMoreKinds.Section("ENTITIES");
    for (char kind = 'A'; kind < 'A' + 12; ++kind) {
        for (int i = 0; i < 'A' + 13 - kind; ++i)
            manyOfMoreKinds.Group(0, std::string("KIND_") + kind);
    }
    manyOfMoreKinds.EndSection().Eof();

    // An entity whose kind is an empty line.
    DxfBuilder noName;
    noName.Section("ENTITIES").Group(0, "").Group(8, "0").Group(0, "VERTEX").Group(0, "").EndSection().Eof();

    // The parts of a POLYLINE and an INSERT, and the same kinds where they
    // belong to nothing.
    DxfBuilder parts;
    parts.Section("ENTITIES").Group(0, "VERTEX");
    parts.Group(0, "POLYLINE").Group(0, "VERTEX").Group(0, "VERTEX").Group(0, "SEQEND").Group(0, "SEQEND");
    // A VERTEX among an INSERT's attributes ends them.
    parts.Group(0, "INSERT").Group(0, "ATTRIB").Group(0, "VERTEX").Group(0, "ATTRIB").Group(0, "SEQEND");
    parts.Point(5, 5).Group(0, "ATTRIB").EndSection().Eof();

    // Kinds that are no UTF-8 text, which the window would show as nothing:
    // a stray byte, a character cut short, an overlong form, a surrogate and
    // a code point beyond U+10FFFF, each of whose bytes is shown as U+FFFD;
    // kinds shown alike are counted as one. Kinds that are UTF-8 text are
    // shown as written.
    DxfBuilder notUtf8;
    notUtf8.Section("ENTITIES").Group(0, "\xFFLINE").Group(0, "\xFELINE").Group(0, "\xFFLINE")
        .Group(0, "ARC\xE2\x82").Group(0, "\xC0\xAF").Group(0, "\xED\xA0\x80").Group(0, "KREIS\xC3\x96")
        .Group(0, "\xF4\x90\x80\x80").Group(0, "\xF0\x9F\x98\x80").EndSection().Eof();
    const std::string replaced = "\xEF\xBF\xBD";
    const std::string notUtf8Kinds = "Not imported: Kinds not read [" + replaced + "LINE 3, ARC" + replaced + replaced
        + " 1, KREIS\xC3\x96 1, " + replaced + replaced + " 1, " + replaced + replaced + replaced + " 1, " + replaced
        + replaced + replaced + replaced + " 1, \xF0\x9F\x98\x80 1]";

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
         "KIND_G 1, KIND_H 1, KIND_I 1 and 2 more kinds [2]], Off the XY plane [1]",
         {}},
        {"many of the kinds not named", manyOfMoreKinds.text, 0,
         "Not imported: Kinds not read [KIND_A 13, KIND_B 12, KIND_C 11, KIND_D 10, KIND_E 9, KIND_F 8, KIND_G 7, "
         "KIND_H 6, KIND_I 5, KIND_J 4 and 2 more kinds [5]]",
         {"Nothing was imported from the DXF file.\n\nNot imported: Kinds not read [KIND_A 13, KIND_B 12, KIND_C 11, "
          "KIND_D 10, KIND_E 9, KIND_F 8, KIND_G 7, KIND_H 6, KIND_I 5, KIND_J 4 and 2 more kinds [5]]" +
          std::string(kReads)}},
        {"a kind without a name", noName.text, 0, "Not imported: Kinds not read [(no name) 2, VERTEX 1]",
         {"Nothing was imported from the DXF file.\n\nNot imported: Kinds not read [(no name) 2, VERTEX 1]" +
          std::string(kReads)}},
        {"parts of nothing", parts.text, 1,
         "Not imported: Kinds not read [ATTRIB 2, SEQEND 2, VERTEX 2, INSERT 1, POLYLINE 1]", {}},
        {"kinds that are no UTF-8 text", notUtf8.text, 0, notUtf8Kinds,
         {"Nothing was imported from the DXF file.\n\n" + notUtf8Kinds + kReads}},
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
        ExpectEveryEntityCounted(fresh, c.text, user.lines);
    }
}

} // namespace
