// The File Name field of the three export pages in the real program: after
// "..." it shows the end of the chosen path, the file's name, whole, and the
// three pages give the field one width.

#include "program_on_screen.h"

#include "frame/MainFrame.h"
#include "frame/ProjectWorkspace.h"
#include "frame/ToolDialogPanel.h"
#include "frame/ToolPage.h"
#include "frame/ToolPageTable.h"
#include "frame/ToolRegistry.h"
#include "tools/CalcToolForms.h"
#include "tools/GroupForms.h"
#include "tools/SectDomainForms.h"

#include <wx/textctrl.h>

#include <gtk/gtk.h>

#include <string>

namespace {

struct ExportPage {
    ToolPageKind kind;
    const char* command;
    int fileNameId;
    int browseId;
};

const ExportPage EXPORT_PAGES[] = {
    {ToolPageKind::Properties, "Export Property", ID_CALC_EXPORT_FILE_NAME, ID_CALC_EXPORT_BROWSE},
    {ToolPageKind::Section, "Export Section", ID_EXPORT_FILE, ID_EXPORT_BROWSE},
    {ToolPageKind::Group, "Export Group", ID_GROUP_EXPORT_FILE_NAME, ID_GROUP_EXPORT_BROWSE},
};

// Where a field's text lies, from a byte of it to its end, and the text
// area that shows it, in the field's pixels as GTK has laid the text out
// and scrolled it.
struct TextInField {
    int areaLeft;
    int areaRight;
    int textLeft;
    int textRight;

    bool ShowsWhole() const { return areaRight > areaLeft && textLeft >= areaLeft && textRight <= areaRight; }
};

TextInField TextFrom(wxTextCtrl& field, int byte)
{
    GtkEntry* entry = GTK_ENTRY(field.GetHandle());
    GdkRectangle area{};
    gtk_entry_get_text_area(entry, &area);
    int layoutX = 0;
    gtk_entry_get_layout_offsets(entry, &layoutX, nullptr);
    PangoLayout* layout = gtk_entry_get_layout(entry);
    PangoRectangle first{};
    pango_layout_index_to_pos(layout, byte, &first);
    PangoRectangle text{};
    pango_layout_get_pixel_extents(layout, nullptr, &text);
    return {area.x, area.x + area.width, layoutX + PANGO_PIXELS(first.x), layoutX + text.x + text.width};
}

class ExportFileFieldOnScreen : public ProgramOnScreen {
protected:
    // Starts the program with a group, so that the group export takes a file.
    void SetUpOnScreen() override
    {
        ASSERT_TRUE(Start("KLX 1"));
        ASSERT_TRUE(Frame().Document().CreateGroup("G1"));
        Settle();
    }
    // Shows the export page's dialog; its File Name field.
    wxTextCtrl* ShowExport(const ExportPage& shown)
    {
        const ToolPageShell& shell = ShellOf(shown.kind);
        const ToolPageTable& table = app->Tools().Page(shown.kind);
        for (size_t index = 0; index < table.rows.size(); ++index) {
            if (table.rows[index].text == shown.command)
                Frame().Workspace().ShowTool(shown.kind, shell.baseId + static_cast<int>(index));
        }
        Settle();
        CToolDialogPanel* dialog = Page().ShownDialog();
        return dialog ? dynamic_cast<wxTextCtrl*>(dialog->FindWindow(shown.fileNameId)) : nullptr;
    }
};

TEST_F(ExportFileFieldOnScreen, AfterTheChooserTheFieldShowsTheFilesName)
{
    const std::string fileName = "section-export.txt";
    const std::string path =
        (folder / "a folder of a rather long name" / "and one more folder inside it" / fileName).string();
    for (const ExportPage& shown : EXPORT_PAGES) {
        wxTextCtrl* field = ShowExport(shown);
        ASSERT_NE(field, nullptr) << shown.command;
        prompts.savedFiles.push_back(path);
        Press(*Page().ShownDialog()->FindWindow(shown.browseId));
        EXPECT_EQ(field->GetValue().utf8_string(), path) << shown.command;
        ASSERT_TRUE(RunEventsUntil([&] {
            const TextInField text = TextFrom(*field, 0);
            return text.areaRight - text.areaLeft > 1;
        })) << shown.command;
        const TextInField whole = TextFrom(*field, 0);
        ASSERT_GT(whole.textRight - whole.textLeft, whole.areaRight - whole.areaLeft)
            << shown.command << ": the path is longer than its field";
        const int nameStarts = static_cast<int>(path.size() - fileName.size());
        EXPECT_TRUE(RunEventsUntil([&] { return TextFrom(*field, nameStarts).ShowsWhole(); }))
            << shown.command << ": the name lies at " << TextFrom(*field, nameStarts).textLeft << ".."
            << TextFrom(*field, nameStarts).textRight << " in a text area at " << whole.areaLeft << ".."
            << whole.areaRight;
    }
}

TEST_F(ExportFileFieldOnScreen, TheThreeExportPagesFileNameFieldsAreEquallyWide)
{
    std::string widths;
    int first = 0;
    for (const ExportPage& shown : EXPORT_PAGES) {
        const wxTextCtrl* field = ShowExport(shown);
        ASSERT_NE(field, nullptr) << shown.command;
        ASSERT_TRUE(RunEventsUntil([field] { return gtk_widget_get_allocated_width(field->GetHandle()) > 1; }));
        const int width = gtk_widget_get_allocated_width(field->GetHandle());
        widths += std::string(shown.command) + " " + std::to_string(width) + "; ";
        if (first == 0)
            first = width;
        EXPECT_EQ(width, first) << widths;
    }
}

}  // namespace
