#include "io/DxfLineReader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <utility>

namespace {

constexpr std::string_view kBinaryDxfSentinel = "AutoCAD Binary DXF";
// Some Windows programs start their text files with it.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Allowed at either end of a number's line: a blank, a tab, a line feed, a
// vertical tab, a form feed or a carriage return.
bool IsWhiteSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The text without the white space at either end. Met for every number the
// file holds, so compared, not searched for.
std::string_view WithoutWhiteSpace(std::string_view text)
{
    while (!text.empty() && IsWhiteSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsWhiteSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// The text without its sign, if it starts with one; the sign goes to negative.
std::string_view WithoutSign(std::string_view text, bool& negative)
{
    negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    return text;
}

size_t DigitCount(std::string_view text, size_t from)
{
    size_t count = 0;
    while (from + count < text.size() && IsDigit(text[from + count]))
        ++count;
    return count;
}

// Digits with at most one point among or around them, at least one digit,
// then perhaps an exponent: e or E, a sign perhaps, and digits.
bool IsUnsignedDecimal(std::string_view text)
{
    size_t at = DigitCount(text, 0);
    size_t digits = at;
    if (at < text.size() && text[at] == '.') {
        const size_t fraction = DigitCount(text, at + 1);
        digits += fraction;
        at += 1 + fraction;
    }
    if (digits == 0)
        return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
        const size_t exponent = DigitCount(text, at);
        if (exponent == 0)
            return false;
        at += exponent;
    }
    return at == text.size();
}

bool EqualsIgnoringCase(std::string_view text, std::string_view lowerCase)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(text.begin(), text.end(), lowerCase.begin(), lowerCase.end(),
                      [&lower](char c, char expected) { return lower(c) == expected; });
}

// "inf", "infinity" or "nan" in any case, and not a longer word.
bool IsNonFiniteSpelling(std::string_view text)
{
    return EqualsIgnoringCase(text, "inf") || EqualsIgnoringCase(text, "infinity") || EqualsIgnoringCase(text, "nan");
}

// For a decimal number that no double holds, without its sign: whether it
// lies beyond the largest double rather than below the smallest. Which one
// the power of ten of its first significant digit tells: 0 or more only for
// a number of at least 1.
bool IsBeyondLargestDouble(std::string_view number)
{
    const size_t mantissaEnd = std::min(number.find_first_not_of("0123456789."), number.size());
    const std::string_view mantissa = number.substr(0, mantissaEnd);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::string_view whole = mantissa.substr(0, point);
    const std::string_view fraction = mantissa.substr(std::min(point + 1, mantissa.size()));
    long long order = 0;
    if (const size_t first = whole.find_first_not_of('0'); first != std::string_view::npos)
        order = static_cast<long long>(whole.size() - first) - 1;
    else if (const size_t firstAfterPoint = fraction.find_first_not_of('0'); firstAfterPoint != std::string_view::npos)
        order = -static_cast<long long>(firstAfterPoint) - 1;
    else
        return false;

    std::string_view rest = number.substr(mantissaEnd);
    long long exponent = 0;
    if (!rest.empty() && (rest.front() == 'e' || rest.front() == 'E')) {
        rest.remove_prefix(1);
        const bool negativeExponent = !rest.empty() && rest.front() == '-';
        if (!rest.empty() && (rest.front() == '-' || rest.front() == '+'))
            rest.remove_prefix(1);
        // Capped far beyond any double's, so that it cannot overflow here.
        for (size_t i = 0; i < rest.size() && IsDigit(rest[i]) && exponent < 100000; ++i)
            exponent = exponent * 10 + (rest[i] - '0');
        if (negativeExponent)
            exponent = -exponent;
    }
    return order + exponent >= 0;
}

// The integer the text wholly is, white space at either end aside: a sign
// perhaps, then digits. Nothing when it is anything else or out of an int's
// range, nor for a line that was cut, whose dropped rest would decide it.
// Read for every code line, so read in one sweep.
std::optional<int> WholeInt(std::string_view text, bool cut)
{
    if (cut)
        return std::nullopt;
    bool negative = false;
    const std::string_view digits = WithoutSign(WithoutWhiteSpace(text), negative);
    if (digits.empty())
        return std::nullopt;
    // Beyond it no int is read, whatever the sign.
    constexpr long long kLargestMagnitude = -static_cast<long long>(INT32_MIN);
    long long magnitude = 0;
    for (const char c : digits) {
        if (!IsDigit(c))
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kLargestMagnitude)
            return std::nullopt;
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

// The codes of the groups the format writes as numbers: reals, integers,
// flags and booleans. Looked up in a table, as every group asks.
bool IsNumberGroupCode(int code)
{
    static constexpr std::pair<int, int> kRanges[] = {
        {10, 99}, {110, 149}, {160, 179}, {210, 239}, {270, 299},
        {370, 389}, {400, 409}, {420, 429}, {440, 469}, {1010, 1071},
    };
    static constexpr auto kIsNumber = [] {
        std::array<bool, 1072> table{};
        for (const auto& [first, last] : kRanges) {
            for (int number = first; number <= last; ++number)
                table[static_cast<size_t>(number)] = true;
        }
        return table;
    }();
    return code >= 0 && code < static_cast<int>(kIsNumber.size()) && kIsNumber[static_cast<size_t>(code)];
}

} // namespace

std::optional<double> DxfGroup::Real() const
{
    return valueCut ? std::nullopt : ParseDxfReal(value);
}

std::optional<int> DxfGroup::Integer() const
{
    return WholeInt(value, valueCut);
}

DxfLineReader::DxfLineReader(std::istream& in) : in_(in)
{
    SkipIfNext(kUtf8ByteOrderMark);
}

bool DxfLineReader::ReadLine(std::string& line, bool& cut)
{
    return ReadLine(line, cut, false);
}

bool DxfLineReader::ReadLine(std::string& line, bool& cut, bool holdsNumber)
{
    line.clear();
    cut = false;
    std::streambuf* buffer = in_.rdbuf();
    constexpr int kEnd = std::char_traits<char>::eof();
    int c = buffer->sbumpc();
    if (c == kEnd)
        return false;
    // What leads a number's digits is dropped before the line is copied;
    // its first byte tells whether there is any.
    if (holdsNumber) {
        while (c == ' ' || c == '\t')
            c = buffer->sbumpc();
        if (c == '+' || c == '-') {
            line.push_back(static_cast<char>(c));
            c = buffer->sbumpc();
        }
        if (c == '0') {
            do
                c = buffer->sbumpc();
            while (c == '0');
            // One zero stays before what is no digit: it may be the number's
            // only digit, or the one before its point.
            if (!IsDigit(static_cast<char>(c)))
                line.push_back('0');
        }
    }
    for (; c != kEnd; c = buffer->sbumpc()) {
        if (c == '\n')
            break;
        if (c == '\r') {
            if (buffer->sgetc() == '\n')
                buffer->sbumpc();
            break;
        }
        if (line.size() < kKeptLineLength)
            line.push_back(static_cast<char>(c));
        else
            cut = true;
    }
    return true;
}

bool DxfLineReader::ReadGroup(DxfGroup& group)
{
    bool codeCut = false;
    if (!ReadLine(codeLine_, codeCut, true))
        return false;
    const std::optional<int> code = WholeInt(codeLine_, codeCut);
    if (!code)
        return false;
    group.code = *code;
    return ReadLine(group.value, group.valueCut, IsNumberGroupCode(group.code));
}

void DxfLineReader::Rewind()
{
    in_.clear();
    in_.seekg(0);
    SkipIfNext(kUtf8ByteOrderMark);
}

std::streamoff DxfLineReader::Offset() const
{
    return in_.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in);
}

