#include "frame/DialogNumbers.h"

#include "model/TextFormat.h"
#include "model/UserPorts.h"

#include <charconv>
#include <cmath>

namespace {

// The whole text as one number: blanks around it are allowed, so is one
// leading sign ("+-3" is not a number, though from_chars would take its "-3").
template <class Number>
bool ParseWholeField(const std::string& text, Number& value)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return false;
    const char* begin = text.data() + first;
    const char* end = text.data() + text.find_last_not_of(' ') + 1;
    if (*begin == '+' && ++begin != end && *begin == '-')
        return false;
    const auto result = std::from_chars(begin, end, value);
    return result.ec == std::errc() && result.ptr == end;
}

}  // namespace

bool ReadRealField(const std::string& text, double& value, IMessageBoxPort& boxes)
{
    // "nan" and "inf" parse, but no field of these dialogs can use them.
    if (ParseWholeField(text, value) && std::isfinite(value))
        return true;
    boxes.ShowMessage(BoxKind::Information, "Please enter a number.");
    return false;
}

bool ReadIntegerField(const std::string& text, int& value, IMessageBoxPort& boxes)
{
    if (ParseWholeField(text, value))
        return true;
    boxes.ShowMessage(BoxKind::Information, "Please enter an integer.");
    return false;
}

std::string IntegerFieldText(int value)
{
    return FormatText("%d", value);
}

std::string RealFieldText(double value)
{
    return FormatText("%.15g", value);
}
