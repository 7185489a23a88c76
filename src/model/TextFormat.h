#pragma once
// printf-style formatting that ignores the process locale, so "%.3lf" always
// writes a decimal point whatever the desktop's language.

#include <string>

std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
