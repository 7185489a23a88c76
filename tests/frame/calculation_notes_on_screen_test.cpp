// The notes of a calculation in the Output window of a window 1024 pixels
// wide: every line, the advice included, is in view without scrolling.

#include "program_on_screen.h"

#include "calc/PlaneMeshSizing.h"
#include "frame/TarvokrtDoc.h"
#include "frame/MainFrame.h"
#include "frame/OutputWindow.h"

#include <wx/textctrl.h>

#include <gtk/gtk.h>

namespace {

class CalculationNotesOnScreen : public ProgramOnScreen {};

TEST_F(CalculationNotesOnScreen, ShowTheirAdviceInAWindow1024PixelsWide)
{
    ASSERT_TRUE(Start("KLX 1"));
    CSectModel& model = Model();
    model.SetTolerance(0.01);
    ASSERT_TRUE(model.CreateMaterial(1, "Steel", 2.0e5, 0.3));
    const double corner1[2] = {0.0, 0.0}, corner2[2] = {500.0, 1.0};
    ASSERT_TRUE(model.CreateRectangle(corner1, corner2, ALIGN_CENTER, 0.0));
    std::vector<int> curves;
    model.GetNewcomerCurves(curves);
    const int grey[3] = {128, 128, 128};
    const int id = model.GenerateSection("", SECTION_PLANE, curves, false, 0.0, grey, nullptr, false, 0.0);
    ASSERT_NE(id, 0);
    for (auto& [domainId, domain] : model.FindSection(id)->domains)
        domain->materialId = 1;

    auto* text = dynamic_cast<wxTextCtrl*>(Frame().Output().GetChildren().GetFirst()->GetData());
    ASSERT_NE(text, nullptr);
    ASSERT_TRUE(ShowFrameAt(wxSize(1024, 768), [text] { return SizedAsGiven(*text); }));
    ASSERT_LE(Frame().GetSize().x, 1024);

    // Mesh Size 1 on a strip 500 × 1 gives the note of a coarse size; the
    // note of a mesh held at the limit, whose advice is the longest, follows.
    Frame().Document().CalculateProperties({id}, 0, 1.0, true, false);
    const std::string name = model.FindSection(id)->name;
    ASSERT_NE(Frame().Output().ShownText().find("  The [Mesh Size] option with 0.1818 would resolve that wall."),
              std::string::npos)
        << Frame().Output().ShownText();
    MeshSizingNote held;
    held.kind = MeshSizingNote::HeldAtElementLimit;
    held.elementLimit = 1'000'000;
    held.thinnestWall = 0.0001234;
    for (const std::string& line : MeshSizingNoteLines(held, name))
        Frame().Output().AddMessage(line);
    Settle();

    // Every line, measured in the window's own font, fits the width it shows.
    GtkAdjustment* across = gtk_scrolled_window_get_hadjustment(GTK_SCROLLED_WINDOW(text->GetHandle()));
    ASSERT_TRUE(RunEventsUntil([&] { return gtk_adjustment_get_page_size(across) >= text->GetClientSize().x / 2; }));
    const double shown = gtk_adjustment_get_page_size(across);
    const wxArrayString lines = wxSplit(wxString::FromUTF8(Frame().Output().ShownText()), '\n', '\0');
    ASSERT_GE(lines.size(), 6u);
    for (const wxString& line : lines)
        EXPECT_LE(text->GetTextExtent(line).x, shown) << line.utf8_string() << "\n(" << shown << " pixels shown)";
    EXPECT_EQ(gtk_adjustment_get_value(across), 0.0);
}

}  // namespace
