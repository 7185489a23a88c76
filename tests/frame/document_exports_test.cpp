// The document's exports by format code, over the fake frame hooks and a
// launcher that records what it was asked to open.

#include "frame/TarvokrtDoc.h"
#include "recording_launcher.h"
#include "support/ScriptedUserPorts.h"
#include "view/support/RecordingDocumentFrame.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string FileStart(const std::string& path, std::size_t count)
{
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return text.substr(0, count);
}

// A project with one calculated 100 x 50 plane section "S1" in group "G1".
class DocumentExports : public testing::Test {
protected:
    void SetUp() override
    {
        document.NewProject();
        CSectModel& model = *document.GetModel();
        const double origin[2] = {0.0, 0.0};
        const double corner[2] = {100.0, 50.0};
        ASSERT_TRUE(model.CreateRectangle(origin, corner, ALIGN_CENTER, 0.0));
        const int colour[3] = {0, 0, 255};
        const int sectionId =
            model.GenerateSection("S1", SECTION_PLANE, {1, 2, 3, 4}, false, 0.0, colour, "G1", false, 0.0);
        ASSERT_NE(sectionId, 0);
        const double centre[2] = {50.0, 25.0};
        ASSERT_TRUE(model.CreatePointByCoordinate(centre));
        T_SECTION_D* section = model.FindSection(sectionId);
        section->propertiesCalculated = true;
        section->centroidPointId = model.FindPointAt(centre);
        for (int k = 0; k < RESULT_COUNT; ++k)
            section->results[k] = 10.0 + k;
        fs::create_directories(folder);
        document.SetModifiedFlag(false);
        frame.calls.clear();
        user.ClearRecords();
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string Path(const std::string& name) const { return (folder / name).string(); }

    ScriptedUserPorts user;
    RecordingDocumentFrame frame;
    RecordingLauncher launcher;
    CTarvokrtDoc document{user.Ports(), &frame, nullptr, &launcher};
    IToolDocument& tools = document;
    fs::path folder = fs::temp_directory_path() / ("klx-document-exports-" + std::to_string(::getpid()));
};

TEST_F(DocumentExports, EachFormatReachesItsWriter)
{
    const struct {
        const char* name;
        std::function<bool(IToolDocument&, const std::string&)> run;
        std::string line;  // with "%s" for the path; empty when the writer prints none
        std::string fileStart;
        bool opened;
    } cases[] = {
        {"sections 0", [](IToolDocument& t, const std::string& p) { return t.ExportSections({1}, p, 0, false, 0); },
         "1 section is exported to the KLX project file [%s].", "", false},
        {"sections 1", [](IToolDocument& t, const std::string& p) { return t.ExportSections({1}, p, 1, false, 0); },
         "1 section is exported to the TARVO/PYLOR PYF file [%s].", "*VERSION\r\n", false},
        {"sections 2", [](IToolDocument& t, const std::string& p) { return t.ExportSections({1}, p, 2, false, 0); },
         "1 section is exported to the TARVO/Zol KWF file [%s].", "*VERSION\r\n", false},
        {"sections 3", [](IToolDocument& t, const std::string& p) { return t.ExportSections({1}, p, 3, true, 10); },
         "", "UNIT=KGF, MM\r\nSEC=1, S1,", false},
        {"sections 4", [](IToolDocument& t, const std::string& p) { return t.ExportSections({1}, p, 4, false, 0); },
         "1 section is exported to the AutoCAD DXF file [%s].", "0\r\nSECTION\r\n", false},
        {"sections 5", [](IToolDocument& t, const std::string& p) { return t.ExportSections({1}, p, 5, false, 0); },
         "1 section is exported to text file [%s].", "=====", true},
        {"group 0", [](IToolDocument& t, const std::string& p) { return t.ExportGroup("g1", p, 0); },
         "Group [G1] is exported to the KLX project file [%s].", "", false},
        {"group 1", [](IToolDocument& t, const std::string& p) { return t.ExportGroup("g1", p, 1); },
         "Group [G1] is exported to the TARVO/PYLOR PYF file [%s].", "*VERSION\r\n", false},
        {"group 2", [](IToolDocument& t, const std::string& p) { return t.ExportGroup("g1", p, 2); },
         "Group [G1] is exported to the TARVO/Zol KWF file [%s].", "*VERSION\r\n", false},
        {"group 3", [](IToolDocument& t, const std::string& p) { return t.ExportGroup("g1", p, 3); }, "",
         "UNIT=KGF, MM\r\nSEC=1, S1,", false},
        {"group 4", [](IToolDocument& t, const std::string& p) { return t.ExportGroup("g1", p, 4); },
         "Group [G1] is exported to the AutoCAD DXF file [%s].", "0\r\nSECTION\r\n", false},
        {"group 5", [](IToolDocument& t, const std::string& p) { return t.ExportGroup("g1", p, 5); },
         "Group [G1] is exported to the text file [%s].", "=====", true},
        {"properties 0", [](IToolDocument& t, const std::string& p) { return t.ExportProperties(p, 0); },
         "1 section is exported to the TARVO/PYLOR PYF file [%s].", "*VERSION\r\n", false},
        {"properties 1", [](IToolDocument& t, const std::string& p) { return t.ExportProperties(p, 1); },
         "1 section is exported to the TARVO/Zol KWF file [%s].", "*VERSION\r\n", false},
        {"properties 2", [](IToolDocument& t, const std::string& p) { return t.ExportProperties(p, 2); },
         "The properties of 1 section are exported to the text file [%s].", "=====", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = Path(std::string(c.name) + ".out");
        user.ClearRecords();
        launcher.opened.clear();
        EXPECT_TRUE(c.run(tools, path));
        EXPECT_TRUE(user.boxes.empty());
        std::string line = c.line;
        if (const std::size_t at = line.find("%s"); at != std::string::npos)
            line.replace(at, 2, path);
        EXPECT_EQ(user.lines, c.line.empty() ? std::vector<std::string>{} : std::vector<std::string>{line});
        ASSERT_TRUE(fs::exists(path));
        EXPECT_EQ(FileStart(path, c.fileStart.size()), c.fileStart);
        EXPECT_EQ(launcher.opened, c.opened ? std::vector<std::string>{path} : std::vector<std::string>{});
    }
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(frame.calls.empty()) << "no view is redrawn";
}

TEST_F(DocumentExports, OtherCodesAndRefusalsWriteAndOpenNothing)
{
    const std::string path = Path("unwritten");
    for (int format : {6, -1}) {
        EXPECT_FALSE(tools.ExportSections({1}, path, format, false, 0.0));
        EXPECT_FALSE(tools.ExportGroup("G1", path, format));
    }
    for (int format : {3, -1})
        EXPECT_FALSE(tools.ExportProperties(path, format));
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_FALSE(fs::exists(path));

    // A text report that finds no calculated section opens nothing.
    document.GetModel()->FindSection(1)->propertiesCalculated = false;
    EXPECT_FALSE(tools.ExportSections({1}, path, 5, false, 0.0));
    EXPECT_FALSE(tools.ExportGroup("G1", path, 5));
    EXPECT_FALSE(tools.ExportProperties(path, 2));
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{"No selected section has the calculated properties.",
                                                         "Group [G1] has no calculated section.",
                                                         "No section has the calculated properties."}));
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(launcher.opened.empty());
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(frame.calls.empty());
}

}  // namespace
