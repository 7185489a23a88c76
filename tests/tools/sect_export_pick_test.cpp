// Export, Pick and Query of the Section page.

#include "tools/SectPageFixture.h"
#include "view/support/RecordingDocumentFrame.h"

#include <filesystem>
#include <tuple>

namespace {

class SectExport : public SectPage {
protected:
    void SetUp() override { Show(EXPORT); }
    // Chooses the file through "..." with the chooser answering the path.
    void ChooseFile(const std::string& path)
    {
        chooser.paths.push_back(path);
        form.Press(ID_EXPORT_BROWSE);
    }
    CSToolExport& form = *tool->exporter;
};

TEST_F(SectExport, EachFormatOffersItsFilterExtensionAndName)
{
    // Label, extension, offered name, filter descriptions with their patterns.
    const char* const formats[][4] = {
        {"KLX Project File", "klx", "*.klx", "TARVO/KLX Project Files (*.klx)|*.klx"},
        {"PYLOR PYF File", "pyf", "*.pyf", "TARVO/PYLOR PYF Files (*.pyf)|*.pyf"},
        {"Zol KWF File", "kwf", "*.kwf", "TARVO/Zol KWF Files (*.kwf)|*.kwf"},
        {"TARVO Section File", "sec", "*.sec", "TARVO Section Files (*.sec)|*.sec"},
        {"AutoCAD DXF File", "dxf", "*.dxf", "AutoCAD DXF Files (*.dxf)|*.dxf"},
        {"Text File", "txt", "*.txt", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*"},
    };
    std::vector<std::string> labels;
    for (const DialogItem& item : form.Layout()) {
        if (item.kind == DialogItemKind::Radio)
            labels.push_back(item.text);
    }
    ASSERT_EQ(labels.size(), 6u);
    for (int format = 0; format < 6; ++format) {
        SCOPED_TRACE(format);
        EXPECT_EQ(labels[static_cast<size_t>(format)], formats[format][0]);
        form.Choose(ID_EXPORT_KLX, format);
        chooser.requests.clear();
        ChooseFile("/data/out/Part." + std::string(formats[format][1]));
        EXPECT_EQ(chooser.requests, std::vector<std::string>{std::string("Save As|") + formats[format][3] + "|"
                                                             + formats[format][1] + "|" + formats[format][2]});
        // The field shows the whole path the export will write.
        EXPECT_EQ(form.Field(ID_EXPORT_FILE)->text, "/data/out/Part." + std::string(formats[format][1]));
        // The section file alone merges and takes a deviation.
        for (int control : {ID_EXPORT_MERGE, ID_EXPORT_DEVIATION, ID_EXPORT_DEVIATION_LABEL, ID_EXPORT_UNIT_LABEL})
            EXPECT_EQ(form.IsEnabled(control), format == 3) << control;
    }
}

TEST_F(SectExport, RefusalsOfTheFileAndTheDeviationKeepTheSelection)
{
    Apply();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"No section is selected."});
    EXPECT_TRUE(document.calls.empty());

    Select({SectionKey(4), SectionKey(2)});
    Apply();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"File name is not designated."});
    EXPECT_TRUE(document.calls.empty());
    EXPECT_EQ(Selected(KIND_SECTION).size(), 2u);

    form.Choose(ID_EXPORT_KLX, 3);
    ChooseFile("/data/out/a.sec");
    form.Check(ID_EXPORT_MERGE, true);
    form.SetText(ID_EXPORT_DEVIATION, "30.5");
    Apply();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Angle deviation should be in the range of 0~30 [Deg]."});
    EXPECT_TRUE(document.calls.empty());
    EXPECT_EQ(Selected(KIND_SECTION).size(), 2u);

    form.SetText(ID_EXPORT_DEVIATION, "30");
    Apply();
    EXPECT_EQ(document.calls, std::vector<std::string>{"ExportSections([2, 4], \"/data/out/a.sec\", 3, true, 30)"});
    EXPECT_TRUE(Selected(KIND_SECTION).empty());
}

