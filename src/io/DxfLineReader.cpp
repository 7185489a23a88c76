#include "io/DxfLineReader.h"

#include <charconv>
#include <cstdint>
#include <cmath>

namespace {

constexpr std::string_view kBinaryDxfSentinel = "AutoCAD Binary DXF";

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The text after leading blanks and tabs.
std::string_view SkipBlanks(std::string_view text)
{
    const size_t start = text.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

// Leading blanks and a sign taken off; the sign goes to negative. Empty when
// no digit (or a point before a digit) follows, so that words such as "nan"
// and "inf" are no number.
std::string_view UnsignedNumberStart(std::string_view text, bool& negative)
{
    text = SkipBlanks(text);
    negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const bool startsNumber = !text.empty()
        && (IsDigit(text.front()) || (text.front() == '.' && text.size() > 1 && IsDigit(text[1])));
    return startsNumber ? text : std::string_view();
}

// false when the text starts with no integer or one out of range.
bool ParseLeadingInt(std::string_view text, int& out)
{
    bool negative = false;
    text = UnsignedNumberStart(text, negative);
    if (text.empty() || !IsDigit(text.front()))
        return false;
    long long magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    (void)end;
    const long long value = negative ? -magnitude : magnitude;
    if (error != std::errc() || value < INT32_MIN || value > INT32_MAX)
        return false;
    out = static_cast<int>(value);
    return true;
}

} // namespace

bool DxfLineReader::ReadLine(std::string& line)
{
    line.clear();
    std::streambuf* buffer = in_.rdbuf();
    constexpr int kEnd = std::char_traits<char>::eof();
    int c = buffer->sbumpc();
    if (c == kEnd)
        return false;
    for (; c != kEnd; c = buffer->sbumpc()) {
        if (c == '\n')
            break;
        if (c == '\r') {
            if (buffer->sgetc() == '\n')
                buffer->sbumpc();
            break;
        }
        // The rest of an overlong line is read and dropped.
        if (line.size() < kMaxLineLength)
            line.push_back(static_cast<char>(c));
    }
    return true;
}

bool DxfLineReader::ReadGroup(int& code, std::string& value)
{
    if (!ReadLine(codeLine_))
        return false;
    code = ParseDxfGroupCode(codeLine_);
    return ReadLine(value);
}

void DxfLineReader::Rewind()
{
    in_.clear();
    in_.seekg(0);
}

std::streamoff DxfLineReader::Offset() const
{
    return in_.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in);
}

bool DxfLineReader::StartsAsBinaryDxf()
{
    std::string start(kBinaryDxfSentinel.size(), '\0');
    in_.read(start.data(), static_cast<std::streamsize>(start.size()));
    const bool binary = in_.gcount() == static_cast<std::streamsize>(start.size()) && start == kBinaryDxfSentinel;
    Rewind();
    return binary;
}

double ParseDxfDouble(std::string_view text)
{
    bool negative = false;
    text = UnsignedNumberStart(text, negative);
    if (text.empty())
        return 0.0;
    double magnitude = 0.0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), magnitude, std::chars_format::general);
    (void)end;
    if (error != std::errc() || !std::isfinite(magnitude))
        return 0.0;
    return negative ? -magnitude : magnitude;
}

int ParseDxfInt(std::string_view text)
{
    int value = 0;
    return ParseLeadingInt(text, value) ? value : 0;
}

int ParseDxfGroupCode(std::string_view text)
{
    int code = 0;
    return ParseLeadingInt(text, code) ? code : kUnreadableDxfGroupCode;
}

bool IsBitSet(int value, int bit)
{
    return bit >= 0 && bit < 32 && ((static_cast<unsigned>(value) >> bit) & 1U) != 0;
}
