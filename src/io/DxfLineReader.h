#pragma once
// The text form of a DXF drawing: a group code line followed by a value line,
// repeated. Lines may end in CR LF, LF or a bare CR; a line keeps at most its
// first 511 characters. Numbers are read without regard to the locale.

#include <istream>
#include <optional>
#include <string>
#include <string_view>

// The code a group gets when its code line holds no number; no reader looks
// at it, so such a group is passed over.
constexpr int kUnreadableDxfGroupCode = -99999;

class DxfLineReader {
public:
    static constexpr size_t kMaxLineLength = 511;

    // The stream is read as bytes; open files in binary mode.
    explicit DxfLineReader(std::istream& in) : in_(in) {}

    // One line without its line end; false at the end of the stream.
    bool ReadLine(std::string& line);
    // A code line and its value line; false when either cannot be read.
    bool ReadGroup(int& code, std::string& value);
    // Back to the first line, for the next pass.
    void Rewind();
    // How many bytes have been read from the start.
    std::streamoff Offset() const;
    // The sentinel that starts a binary DXF file, whose groups are not lines.
    bool StartsAsBinaryDxf();

private:
    std::istream& in_;
    std::string codeLine_;
};

// The value of a real-valued group, or nothing when its text is not wholly
// one number: white space at either end aside, it must be a decimal number
// (a sign, digits with at most one point, an exponent of e or E with digits)
// or inf, infinity or nan in any case with either sign. A number too small
// for a double reads as 0, one beyond the largest double as infinite.
std::optional<double> ParseDxfReal(std::string_view text);
// The integer at the start of the text, blanks and tabs before it allowed, up
// to the first character that cannot continue it; 0 when there is none.
int ParseDxfInt(std::string_view text);
// The group code of a code line; kUnreadableDxfGroupCode when it holds no number.
int ParseDxfGroupCode(std::string_view text);

// Bit number bit (0 is the lowest) of value.
bool IsBitSet(int value, int bit);
