#pragma once
// 16 by 16 button images: the desktop's stock icons where one fits the
// command, else a small tile with the command's initials.

#include <wx/bitmap.h>

wxBitmap ToolbarButtonImage(int commandId, const char* tooltip);
