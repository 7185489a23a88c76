#pragma once
// A report list that remembers its columns' descriptions and inserts each
// row where a callback puts it by the row's item data, so a caller keeps its
// own order while it adds rows one at a time. The list itself is plain data;
// an attached wxListView (report mode, full-row selection) mirrors it.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class wxListView;

struct SExtListColInfo {
    std::string heading;
    int width = 0;   // pixels
    int format = 0;  // 0 left, 1 right, 2 centre
};

struct ExtListRow {
    std::uint32_t itemData = 0;
    std::vector<std::string> texts;
};

class CExtListCtrl {
public:
    using RowOfItem = std::function<int(std::uint32_t itemData)>;

    // The window that shows the list, or null; it is filled from the list.
    void Attach(wxListView* view);

    // Stores the callback and empties the list: no rows, no columns.
    void ResetList(RowOfItem rowOfItem);
    void AddColumn(const std::string& heading, int width, int format);
    // Inserts the row at the callback's position: below 0 at the top, past
    // the end at the end. False, with nothing added, before the first
    // ResetList or with fewer texts than columns.
    bool AddRow(std::uint32_t itemData, const std::vector<std::string>& texts);

    const std::vector<SExtListColInfo>& Columns() const { return columns_; }
    const std::vector<ExtListRow>& Rows() const { return rows_; }

private:
    void ShowColumn(size_t index);
    void ShowRow(size_t index);

    std::vector<SExtListColInfo> columns_;
    std::vector<ExtListRow> rows_;
    RowOfItem rowOfItem_;
    wxListView* view_ = nullptr;
};