TEST_F(SectExport, ATypedFileNameTakesTheFormatsExtensionAndWinsOverTheChosenFile)
{
    const std::string working = std::filesystem::current_path().string();
    const auto exportCall = [](const std::string& path) {
        return std::vector<std::string>{"ExportSections([2], \"" + path + "\", 3, false, 1)"};
    };
    const auto apply = [&](const std::string& typed) {
        Select({SectionKey(2)});
        form.SetText(ID_EXPORT_FILE, typed);
        Apply();
    };
    EXPECT_TRUE(form.IsEnabled(ID_EXPORT_FILE));
    form.Choose(ID_EXPORT_KLX, 3);
    // Without a chosen file a bare name goes into the working folder.
    apply("beam");
    EXPECT_EQ(document.calls, exportCall(working + "/beam.sec"));

    // A name typed over the chosen file goes beside it.
    ChooseFile("/data/out/a.sec");
    apply("column");
    EXPECT_EQ(document.calls, exportCall("/data/out/column.sec"));
    apply("/data/other/girder.sec");
    EXPECT_EQ(document.calls, exportCall("/data/other/girder.sec"));

    // An emptied field names no file, whatever was chosen before.
    apply(" ");
    EXPECT_EQ(Boxes(), std::vector<std::string>{"File name is not designated."});
    EXPECT_TRUE(document.calls.empty());
    EXPECT_EQ(Selected(KIND_SECTION).size(), 1u);
}

TEST_F(SectExport, AGreyedDeviationIsNeitherCheckedNorRead)
{
    form.Choose(ID_EXPORT_KLX, 5);
    form.SetText(ID_EXPORT_DEVIATION, "30.5");
    ChooseFile("/data/out/a.txt");
    Select({SectionKey(2)});
    Apply();
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(document.calls, std::vector<std::string>{"ExportSections([2], \"/data/out/a.txt\", 5, false, 1)"});

    // A deviation read for the section file is reset to 1 by the next show.
    form.Choose(ID_EXPORT_KLX, 3);
    form.SetText(ID_EXPORT_DEVIATION, "20");
    ChooseFile("/data/out/a.sec");
    Select({SectionKey(2)});
    Apply();
    EXPECT_EQ(document.calls, std::vector<std::string>{"ExportSections([2], \"/data/out/a.sec\", 3, false, 20)"});
    Show(QUERY);
    Show(EXPORT);
    form.Choose(ID_EXPORT_KLX, 4);
    ChooseFile("/data/out/a.dxf");
    Select({SectionKey(2)});
    Apply();
    EXPECT_EQ(document.calls, std::vector<std::string>{"ExportSections([2], \"/data/out/a.dxf\", 4, false, 1)"});
}

TEST_F(SectExport, AFormatChangeOrANewShowForgetsTheFile)
{
    Select({SectionKey(2)});
    ChooseFile("/data/out/a.klx");
    form.Choose(ID_EXPORT_KLX, 4);
    EXPECT_EQ(form.Field(ID_EXPORT_FILE)->text, "");
    Apply();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"File name is not designated."});

    form.Choose(ID_EXPORT_KLX, 3);
    form.SetText(ID_EXPORT_DEVIATION, "12");
    form.Check(ID_EXPORT_MERGE, true);
    ChooseFile("/data/out/a.sec");
    Show(PICK);
    Show(EXPORT);
    EXPECT_EQ(form.Format(), 0);
    EXPECT_FALSE(form.Checked(ID_EXPORT_MERGE));
    EXPECT_EQ(form.Field(ID_EXPORT_DEVIATION)->text, "1");
    EXPECT_EQ(form.TargetFile().path, "");
    // A cancelled chooser leaves the file unchosen.
    ChooseFile("");
    EXPECT_EQ(form.TargetFile().path, "");
}

