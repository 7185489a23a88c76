#pragma once
// What the theme takes from a control's width around its text: the padding
// and the border on both sides, as the toolkit lays the control out. The
// toolkit's own text-to-size reckoning (GetSizeFromTextSize) falls short of
// it before a field is first shown, so a field sized by it cuts its text.

class wxWindow;

int ThemeTextInset(const wxWindow& control);
