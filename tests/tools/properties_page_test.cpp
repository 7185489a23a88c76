// The Properties page's rows, dialogs' forms and applies, driven through the
// page's steps against the recording document, without a display.

#include "frame/TarvokrtDoc.h"
#include "frame/ToolPageContext.h"
#include "frame/ToolPageController.h"
#include "frame/ToolRegistry.h"
#include "support/ScriptedUserPorts.h"
#include "tools/CalcTool.h"
#include "view/support/FakeToolView.h"
#include "view/support/RecordingToolDocument.h"
#include "view/support/TestToolPage.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace {

constexpr int CALCULATE = 4000;
constexpr int DISPLAY = 4002;
constexpr int EXPORT = 4003;
constexpr int J_INDEX = 6;

// The save-file chooser answers with queued paths and records each request
// as "title|filter|extension|offered name".
class ChooserPrompts : public IDocumentPrompts {
public:
    SaveAnswer AskSaveChanges(const std::string&) override { return SaveAnswer::Cancel; }
    std::string AskSavePath(const std::string&) override { return std::string(); }
    std::string AskSaveFile(const std::string& title, const std::string& filter, const std::string& extension,
                            const std::string& offeredName) override
    {
        requests.push_back(title + "|" + filter + "|" + extension + "|" + offeredName);
        if (paths.empty())
            return std::string();
        std::string path = paths.front();
        paths.pop_front();
        return path;
    }
    std::vector<std::string> AskOpenFiles(const std::string&, const std::string&) override { return {}; }

    std::deque<std::string> paths;
    std::vector<std::string> requests;
};

class PropertiesPage : public testing::Test {
protected:
    void SetUp() override { controller.SetWindow(&window); }

    void SelectSections(std::initializer_list<int> ids)
    {
        for (int id : ids)
            view.SelectKeyAsClick(SectionKey(id));
    }
    const std::set<int>& SelectedSections() const { return view.scene.m_selection[KIND_SECTION]; }
    // Calculate shown in the mode, the size field holding the text.
    void ShowCalculate(int mode, const std::string& sizeText)
    {
        controller.SelectCommand(CALCULATE);
        tool.Calc().SetMeshMode(mode);
        tool.Calc().SetText(ID_CALC_MESH_SIZE, sizeText);
    }
    std::string CalculationCall(const std::string& ids, int level, const std::string& size, bool recalculate,
                                bool pause)
    {
        return "CalculateProperties(" + ids + ", " + std::to_string(level) + ", " + size + ", "
               + (recalculate ? "true" : "false") + ", " + (pause ? "true" : "false") + ")";
    }
    std::vector<bool> LabelFlags() const
    {
        return std::vector<bool>(view.propertyLabels.show, view.propertyLabels.show + PROPERTY_LABEL_COUNT);
    }

    FakeToolView view;
    RecordingToolDocument document;
    ScriptedUserPorts user;
    ChooserPrompts prompts;
    CCalcTool tool;
    ToolPageTable table = tool.Table();
    ToolPageContext context{&view, &document, &user, &prompts, nullptr, {}};
    CToolPageController controller{ShellOf(ToolPageKind::Properties), table, context};
    std::vector<std::string> windowLog;
    RecordingPageWindow window{windowLog};
};

TEST(PropertiesPageTable, RowsCommandsAndFiltersAndTheRegistryBuildsTheirCommands)
{
    const ToolPageTable table = CCalcTool().Table();
    ASSERT_EQ(table.rows.size(), 4u);
    const struct {
        const char* text;
        int command;
        int filter;
    } expected[] = {{"Calculate Property", 32904, 30002},
                    {"-------------------------------------------", 0, PICK_FILTER_UNCHANGED},
                    {"Display Property", 32871, PICK_FILTER_UNCHANGED},
                    {"Export Property", 32977, PICK_FILTER_UNCHANGED}};
    for (size_t i = 0; i < table.rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(table.rows[i].text, expected[i].text);
        EXPECT_EQ(table.rows[i].commandId, expected[i].command);
        EXPECT_EQ(table.rows[i].pickFilter, expected[i].filter);
        EXPECT_EQ(table.rows[i].HasDialog(), expected[i].command != 0);
    }
    EXPECT_TRUE(table.rows[1].IsSeparator());

    CToolRegistry registry;
    EXPECT_TRUE(RegisterCalcTool(registry));
    for (int command : {32904, 32871, 32977})
        EXPECT_TRUE(registry.IsBuilt(command)) << command;
}