class SectPick : public SectPage {
protected:
    void SetUp() override
    {
        for (int id = 1; id <= 5; ++id)
            AddSection(id, id == 2 ? SECTION_LINE : SECTION_PLANE, 1, "S" + std::to_string(id));
        Activate({1, 2, 3, 5});
        document.sectionLocations = {1.5, 2.0004};
        Show(PICK);
    }
    std::set<int> Picked() const
    {
        std::set<int> ids;
        for (int key : Selected(KIND_SECTION))
            ids.insert(IdOfKey(key));
        return ids;
    }
    int SelectClicks() const
    {
        const auto isClick = [](const std::string& call) { return call.starts_with("SelectKeyAsClick"); };
        return static_cast<int>(std::count_if(view.calls.begin(), view.calls.end(), isClick));
    }
    CSToolPick& form = *tool->pick;
};

TEST_F(SectPick, UnionAndIntersectionOfTypeAndAreaSelectOnlyActiveSections)
{
    document.idResults["PickSectionsByType"] = {1, 3, 4};
    document.idResults["PickSectionsByAreaGreater"] = {5, 3, 4};
    form.Check(ID_PICK_TYPE, true);
    form.SelectRow(ID_PICK_TYPE_COMBO, 0);
    form.Check(PICK_COMPARISONS[0].check, true);
    form.SetText(PICK_COMPARISONS[0].value, "100");
    struct Case {
        int combination;
        std::set<int> picked;
    };
    for (const Case& c : {Case{0, {1, 3, 5}}, Case{1, {3}}}) {
        SCOPED_TRACE(c.combination);
        form.Choose(ID_PICK_UNION, c.combination);
        Select({SectionKey(2)});
        Apply();
        EXPECT_EQ(document.calls,
                  (std::vector<std::string>{"PickSectionsByType(1)", "PickSectionsByAreaGreater(100)"}));
        EXPECT_EQ(Picked(), c.picked);
        EXPECT_EQ(SelectClicks(), static_cast<int>(c.picked.size()));
        // The result is drawn; the page then renders the view anew.
        ASSERT_GE(view.calls.size(), 2u);
        EXPECT_EQ(view.calls[view.calls.size() - 2], "RedrawScene");
    }
}

TEST_F(SectPick, EachCriterionAsksItsOwnPick)
{
    // The list criteria: the row chosen in their combo.
    struct ListCase {
        int check;
        int combo;
        int row;
        const char* call;
    };
    const ListCase lists[] = {
        {ID_PICK_NAME, ID_PICK_NAME_COMBO, 2, "PickSectionsByName(\"S3\")"},
        {ID_PICK_TYPE, ID_PICK_TYPE_COMBO, 1, "PickSectionsByType(2)"},
        {ID_PICK_LOCATION, ID_PICK_LOCATION_COMBO, 0, "PickSectionsWithoutLocation()"},
        {ID_PICK_LOCATION, ID_PICK_LOCATION_COMBO, 2, "PickSectionsByLocation(2.0004)"},
    };
    for (const ListCase& c : lists) {
        SCOPED_TRACE(c.call);
        Show(QUERY);
        Show(PICK);
        form.Check(c.check, true);
        form.SelectRow(c.combo, c.row);
        Apply();
        EXPECT_EQ(document.calls, std::vector<std::string>{c.call});
    }
    // The comparing criteria (Area, Ixx, Iyy, Ixy, J): "<" or ">" and the value.
    struct ComparingCase {
        int criterion;
        bool less;
        const char* value;
        const char* call;
    };
    const ComparingCase comparisons[] = {
        {0, true, "100", "PickSectionsByAreaLess(100)"},
        {1, false, "5", "PickSectionsByIxxGreater(5)"},
        {2, true, "6", "PickSectionsByIyyLess(6)"},
        {3, false, "-7", "PickSectionsByIxyGreater(-7)"},
        {4, true, "8", "PickSectionsByJLess(8)"},
    };
    for (const ComparingCase& c : comparisons) {
        SCOPED_TRACE(c.call);
        Show(QUERY);
        Show(PICK);
        const PickComparison& criterion = PICK_COMPARISONS[c.criterion];
        form.Check(criterion.check, true);
        form.Choose(criterion.greater, c.less ? 1 : 0);
        form.SetText(criterion.value, c.value);
        Apply();
        EXPECT_EQ(document.calls, std::vector<std::string>{c.call});
    }
}

