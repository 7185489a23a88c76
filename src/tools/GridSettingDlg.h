#pragma once
// The "Grid Setting" dialog: the grid size and the numbers of grid lines. It
// checks only that the fields hold numbers; the document judges the values.
// GridSettingForm holds what the dialog decides; the window is a thin layer
// over it.

#include "frame/DlgBases.h"

#include <optional>
#include <string>

class CTarvokrtDoc;
class CTarvokrtView;
class IMessageBoxPort;
class wxTextCtrl;

enum GridSettingControl {
    ID_GRID_SIZE = 1346,
    ID_GRID_VERTICAL = 1347,
    ID_GRID_HORIZONTAL = 1348,
};

struct GridSettingFields {
    std::string horizontal;
    std::string size;
    std::string vertical;
};

class GridSettingForm {
public:
    // The caller fills these before the dialog opens and reads them after OK.
    int m_horizontalCount = 0;
    double m_gridSize = 0.0;
    int m_verticalCount = 0;

    GridSettingFields Fields() const;
    // OK: reads the fields; a text that is not a number gets the prompt and
    // the control to correct is returned, the values kept as they were.
    std::optional<int> Accept(const GridSettingFields& fields, IMessageBoxPort& boxes);
};

class CGridToolDlg : public CDlgMove {
public:
    // The fields show the form's values as the caller filled them.
    CGridToolDlg(wxWindow* parent, IMessageBoxPort& boxes, const GridSettingForm& values);

    // OK's work: false, with the dialog left open, when a field is refused.
    bool AcceptFields();
    const GridSettingForm& Form() const { return form_; }

private:
    void OnOk(wxCommandEvent& event);

    IMessageBoxPort& boxes_;
    GridSettingForm form_;
    wxTextCtrl* horizontal_ = nullptr;
    wxTextCtrl* size_ = nullptr;
    wxTextCtrl* vertical_ = nullptr;
};

// The Grid Setting command: the dialog over the project's grid, the values
// handed to the document on OK, then the view drawn anew.
void RunGridSettingCommand(wxWindow* parent, CTarvokrtDoc& document, CTarvokrtView& view, IMessageBoxPort& boxes);
