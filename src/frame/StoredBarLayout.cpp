#include "frame/StoredBarLayout.h"

#include "model/TextFormat.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace {

// A layout far longer than the frame's panes need is no layout of ours.
constexpr std::size_t kLongestLayout = 65536;

// The manager's pane states that a pane of the frame may carry (floating,
// hidden, docking sides, floatable, movable, resizable, border, caption,
// gripper, toolbar, gripper on top, fixed dock, caption buttons); the
// manager's internal marks and a maximised, active or self-destroying pane
// are none of the frame's.
constexpr std::uint32_t kStoredPaneStates = 0xFFFu | (1u << 13) | (1u << 15) | (1u << 17) | (0xFu << 21);

struct Range {
    long long lowest;
    long long highest;
};
constexpr Range kState{0, UINT32_MAX};
// Top, right, bottom, left, centre.
constexpr Range kDirection{1, 5};
constexpr Range kLayerOrRow{0, 100};
constexpr Range kSize{-1, 32767};
constexpr Range kCoordinate{-32768, 32767};

// The numeric fields of a pane part and their ranges; with name, caption and
// state, the manager writes every one of them.
const std::map<std::string_view, Range>& PaneNumbers()
{
    static const std::map<std::string_view, Range> numbers = {
        {"dir", kDirection}, {"layer", kLayerOrRow}, {"row", kLayerOrRow},   {"pos", kCoordinate},
        {"prop", {0, 1000000}}, {"bestw", kSize},    {"besth", kSize},       {"minw", kSize},
        {"minh", kSize},     {"maxw", kSize},        {"maxh", kSize},        {"floatx", kCoordinate},
        {"floaty", kCoordinate}, {"floatw", kSize},  {"floath", kSize},
    };
    return numbers;
}
constexpr std::size_t kPaneTexts = 3;

std::optional<long long> NumberIn(std::string_view text, Range range)
{
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || at != end || value < range.lowest || value > range.highest)
        return std::nullopt;
    return value;
}

bool IsNumberIn(std::string_view text, Range range)
{
    return NumberIn(text, range).has_value();
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

// "dock_size(direction,layer,row)=size".
bool IsUsableDockPart(std::string_view part)
{
    const std::size_t open = part.find('(');
    const std::size_t close = part.find(")=");
    if (part.substr(0, open) != "dock_size" || close == std::string_view::npos || close < open)
        return false;
    const std::vector<std::string_view> place = Split(part.substr(open + 1, close - open - 1), ',');
    return place.size() == 3 && IsNumberIn(place[0], kDirection) && IsNumberIn(place[1], kLayerOrRow)
           && IsNumberIn(place[2], kLayerOrRow) && IsNumberIn(part.substr(close + 2), kSize);
}

// "name=...;caption=...;state=...;dir=...;..." with each field once; the
// name joins the names seen.
bool IsUsablePanePart(std::string_view part, std::set<std::string>& names)
{
    std::set<std::string_view> seen;
    for (std::string_view field : Split(part, ';')) {
        const std::size_t equals = field.find('=');
        if (equals == std::string_view::npos)
            return false;
        const std::string_view key = field.substr(0, equals);
        const std::string_view value = field.substr(equals + 1);
        if (!seen.insert(key).second)
            return false;
        if (key == "name") {
            names.emplace(value);
        } else if (key == "state") {
            const std::optional<long long> state = NumberIn(value, kState);
            if (!state || (*state & ~static_cast<long long>(kStoredPaneStates)) != 0)
                return false;
        } else if (key != "caption") {
            const auto number = PaneNumbers().find(key);
            if (number == PaneNumbers().end() || !IsNumberIn(value, number->second))
                return false;
        }
    }
    return seen.size() == PaneNumbers().size() + kPaneTexts;
}

}  // namespace

bool IsUsableBarLayout(std::string_view layout, const std::set<std::string>& paneNames)
{
    // The frame's pane names and captions need no escaped separators, nor
    // the control characters that the manager turns into separators.
    const auto isEscapeOrControl = [](char c) { return c == '\\' || static_cast<unsigned char>(c) < 0x20; };
    if (layout.size() > kLongestLayout || std::any_of(layout.begin(), layout.end(), isEscapeOrControl))
        return false;
    const std::vector<std::string_view> parts = Split(layout, '|');
    if (TrimmedText(parts.front()) != "layout2")
        return false;
    std::set<std::string> named;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::string_view part = parts[i];
        if (part.empty())
            break;  // where the manager stops reading
        if (!(part.substr(0, 9) == "dock_size" ? IsUsableDockPart(part) : IsUsablePanePart(part, named)))
            return false;
    }
    return std::includes(named.begin(), named.end(), paneNames.begin(), paneNames.end());
}
