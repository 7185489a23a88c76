#include "model/TextFormat.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <locale.h>
#include <vector>

namespace {

locale_t ClassicLocale()
{
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return classic;
}

// Switches the calling thread to the "C" locale for the lifetime of the guard.
class ClassicLocaleGuard {
public:
    ClassicLocaleGuard() : previous_(uselocale(ClassicLocale())) {}
    ~ClassicLocaleGuard() { uselocale(previous_); }
    ClassicLocaleGuard(const ClassicLocaleGuard&) = delete;
    ClassicLocaleGuard& operator=(const ClassicLocaleGuard&) = delete;

private:
    locale_t previous_;
};

} // namespace

std::string FormatText(const char* format, ...)
{
    ClassicLocaleGuard guard;

    va_list args;
    va_start(args, format);
    va_list sizing;
    va_copy(sizing, args);
    const int length = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);

    std::string text;
    if (length > 0) {
        std::vector<char> buffer(static_cast<size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        text.assign(buffer.data(), static_cast<size_t>(length));
    }
    va_end(args);
    return text;
}

std::string_view TrimmedText(std::string_view text, std::string_view blanks)
{
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}