TEST_F(PropertiesPage, CalculateWhileBusyDoesNothingAndShowsNothing)
{
    ShowCalculate(MESH_BY_SIZE, "abc");
    SelectSections({3});
    document.busy = true;
    view.ClearCalls();
    controller.OnApply();
    EXPECT_TRUE(document.calls.empty());
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_EQ(SelectedSections(), std::set<int>{SectionKey(3)});
}

TEST_F(PropertiesPage, CalculateWithNothingSelectedSaysSoAndClears)
{
    ShowCalculate(MESH_BY_DENSITY, "0");
    view.ClearCalls();
    controller.OnApply();
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"No section is selected."});
    EXPECT_TRUE(document.calls.empty());
    EXPECT_EQ(view.calls.front(), "ClearSelection");
}

TEST_F(PropertiesPage, MeshSizesAreRefusedOrPassedWithTheSelectionKeptOnRefusal)
{
    const struct {
        const char* text;
        const char* box;  // nullptr: accepted
        const char* passed;
    } cases[] = {
        {"abc", "Please enter a number.", nullptr},
        {"0", "Mesh size should be greater than 0.", nullptr},
        {"-5", "Mesh size should be greater than 0.", nullptr},
        {"0.0000005", "Mesh size should be greater than 0.", nullptr},
        {"0.000001", nullptr, "1e-06"},
        {"12.5", nullptr, "12.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        document.calls.clear();
        user.ClearRecords();
        ShowCalculate(MESH_BY_SIZE, c.text);
        SelectSections({5});
        controller.OnApply();
        if (c.box) {
            EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{c.box});
            EXPECT_TRUE(document.calls.empty());
            EXPECT_EQ(SelectedSections(), std::set<int>{SectionKey(5)});
            view.ClearSelection();
        } else {
            EXPECT_TRUE(user.boxes.empty());
            EXPECT_EQ(document.calls, std::vector<std::string>{CalculationCall("[5]", 0, c.passed, false, false)});
            EXPECT_TRUE(SelectedSections().empty());
        }
    }
}

TEST_F(PropertiesPage, DensityModeIgnoresTheGreyedSizeAndPassesTheLevelInAscendingIdOrder)
{
    ShowCalculate(MESH_BY_SIZE, "2.5");
    SelectSections({1});
    controller.OnApply();  // size 2.5 read
    ShowCalculate(MESH_BY_DENSITY, "abc");
    tool.Calc().densityLevel = 5;
    tool.Calc().recalculate = true;
    tool.Calc().pauseAfterEach = true;
    SelectSections({12, 3, 7});
    document.calls.clear();
    view.ClearCalls();
    controller.OnApply();
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_EQ(document.calls, std::vector<std::string>{CalculationCall("[3, 7, 12]", 5, "0", true, true)});
    EXPECT_TRUE(SelectedSections().empty());
    // Cleared and redrawn before and after the calculation; then the page's redraw.
    EXPECT_EQ(view.calls, (std::vector<std::string>{"ClearSelection", "RedrawScene", "ClearSelection", "RedrawScene",
                                                     "InvalidateWithErase"}));
    EXPECT_EQ(tool.Calc().MeshSize(), 2.5);
}

