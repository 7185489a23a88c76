// Entities that make nothing because they are smaller than the tolerance are
// counted and reported after the read's summary; repeats are not.

#include "dxf_test_support.h"

namespace {

using DxfToleranceReport = DxfImportTest;

std::string TooSmallText(int count, double tolerance)
{
    return FormatText("%d entities are smaller than the tolerance (%s) and were not imported. Set a smaller "
                      "tolerance in the Setting dialog to import them.",
                      count, FormatText("%g", tolerance).c_str());
}

// A CIRCLE and a 3DFACE written group by group.
DxfBuilder& Circle(DxfBuilder& dxf, double cx, double cy, double radius)
{
    return dxf.Group(0, "CIRCLE").Group(8, "0").Group(10, cx).Group(20, cy).Group(30, 0.0).Group(40, radius);
}

DxfBuilder& Face(DxfBuilder& dxf, const std::array<std::array<double, 2>, 4>& corners)
{
    dxf.Group(0, "3DFACE").Group(8, "0");
    for (int i = 0; i < 4; ++i)
        dxf.Group(10 + i, corners[i][0]).Group(20 + i, corners[i][1]).Group(30 + i, 0.0);
    return dxf;
}

TEST_F(DxfToleranceReport, CountsWhatIsTooSmallAndNotWhatRepeats)
{
    struct Case {
        const char* name;
        double tolerance;
        std::string text;
        int curves;
        int points;
        int tooSmall;  // 0: no warning
        std::string notImported;  // empty: no such line
    };
    DxfBuilder allSmall;
    allSmall.Section("ENTITIES").Line(0, 0, 0.5, 0).Line(10, 10, 10, 10.9).Arc(50, 50, 0.2, 0, 90);
    Circle(allSmall, 80, 80, 0.3);
    Face(allSmall, {{{100, 100}, {100.4, 100}, {100.4, 100.4}, {100, 100.4}}});
    allSmall.EndSection().Eof();

    // Half too small: a line and an arc are made, a line and a circle are not.
    DxfBuilder half;
    half.Section("ENTITIES").Line(0, 0, 100, 0).Line(200, 0, 200.5, 0).Arc(0, 0, 50, 0, 90);
    Circle(half, 300, 300, 0.1);
    half.EndSection().Eof();

    // A repeated line and a point on an imported point make nothing either,
    // but they are not small; a line and a face of no size are nothing at
    // any tolerance.
    DxfBuilder repeats;
    repeats.Section("ENTITIES").Line(0, 0, 100, 0).Line(100, 0, 0, 0).Point(0, 0).Line(7, 7, 7, 7);
    Face(repeats, {{{9, 9}, {9, 9}, {9, 9}, {9, 9}}});
    repeats.EndSection().Eof();

    const Case cases[] = {
        {"all too small", 1.0, allSmall.text, 0, 0, 5, "Smaller than the tolerance [5]"},
        {"all made at a finer tolerance", 0.001, allSmall.text, 2 + 1 + 1 + 4, -1, 0, ""},
        {"half too small", 1.0, half.text, 2, 2 + 10, 2, "Smaller than the tolerance [2]"},
        {"half at a quarter", 0.25, half.text, 3, -1, 1, "Smaller than the tolerance [1]"},
        {"repeats and no size", 1.0, repeats.text, 1, 2, 0, "Of no size [2]"},
        {"no size at a fine tolerance", 1e-9, repeats.text, 1, 2, 0, "Of no size [2]"},
    };
    const std::filesystem::path path = folder.Path("drawing.dxf");
    const double shift[2] = {0.0, 0.0};
    for (const Case& c : cases) {
        CSectModel fresh;
        fresh.m_reporter.SetPorts(user.Ports());
        fresh.BeginUndoAction();
        fresh.m_tolerance = c.tolerance;
        user.ClearRecords();
        WriteWholeFile(path, c.text);
        ASSERT_TRUE(fresh.ReadDxfFile(path.string().c_str(), shift, 0.0)) << c.name;
        const int curves = static_cast<int>(fresh.m_curves.size());
        const int points = static_cast<int>(fresh.m_points.size());
        EXPECT_EQ(curves, c.curves) << c.name;
        if (c.points >= 0) {
            EXPECT_EQ(points, c.points) << c.name;
        }
        std::vector<std::string> lines = {"Imported AutoCAD DXF model data",
                                          FormatText("- Model: Curve [%d], Point [%d]", curves, points)};
        if (!c.notImported.empty())
            lines.push_back("- Not imported: " + c.notImported);
        std::vector<std::string> boxes;
        if (c.tooSmall > 0) {
            lines.push_back(TooSmallText(c.tooSmall, c.tolerance));
            boxes.push_back(TooSmallText(c.tooSmall, c.tolerance));
        }
        // A read that made nothing says so after the reasons.
        if (curves == 0 && points == 0)
            boxes.push_back("Nothing was imported from the DXF file.\n\nNot imported: " + c.notImported);
        EXPECT_EQ(user.lines, lines) << c.name;
        EXPECT_EQ(user.BoxTexts(), boxes) << c.name;
        for (const RecordedBox& box : user.boxes)
            EXPECT_EQ(box.kind, BoxKind::Warning) << c.name;
    }
}

TEST_F(DxfToleranceReport, TheCountStartsAfreshWithEveryRead)
{
    DxfBuilder dxf;
    dxf.Section("ENTITIES").Line(0, 0, 0.5, 0).Line(0, 10, 50, 10).EndSection().Eof();
    ASSERT_TRUE(ImportText(dxf.text));
    ASSERT_EQ(user.BoxTexts(), std::vector<std::string>{TooSmallText(1, 1.0)});
    user.ClearRecords();
    DxfBuilder fine;
    fine.Section("ENTITIES").Line(0, 0, 50, 0).EndSection().Eof();
    ASSERT_TRUE(ImportText(fine.text));
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_EQ(user.lines.size(), 2u);
}

}  // namespace
