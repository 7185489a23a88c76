// What every export shares: it leaves the model as it was, a failed store
// keeps the old file, and the text never depends on the locale.

#include "ExportTestSupport.h"
#include "NumericLocale.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

#include <sys/resource.h>

namespace {

// Sections of both kinds, free curves and points, a group that still names
// deleted objects, a straight curve that rises to the left, and both undo
// stores holding an action.
void BuildExportedModel(CSectModel& model)
{
    ModelBuilder builder(model);
    const Xy plateCentre = {50, 50};
    T_SECTION_D& plate = builder.PlaneSection("Plate", {{0, 0}, {100, 0}, {100, 100}, {0, 100}},
                                              {{{40, 40}, {40, 60}, {60, 60}, {60, 40}}}, &plateCentre);
    SetRectValues(plate);
    const int web = builder.Line({200, 100}, {200, 0}, ALIGN_LEFT, 6.0);
    const int slope = builder.Line({260, 0}, {200, 100}, ALIGN_RIGHT, 10.0);
    builder.ClosedLoop({web, -slope});
    T_SECTION_D& tee = builder.LineSection("Tee", {web, slope}, {220, 50});
    SetRectValues(tee);
    const int free = builder.Line({300, 0}, {400, 50}, ALIGN_LEFT, 4.0);
    const int point = builder.Point(500, 500);
    T_SECTION_D& heb = AddCalculatedRect(builder, "HEB 300/150: A");
    builder.Group("Everything", {plate.id, tee.id, heb.id, 901}, {free, 902}, {point, 903});

    const double a[2] = {-1, -1};
    const double b[2] = {-2, -2};
    model.CreatePointByCoordinate(a);
    model.CreatePointByCoordinate(b);
    model.Undo(false);
}

// The same, in a model whose user has seen nothing yet.
void BuildExportedModel(ExportingModel& exported)
{
    BuildExportedModel(exported.model);
    exported.user.ClearRecords();
}

struct NamedExport {
    const char* name;
    std::function<bool(CSectModel&, const char*)> run;
};

const NamedExport kExports[] = {
    {"analysis sections", [](CSectModel& m, const char* p) { return m.ExportSectionsToAnalysisFile({1, 2, 3}, p, 1); }},
    {"analysis group", [](CSectModel& m, const char* p) { return m.ExportGroupToAnalysisFile("everything", p, 2); }},
    {"analysis properties", [](CSectModel& m, const char* p) { return m.ExportPropertiesToAnalysisFile(p, 2); }},
    {"dxf sections", [](CSectModel& m, const char* p) { return m.ExportSectionsToDxf({1, 2, 3}, p); }},
    {"dxf group", [](CSectModel& m, const char* p) { return m.ExportGroupToDxf("everything", p); }},
    {"dxf project", [](CSectModel& m, const char* p) { return m.ExportProjectToDxf(p); }},
    {"text sections", [](CSectModel& m, const char* p) { return m.ExportSectionsToText({1, 2, 3}, p, true); }},
    {"text group", [](CSectModel& m, const char* p) { return m.ExportGroupToText("everything", p); }},
    {"text properties", [](CSectModel& m, const char* p) { return m.ExportPropertiesToText(p); }},
    {"sec sections", [](CSectModel& m, const char* p) { return m.ExportSectionsToSecFile({1, 2, 3}, p); }},
    {"sec group", [](CSectModel& m, const char* p) { return m.ExportGroupToSecFile("everything", p); }},
    {"project sections", [](CSectModel& m, const char* p) { return m.ExportSectionsToProjectFile({1, 2, 3}, p); }},
    {"project group", [](CSectModel& m, const char* p) { return m.ExportGroupToProjectFile("everything", p); }},
};

TEST(ExportSafety, EveryExportLeavesTheModelAsItWas)
{
    for (const NamedExport& exporter : kExports) {
        SCOPED_TRACE(exporter.name);
        ExportingModel exported;
        BuildExportedModel(exported);
        CSectModel untouched;
        BuildExportedModel(untouched);
        ScratchFolder folder;
        ASSERT_TRUE(exporter.run(exported.model, folder.Path("out").c_str()));
        EXPECT_TRUE(exported.user.boxes.empty());
        // Compared before any project file is written: the project writer
        // drops dead group members itself.
        EXPECT_EQ(ReadModelState(exported.model), ReadModelState(untouched));
        EXPECT_EQ(ProjectBytes(exported.model), ProjectBytes(untouched));
        // A second export writes the same file.
        const std::string first = ReadWholeFile(folder.Path("out"));
        ASSERT_TRUE(exporter.run(exported.model, folder.Path("out").c_str()));
        EXPECT_EQ(ReadWholeFile(folder.Path("out")), first);
    }
}

// Limits the size of files this process writes while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(ExportSafety, AFailedStoreKeepsTheOldFileAndReportsIt)
{
    for (const NamedExport& exporter : kExports) {
        for (const bool folderInTheWay : {true, false}) {
            SCOPED_TRACE(std::string(exporter.name) + (folderInTheWay ? ", folder in the way" : ", file too large"));
            ExportingModel exported;
            BuildExportedModel(exported);
            ScratchFolder folder;
            const std::string path = folder.Path("out").string();
            bool written = true;
            if (folderInTheWay) {
                std::filesystem::create_directory(path);
                written = exporter.run(exported.model, path.c_str());
                EXPECT_TRUE(std::filesystem::is_directory(path));
            } else {
                WriteWholeFile(path, "old bytes");
                FileSizeLimit limit(64);
                written = exporter.run(exported.model, path.c_str());
            }
            EXPECT_FALSE(written);
            EXPECT_EQ(exported.user.BoxTexts(), std::vector<std::string>{"Cannot write the file [" + path + "]."});
            EXPECT_EQ(exported.user.lines, std::vector<std::string>{});
            EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"out"}) << "nothing is left beside it";
            if (!folderInTheWay) {
                EXPECT_EQ(ReadWholeFile(path), "old bytes");
            }
        }
    }
}

