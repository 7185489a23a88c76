#pragma once
// Shared by the DXF tests: a model whose import step is open (as the import
// command opens it), a builder of small drawings, and the folders that hold
// the real-world drawings.

#include "DxfTestReader.h"
#include "ProjectFileTestSupport.h"
#include "commands/CreationSupport.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "support/FoundRecord.h"
#include "support/ScriptedUserPorts.h"
#include "support/TestDataFolders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

// The shared corpus, which sits beside the repository in a full checkout.
inline std::filesystem::path SharedDxfFolder()
{
    return TestsFolder().parent_path().parent_path() / "shared" / "data" / "dxf";
}

// A DXF drawing in text form, one group at a time.
class DxfBuilder {
public:
    DxfBuilder& Group(int code, const std::string& value)
    {
        text += FormatText("%3d\n", code) + value + "\n";
        return *this;
    }
    DxfBuilder& Group(int code, double value) { return Group(code, FormatText("%.17g", value)); }
    DxfBuilder& Section(const std::string& name) { return Group(0, "SECTION").Group(2, name); }
    DxfBuilder& EndSection() { return Group(0, "ENDSEC"); }
    // A LAYER entry; a colour of 0 writes no group 62.
    DxfBuilder& Layer(const std::string& name, int flags, int colour)
    {
        Group(0, "LAYER").Group(2, name).Group(70, std::to_string(flags));
        return colour == 0 ? *this : Group(62, std::to_string(colour));
    }
    DxfBuilder& Point(double x, double y, double z = 0.0)
    {
        return Group(0, "POINT").Group(8, "0").Group(10, x).Group(20, y).Group(30, z);
    }
    DxfBuilder& Line(double x1, double y1, double x2, double y2, const std::string& layer = "0")
    {
        return Group(0, "LINE").Group(8, layer).Group(10, x1).Group(20, y1).Group(30, 0.0)
            .Group(11, x2).Group(21, y2).Group(31, 0.0);
    }
    DxfBuilder& Arc(double cx, double cy, double radius, double start, double end, double extrusionZ = 1.0)
    {
        return Group(0, "ARC").Group(8, "0").Group(10, cx).Group(20, cy).Group(30, 0.0).Group(40, radius)
            .Group(210, 0.0).Group(220, 0.0).Group(230, extrusionZ).Group(50, start).Group(51, end);
    }
    // An ellipse about the centre, its major axis the vector from it, its
    // parameters in radians.
    DxfBuilder& Ellipse(const double centre[2], const double axis[2], double ratio, double start, double end)
    {
        return Group(0, "ELLIPSE").Group(8, "0").Group(10, centre[0]).Group(20, centre[1]).Group(30, 0.0)
            .Group(11, axis[0]).Group(21, axis[1]).Group(31, 0.0).Group(40, ratio).Group(41, start).Group(42, end);
    }
    // Lines 10 apart from (0, 10 i) to (100, 10 i): each makes two points
    // and a curve of its own.
    DxfBuilder& ParallelLines(int count)
    {
        for (int i = 0; i < count; ++i)
            Line(0.0, 10.0 * i, 100.0, 10.0 * i);
        return *this;
    }
    DxfBuilder& Eof() { return Group(0, "EOF"); }

    std::string text;
};

// A model with the import's undo action open and empty newcomer lists.
class DxfImportTest : public ::testing::Test {
protected:
    DxfImportTest()
    {
        model.m_reporter.SetPorts(user.Ports());
        model.BeginUndoAction();
        model.SetUndoActionTitle("Import DXF file");
    }

    bool ImportText(const std::string& text, double tx = 0.0, double ty = 0.0, double rz = 0.0)
    {
        const std::filesystem::path path = folder.Path("drawing.dxf");
        WriteWholeFile(path, text);
        return ImportFile(path, tx, ty, rz);
    }

    bool ImportFile(const std::filesystem::path& path, double tx = 0.0, double ty = 0.0, double rz = 0.0)
    {
        const double shift[2] = {tx, ty};
        return model.ReadDxfFile(path.string().c_str(), shift, rz);
    }

    // Reads the drawing into another model, prepared as this one is.
    bool ImportTextInto(CSectModel& fresh, const std::string& text, double tx = 0.0, double rz = 0.0)
    {
        fresh.m_reporter.SetPorts(user.Ports());
        fresh.BeginUndoAction();
        const std::filesystem::path path = folder.Path("drawing.dxf");
        WriteWholeFile(path, text);
        const double shift[2] = {tx, 0.0};
        return fresh.ReadDxfFile(path.string().c_str(), shift, rz);
    }

    std::vector<std::array<double, 2>> CurvePositions(int curveId) const { return CurvePositionsIn(model, curveId); }

    static std::vector<std::array<double, 2>> CurvePositionsIn(const CSectModel& of, int curveId)
    {
        std::vector<std::array<double, 2>> positions;
        for (int pointId : FoundRecord(of.FindCurve(curveId), "curve", curveId).pointIds) {
            const T_POINT_D& point = FoundRecord(of.FindPoint(pointId), "point", pointId);
            positions.push_back({point.xy[0], point.xy[1]});
        }
        return positions;
    }

    // A point that was in the model before the import.
    int AddExistingPoint(double x, double y)
    {
        const double xy[2] = {x, y};
        return AddNewPoint(model, xy);
    }

    int CurveCount() const { return static_cast<int>(model.m_curves.size()); }
    int PointCount() const { return static_cast<int>(model.m_points.size()); }

    ScriptedUserPorts user;
    CSectModel model;
    ScratchFolder folder;
};

// The entities the read's "Not imported" line accounts for, read from the
// line itself: the count after each kind it names or in brackets after each
// reason, and the count in brackets of the kinds it does not name. 0 when the
// output has no such line.
inline int CountNotImportedInOutput(const std::vector<std::string>& output)
{
    const std::string prefix = "- Not imported: ";
    const auto line = std::find_if(output.rbegin(), output.rend(),
                                   [&prefix](const std::string& text) { return text.starts_with(prefix); });
    if (line == output.rend())
        return 0;
    // "KIND 5," or "KIND 5 and" or "KIND 5]" or "Reason [5]"; not the "2" of
    // "and 2 more kinds".
    static const std::regex kCount(R"((?:^|[ \[])(\d+)(?=\]|,| and ))");
    int total = 0;
    const std::string text = line->substr(prefix.size());
    for (auto match = std::sregex_iterator(text.begin(), text.end(), kCount); match != std::sregex_iterator(); ++match)
        total += std::stoi((*match)[1].str());
    return total;
}

// Every entity of the drawing's ENTITIES sections was imported or passed
// over for one reason: the counts add up to the entities the drawing holds,
// and so do the entities imported and those the read's output (its lines
// alone) says were not.
inline void ExpectEveryEntityCounted(const CSectModel& model, const std::string& text,
                                     const std::vector<std::string>& output)
{
    const DxfSkippedEntities& counts = model.m_dxfSkipped;
    int total = counts.imported + counts.onHiddenLayers + counts.offPlane + counts.ofNoSize + counts.belowTolerance
        + counts.unplaceable + counts.leftAtIdLimit;
    for (const auto& [kind, count] : counts.unreadKinds)
        total += count;
    const int entities = CountDxfEntities(text);
    EXPECT_EQ(total, entities);
    EXPECT_EQ(counts.imported + CountNotImportedInOutput(output), entities);
}

inline void ExpectNear2(const std::array<double, 2>& actual, double x, double y, double tolerance = 1e-9)
{
    EXPECT_NEAR(actual[0], x, tolerance);
    EXPECT_NEAR(actual[1], y, tolerance);
}