TEST_F(PropertiesPage, EachShowingOfCalculateStartsAtDensityThreeWithTheSizeLastRead)
{
    ShowCalculate(MESH_BY_SIZE, "4");
    SelectSections({2});
    controller.OnApply();
    tool.Calc().densityLevel = 1;
    tool.Calc().recalculate = true;
    tool.Calc().pauseAfterEach = true;
    tool.Calc().SetMeshMode(MESH_BY_SIZE);
    tool.Calc().SetText(ID_CALC_MESH_SIZE, "typed, never read");
    controller.SelectCommand(DISPLAY);
    controller.SelectCommand(CALCULATE);

    const CalcForm& calc = tool.Calc();
    EXPECT_EQ(calc.MeshMode(), MESH_BY_DENSITY);
    EXPECT_EQ(calc.densityLevel, 3);
    EXPECT_FALSE(calc.recalculate);
    EXPECT_FALSE(calc.pauseAfterEach);
    EXPECT_EQ(calc.Field(ID_CALC_MESH_SIZE)->text, "4");
    EXPECT_FALSE(calc.Field(ID_CALC_MESH_SIZE)->enabled);
    EXPECT_TRUE(calc.DensityEnabled());
}

TEST_F(PropertiesPage, DisplayTurnsOnOnlyTheChosenPropertyAndLeavingItTurnsTheLabelsOff)
{
    view.propertyLabels.show[0] = true;  // left from before the page
    controller.SelectCommand(DISPLAY);
    EXPECT_EQ(LabelFlags(), std::vector<bool>(PROPERTY_LABEL_COUNT, false));
    EXPECT_EQ(view.toolCommandId, DISPLAY);

    tool.Display().Choose(J_INDEX);
    view.ClearCalls();
    controller.OnApply();
    EXPECT_TRUE(view.propertyLabelsOn);
    EXPECT_EQ(LabelFlags(), (std::vector<bool>{false, false, false, false, false, false, true}));
    EXPECT_EQ(view.reRender, 1);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"RedrawScene", "InvalidateWithErase"}));

    // Another row: the labels go off, the flags stay for the next time.
    controller.SelectCommand(EXPORT);
    EXPECT_FALSE(view.propertyLabelsOn);
    controller.SelectCommand(DISPLAY);
    EXPECT_FALSE(view.propertyLabelsOn);
    EXPECT_EQ(tool.Display().Chosen(), J_INDEX);
    EXPECT_EQ(LabelFlags()[J_INDEX], true);

    // An unapplied choice is not shown again.
    tool.Display().Choose(1);
    controller.OnApply();
    tool.Display().Choose(4);
    controller.OnClose();
    EXPECT_FALSE(view.propertyLabelsOn);
    controller.SelectCommand(DISPLAY);
    EXPECT_EQ(tool.Display().Chosen(), 1);
}

TEST_F(PropertiesPage, ExportNeedsAFileAndPassesTheChosenOneWithTheFormat)
{
    controller.SelectCommand(EXPORT);
    tool.Export().SetText(ID_CALC_EXPORT_FILE_NAME, "  ");
    controller.OnApply();
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"File name is not designated."});
    EXPECT_TRUE(document.calls.empty());

    const struct {
        int format;
        const char* request;
    } formats[] = {{0, "Save As|TARVO/PYLOR PYF Files (*.pyf)|*.pyf|pyf|"},
                   {1, "Save As|TARVO/ZOLw KWF Files (*.kwf)|*.kwf|kwf|"},
                   {2, "Save As|Text Files (*.txt)|*.txt|All Files (*.*)|*.*|txt|"}};
    for (const auto& f : formats) {
        SCOPED_TRACE(f.format);
        document.calls.clear();
        prompts.requests.clear();
        tool.Export().SetFormat(f.format);
        prompts.paths.push_back("/out/props." + std::to_string(f.format));
        tool.Export().Browse();
        EXPECT_EQ(prompts.requests, std::vector<std::string>{f.request});
        EXPECT_EQ(tool.Export().Field(ID_CALC_EXPORT_FILE_NAME)->text, "/out/props." + std::to_string(f.format));
        controller.OnApply();
        EXPECT_EQ(document.calls, std::vector<std::string>{"ExportProperties(\"/out/props." + std::to_string(f.format)
                                                            + "\", " + std::to_string(f.format) + ")"});
    }
}