TEST(ExportSafety, AFileThatCannotBeCreatedIsReported)
{
    ExportingModel exported;
    BuildExportedModel(exported);
    ScratchFolder folder;
    const std::string path = folder.Path("missing/out").string();
    for (const NamedExport& exporter : kExports) {
        if (std::string(exporter.name).starts_with("project"))
            continue;  // the project file has its own message
        SCOPED_TRACE(exporter.name);
        exported.user.ClearRecords();
        EXPECT_FALSE(exporter.run(exported.model, path.c_str()));
        EXPECT_EQ(exported.user.BoxTexts(), std::vector<std::string>{"Cannot open the file [" + path + "]."});
        EXPECT_TRUE(exported.user.lines.empty());
    }
    EXPECT_TRUE(folder.FileNames().empty());
}

TEST(ExportSafety, ADecimalCommaLocaleChangesNoFile)
{
    std::vector<std::string> files;
    for (const bool decimalComma : {false, true}) {
        NumericLocale locale(decimalComma ? kDecimalCommaLocale : "C");
        if (decimalComma && !locale.Switched())
            GTEST_SKIP() << "the de_DE.UTF-8 locale is missing: decimal-comma check skipped";
        for (const NamedExport& exporter : kExports) {
            ExportingModel exported;
            BuildExportedModel(exported);
            ScratchFolder folder;
            ASSERT_TRUE(exporter.run(exported.model, folder.Path("out").c_str())) << exporter.name;
            files.push_back(ReadWholeFile(folder.Path("out")));
        }
    }
    const std::size_t count = std::size(kExports);
    ASSERT_EQ(files.size(), 2 * count);
    for (std::size_t k = 0; k < count; ++k)
        EXPECT_EQ(files[k + count], files[k]) << kExports[k].name;
    EXPECT_NE(files[0].find("16666.7, 16666.7, 4.57761e+07"), std::string::npos);
}

// A model holding every kind of record a project file stores, exported
// whole by every writer: whatever each decides, nothing in it changes.
TEST(ExportSafety, EveryWriterReadsARichProjectWithoutChangingIt)
{
    ExportingModel exported;
    BuildRichModel(exported.model);
    CSectModel untouched;
    BuildRichModel(untouched);
    std::vector<int> allSections;
    for (const auto& [id, section] : exported.model.m_sections)
        allSections.push_back(id);
    const std::function<bool(CSectModel&, const char*)> runs[] = {
        [&](CSectModel& m, const char* p) { return m.ExportSectionsToAnalysisFile(allSections, p, 2); },
        [&](CSectModel& m, const char* p) { return m.ExportSectionsToDxf(allSections, p); },
        [](CSectModel& m, const char* p) { return m.ExportProjectToDxf(p); },
        [&](CSectModel& m, const char* p) { return m.ExportSectionsToText(allSections, p, true); },
        [&](CSectModel& m, const char* p) { return m.ExportSectionsToSecFile(allSections, p); },
    };
    ScratchFolder folder;
    for (const auto& run : runs) {
        run(exported.model, folder.Path("out").c_str());
        EXPECT_EQ(ReadModelState(exported.model), ReadModelState(untouched));
    }
    EXPECT_EQ(ProjectBytes(exported.model), ProjectBytes(untouched));
}

} // namespace
