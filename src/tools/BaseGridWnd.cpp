#include "tools/BaseGridWnd.h"

const wxColour kGridCurrentCellColour(128, 145, 255);

namespace {

// Gives the current cell its highlight over whatever style it holds.
class CurrentCellAttrProvider : public wxGridCellAttrProvider {
public:
    explicit CurrentCellAttrProvider(const wxGrid& grid) : grid_(grid) {}

    wxGridCellAttr* GetAttr(int row, int col, wxGridCellAttr::wxAttrKind kind) const override
    {
        wxGridCellAttr* attr = wxGridCellAttrProvider::GetAttr(row, col, kind);
        // Only the look asked for drawing is highlighted: a cell's own
        // attribute, which the grid changes in place, stays as it is.
        const bool current = row == grid_.GetGridCursorRow() && col == grid_.GetGridCursorCol();
        if (kind != wxGridCellAttr::Any || !current)
            return attr;
        wxGridCellAttr* highlighted = attr ? attr->Clone() : new wxGridCellAttr;
        if (attr)
            attr->DecRef();
        highlighted->SetBackgroundColour(kGridCurrentCellColour);
        highlighted->SetTextColour(*wxBLACK);
        return highlighted;
    }

private:
    const wxGrid& grid_;
};

}  // namespace

CBaseGridWnd::CBaseGridWnd(wxWindow* parent, wxWindowID id, int rows, int columns, const wxSize& size)
    : wxGrid(parent, id, wxDefaultPosition, size, wxWANTS_CHARS | wxBORDER_SUNKEN | wxHSCROLL | wxVSCROLL),
      m_nRows(rows),
      m_nCols(columns)
{
    CreateGrid(rows + 1, columns + 1);
    GetTable()->SetAttrProvider(new CurrentCellAttrProvider(*this));
    // Row 0 and column 0 are the headers: wx's own labels are not used.
    SetRowLabelSize(0);
    SetColLabelSize(0);
    DisableDragGridSize();
    DisableDragRowSize();
    DisableDragColSize();
    const wxFont font(wxFontInfo(11).Family(wxFONTFAMILY_SWISS).Bold());
    SetDefaultCellFont(font);
    int textHeight = 0;
    GetTextExtent("Xg", nullptr, &textHeight, nullptr, nullptr, &font);
    SetDefaultRowSize(textHeight + 8, true);
    SetDefaultCellBackgroundColour(*wxWHITE);
    SetDefaultCellTextColour(*wxBLACK);
    for (int row = 0; row <= rows; ++row)
        SetReadOnly(row, 0);
    for (int col = 1; col <= columns; ++col)
        SetReadOnly(0, col);
    Bind(wxEVT_KEY_DOWN, &CBaseGridWnd::OnKeyDown, this);
    Bind(wxEVT_GRID_SELECT_CELL, &CBaseGridWnd::OnSelectCell, this);
}

void CBaseGridWnd::SetCellStyle(int top, int left, int bottom, int right, const std::string& value,
                                const wxColour& textColour, const wxColour& interiorColour, int alignment, bool bold)
{
    const int horizontal = alignment == GRID_ALIGN_CENTRE  ? wxALIGN_CENTRE
                           : alignment == GRID_ALIGN_RIGHT ? wxALIGN_RIGHT
                                                           : wxALIGN_LEFT;
    for (int row = top; row <= bottom; ++row) {
        for (int col = left; col <= right; ++col) {
            SetCellValue(row, col, wxString::FromUTF8(value));
            SetCellTextColour(row, col, textColour);
            SetCellBackgroundColour(row, col, interiorColour);
            SetCellAlignment(row, col, horizontal, wxALIGN_CENTRE);
            if (bold)
                SetCellFont(row, col, GetDefaultCellFont().Bold());
        }
    }
    ForceRefresh();
}

std::string CBaseGridWnd::GetCellText(int row, int column) const
{
    return GetCellValue(row, column).utf8_string();
}

void CBaseGridWnd::OnKeyDown(wxKeyEvent& event)
{
    // A plain Delete would clear the cell; with Ctrl or Shift it is the grid's.
    if (event.GetKeyCode() == WXK_DELETE && !event.ControlDown() && !event.ShiftDown())
        return;
    event.Skip();
}

void CBaseGridWnd::OnSelectCell(wxGridEvent& event)
{
    event.Skip();
    // The old and the new current cell change their look once the cursor has moved.
    CallAfter([this] { ForceRefresh(); });
}
