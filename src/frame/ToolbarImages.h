#pragma once
// The toolbar buttons' pictures. Each command has a small SVG drawing in
// src/frame/toolbar-images, built into the program at build time and
// rendered by the toolkit at 16 pixels times the screen's scale, so the
// buttons stay sharp on high-resolution screens.

#include <wx/bmpbndl.h>

#include <span>
#include <string_view>

struct ToolbarPicture {
    std::string_view name;  // its file's name without ".svg"
    const char* svg;        // the file's text
};

// Every picture built into the program.
std::span<const ToolbarPicture> ToolbarPictures();

// The picture of a toolbar command; null when the command has none.
const ToolbarPicture* FindToolbarPicture(int commandId);

// The image of a toolbar button: its command's picture, or for a command
// without one a tile with the first letters of its tooltip.
wxBitmapBundle ToolbarButtonImage(int commandId, const char* tooltip);
