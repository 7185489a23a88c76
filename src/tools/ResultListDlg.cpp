#include "tools/ResultListDlg.h"

#include "frame/TarvokrtDoc.h"
#include "model/SectModel.h"
#include "model/UserPorts.h"
#include "tools/BaseGridWnd.h"
#include "view/TarvokrtView.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

const wxColour kHeaderColour(192, 220, 220);
const char* const kRowCaptions[RESULT_COUNT] = {"Area", "SAx",   "SAy",   "Ixx",   "Iyy",  "Ixy",
                                                "J",    "(+)Cx", "(-)Cx", "(+)Cy", "(-)Cy"};
constexpr int kDialogWidth = 300;

}  // namespace

CResultListDlg::CResultListDlg(wxWindow* parent, CSectModel& model, IMessageBoxPort& boxes,
                               const PictureColours& colours, std::function<void()> afterWrite)
    : CDlgMove(parent, "Result List", wxCAPTION), model_(model), boxes_(boxes), afterWrite_(std::move(afterWrite))
{
    picture_ = new CResultListDraw(this, ID_RESULT_PICTURE, wxSize(kDialogWidth, 220), model_, colours);
    section_ = new wxChoice(this, ID_RESULT_SECTION);
    baseMaterial_ = new wxTextCtrl(this, ID_RESULT_BASE_MATERIAL, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                   wxTE_READONLY | wxTE_RIGHT);
    grid_ = new CBaseGridWnd(this, ID_RESULT_GRID, RESULT_COUNT, 1);
    // Every row shows without scrolling.
    grid_->SetInitialSize(wxSize(kDialogWidth, (RESULT_COUNT + 1) * grid_->GetDefaultRowSize() + 4));
    auto* orderBox = new wxStaticBoxSizer(wxHORIZONTAL, this, wxEmptyString);
    listOrder_ = new wxChoice(orderBox->GetStaticBox(), ID_RESULT_LIST_ORDER);
    for (const char* name : kResultListOrderNames)
        listOrder_->Append(name);
    orderBox->Add(new wxStaticText(orderBox->GetStaticBox(), wxID_ANY, "List Order"), 0,
                  wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    orderBox->Add(listOrder_, 1);

    auto* fields = new wxFlexGridSizer(2, 4, 6);
    fields->AddGrowableCol(1);
    fields->Add(new wxStaticText(this, wxID_ANY, "Section"), 0, wxALIGN_CENTER_VERTICAL);
    fields->Add(section_, 1, wxEXPAND);
    fields->Add(new wxStaticText(this, wxID_ANY, "Base Material"), 0, wxALIGN_CENTER_VERTICAL);
    fields->Add(baseMaterial_, 1, wxEXPAND);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, ID_RESULT_MODIFY, "Modify"), 0, wxRIGHT, 6);
    buttons->AddStretchSpacer();
    auto* close = new wxButton(this, wxID_OK, "Close");
    close->SetDefault();
    buttons->Add(close);

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(picture_, 0, wxALL, 6);
    sizer->Add(fields, 0, wxEXPAND | wxLEFT | wxRIGHT, 6);
    sizer->Add(grid_, 0, wxALL, 6);
    sizer->Add(orderBox, 0, wxEXPAND | wxLEFT | wxRIGHT, 6);
    sizer->Add(buttons, 0, wxEXPAND | wxALL, 6);
    SetSizerAndFit(sizer);
    // Escape ends the dialog as Close does; Modify is never the cancel.
    SetEscapeId(wxID_OK);

    Bind(wxEVT_CHOICE, &CResultListDlg::OnSelchangeSection, this, ID_RESULT_SECTION);
    Bind(wxEVT_CHOICE, &CResultListDlg::OnSelchangeListOrder, this, ID_RESULT_LIST_ORDER);
    Bind(wxEVT_BUTTON, &CResultListDlg::OnModify, this, ID_RESULT_MODIFY);

    InitGrid();
    SelectListOrder(ORDER_CREATION);
    CentreOnParent();
}

