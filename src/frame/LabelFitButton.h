#pragma once
// A push button as wide as its label needs, and no narrower than a least
// width. The toolkit's default width is too wide for a tool page's narrow
// column, and a narrow fixed width leaves a short label such as "..." no room
// once the theme's padding is taken off: the button then shows nothing.

#include <wx/string.h>

class wxButton;
class wxWindow;

// `leastWidth` is in device-independent pixels.
wxButton* NewLabelFitButton(wxWindow* parent, int id, const wxString& label, int leastWidth = 0);
