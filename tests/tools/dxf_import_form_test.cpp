// What the import and grid dialogs decide on OK, without a window.

#include "support/ScriptedUserPorts.h"
#include "tools/DxfImportDlg.h"
#include "tools/GridSettingDlg.h"

#include <gtest/gtest.h>

namespace {

DxfImportFields FieldsWithPath(const std::string& path)
{
    return DxfImportFields{path, "0", "0", "0", false};
}

TEST(DxfImportForm, OpensEmptyWithZeroPlacement)
{
    const DxfImportFields fields = DxfImportForm().InitialFields();
    EXPECT_EQ(fields.path, "");
    EXPECT_EQ(fields.tx, "0");
    EXPECT_EQ(fields.ty, "0");
    EXPECT_EQ(fields.rz, "0");
    EXPECT_FALSE(fields.activateImportedOnly);
}

TEST(DxfImportForm, ABrowsedFileIsShownAndACancelledBrowseKeepsIt)
{
    DxfImportForm form;
    EXPECT_FALSE(form.Browse(""));
    EXPECT_EQ(form.ChosenPath(), "");
    EXPECT_TRUE(form.Browse("/drawings/plan.v2.dxf"));
    EXPECT_EQ(form.ChosenPath(), "/drawings/plan.v2.dxf");
    EXPECT_EQ(form.FileTitle(), "plan.v2");
    EXPECT_FALSE(form.Browse(""));
    EXPECT_EQ(form.ChosenPath(), "/drawings/plan.v2.dxf");
    EXPECT_EQ(form.FileTitle(), "plan.v2");
}

TEST(DxfImportForm, ThePathInTheFieldIsImportedWhetherTypedOrBrowsed)
{
    struct Case {
        const char* browsed;  // empty: nothing browsed
        const char* field;
        const char* path;
        const char* title;
    };
    const Case cases[] = {
        {"", "/tmp/typed.dxf", "/tmp/typed.dxf", "typed"},
        {"", "  relative/Typed Name.DXF\t", "relative/Typed Name.DXF", "Typed Name"},
        {"/a/browsed.dxf", "/a/browsed.dxf", "/a/browsed.dxf", "browsed"},
        // Edited after browsing: what the field shows counts.
        {"/a/browsed.dxf", "/b/edited.dxf", "/b/edited.dxf", "edited"},
        {"", "noextension", "noextension", "noextension"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        ScriptedUserPorts user;
        DxfImportForm form;
        form.Browse(c.browsed);
        DxfImportFields fields{c.field, " 12.5", "-3", "1e1", true};
        EXPECT_EQ(form.Accept(fields, user), std::nullopt);
        EXPECT_TRUE(user.boxes.empty());
        EXPECT_EQ(form.ChosenPath(), c.path);
        EXPECT_EQ(form.FileTitle(), c.title);
        EXPECT_EQ(form.Tx(), 12.5);
        EXPECT_EQ(form.Ty(), -3.0);
        EXPECT_EQ(form.Rz(), 10.0);
        EXPECT_TRUE(form.ActivateImportedOnly());
    }
}

TEST(DxfImportForm, RefusedFieldsAreNamedAndNothingIsTaken)
{
    struct Case {
        DxfImportFields fields;
        int control;
        const char* box;
    };
    const Case cases[] = {
        {FieldsWithPath(""), ID_DXF_FILE_NAME, "File name is not designated."},
        {FieldsWithPath(" \t "), ID_DXF_FILE_NAME, "File name is not designated."},
        {{"/a.dxf", "1", "2", "ten", false}, ID_DXF_RZ, "Please enter a number."},
        {{"/a.dxf", "", "2", "3", false}, ID_DXF_TX, "Please enter a number."},
        {{"/a.dxf", "1", "2,5", "3", false}, ID_DXF_TY, "Please enter a number."},
        {{"/a.dxf", "inf", "2", "3", false}, ID_DXF_TX, "Please enter a number."},
        // The numbers are read before the file name is looked at.
        {{"", "1", "nan", "3", false}, ID_DXF_TY, "Please enter a number."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields.path + "|" + c.fields.tx + "|" + c.fields.ty + "|" + c.fields.rz);
        ScriptedUserPorts user;
        DxfImportForm form;
        form.Browse("/kept.dxf");
        EXPECT_EQ(form.Accept(c.fields, user), c.control);
        EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{c.box}));
        EXPECT_EQ(form.ChosenPath(), "/kept.dxf");
        EXPECT_EQ(form.Tx(), 0.0);
        EXPECT_FALSE(form.ActivateImportedOnly());
    }
}

TEST(GridSettingForm, ShowsAndReadsTheGrid)
{
    GridSettingForm form;
    form.m_horizontalCount = 50;
    form.m_gridSize = 0.1;
    form.m_verticalCount = 30;
    const GridSettingFields shown = form.Fields();
    EXPECT_EQ(shown.horizontal, "50");
    EXPECT_EQ(shown.size, "0.1");
    EXPECT_EQ(shown.vertical, "30");

    ScriptedUserPorts user;
    EXPECT_EQ(form.Accept({" 20 ", "2.5e2", "+7"}, user), std::nullopt);
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_EQ(form.m_horizontalCount, 20);
    EXPECT_EQ(form.m_gridSize, 250.0);
    EXPECT_EQ(form.m_verticalCount, 7);
    // Zero and negative counts are the document's to refuse.
    EXPECT_EQ(form.Accept({"0", "1", "-4"}, user), std::nullopt);
    EXPECT_EQ(form.m_verticalCount, -4);
}

TEST(GridSettingForm, TextThatIsNoNumberIsAskedForAgainAndTheValuesStay)
{
    struct Case {
        GridSettingFields fields;
        int control;
        const char* box;
    };
    const Case cases[] = {
        {{"2.5", "1", "3"}, ID_GRID_HORIZONTAL, "Please enter an integer."},
        {{"2", "", "3"}, ID_GRID_SIZE, "Please enter a number."},
        {{"2", "1", "99999999999"}, ID_GRID_VERTICAL, "Please enter an integer."},
        {{"2", "1", "3x"}, ID_GRID_VERTICAL, "Please enter an integer."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields.horizontal + "|" + c.fields.size + "|" + c.fields.vertical);
        ScriptedUserPorts user;
        GridSettingForm form;
        form.m_horizontalCount = 50;
        form.m_gridSize = 100.0;
        form.m_verticalCount = 50;
        EXPECT_EQ(form.Accept(c.fields, user), c.control);
        EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{c.box}));
        EXPECT_EQ(form.m_horizontalCount, 50);
        EXPECT_EQ(form.m_gridSize, 100.0);
        EXPECT_EQ(form.m_verticalCount, 50);
    }
}

}  // namespace
