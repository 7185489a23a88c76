#pragma once
// Pieces the modal settings dialogs share.

#include <initializer_list>
#include <optional>
#include <string>
#include <variant>

class IMessageBoxPort;
class wxSizer;
class wxWindow;

// A number field of a settings form: its text, the value it is read into
// and its control.
struct NumberField {
    const std::string& text;
    std::variant<double*, int*> value;
    int controlId;
};

// Reads the fields in order with the dialogs' number reader; the control of
// the first it refuses (after the reader's box), or nothing when all read.
std::optional<int> ReadNumberFields(std::initializer_list<NumberField> fields, IMessageBoxPort& boxes);

// "OK" (the default button) and "Cancel", right-aligned.
wxSizer* OkCancelButtons(wxWindow* dialog);

// After the form has looked at the fields: true when it took them; else the
// control it refused gets the focus.
bool TakenOrFocused(wxWindow& dialog, const std::optional<int>& refusedControl);
