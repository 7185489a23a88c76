#include "frame/ColourContrast.h"

#include <algorithm>
#include <cmath>

namespace {

// One sRGB channel (0-255) as linear light.
double LinearChannel(unsigned char value)
{
    const double channel = value / 255.0;
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(const wxColour& colour)
{
    return 0.2126 * LinearChannel(colour.Red()) + 0.7152 * LinearChannel(colour.Green())
           + 0.0722 * LinearChannel(colour.Blue());
}

}  // namespace

double ContrastRatio(const wxColour& first, const wxColour& second)
{
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

wxColour FirstReadableOn(const wxColour& fill, const std::vector<wxColour>& candidates)
{
    for (const wxColour& candidate : candidates) {
        if (candidate.IsOk() && ContrastRatio(candidate, fill) >= READABLE_CONTRAST)
            return candidate;
    }
    return wxNullColour;
}
