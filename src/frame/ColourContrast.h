#pragma once
// How far one colour stands out from another, measured as the web's
// accessibility guidelines (WCAG 2) measure text on its background: the
// lighter colour's relative luminance plus 0.05 over the darker's plus 0.05,
// from 1 (the same colour) to 21 (black on white).

#include <wx/colour.h>
#include <wx/gdicmn.h>

#include <vector>

// Text that reaches this ratio on its background can be told from it.
inline constexpr double READABLE_CONTRAST = 3.0;

double ContrastRatio(const wxColour& first, const wxColour& second);

// The first valid candidate that reaches READABLE_CONTRAST on the fill;
// wxNullColour when none does.
wxColour FirstReadableOn(const wxColour& fill, const std::vector<wxColour>& candidates);
