#pragma once
// printf-style formatting that ignores the process locale, so "%.3lf" always
// writes a decimal point whatever the desktop's language; and typed or read
// text without the blanks around it.

#include <string>
#include <string_view>

std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The text without the characters of blanks at either end; empty when it
// holds nothing else.
std::string_view TrimmedText(std::string_view text, std::string_view blanks = " \t");
