#pragma once
// A left click into a text field as GTK gets one from the mouse, handed to
// GTK inside the program: the field's own click handling (its caret, its
// focus) runs, and the display's one pointer stays where it is.

class wxTextCtrl;

// Once the field's window is shown and active and GTK has laid the field
// out, presses and releases the left button right of its text, where a user
// clicks into a field to type; false when the window was not shown or the
// field's text area has no window to take the click.
bool ClickIntoField(wxTextCtrl& field);
