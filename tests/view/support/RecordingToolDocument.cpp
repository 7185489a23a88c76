#include "view/support/RecordingToolDocument.h"

#include <charconv>

std::string RecordedArgument(int value)
{
    return std::to_string(value);
}

std::string RecordedArgument(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

std::string RecordedArgument(bool value)
{
    return value ? "true" : "false";
}

std::string RecordedArgument(const std::string& value)
{
    return "\"" + value + "\"";
}

std::string RecordedArgument(const std::vector<int>& ids)
{
    std::string text = "[";
    for (std::size_t i = 0; i < ids.size(); ++i)
        text += (i ? ", " : "") + std::to_string(ids[i]);
    return text + "]";
}

std::string RecordedArgument(const std::vector<std::pair<int, int>>& pairs)
{
    std::string text = "[";
    for (std::size_t i = 0; i < pairs.size(); ++i)
        text += (i ? ", (" : "(") + std::to_string(pairs[i].first) + ", " + std::to_string(pairs[i].second) + ")";
    return text + "]";
}

std::string RecordedArgument(RecordedPoint point)
{
    return "(" + RecordedArgument(point.xy[0]) + ", " + RecordedArgument(point.xy[1]) + ")";
}

std::string RecordedArgument(RecordedColour colour)
{
    return "(" + std::to_string(colour.rgb[0]) + ", " + std::to_string(colour.rgb[1]) + ", "
           + std::to_string(colour.rgb[2]) + ")";
}

RecordingToolDocument::RecordingToolDocument()
{
    model.m_reporter.SetPorts(user.Ports());
}