void CResultListDlg::InitGrid()
{
    const int width = grid_->GetClientSize().x;
    grid_->SetColSize(0, static_cast<int>(width * 0.2));
    grid_->SetColSize(1, static_cast<int>(width * 0.8));
    grid_->SetCellStyle(1, 0, RESULT_COUNT, 0, "", *wxBLACK, kHeaderColour, GRID_ALIGN_CENTRE, false);
    grid_->SetCellStyle(0, 1, 0, 1, LengthUnitHeader(model_.m_lengthUnit), *wxBLACK, kHeaderColour,
                        GRID_ALIGN_CENTRE, false);
    grid_->SetCellStyle(0, 0, 0, 0, "", *wxBLACK, kHeaderColour, GRID_ALIGN_CENTRE, false);
    for (int row = 0; row < RESULT_COUNT; ++row)
        grid_->SetCellStyle(row + 1, 0, row + 1, 0, kRowCaptions[row], *wxBLACK, kHeaderColour, GRID_ALIGN_CENTRE,
                            false);
    // The user starts at the first value.
    grid_->SetGridCursor(1, 1);
}

void CResultListDlg::FillSectionList(int listOrder)
{
    section_->Clear();
    m_sectionIds.clear();
    bool anyUnlocated = false;
    for (const ListedSection& listed : ::FillSectionList(model_, listOrder)) {
        const T_SECTION_D* section = model_.FindSection(listed.id);
        section_->Append(wxString::FromUTF8(section->name + (listed.unlocated ? " (*)" : "")));
        m_sectionIds.push_back(listed.id);
        anyUnlocated = anyUnlocated || listed.unlocated;
    }
    if (anyUnlocated)
        boxes_.ShowMessage(BoxKind::Information,
                           "Section for which the location is not specified has the tag \"(*)\".");
}

void CResultListDlg::SelectListOrder(int listOrder)
{
    listOrder_->SetSelection(listOrder);
    ListAgainInChosenOrder();
}

void CResultListDlg::ListAgainInChosenOrder()
{
    FillSectionList(listOrder_->GetSelection());
    if (!m_sectionIds.empty()) {
        section_->SetSelection(0);
        ShowChosenSection();
    }
    section_->SetFocus();
}

void CResultListDlg::ShowChosenSection()
{
    const int index = section_->GetSelection();
    if (index < 0 || index >= static_cast<int>(m_sectionIds.size()))
        return;
    const int id = m_sectionIds[index];
    const T_SECTION_D* section = model_.FindSection(id);
    baseMaterial_->ChangeValue(section ? wxString::FromUTF8(BaseMaterialText(model_, *section)) : wxString());
    picture_->ShowSection(id);
    if (section)
        ShowSectionValues(*section);
}

void CResultListDlg::ShowSectionValues(const T_SECTION_D& section)
{
    if (grid_->IsCellEditControlEnabled())
        grid_->DisableCellEditControl();
    shownTexts_ = ResultValueTexts(section);
    for (int row = 0; row < RESULT_COUNT; ++row)
        grid_->SetCellStyle(row + 1, 1, row + 1, 1, shownTexts_[row], *wxBLACK, *wxWHITE, GRID_ALIGN_RIGHT, false);
}

bool CResultListDlg::Modify()
{
    const int index = section_->GetSelection();
    if (index < 0 || index >= static_cast<int>(m_sectionIds.size()))
        return false;
    // A value still being typed counts as entered.
    if (grid_->IsCellEditControlEnabled())
        grid_->DisableCellEditControl();
    ResultCellTexts cells;
    for (int row = 0; row < RESULT_COUNT; ++row)
        cells[row] = grid_->GetCellText(row + 1, 1);
    const ResultEditOutcome outcome =
        ApplyResultEdits(model_, m_sectionIds[index], shownTexts_, cells, m_bUndoOpened, boxes_);
    if (outcome.refusedRow) {
        grid_->SetGridCursor(*outcome.refusedRow + 1, 1);
        grid_->MakeCellVisible(*outcome.refusedRow + 1, 1);
        grid_->SetFocus();
        return false;
    }
    if (!outcome.written)
        return false;
    // What is now stored is what a later Modify compares with.
    shownTexts_ = cells;
    if (afterWrite_)
        afterWrite_();
    return true;
}

void CResultListDlg::OnSelchangeSection(wxCommandEvent&)
{
    ShowChosenSection();
}

void CResultListDlg::OnSelchangeListOrder(wxCommandEvent&)
{
    ListAgainInChosenOrder();
}

void CResultListDlg::OnModify(wxCommandEvent&)
{
    Modify();
}

void RunResultListCommand(wxWindow* parent, CTarvokrtDoc& document, CTarvokrtView& view, IMessageBoxPort& boxes)
{
    CResultListDlg dialog(parent, *document.GetModel(), boxes, PictureColoursOf(*view.GetScene()), [&document] {
        document.SetModifiedFlag(true);
        document.RedrawAllViews();
    });
    dialog.ShowModal();
}