bool DxfLineReader::StartsAsBinaryDxf()
{
    Rewind();
    const bool binary = SkipIfNext(kBinaryDxfSentinel);
    Rewind();
    return binary;
}

bool DxfLineReader::SkipIfNext(std::string_view bytes)
{
    const std::streampos start = in_.tellg();
    std::string next(bytes.size(), '\0');
    in_.read(next.data(), static_cast<std::streamsize>(next.size()));
    if (in_.gcount() == static_cast<std::streamsize>(next.size()) && next == bytes)
        return true;
    in_.clear();
    in_.seekg(start);
    return false;
}

std::optional<double> ParseDxfReal(std::string_view text)
{
    bool negative = false;
    text = WithoutSign(WithoutWhiteSpace(text), negative);
    double magnitude = 0.0;
    if (IsNonFiniteSpelling(text)) {
        magnitude = text.front() == 'n' || text.front() == 'N' ? std::numeric_limits<double>::quiet_NaN()
                                                               : std::numeric_limits<double>::infinity();
    } else {
        if (!IsUnsignedDecimal(text))
            return std::nullopt;
        const auto [end, error] =
            std::from_chars(text.data(), text.data() + text.size(), magnitude, std::chars_format::general);
        if (error == std::errc::result_out_of_range)
            magnitude = IsBeyondLargestDouble(text) ? std::numeric_limits<double>::infinity() : 0.0;
        else if (error != std::errc() || end != text.data() + text.size())
            return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

bool IsBitSet(int value, int bit)
{
    return bit >= 0 && bit < 32 && ((static_cast<unsigned>(value) >> bit) & 1U) != 0;
}
