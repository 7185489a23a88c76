#pragma once
// What the error drain (klx-error-drain) tells the program that started it,
// once the program it ran has ended: the exit status and the length of what
// follows as decimal text, a space between and a line end after, then the
// first bytes of the error output. The status is minus the signal's number
// when a signal ended the program. The length tells a report cut short from a
// whole one. No window code: the drain is a small program of its own.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct DrainReport {
    int status = 0;
    std::string errorStart;
};

std::string EncodeDrainReport(const DrainReport& report);

// The longest report of a drain that keeps keptBytes of the error output.
std::size_t MostDrainReportBytes(std::size_t keptBytes);

struct DecodedDrainReport {
    // Nothing when the text is no report of a drain that keeps keptBytes.
    std::optional<DrainReport> report;
    // Then what is wrong with it, for the user.
    std::string fault;
};
DecodedDrainReport DecodeDrainReport(std::string_view text, std::size_t keptBytes);