TEST_F(SectPick, NamesAreFilteredToActiveSectionsAndLocationsKeepTheirDigits)
{
    EXPECT_EQ(form.Rows(ID_PICK_NAME_COMBO), (std::vector<std::string>{"S1", "S2", "S3", "S4", "S5"}));
    EXPECT_EQ(form.Rows(ID_PICK_LOCATION_COMBO), (std::vector<std::string>{"Not Assigned", "1.500", "2.000"}));
    document.idResults["PickSectionsByName"] = {4};
    document.idResults["PickSectionsByLocation"] = {4, 5};
    form.Check(ID_PICK_NAME, true);
    form.SelectRow(ID_PICK_NAME_COMBO, 3);
    form.Check(ID_PICK_LOCATION, true);
    form.SelectRow(ID_PICK_LOCATION_COMBO, 2);
    Apply();
    EXPECT_EQ(document.calls,
              (std::vector<std::string>{"PickSectionsByName(\"S4\")", "PickSectionsByLocation(2.0004)"}));
    EXPECT_EQ(Picked(), std::set<int>{5});
}

TEST_F(SectPick, LocationWithoutARowAndNothingCheckedPickNothing)
{
    document.idResults["PickSectionsByLocation"] = {1};
    document.idResults["PickSectionsWithoutLocation"] = {1};
    form.Check(ID_PICK_LOCATION, true);
    Select({SectionKey(1)});
    Apply();
    EXPECT_TRUE(document.calls.empty());
    EXPECT_TRUE(Picked().empty());

    form.Check(ID_PICK_LOCATION, false);
    Select({SectionKey(1)});
    Apply();
    EXPECT_TRUE(document.calls.empty());
    EXPECT_TRUE(Picked().empty());
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(SectPick, EveryShowResetsTheChoicesAndKeepsTheValues)
{
    form.Check(PICK_COMPARISONS[0].check, true);
    EXPECT_TRUE(form.IsEnabled(PICK_COMPARISONS[0].value));
    form.Choose(PICK_COMPARISONS[0].greater, 1);
    form.SetText(PICK_COMPARISONS[0].value, "250");
    form.Choose(ID_PICK_UNION, 1);
    form.Check(ID_PICK_TYPE, true);
    Apply();
    Show(QUERY);
    Show(PICK);
    EXPECT_FALSE(form.Checked(ID_PICK_TYPE));
    EXPECT_FALSE(form.IsEnabled(ID_PICK_TYPE_COMBO));
    EXPECT_FALSE(form.Checked(PICK_COMPARISONS[0].check));
    EXPECT_FALSE(form.IsEnabled(PICK_COMPARISONS[0].value));
    EXPECT_EQ(form.Choice(PICK_COMPARISONS[0].greater), 0);
    EXPECT_FALSE(form.Intersection());
    EXPECT_EQ(form.Field(PICK_COMPARISONS[0].value)->text, "250");

    // A model without sections offers no criterion.
    document.model.m_sections.clear();
    Show(QUERY);
    Show(PICK);
    for (int check : {int{ID_PICK_NAME}, int{ID_PICK_TYPE}, int{ID_PICK_LOCATION}, PICK_COMPARISONS[0].check,
                      PICK_COMPARISONS[4].check})
        EXPECT_FALSE(form.IsEnabled(check)) << check;
}

TEST_F(SectPage, QueryReportsOneSectionAndAlwaysClearsTheSelection)
{
    Show(QUERY);
    struct Case {
        std::vector<int> sections;
        std::vector<std::string> calls;
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {{6}, {"QuerySection(6)"}, {}},
        {{}, {}, {"Select one section."}},
        {{6, 7}, {}, {"Select one section."}},
    };
    for (const Case& c : cases) {
        for (int id : c.sections)
            view.SelectKeyAsClick(SectionKey(id));
        Apply();
        EXPECT_EQ(document.calls, c.calls);
        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_TRUE(Selected(KIND_SECTION).empty());
    }
    // After a selection click the view runs the query at once.
    view.SelectKeyAsClick(SectionKey(8));
    document.calls.clear();
    EXPECT_TRUE(page.RunQuery(QUERY));
    EXPECT_EQ(document.calls, std::vector<std::string>{"QuerySection(8)"});
    EXPECT_TRUE(Selected(KIND_SECTION).empty());
}

}  // namespace

