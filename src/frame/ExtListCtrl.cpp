#include "frame/ExtListCtrl.h"

#include <wx/listctrl.h>

#include <algorithm>

namespace {

wxListColumnFormat ColumnFormat(int format)
{
    switch (format) {
    case 1:
        return wxLIST_FORMAT_RIGHT;
    case 2:
        return wxLIST_FORMAT_CENTRE;
    default:
        return wxLIST_FORMAT_LEFT;
    }
}

}  // namespace

void CExtListCtrl::Attach(wxListView* view)
{
    view_ = view;
    if (!view_)
        return;
    view_->ClearAll();
    for (size_t i = 0; i < columns_.size(); ++i)
        ShowColumn(i);
    for (size_t i = 0; i < rows_.size(); ++i)
        ShowRow(i);
}

void CExtListCtrl::ResetList(RowOfItem rowOfItem)
{
    rowOfItem_ = std::move(rowOfItem);
    rows_.clear();
    columns_.clear();
    if (view_)
        view_->ClearAll();
}

void CExtListCtrl::AddColumn(const std::string& heading, int width, int format)
{
    columns_.push_back({heading, width, format});
    if (view_)
        ShowColumn(columns_.size() - 1);
}

bool CExtListCtrl::AddRow(std::uint32_t itemData, const std::vector<std::string>& texts)
{
    if (!rowOfItem_ || texts.size() < columns_.size())
        return false;
    const int wanted = rowOfItem_(itemData);
    const auto row = static_cast<size_t>(std::clamp(wanted, 0, static_cast<int>(rows_.size())));
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(row),
                 ExtListRow{itemData, std::vector<std::string>(texts.begin(), texts.begin() + columns_.size())});
    if (view_)
        ShowRow(row);
    return true;
}

void CExtListCtrl::ShowColumn(size_t index)
{
    const SExtListColInfo& column = columns_[index];
    view_->InsertColumn(static_cast<long>(index), wxString::FromUTF8(column.heading), ColumnFormat(column.format),
                        column.width);
}

void CExtListCtrl::ShowRow(size_t index)
{
    const ExtListRow& row = rows_[index];
    const long item = view_->InsertItem(static_cast<long>(index), wxString());
    for (size_t column = 0; column < row.texts.size(); ++column)
        view_->SetItem(item, static_cast<int>(column), wxString::FromUTF8(row.texts[column]));
    view_->SetItemData(item, static_cast<long>(row.itemData));
}
