#pragma once
// The grid of the result list: a wxGrid whose row 0 and column 0 are header
// cells written like any other cell, whose current cell is highlighted
// whatever its own style, and in which a plain Delete never clears a cell.

#include <wx/grid.h>

#include <string>

enum GridCellAlignment { GRID_ALIGN_LEFT = 0, GRID_ALIGN_CENTRE = 1, GRID_ALIGN_RIGHT = 2 };

// The current cell's look.
extern const wxColour kGridCurrentCellColour;

class CBaseGridWnd : public wxGrid {
public:
    // rows and columns count the data cells; the grid adds the header row and
    // column. Header cells are read-only; data cells are edited as text.
    CBaseGridWnd(wxWindow* parent, wxWindowID id, int rows, int columns, const wxSize& size = wxDefaultSize);

    // Writes the value and the look into every cell of the range and repaints.
    // Alignment: GRID_ALIGN_CENTRE, GRID_ALIGN_RIGHT, anything else left.
    // bold false leaves the grid's standard font.
    void SetCellStyle(int top, int left, int bottom, int right, const std::string& value, const wxColour& textColour,
                      const wxColour& interiorColour, int alignment, bool bold);
    std::string GetCellText(int row, int column) const;

    int m_nRows = 0;
    int m_nCols = 0;

private:
    void OnKeyDown(wxKeyEvent& event);
    void OnSelectCell(wxGridEvent& event);
};
