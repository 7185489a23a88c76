// File > Export > AutoCAD DXF on the real frame, with the save-file chooser
// answered by the test.

#include "program_on_screen.h"

#include "frame/MainFrame.h"
#include "frame/OutputWindow.h"
#include "frame/ToolbarTable.h"

#include <wx/menu.h>

#include <fstream>
#include <iterator>

namespace {

using DxfExportOnScreen = ProgramOnScreen;

TEST_F(DxfExportOnScreen, WritesTheProjectUnderTheChosenNameWithItsExtension)
{
    const std::string project = SavedProject("beam.klx", {{0, 0}, {12.345678, 1234567.8}});
    ASSERT_TRUE(Start(project));
    EXPECT_TRUE(Frame().GetMenuBar()->IsEnabled(WxCommandId(CMD_EXPORT_DXF)));
    CTarvokrtDoc& document = Frame().Document();
    document.SetModifiedFlag(true);

    // A name without an extension gets ".dxf".
    prompts.savedFiles.push_back((folder / "drawing").string());
    Command(CMD_EXPORT_DXF);
    const std::string written = (folder / "drawing.dxf").string();
    EXPECT_EQ(prompts.fileRequests, std::vector<std::string>{"Save As|AutoCAD DXF Files (*.dxf)|*.dxf|dxf|beam"});
    std::ifstream in(written, std::ios::binary);
    const std::string drawing((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(drawing.rfind("0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nPOINT\r\n8\r\nPoint\r\n", 0), 0u);
    EXPECT_NE(drawing.find("\r\n10\r\n12.345678\r\n20\r\n1234567.8\r\n"), std::string::npos);
    const std::string line = "Project is exported to the AutoCAD DXF file [" + written + "].";
    EXPECT_NE(Frame().Output().ShownText().find(line), std::string::npos) << Frame().Output().ShownText();
    EXPECT_TRUE(document.IsModified());

    // Cancel writes nothing and leaves the flag as it was.
    document.SetModifiedFlag(false);
    prompts.savedFiles.push_back("");
    Command(CMD_EXPORT_DXF);
    EXPECT_EQ(prompts.fileRequests.size(), 2u);
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(user.boxes.empty());
}

}  // namespace
