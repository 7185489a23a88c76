#pragma once
// The information box a command shows once it has invalidated calculated
// properties, whatever the number of sections.

class CMessageReporter;

inline constexpr const char* kRecalculateAdvice = "Re-calculate the properties using [Properties]-[Calculate].";

// "The properties of 1 <kind>section are invalidated.\n\n<advice>", or the
// plural with the count; kind is "", "plane " or "line ". No box for 0.
void ReportInvalidatedSections(const CMessageReporter& reporter, int count, const char* kind,
                               const char* advice = kRecalculateAdvice);
