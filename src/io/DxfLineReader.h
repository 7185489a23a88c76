#pragma once
// The text form of a DXF drawing: a group code line followed by a value line,
// repeated. Lines may end in CR LF, LF or a bare CR; a UTF-8 byte-order mark
// before the first line is skipped. Numbers are read without regard to the
// locale.

#include <istream>
#include <optional>
#include <string>
#include <string_view>

// One group. A value line longer than the reader keeps holds its first
// characters only, and no number is read from it. The value of a group the
// format writes as a number is kept without the blanks and tabs before it and
// the zeros that lead its digits, which do not change it, so that no run of
// them pushes the digits past what is kept; the value of any other group is
// kept as written.
struct DxfGroup {
    int code = 0;
    std::string value;
    bool valueCut = false;

    // The value of a real-valued group: nothing unless the whole line is one
    // number (see ParseDxfReal), which a cut line never is taken to be.
    std::optional<double> Real() const;
    // The value of an integer group: nothing unless the whole line, white
    // space at either end aside, is one integer (a sign perhaps, then
    // digits) that an int holds, which a cut line never is taken to be.
    std::optional<int> Integer() const;
};

class DxfLineReader {
public:
    // Far more than any value a DXF writer produces (a double written to
    // its last digit takes some 1,100 characters), so that every number is
    // judged whole, yet a hostile line of any length costs no more memory.
    static constexpr size_t kKeptLineLength = 4096;

    // The stream is read as bytes from its start; open files in binary mode.
    explicit DxfLineReader(std::istream& in);

    // One line without its line end, at most kKeptLineLength characters of
    // it; cut tells whether the line went on beyond them (the rest is read
    // and dropped). False at the end of the stream.
    bool ReadLine(std::string& line, bool& cut);
    // A code line and its value line; false when either cannot be read, and
    // when the code line, kept as a number's value is, is not wholly one
    // integer an int holds (white space at either end aside): the value of a
    // group whose code is lost would go to no group or to the wrong one.
    bool ReadGroup(DxfGroup& group);
    // Back to the first line, for the next pass.
    void Rewind();
    // How many bytes have been read from the start.
    std::streamoff Offset() const;
    // The sentinel that starts a binary DXF file, whose groups are not lines.
    bool StartsAsBinaryDxf();

private:
    // As ReadLine; a line that holds a number is kept as the value of a
    // number group is.
    bool ReadLine(std::string& line, bool& cut, bool holdsNumber);
    // Whether the bytes come next; read past them if so, else left unread.
    bool SkipIfNext(std::string_view bytes);

    std::istream& in_;
    std::string codeLine_;
};

// The value of a real-valued group, or nothing when its text is not wholly
// one number: white space at either end aside, it must be a decimal number
// (a sign, digits with at most one point, an exponent of e or E with digits)
// or inf, infinity or nan in any case with either sign. A number too small
// for a double reads as 0, one beyond the largest double as infinite.
std::optional<double> ParseDxfReal(std::string_view text);

// Bit number bit (0 is the lowest) of value.
bool IsBitSet(int value, int bit);
