#pragma once
// Pieces the modal settings dialogs share.

#include <optional>

class wxSizer;
class wxWindow;

// "OK" (the default button) and "Cancel", right-aligned.
wxSizer* OkCancelButtons(wxWindow* dialog);

// After the form has looked at the fields: true when it took them; else the
// control it refused gets the focus.
bool TakenOrFocused(wxWindow& dialog, const std::optional<int>& refusedControl);