TEST_F(PropertiesPage, ExportTakesATypedNameWithTheFormatsExtensionAndAsksBeforeReplacingAFile)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("klx_typed_export_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "old.kwf") << "kept";
    const std::string working = std::filesystem::current_path().string();
    const auto exportCall = [](const std::string& path, int format) {
        return std::vector<std::string>{"ExportProperties(\"" + path + "\", " + std::to_string(format) + ")"};
    };
    controller.SelectCommand(EXPORT);
    const auto apply = [&](const std::string& typed) {
        document.calls.clear();
        user.ClearRecords();
        tool.Export().SetText(ID_CALC_EXPORT_FILE_NAME, typed);
        controller.OnApply();
    };

    // Without a chosen file a bare name goes into the working folder.
    apply("props");
    EXPECT_EQ(document.calls, exportCall(working + "/props.pyf", 0));
    apply((folder / "table.dat").string());
    EXPECT_EQ(document.calls, exportCall((folder / "table.dat").string(), 0));

    // A name typed over a chosen file goes beside it, in the format's type.
    tool.Export().SetFormat(1);
    prompts.paths.push_back((folder / "chosen.kwf").string());
    tool.Export().Browse();
    apply("beam");
    EXPECT_EQ(document.calls, exportCall((folder / "beam.kwf").string(), 1));

    // An existing file is replaced only when the user says so.
    user.QueueAnswers({false});
    apply("old");
    EXPECT_TRUE(document.calls.empty());
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text, (folder / "old.kwf").string() + " already exists.\nDo you want to replace it?");
    EXPECT_FALSE(user.questions[0].yesIsDefault);
    user.QueueAnswers({true});
    apply("old.kwf");
    EXPECT_EQ(document.calls, exportCall((folder / "old.kwf").string(), 1));
    std::filesystem::remove_all(folder);
}

TEST_F(PropertiesPage, AFormatChangeANewShowingAndACancelledBrowseKeepNoStaleFile)
{
    controller.SelectCommand(EXPORT);
    const auto chosenThenForgotten = [this](const std::function<void()>& forget) {
        prompts.paths.push_back("/out/a.pyf");
        tool.Export().Browse();
        EXPECT_EQ(tool.Export().ChosenPath(), "/out/a.pyf");
        forget();
        EXPECT_EQ(tool.Export().ChosenPath(), "");
        EXPECT_EQ(tool.Export().Field(ID_CALC_EXPORT_FILE_NAME)->text, "");
        user.ClearRecords();
        controller.OnApply();
        EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"File name is not designated."});
    };
    chosenThenForgotten([this] { tool.Export().SetFormat(2); });
    chosenThenForgotten([this] {
        controller.SelectCommand(CALCULATE);
        controller.SelectCommand(EXPORT);
        EXPECT_EQ(tool.Export().Format(), 0);
    });
    EXPECT_TRUE(document.calls.empty());

    // A cancelled chooser keeps the file chosen before.
    prompts.paths = {"/out/b.kwf", ""};
    tool.Export().SetFormat(1);
    tool.Export().Browse();
    tool.Export().Browse();
    controller.OnApply();
    EXPECT_EQ(document.calls, std::vector<std::string>{"ExportProperties(\"/out/b.kwf\", 1)"});
}

TEST_F(PropertiesPage, ShowingExportTurnsTheLabelsOffAndTheSeparatorOnlyRedraws)
{
    view.propertyLabelsOn = true;
    controller.SelectCommand(EXPORT);
    EXPECT_FALSE(view.propertyLabelsOn);
    controller.OnSelChangeCommand(1);
    EXPECT_EQ(view.toolCommandId, 0);
    view.ClearCalls();
    controller.OnApply();
    EXPECT_EQ(view.calls, std::vector<std::string>{"InvalidateWithErase"});
    EXPECT_TRUE(document.calls.empty());
}

}  // namespace
