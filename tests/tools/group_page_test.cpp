// The Group page without a display: each dialog's form and the view's
// selection against the exact document call, the refreshes and the boxes.

#include "tools/GroupApplies.h"
#include "tools/GroupForms.h"
#include "tools/GroupTool.h"
#include "view/EntityKeys.h"

#include "GroupUcsPageFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr int SEPARATOR = 6;

class GroupPage : public ToolPageFixture<CGroupTool, ToolPageKind::Group> {
protected:
    void AddGroups(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            ASSERT_TRUE(document.model.CreateGroup(name));
        Settle();
    }
    void Select(SceneKind kind, std::initializer_list<int> ids)
    {
        for (int id : ids)
            view.scene.m_selection[kind].insert(KeyOf(kind, id));
    }
    bool NothingSelected() const
    {
        for (const auto& keys : view.scene.m_selection) {
            if (!keys.empty())
                return false;
        }
        return true;
    }
    // Chooses the row whose text is the name, as the user does.
    static void Choose(CDialogForm& form, int comboId, const std::string& name)
    {
        const std::vector<std::string>& texts = form.Combo(comboId).texts;
        for (size_t row = 0; row < texts.size(); ++row) {
            if (texts[row] == name) {
                form.SelectRow(comboId, static_cast<int>(row));
                return;
            }
        }
        ADD_FAILURE() << name << " is not listed";
    }
};

