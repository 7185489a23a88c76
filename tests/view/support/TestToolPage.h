#pragma once
// A tool page for tests, registrable as any page's table: rows with a test
// dialog (form and panel) at the rows a test chooses, and a log of what the
// page machinery did with them, in order:
//   "dialog <row>"       the dialog's window was made (on screen)
//   "extra show <row>"   the row's extra show step ran
//   "extra hide <row>"   the row's extra hide step ran
//   "apply <row>"        the row's apply ran; then whatever onApply adds
// The test dialog has two coordinate pick fields, whose codes and focus
// behaviours the test chooses, and a Width field; its form answers the line
// dialogs' queries (coordinate mode, width, alignment, both points, previous
// vertex), so pick dispatch tests can drive it as a Line dialog.

#include "frame/ToolDialogPanel.h"
#include "frame/ToolForm.h"
#include "frame/ToolPageController.h"
#include "frame/ToolPageTable.h"
#include "model/ModelRecords.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

enum TestDialogControl { TEST_FIRST_FIELD = 2101, TEST_SECOND_FIELD = 2102, TEST_WIDTH_FIELD = 2103 };

struct TestFieldCodes {
    int first = 10039;
    int second = 10040;
    FocusMouseMode firstMode = FocusMouseMode::SaveThenNone;
    FocusMouseMode secondMode = FocusMouseMode::SaveThenNone;
};

class TestDialogForm : public CToolForm, public ILineQueries {
public:
    explicit TestDialogForm(const TestFieldCodes& codes);

    const TestFieldCodes& Codes() const { return codes_; }
    double Width() const { return Field(TEST_WIDTH_FIELD)->real; }

    ILineQueries* LineQueries() override { return this; }
    int CoordinateMode() const override { return coordinateMode; }
    std::optional<double> ReadWidth() override { return ReadReal(TEST_WIDTH_FIELD); }
    int AlignmentCode() const override { return alignment; }
    bool ReadPoint(int which, PlanePoint& point) override;
    std::optional<PlanePoint> PreviousVertex() const override { return previousVertex; }
    void SetPreviousVertex(const std::optional<PlanePoint>& vertex) override { previousVertex = vertex; }

    int coordinateMode = COORDINATES_XY;
    int alignment = ALIGN_CENTER;
    std::optional<PlanePoint> previousVertex;

private:
    TestFieldCodes codes_;
};

// The test dialog's window: the three fields, one under the other, and an
// empty band of extraHeight pixels below them (a tall dialog makes the page
// scroll).
class CTestDialogPanel : public CToolDialogPanel {
public:
    CTestDialogPanel(wxWindow* parent, TestDialogForm& form, ToolPageContext& context, int extraHeight);
};

class TestToolPage {
public:
    // A row with the test dialog; `row` is its index, which the log names.
    ToolPageRow DialogRow(int row, const std::string& text, int pickFilter, ToolRowRole role,
                          const TestFieldCodes& codes = {});
    // Two commands that pick (points; curves), a separator, a Pick command
    // (points, curves and sections) and a Query command (points). Rows 0-4
    // of whichever page registers it; no command id opens them.
    ToolPageTable StandardTable();

    // The form of a row made by DialogRow.
    TestDialogForm& Form(int row) { return *forms_.at(row); }

    std::vector<std::string> log;
    // Run by each apply after its "apply <row>" entry.
    std::function<void(int row, TestDialogForm& form, ToolPageContext& context)> onApply;
    // Height of the empty band under the dialogs' fields.
    int extraHeight = 0;

private:
    std::map<int, std::shared_ptr<TestDialogForm>> forms_;
};

// The page window without a display: records "combo <index>", "make dialog
// <row text>" (it makes no window) and "destroy dialog".
class RecordingPageWindow : public IToolPageWindow {
public:
    explicit RecordingPageWindow(std::vector<std::string>& log) : log_(log) {}
    void SelectComboIndex(int index) override { log_.push_back("combo " + std::to_string(index)); }
    void MakeDialog(ToolPageRow& row) override;
    void DestroyDialog() override { log_.push_back("destroy dialog"); }

private:
    std::vector<std::string>& log_;
};
