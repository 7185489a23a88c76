#include "frame/ToolbarImages.h"

#include "frame/ToolbarTable.h"

#include <wx/artprov.h>
#include <wx/dcmemory.h>

#include <cctype>
#include <string>

namespace {

constexpr int IMAGE_SIZE = 16;

wxArtID StockImage(int commandId)
{
    switch (commandId) {
    case CMD_FILE_NEW:
        return wxART_NEW;
    case CMD_FILE_OPEN:
        return wxART_FILE_OPEN;
    case CMD_FILE_SAVE:
        return wxART_FILE_SAVE;
    case CMD_APP_ABOUT:
        return wxART_HELP;
    case CMD_EDIT_UNDO:
        return wxART_UNDO;
    case CMD_EDIT_REDO:
        return wxART_REDO;
    default:
        return wxArtID();
    }
}

// First letters of the first two words ("Zoom Fit" -> "ZF").
std::string Initials(const char* tooltip)
{
    std::string initials;
    bool wordStart = true;
    for (const char* c = tooltip; *c && initials.size() < 2; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c))) {
            if (wordStart)
                initials += *c;
            wordStart = false;
        } else {
            wordStart = true;
        }
    }
    return initials;
}

wxBitmap InitialsTile(const char* tooltip)
{
    wxBitmap bitmap(IMAGE_SIZE, IMAGE_SIZE, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(wxBrush(wxColour(236, 236, 236)));
    dc.Clear();
    dc.SetPen(wxPen(wxColour(90, 110, 150)));
    dc.SetBrush(wxBrush(wxColour(214, 224, 242)));
    dc.DrawRectangle(0, 0, IMAGE_SIZE, IMAGE_SIZE);
    wxFont font(wxFontInfo(6).Family(wxFONTFAMILY_SWISS).Bold());
    dc.SetFont(font);
    dc.SetTextForeground(wxColour(20, 40, 90));
    const wxString text = Initials(tooltip);
    const wxSize extent = dc.GetTextExtent(text);
    dc.DrawText(text, (IMAGE_SIZE - extent.x) / 2, (IMAGE_SIZE - extent.y) / 2);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

}  // namespace

wxBitmap ToolbarButtonImage(int commandId, const char* tooltip)
{
    const wxArtID stock = StockImage(commandId);
    if (!stock.empty()) {
        wxBitmap image = wxArtProvider::GetBitmap(stock, wxART_TOOLBAR, wxSize(IMAGE_SIZE, IMAGE_SIZE));
        if (image.IsOk())
            return image;
    }
    return InitialsTile(tooltip);
}
