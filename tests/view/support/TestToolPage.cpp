#include "view/support/TestToolPage.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

TestDialogForm::TestDialogForm(const TestFieldCodes& codes) : codes_(codes)
{
    AddCoordinatePick(TEST_FIRST_FIELD, codes.first, codes.firstMode);
    AddCoordinatePick(TEST_SECOND_FIELD, codes.second, codes.secondMode);
    AddReal(TEST_WIDTH_FIELD, 0.0, NamedField::Width);
}

bool TestDialogForm::ReadPoint(int which, PlanePoint& point)
{
    return GetCoordinate(which == 0 ? codes_.first : codes_.second, point);
}

CTestDialogPanel::CTestDialogPanel(wxWindow* parent, TestDialogForm& form, ToolPageContext& context, int extraHeight)
    : CToolDialogPanel(parent, form, context)
{
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    for (const auto& [id, label] :
         {std::pair{TEST_FIRST_FIELD, "Point 1"}, std::pair{TEST_SECOND_FIELD, "Point 2"}, std::pair{TEST_WIDTH_FIELD, "Width"}}) {
        sizer->Add(new wxStaticText(this, wxID_ANY, label), 0, wxLEFT | wxTOP, 4);
        sizer->Add(new wxTextCtrl(this, id, wxEmptyString, wxDefaultPosition, wxSize(150, -1)), 0, wxLEFT, 4);
    }
    if (extraHeight > 0)
        sizer->AddSpacer(extraHeight);
    SetSizerAndFit(sizer);
}

ToolPageRow TestToolPage::DialogRow(int row, const std::string& text, int pickFilter, ToolRowRole role,
                                    const TestFieldCodes& codes)
{
    auto form = std::make_shared<TestDialogForm>(codes);
    forms_[row] = form;
    ToolPageRow pageRow;
    pageRow.text = text;
    pageRow.pickFilter = pickFilter;
    pageRow.role = role;
    pageRow.extraShow = [this, row](CToolForm&, ToolPageContext&) { log.push_back("extra show " + std::to_string(row)); };
    pageRow.extraHide = [this, row](CToolForm&, ToolPageContext&) { log.push_back("extra hide " + std::to_string(row)); };
    pageRow.dialog.form = form;
    pageRow.dialog.makeDialog = [this, row](wxWindow* parent, CToolForm& shown, ToolPageContext& context) {
        log.push_back("dialog " + std::to_string(row));
        return new CTestDialogPanel(parent, static_cast<TestDialogForm&>(shown), context, extraHeight);
    };
    pageRow.dialog.apply = [this, row](CToolForm& applied, ToolPageContext& context) {
        log.push_back("apply " + std::to_string(row));
        if (onApply)
            onApply(row, static_cast<TestDialogForm&>(applied), context);
    };
    return pageRow;
}

ToolPageTable TestToolPage::StandardTable()
{
    ToolPageTable table;
    table.rows.push_back(DialogRow(0, "Test Move", 30000, ToolRowRole::Command, {10037, 10038}));
    table.rows.push_back(DialogRow(1, "Test Turn", 30001, ToolRowRole::Command, {10041, 10042}));
    table.rows.push_back(ToolSeparatorRow());
    table.rows.push_back(DialogRow(3, "Test Pick", 30005, ToolRowRole::Pick));
    table.rows.push_back(DialogRow(4, "Test Query", 30000, ToolRowRole::Query));
    return table;
}

void RecordingPageWindow::MakeDialog(ToolPageRow& row)
{
    log_.push_back("make dialog " + row.text);
}
