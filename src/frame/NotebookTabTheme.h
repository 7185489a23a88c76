#pragma once
// What the desktop theme draws for the tabs of a notebook, read from the
// theme's style rules for the notebook's tab nodes (GTK 3: notebook > header >
// tabs > tab), so that text set on a tab can be checked against it.

#include <wx/colour.h>

class wxNotebook;

enum class TabState { Normal, Hovered, Selected };

// The tab's own background colour in that state, often transparent.
wxColour ThemeTabBackground(wxNotebook& notebook, TabState state);

// What a tab in that state shows behind its text: its own background over
// those of the tab strip, the header and the windows below, opaque.
wxColour ThemeTabFill(wxNotebook& notebook, TabState state);

// The place of the tab among the nodes of the tab strip, counted from 1 as
// the style rules' :nth-child counts.
int TabNodePlace(wxNotebook& notebook, int index);
