#pragma once
// What the error drain (klx-error-drain) tells the program that started it,
// once the program it ran has ended: the exit status as decimal text and a
// line end, then the first bytes of the error output. The status is minus the
// signal's number when a signal ended the program. No window code: the drain
// is a small program of its own.

#include <optional>
#include <string>
#include <string_view>

struct DrainReport {
    int status = 0;
    std::string errorStart;
};

std::string EncodeDrainReport(const DrainReport& report);
// Nothing when the text is no whole report: a drain that died before it
// had told.
std::optional<DrainReport> DecodeDrainReport(std::string_view text);
