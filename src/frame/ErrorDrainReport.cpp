#include "frame/ErrorDrainReport.h"

#include <charconv>
#include <limits>

namespace {

// A status, a space, a length and the line end.
constexpr std::size_t kMostStatusLineBytes =
    (std::numeric_limits<int>::digits10 + 2) + 1 + (std::numeric_limits<std::size_t>::digits10 + 1) + 1;

DecodedDrainReport Fault(const char* fault)
{
    return {std::nullopt, fault};
}

}  // namespace

std::string EncodeDrainReport(const DrainReport& report)
{
    return std::to_string(report.status) + ' ' + std::to_string(report.errorStart.size()) + '\n' +
           report.errorStart;
}

std::size_t MostDrainReportBytes(std::size_t keptBytes)
{
    return kMostStatusLineBytes + keptBytes;
}

DecodedDrainReport DecodeDrainReport(std::string_view text, std::size_t keptBytes)
{
    const std::size_t lineEnd = text.substr(0, kMostStatusLineBytes).find('\n');
    if (lineEnd == std::string_view::npos)
        return Fault(text.size() < kMostStatusLineBytes ? "it ends before its first line does"
                                                        : "its first line is too long");
    DrainReport report;
    std::size_t length = 0;
    const char* end = text.data() + lineEnd;
    const auto [statusEnd, statusError] = std::from_chars(text.data(), end, report.status);
    const bool spaced = statusError == std::errc() && statusEnd != end && *statusEnd == ' ';
    const auto [lengthEnd, lengthError] =
        spaced ? std::from_chars(statusEnd + 1, end, length) : std::from_chars_result{statusEnd, statusError};
    if (!spaced || lengthError != std::errc() || lengthEnd != end)
        return Fault("its first line is not a status and a length");
    if (length > keptBytes)
        return Fault("it claims more than the drain keeps");
    const std::string_view errorStart = text.substr(lineEnd + 1);
    if (errorStart.size() < length)
        return Fault("it is cut short");
    if (errorStart.size() > length)
        return Fault("it goes on past its end");
    report.errorStart = std::string(errorStart);
    return {report, ""};
}