TEST_F(GroupPage, CreateCallsTheDocumentAndRefillsTheToolbarCombosWhateverTheModelAnswers)
{
    Show(GROUP_ROW_CREATE);
    struct Case {
        const char* name;
        Calls calls;
        Calls boxes;
    };
    const Case cases[] = {
        {"", {}, {}},
        {"Beam", {"CreateGroup(\"Beam\")", "RefreshGroupCombos"}, {}},
        // The model refuses a name it holds in another case; the combos are refilled all the same.
        {"BEAM", {"CreateGroup(\"BEAM\")", "RefreshGroupCombos"}, {"Group \"Beam\" already exists."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tool.Create().SetText(ID_GROUP_CREATE_NAME, c.name);
        Apply();
        EXPECT_EQ(document.calls, c.calls);
        EXPECT_EQ(Boxes(), c.boxes);
        // The name stays in the field.
        EXPECT_EQ(tool.Create().Name(), c.name);
    }
    ASSERT_EQ(document.model.m_groups.size(), 1u);
    EXPECT_EQ(document.model.m_groups.begin()->second->name, "Beam");
}

TEST_F(GroupPage, ListsHoldTheGroupsInMapOrderWithNothingChosen)
{
    AddGroups({"b", "A", "c"});
    for (int row : {GROUP_ROW_RENAME, GROUP_ROW_DELETE, GROUP_ROW_MERGE, GROUP_ROW_EXPORT, GROUP_ROW_QUERY,
                    GROUP_ROW_ADD, GROUP_ROW_EXPEL}) {
        Show(row);
        const auto& form = static_cast<const CDialogForm&>(*tool.Table().rows[row].dialog.form);
        for (int comboId : form.ComboIds()) {
            const ComboRows& rows = form.Combo(comboId);
            SCOPED_TRACE(testing::Message() << "row " << row << ", combo " << comboId);
            EXPECT_EQ(rows.texts, (std::vector<std::string>{"b", "A", "c"}));
            EXPECT_EQ(rows.selection, -1);
        }
    }
}

TEST_F(GroupPage, WithoutGroupsEveryGroupControlButAddsComboIsDisabled)
{
    struct Case {
        int row;
        std::vector<int> switched;
    };
    const Case cases[] = {
        {GROUP_ROW_RENAME, {1338, 1336}},
        {GROUP_ROW_DELETE, {1328}},
        {GROUP_ROW_MERGE, {1330, 1331, 1121}},
        {GROUP_ROW_EXPORT, {1339, 1331, 1332, 1333, 1335, 1334, 1337, 1336, 1384}},
        {GROUP_ROW_QUERY, {1387}},
        {GROUP_ROW_EXPEL, {1329}},
    };
    for (bool withGroups : {false, true}) {
        if (withGroups)
            AddGroups({"G1"});
        for (const Case& c : cases) {
            ShowAgain(c.row, SEPARATOR);
            const auto& form = static_cast<const CDialogForm&>(*tool.Table().rows[c.row].dialog.form);
            for (int control : c.switched) {
                SCOPED_TRACE(testing::Message() << "row " << c.row << ", control " << control);
                EXPECT_EQ(form.IsEnabled(control), withGroups);
            }
        }
        Show(GROUP_ROW_ADD);
        EXPECT_TRUE(tool.Add().IsEnabled(ID_GROUP_ADD_GROUP));
    }
}

TEST_F(GroupPage, RenameFillsTheNewNameWithTheChosenGroupAndDeleteRemovesIt)
{
    AddGroups({"G1", "G2"});
    Show(GROUP_ROW_RENAME);
    Apply();  // nothing chosen
    EXPECT_EQ(document.calls, Calls{});
    Choose(tool.Rename(), ID_GROUP_RENAME_GROUP, "G2");
    EXPECT_EQ(tool.Rename().NewName(), "G2");
    Apply();
    EXPECT_EQ(document.calls, (Calls{"RenameGroup(\"G2\", \"G2\")", "RefreshGroupCombos"}));
    Choose(tool.Rename(), ID_GROUP_RENAME_GROUP, "G1");
    tool.Rename().SetText(ID_GROUP_RENAME_NEW_NAME, "Columns");
    Apply();
    EXPECT_EQ(document.calls, (Calls{"RenameGroup(\"G1\", \"Columns\")", "RefreshGroupCombos"}));
    EXPECT_EQ(tool.Rename().Combo(ID_GROUP_RENAME_GROUP).texts, (std::vector<std::string>{"Columns", "G2"}));

    Show(GROUP_ROW_DELETE);
    Apply();
    EXPECT_EQ(document.calls, Calls{});
    Choose(tool.Delete(), ID_GROUP_DELETE_GROUP, "Columns");
    Apply();
    EXPECT_EQ(document.calls, (Calls{"DeleteGroup(\"Columns\")", "RefreshGroupCombos"}));
    EXPECT_EQ(tool.Delete().Combo(ID_GROUP_DELETE_GROUP).texts, std::vector<std::string>{"G2"});
}

struct MergeCase {
    bool deleteFrom;
    Calls calls;
    std::vector<std::string> listed;
};

class GroupMerge : public GroupPage, public testing::WithParamInterface<MergeCase> {};

TEST_P(GroupMerge, HandsOverItsBoxAndRefillsTheToolbarCombosOnlyWhenFromIsDeleted)
{
    const MergeCase& c = GetParam();
    AddGroups({"G1", "G2"});
    Show(GROUP_ROW_MERGE);
    if (c.deleteFrom)
        tool.Merge().ClickCheck(ID_GROUP_MERGE_DELETE_FROM);
    Choose(tool.Merge(), ID_GROUP_MERGE_FROM, "G1");
    Apply();  // no To group
    EXPECT_EQ(document.calls, Calls{});
    Choose(tool.Merge(), ID_GROUP_MERGE_TO, "G2");
    // A group made elsewhere shows once the apply refills the lists.
    ASSERT_TRUE(document.model.CreateGroup("G3"));
    Apply();
    EXPECT_EQ(document.calls, c.calls);
    for (int combo : {ID_GROUP_MERGE_FROM, ID_GROUP_MERGE_TO})
        EXPECT_EQ(tool.Merge().Combo(combo).texts, c.listed);
}

INSTANTIATE_TEST_SUITE_P(
    DeleteFrom, GroupMerge,
    testing::Values(MergeCase{false, {"MergeGroups(\"G1\", \"G2\", false)"}, {"G1", "G2", "G3"}},
                    MergeCase{true, {"MergeGroups(\"G1\", \"G2\", true)", "RefreshGroupCombos"}, {"G2", "G3"}}));

TEST_F(GroupPage, ExportNeedsAGroupAndAFile)
{
    AddGroups({"G1"});
    Show(GROUP_ROW_EXPORT);
    CGToolExport& form = tool.Export();
    Apply();
    EXPECT_EQ(Boxes(), Calls{"Group is not selected."});
    Choose(form, ID_GROUP_EXPORT_GROUP, "G1");
    Apply();
    EXPECT_EQ(Boxes(), Calls{"File name is not designated."});
    EXPECT_EQ(document.user.boxes.at(0).kind, BoxKind::Information);
    EXPECT_EQ(document.calls, Calls{});

    chooser.paths = {"/data/out/beam.klx"};
    form.OnBrowse();
    // The field shows the whole path the export will write.
    EXPECT_EQ(form.Field(ID_GROUP_EXPORT_FILE_NAME)->text, "/data/out/beam.klx");
    Apply();
    EXPECT_EQ(document.calls, Calls{"ExportGroup(\"G1\", \"/data/out/beam.klx\", 0)"});
    // A cancelled chooser keeps the chosen file.
    form.OnBrowse();
    Apply();
    EXPECT_EQ(document.calls, Calls{"ExportGroup(\"G1\", \"/data/out/beam.klx\", 0)"});
    // A name typed over it goes beside it, as typed when it has an extension.
    form.SetText(ID_GROUP_EXPORT_FILE_NAME, "column.txt");
    Apply();
    EXPECT_EQ(document.calls, Calls{"ExportGroup(\"G1\", \"/data/out/column.txt\", 0)"});
    // An emptied field names no file, whatever was chosen before.
    form.SetText(ID_GROUP_EXPORT_FILE_NAME, "");
    Apply();
    EXPECT_EQ(Boxes(), Calls{"File name is not designated."});
    EXPECT_EQ(document.calls, Calls{});

    // Without a chosen file a typed name goes into the working folder, with
    // the format's extension when it has none.
    Show(GROUP_ROW_EXPORT);
    Choose(form, ID_GROUP_EXPORT_GROUP, "G1");
    form.ClickRadio(1336);
    form.SetText(ID_GROUP_EXPORT_FILE_NAME, "girder");
    Apply();
    const std::string working = std::filesystem::current_path().string();
    EXPECT_EQ(document.calls, Calls{"ExportGroup(\"G1\", \"" + working + "/girder.dxf\", 4)"});
}

TEST_F(GroupPage, ExportFormatsFollowTheRadiosAndAFormatChangeOrANewShowForgetsTheFile)
{
    AddGroups({"G1"});
    Show(GROUP_ROW_EXPORT);
    CGToolExport& form = tool.Export();
    EXPECT_EQ(form.Format(), 0);
    struct Case {
        int radio;
        int format;
        const char* asked;
    };
    const Case cases[] = {
        {1333, 0, "TARVO/KLX Project Files (*.klx)|*.klx||*.klx"},
        {1335, 1, "TARVO/PYLOR PYF Files (*.pyf)|*.pyf||*.pyf"},
        {1334, 2, "TARVO/Zol KWF Files (*.kwf)|*.kwf||*.kwf"},
        {1337, 3, "TARVO Section Files (*.sec)|*.sec||*.sec"},
        {1336, 4, "AutoCAD DXF Files (*.dxf)|*.dxf||*.dxf"},
        {1384, 5, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||*.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radio);
        chooser.paths = {"/tmp/first"};
        form.OnBrowse();
        form.ClickRadio(c.radio);
        EXPECT_EQ(form.Format(), c.format);
        // The file chosen for the format before is forgotten.
        EXPECT_EQ(form.ChosenPath(), "");
        EXPECT_EQ(form.Field(ID_GROUP_EXPORT_FILE_NAME)->text, "");
        chooser.asked.clear();
        chooser.paths = {"/tmp/out"};
        form.OnBrowse();
        EXPECT_EQ(chooser.asked, Calls{c.asked});
        Choose(form, ID_GROUP_EXPORT_GROUP, "G1");
        Apply();
        EXPECT_EQ(document.calls, Calls{"ExportGroup(\"G1\", \"/tmp/out\", " + std::to_string(c.format) + ")"});
    }
    ShowAgain(GROUP_ROW_EXPORT, SEPARATOR);
    EXPECT_EQ(form.Format(), 0);
    EXPECT_EQ(form.ChosenPath(), "");
    EXPECT_EQ(form.Field(ID_GROUP_EXPORT_FILE_NAME)->text, "");
}

TEST_F(GroupPage, QueryAsksTheDocumentForTheChosenGroup)
{
    AddGroups({"G1", "G2"});
    Show(GROUP_ROW_QUERY);
    Apply();
    EXPECT_EQ(document.calls, Calls{});
    Choose(tool.Query(), ID_GROUP_QUERY_GROUP, "G2");
    Apply();
    EXPECT_EQ(document.calls, Calls{"QueryGroup(\"G2\")"});
}

TEST_F(GroupPage, AddAndExpelHandOverTheSelectedSectionsCurvesAndPoints)
{
    AddGroups({"G1"});
    struct Case {
        int row;
        const char* call;
    };
    for (const Case& c : {Case{GROUP_ROW_ADD, "AddToGroup"}, Case{GROUP_ROW_EXPEL, "ExpelFromGroup"}}) {
        SCOPED_TRACE(c.call);
        Show(c.row);
        auto& form = static_cast<CGroupListForm&>(*tool.Table().rows[c.row].dialog.form);
        Choose(form, c.row == GROUP_ROW_ADD ? ID_GROUP_ADD_GROUP : ID_GROUP_EXPEL_GROUP, "G1");
        Select(KIND_SECTION, {4});
        Select(KIND_CURVE, {9, 2});
        Select(KIND_POINT, {5});
        Select(KIND_CLOSED_LOOP, {3});
        Apply();
        EXPECT_EQ(document.calls, Calls{std::string(c.call) + "(\"G1\", [4], [2, 9], [5])"});
        EXPECT_EQ(Boxes(), Calls{});
        EXPECT_TRUE(NothingSelected());
        EXPECT_EQ(view.calls, (Calls{"ClearSelection", "RedrawScene", "InvalidateWithErase"}));
    }
}

TEST_F(GroupPage, AddAndExpelWithOnlyDomainsOrClosedLoopsSelectedShowAPlainBox)
{
    AddGroups({"G1"});
    for (int row : {GROUP_ROW_ADD, GROUP_ROW_EXPEL}) {
        for (bool domains : {false, true}) {
            SCOPED_TRACE(testing::Message() << "row " << row << (domains ? ", domains" : ", closed loops"));
            Show(row);
            auto& form = static_cast<CGroupListForm&>(*tool.Table().rows[row].dialog.form);
            Choose(form, row == GROUP_ROW_ADD ? ID_GROUP_ADD_GROUP : ID_GROUP_EXPEL_GROUP, "G1");
            if (domains)
                view.scene.m_selection[KIND_DOMAIN].insert(DomainKey(1, 1));
            else
                Select(KIND_CLOSED_LOOP, {1});
            Apply();
            EXPECT_EQ(document.calls, Calls{});
            ASSERT_EQ(document.user.boxes.size(), 1u);
            EXPECT_EQ(document.user.boxes[0].text, "No entity is selected.");
            EXPECT_EQ(document.user.boxes[0].kind, BoxKind::Plain);
            EXPECT_TRUE(NothingSelected());
        }
    }
}

TEST_F(GroupPage, AddToANewNameCreatesTheGroupAndListsItAtOnceAndAnEmptyNameCallsNothing)
{
    ASSERT_NE(document.model.CreatePointByCoordinate(std::array<double, 2>{1.0, 2.0}.data()), false);
    AddGroups({"G1"});
    Show(GROUP_ROW_ADD);
    CGToolAdd& form = tool.Add();
    Select(KIND_POINT, {1});
    Apply();  // no name
    EXPECT_EQ(document.calls, Calls{});
    EXPECT_TRUE(NothingSelected());

    Select(KIND_POINT, {1});
    form.SetText(ID_GROUP_ADD_GROUP, "Columns");
    Apply();
    EXPECT_EQ(document.calls, (Calls{"AddToGroup(\"Columns\", [], [], [1])", "RefreshGroupCombos"}));
    EXPECT_EQ(form.Combo(ID_GROUP_ADD_GROUP).texts, (std::vector<std::string>{"G1", "Columns"}));
    // The refill empties the typed text.
    EXPECT_EQ(form.GetGroupName(), "");

    // A name the model holds (in any case) makes no group: the combos stay.
    Select(KIND_POINT, {1});
    form.SetText(ID_GROUP_ADD_GROUP, "g1");
    Apply();
    EXPECT_EQ(document.calls, Calls{"AddToGroup(\"g1\", [], [], [1])"});
}

TEST_F(GroupPage, OnlyAddAndExpelSetAPickFilterAndEveryHideClearsTheSelection)
{
    const std::vector<ToolPageRow>& rows = tool.Table().rows;
    const int commands[] = {32861, 32862, 32863, 32864, 32865, 32866, 0, 32867, 32868};
    ASSERT_EQ(rows.size(), 9u);
    for (size_t row = 0; row < rows.size(); ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(rows[row].commandId, commands[row]);
        const bool picks = row == GROUP_ROW_ADD || row == GROUP_ROW_EXPEL;
        EXPECT_EQ(rows[row].pickFilter, picks ? 30005 : PICK_FILTER_UNCHANGED);
    }
    EXPECT_TRUE(rows[SEPARATOR].IsSeparator());
    for (int row : {GROUP_ROW_CREATE, GROUP_ROW_ADD}) {
        Show(row);
        Select(KIND_POINT, {1});
        Show(SEPARATOR);
        EXPECT_TRUE(NothingSelected());
    }
}

TEST(GroupPageRefresh, UndoRefillsOnlyTheListsOfDialogsWhoseWindowsExist)
{
    RegisteredPage page(ToolPageKind::Group);
    const std::function<void()>& refresh = page.registry.hooks.refreshGroupDialogs;
    ASSERT_TRUE(refresh);
    ModelRecordingDocument& document = page.document;
    CToolPageController& controller = *page.controller;
    const auto rowsOf = [&page](int row, int combo) { return page.FormOf<CDialogForm>(row).Combo(combo).texts; };
    controller.OnSelChangeCommand(GROUP_ROW_DELETE);
    controller.OnSelChangeCommand(GROUP_ROW_RENAME);
    ASSERT_TRUE(document.model.CreateGroup("G1"));
    refresh();
    EXPECT_EQ(rowsOf(GROUP_ROW_RENAME, ID_GROUP_RENAME_GROUP), std::vector<std::string>{"G1"});
    EXPECT_TRUE(rowsOf(GROUP_ROW_DELETE, ID_GROUP_DELETE_GROUP).empty());
    // The Undo of the creation empties the shown list again.
    ASSERT_TRUE(document.model.Undo(false));
    refresh();
    EXPECT_TRUE(rowsOf(GROUP_ROW_RENAME, ID_GROUP_RENAME_GROUP).empty());
    controller.OnClose();
    ASSERT_TRUE(document.model.Redo());
    refresh();
    EXPECT_TRUE(rowsOf(GROUP_ROW_RENAME, ID_GROUP_RENAME_GROUP).empty());
}

}  // namespace
