#include "frame/CoordinateParsing.h"

#include <charconv>
#include <limits>
#include <optional>

namespace {

// No entity id reaches a million (the view keys them below that), so a longer
// range is a typing error, not a list to build.
constexpr long long MAX_RANGE_LENGTH = 1000000;

bool IsNumberChar(char c)
{
    return (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool IsSeparator(char c)
{
    return c == ' ' || c == ',';
}

// The value of a run as the C library reads it: as far as it makes a number,
// 0 when it starts with none. Nothing for a number beyond a double's range,
// which no value stands for. Never follows the locale.
std::optional<double> RunValue(const std::string& run)
{
    double value = 0.0;
    const auto result = std::from_chars(run.data(), run.data() + run.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return std::nullopt;
    return result.ec == std::errc() ? value : 0.0;
}

std::optional<int> WholeId(const std::string& digits)
{
    if (digits.empty())
        return std::nullopt;
    int value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

// A range mark may stand between blanks ("1 .. 5"): the blanks next to it go,
// so that it joins its two ends into one token.
std::string JoinRangeMarks(const std::string& text)
{
    std::string joined;
    joined.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text.compare(pos, 2, "..") != 0) {
            joined += text[pos++];
            continue;
        }
        while (!joined.empty() && joined.back() == ' ')
            joined.pop_back();
        joined += "..";
        pos += 2;
        while (pos < text.size() && text[pos] == ' ')
            ++pos;
    }
    return joined;
}

bool AllDigits(const std::string& text)
{
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

}  // namespace

bool ParseCoordinate(const std::string& text, double xyz[3])
{
    const std::size_t size = text.size();
    std::size_t pos = 0;
    for (int component = 0; component < 3; ++component) {
        while (pos < size && text[pos] == ' ')
            ++pos;
        const std::size_t start = pos;
        while (pos < size && IsNumberChar(text[pos]))
            ++pos;
        if (pos < size && !IsSeparator(text[pos]))
            return false;
        const std::optional<double> value = RunValue(text.substr(start, pos - start));
        if (!value)
            return false;
        xyz[component] = *value;
        if (component == 2)
            return pos == size || text[pos] != ',';
        if (pos == size) {
            for (int rest = component + 1; rest < 3; ++rest)
                xyz[rest] = 0.0;
            return true;
        }
        while (pos < size && text[pos] == ' ')
            ++pos;
        if (pos < size && text[pos] == ',')
            ++pos;
    }
    return true;
}

bool ParseIdList(const std::string& typed, std::vector<int>& ids)
{
    const std::string text = JoinRangeMarks(typed);
    std::vector<int> read;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (IsSeparator(text[pos])) {
            ++pos;
            continue;
        }
        std::size_t end = pos;
        while (end < text.size() && !IsSeparator(text[end]))
            ++end;
        const std::string token = text.substr(pos, end - pos);
        pos = end;
        const std::size_t mark = token.find("..");
        if (mark == std::string::npos) {
            if (!AllDigits(token))
                return false;
            const std::optional<int> id = WholeId(token);
            if (!id)
                return false;
            read.push_back(*id);
            continue;
        }
        const std::string first = token.substr(0, mark);
        const std::string last = token.substr(mark + 2);
        if (!AllDigits(first) || !AllDigits(last))
            return false;
        const std::optional<int> from = WholeId(first);
        const std::optional<int> to = WholeId(last);
        if (!from || !to || static_cast<long long>(*to) - *from >= MAX_RANGE_LENGTH)
            return false;
        for (long long id = *from; id <= *to; ++id)
            read.push_back(static_cast<int>(id));
    }
    ids.insert(ids.end(), read.begin(), read.end());
    return true;
}
