// Real-world drawings: the pinned ones with what their import makes, counted
// by hand from their ENTITIES sections, and every drawing of the shared
// corpus read without a crash or a hang; each accounts for every entity.

#include "dxf_test_support.h"

#include <set>

namespace {

using DxfCorpus = DxfImportTest;

struct PinnedDrawing {
    const char* file;
    double tolerance;
    int curves;
    int points;
    std::string notImported;  // the line that counts what was not imported, empty when there is none
    int tooSmall = 0;  // entities reported as smaller than the tolerance
};

TEST_F(DxfCorpus, ImportsWhatThePinnedDrawingsHold)
{
    const std::vector<PinnedDrawing> drawings = {
        // 13 LINE and 9 ARC, drawn in inches: with a fine tolerance every one
        // is a curve; the arcs' 108 points, less the 3 ends arcs share, and 6
        // line ends that touch no arc.
        {"AC1003_LINE_Example.dxf", 0.001, 22, 111, ""},
        // With the default tolerance of 1 most of them are shorter than it:
        // 22 entities of which 3 make curves, so 19 are reported.
        {"AC1003_LINE_Example.dxf", 1.0, 3, 4, "Smaller than the tolerance [19]", 19},
        // 5 LINE, 3 CIRCLE and 2 quarter ARC: 3 x 36 circle points, 2 x 10
        // arc points less the shared end, 8 line ends; the first arc starts on
        // the top of the second circle.
        {"issue1106.dxf", 1.0, 10, 134, ""},
        // 44 3DFACE quadrilaterals of a grid: shared edges are made once. The
        // texts and the polylines of the frame are not read.
        {"3dface.dxf", 1.0, 122, 138, "Kinds not read [MTEXT 16, TEXT 6, LWPOLYLINE 5]"},
        // 111 LINE, of which 4 have zero length, and 8 quarter ELLIPSE.
        {"duplicate_handles.dxf", 1.0, 115, 245, "Kinds not read [TEXT 19, DIMENSION 7], Of no size [4]"},
        // Every point and line lies off the plane.
        {"Leica_Disto_S910.dxf", 1.0, 0, 0, "Kinds not read [TEXT 11], Off the XY plane [21]"},
        // Two circles of radius 0 and -1.
        {"circle_radius_le_0.dxf", 1.0, 0, 0, "Of no size [2]"},
        // One circle of radius 1.5, then lines after "EOF" that are not read.
        {"R12_with_trash_beyond_EOF.dxf", 0.01, 1, 36, ""},
        // 10 LINE with 15 distinct ends, and 32 CIRCLE of radius 0.1 or 0.075
        // on the layer INSERT_POINTS, which the table does not list: they
        // are drawn all the same. 31 distinct circles of 36 points; the last
        // repeats one and makes a curve on its points.
        {"text_alignments.dxf", 0.001, 10 + 32, 15 + 31 * 36, "Kinds not read [TEXT 16]"},
        // With the tolerance 1 most circles fall on one point. The six about
        // (0, -1), (5, -1) and (10, -1) reach the line end 1 above their
        // centre as well: each makes a curve there and back, and the one
        // about (5, -1), where no line ends, a new point.
        {"text_alignments.dxf", 1.0, 10 + 6, 15 + 1, "Kinds not read [TEXT 16], Smaller than the tolerance [26]", 26},
    };
    for (const PinnedDrawing& drawing : drawings) {
        SCOPED_TRACE(std::string(drawing.file) + " with tolerance " + std::to_string(drawing.tolerance));
        CSectModel fresh;
        fresh.m_reporter.SetPorts(user.Ports());
        fresh.SetTolerance(drawing.tolerance);
        fresh.BeginUndoAction();
        user.ClearRecords();
        const double shift[2] = {0.0, 0.0};
        const std::filesystem::path path = PinnedDxfFolder() / drawing.file;
        ASSERT_TRUE(fresh.ReadDxfFile(path.string().c_str(), shift, 0.0));
        ExpectEveryEntityCounted(fresh, ReadWholeFile(path), user.lines);
        EXPECT_EQ(static_cast<int>(fresh.m_curves.size()), drawing.curves);
        EXPECT_EQ(static_cast<int>(fresh.m_points.size()), drawing.points);
        std::vector<std::string> report = {FormatText("- Model: Curve [%d], Point [%d]", drawing.curves, drawing.points)};
        if (!drawing.notImported.empty())
            report.push_back("- Not imported: " + drawing.notImported);
        std::vector<std::string> boxes;
        if (drawing.tooSmall > 0) {
            report.push_back(FormatText("%d entities are smaller than the tolerance (1) and were not imported. Set a "
                                        "smaller tolerance in the Setting dialog to import them.",
                                        drawing.tooSmall));
            boxes.push_back(report.back());
        }
        if (drawing.curves == 0 && drawing.points == 0) {
            boxes.push_back("Nothing was imported from the DXF file.\n\nNot imported: " + drawing.notImported);
            if (drawing.notImported.starts_with("Kinds not read"))
                boxes.back() += "\n\nThe import reads the entities POINT, LINE, ARC, CIRCLE, ELLIPSE and 3DFACE.";
        }
        EXPECT_EQ(user.BoxTexts(), boxes);
        ASSERT_GE(user.lines.size(), report.size());
        EXPECT_EQ(std::vector<std::string>(user.lines.end() - static_cast<long>(report.size()), user.lines.end()),
                  report);
        for (const auto& [id, curve] : fresh.m_curves) {
            EXPECT_GE(std::set<int>(curve->pointIds.begin(), curve->pointIds.end()).size(), 2u) << id;
            for (int pointId : curve->pointIds)
                EXPECT_NE(fresh.FindPoint(pointId), nullptr) << id;
        }
    }
}

TEST_F(DxfCorpus, QuarterEllipsesAreDividedByTheAngleStep)
{
    // The parameters are written to 5 decimals: the quarters from 0 to
    // 1.5708 and from 3.14159 to 4.71239 sweep a little more than 90 degrees
    // (9 segments), the other two a little less (8).
    ASSERT_TRUE(ImportFile(PinnedDxfFolder() / "duplicate_handles.dxf"));
    std::multiset<size_t> ellipseSizes;
    for (const auto& [id, curve] : model.m_curves) {
        if (curve->pointIds.size() > 2)
            ellipseSizes.insert(curve->pointIds.size());
    }
    EXPECT_EQ(ellipseSizes, (std::multiset<size_t>{9, 9, 9, 9, 10, 10, 10, 10}));
}

TEST_F(DxfCorpus, RefusesBinaryDrawings)
{
    EXPECT_FALSE(ImportFile(PinnedDxfFolder() / "bin_dxf_r12.dxf"));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Cannot read the DXF file.\n\nCheck the file format."});
    EXPECT_EQ(CurveCount(), 0);
    EXPECT_EQ(PointCount(), 0);
}

TEST_F(DxfCorpus, ReadsEverySharedDrawing)
{
    const std::filesystem::path corpus = SharedDxfFolder();
    if (!std::filesystem::is_directory(corpus))
        GTEST_SKIP() << "The shared DXF corpus is not at " << corpus << "; it sits beside the repository.";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        std::string extension = entry.path().extension().string();
        CSectModel::ToLowerCase(extension, extension);
        if (extension != ".dxf")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        ++files;
        user.ClearRecords();
        CSectModel fresh;
        fresh.m_reporter.SetPorts(user.Ports());
        fresh.BeginUndoAction();
        const double shift[2] = {10.0, -20.0};
        if (fresh.ReadDxfFile(entry.path().string().c_str(), shift, 30.0))
            ExpectEveryEntityCounted(fresh, ReadWholeFile(entry.path()), user.lines);
        for (const auto& [id, curve] : fresh.m_curves) {
            EXPECT_GE(std::set<int>(curve->pointIds.begin(), curve->pointIds.end()).size(), 2u) << id;
            for (int pointId : curve->pointIds)
                ASSERT_NE(fresh.FindPoint(pointId), nullptr) << id;
        }
        ASSERT_TRUE(fresh.Undo(false));
        EXPECT_TRUE(fresh.m_curves.empty());
        EXPECT_TRUE(fresh.m_points.empty());
    }
    EXPECT_GT(files, 0);
}

} // namespace
