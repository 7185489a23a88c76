#include "frame/ErrorDrainReport.h"

#include <charconv>

std::string EncodeDrainReport(const DrainReport& report)
{
    return std::to_string(report.status) + '\n' + report.errorStart;
}

std::optional<DrainReport> DecodeDrainReport(std::string_view text)
{
    const std::size_t lineEnd = text.find('\n');
    if (lineEnd == std::string_view::npos)
        return std::nullopt;
    DrainReport report;
    const char* end = text.data() + lineEnd;
    if (const auto [at, error] = std::from_chars(text.data(), end, report.status); error != std::errc() || at != end)
        return std::nullopt;
    report.errorStart = std::string(text.substr(lineEnd + 1));
    return report;
}
