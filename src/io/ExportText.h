#pragma once
// What every text export shares: lines that end in CR LF, numbers that never
// depend on the process locale, names made safe for the record they stand in,
// the unit names, and one store that puts the file in place only once it is
// whole.

#include <string>

class CMessageReporter;

// The whole text of one export, built in memory before anything is stored.
class ExportText {
public:
    // Appends text and the CR LF that ends every line.
    void Line(const std::string& text);
    const std::string& Bytes() const { return text_; }

private:
    std::string text_;
};

// "%lg": six significant digits, trailing zeros dropped, exponent form below
// 1e-4 and from 1e6 on, always with a decimal point.
std::string FormatGeneral(double value);
// The shortest text that reads back to the same double, in plain or exponent
// form, whichever is shorter (12.345678, 1234567.8, 1.5e-07). Negative zero
// is written as 0.
std::string FormatCoordinate(double value);

// The name as it may stand inside one record: every control character becomes
// a blank, so no line break can split the record, and every character of
// replacedChars becomes '_'.
std::string NameForRecord(const std::string& name, const char* replacedChars = "");

// Unit names of the export files by unit code; empty for code 0 and for a code
// that names no unit.
const char* ForceUnitName(int code);
const char* LengthUnitName(int code);

// Stores the text at path, replacing a file there only once every byte is
// written. False after the error box: "Cannot open the file [%s]." when the
// file cannot be created, "Cannot write the file [%s]." when it cannot be
// written whole. A file that was at the path keeps its bytes then.
bool StoreExportFile(const CMessageReporter& reporter, const char* path, const ExportText& text);
