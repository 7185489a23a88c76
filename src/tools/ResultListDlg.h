#pragma once
// The "Result List": the calculated properties of the project's sections,
// one section at a time in a value grid beside its picture, listed in a
// chosen order, and corrected by hand with Modify as one undo action per
// opening. Close or Escape ends it; Escape writes nothing.

#include "frame/DlgBases.h"
#include "tools/ResultListing.h"
#include "tools/ResultPicture.h"

#include <functional>
#include <vector>

class CBaseGridWnd;
class CSectModel;
class CTarvokrtDoc;
class CTarvokrtView;
class IMessageBoxPort;
class wxChoice;
class wxTextCtrl;

enum ResultListControl {
    ID_RESULT_MODIFY = 2,
    ID_RESULT_SECTION = 1191,
    ID_RESULT_BASE_MATERIAL = 1192,
    ID_RESULT_LIST_ORDER = 1194,
    ID_RESULT_GRID = 1241,
    ID_RESULT_PICTURE = 1242,
};

class CResultListDlg : public CDlgMove {
public:
    // afterWrite runs after each Modify that wrote into the model.
    CResultListDlg(wxWindow* parent, CSectModel& model, IMessageBoxPort& boxes, const PictureColours& colours,
                   std::function<void()> afterWrite);

    // Lists the sections in the order (the box about sections without a
    // location each time it flags one).
    void FillSectionList(int listOrder);
    void SelectListOrder(int listOrder);
    // Modify's work; true when it wrote.
    bool Modify();

    CBaseGridWnd& Grid() { return *grid_; }
    CResultListDraw& Picture() { return *picture_; }
    const std::vector<int>& SectionIds() const { return m_sectionIds; }
    bool UndoOpened() const { return m_bUndoOpened; }

private:
    void InitGrid();
    void ShowSectionValues(const T_SECTION_D& section);
    void OnSelchangeSection(wxCommandEvent& event);
    void OnSelchangeListOrder(wxCommandEvent& event);
    void OnModify(wxCommandEvent& event);
    void ShowChosenSection();
    void ListAgainInChosenOrder();

    CSectModel& model_;
    IMessageBoxPort& boxes_;
    std::function<void()> afterWrite_;
    CBaseGridWnd* grid_ = nullptr;
    std::vector<int> m_sectionIds;
    CResultListDraw* picture_ = nullptr;
    bool m_bUndoOpened = false;
    wxChoice* listOrder_ = nullptr;
    wxChoice* section_ = nullptr;
    wxTextCtrl* baseMaterial_ = nullptr;
    // What the value column showed for the section on display.
    ResultCellTexts shownTexts_;
};

// Command 32902 once the view has found calculated sections: the dialog over
// the document's model; each write marks the project modified and redraws
// the views.
void RunResultListCommand(wxWindow* parent, CTarvokrtDoc& document, CTarvokrtView& view, IMessageBoxPort& boxes);