namespace {

// Pick over the program's document: its picks of the model's sections.
class SectPickOverTheDocument : public testing::Test {
protected:
    void SetUp() override
    {
        document.NewProject();
        // (type, area, calculated): 1 plane 50, 2 line 150, 3 plane 300
        // but not calculated, 4 plane 200 (inactive), 5 line 120.
        const std::tuple<int, double, bool> sections[] = {{SECTION_PLANE, 50.0, true},
                                                          {SECTION_LINE, 150.0, true},
                                                          {SECTION_PLANE, 300.0, false},
                                                          {SECTION_PLANE, 200.0, true},
                                                          {SECTION_LINE, 120.0, true}};
        int id = 0;
        for (const auto& [type, area, calculated] : sections) {
            auto section = std::make_unique<T_SECTION_D>();
            section->id = ++id;
            section->type = type;
            section->name = "S" + std::to_string(id);
            section->results[RESULT_A] = area;
            section->propertiesCalculated = calculated;
            document.GetModel()->m_sections[id] = std::move(section);
            if (id != 4)
                view.scene.m_active[KIND_SECTION].insert(SectionKey(id));
        }
        page.SelectCommand(PICK);
        form.Check(ID_PICK_TYPE, true);
        form.SelectRow(ID_PICK_TYPE_COMBO, 0);
        form.Check(PICK_COMPARISONS[0].check, true);
        form.SetText(PICK_COMPARISONS[0].value, "100");
    }
    std::set<int> Picked() const
    {
        std::set<int> ids;
        for (int key : view.scene.m_selection[KIND_SECTION])
            ids.insert(IdOfKey(key));
        return ids;
    }

    ScriptedUserPorts user;
    RecordingDocumentFrame host;
    CTarvokrtDoc document{user.Ports(), &host, nullptr};
    FakeToolView view;
    ToolPageContext context{&view, &document, &user, nullptr, nullptr, {}};
    std::shared_ptr<CSectTool> tool = std::make_shared<CSectTool>();
    ToolPageTable table = tool->Table(tool);
    CToolPageController page{ShellOf(ToolPageKind::Section), table, context};
    CSToolPick& form = *tool->pick;
};

TEST_F(SectPickOverTheDocument, AnUncalculatedSectionNeverMatchesAnAreaAndAnInactiveOneIsNeverSelected)
{
    struct Case {
        int combination;
        std::set<int> picked;
    };
    // Plane: 1, 3 (4 inactive); area above 100: 2, 5 (3 uncalculated, 4 inactive).
    for (const Case& c : {Case{0, {1, 2, 3, 5}}, Case{1, {}}}) {
        SCOPED_TRACE(c.combination);
        form.Choose(ID_PICK_UNION, c.combination);
        page.OnApply();
        EXPECT_EQ(Picked(), c.picked);
    }
    form.Check(ID_PICK_TYPE, false);
    page.OnApply();
    EXPECT_EQ(Picked(), (std::set<int>{2, 5}));
}

}  // namespace
