#pragma once
// The "Setting" dialog: General (units, tolerance, angle step), Display (label
// and display switches, coordinate axis) and Color (nine colours) pages over
// one T_VIEWSET_D record. Apply and OK hand the record to the view; a refused
// tolerance shows its old value again. Cancel closes without applying.

#include "frame/DlgBases.h"
#include "view/ViewSettings.h"

#include <array>

class CTabCtrlBase;
class CTarvokrtView;
class IMessageBoxPort;
class wxCheckBox;
class wxChoice;
class wxColourPickerCtrl;
class wxTextCtrl;

enum ViewSetControl {
    ID_VIEWSET_APPLY = 1325,
    ID_VIEWSET_TABS = 1172,
    ID_LENGTH_COMBO = 1175,
    ID_FORCE_COMBO = 1176,
    ID_TOLERANCE_FIELD = 1177,
    ID_ANGLE_STEP_FIELD = 1178,
};

class CViewSetDlg : public CDlgChild {
public:
    // The record is filled from the view; boxes shows the prompt for a field
    // that is not a number.
    CViewSetDlg(wxWindow* parent, CTarvokrtView& view, IMessageBoxPort& boxes);

    // Saves the pages into the record, applies it and reloads the pages;
    // false (nothing applied) when a number field does not hold a number.
    bool ApplySettings();

    CTabCtrlBase* Tabs() { return tabs_; }
    // Loads the pages from the record.
    void LoadPages();

private:
    wxWindow* MakeGeneralPage();
    wxWindow* MakeDisplayPage();
    wxWindow* MakeColourPage();
    bool SavePages();
    void OnApply(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);

    CTarvokrtView& view_;
    IMessageBoxPort& boxes_;
    T_VIEWSET_D record_;
    CTabCtrlBase* tabs_ = nullptr;
    wxChoice* length_ = nullptr;
    wxChoice* force_ = nullptr;
    wxTextCtrl* tolerance_ = nullptr;
    wxTextCtrl* angleStep_ = nullptr;
    std::array<wxCheckBox*, 9> switches_{};
    std::array<wxColourPickerCtrl*, VIEWSET_COLOUR_COUNT> colours_{};
};
