#include "io/ExportText.h"

#include "io/ProjectFileBytes.h"
#include "model/MessageReporter.h"
#include "model/TextFormat.h"

#include <charconv>
#include <cstring>
#include <iterator>

void ExportText::Line(const std::string& text)
{
    text_ += text;
    text_ += "\r\n";
}

std::string FormatGeneral(double value)
{
    return FormatText("%lg", value);
}

std::string FormatCoordinate(double value)
{
    if (value == 0.0)
        value = 0.0;  // drops the sign of a negative zero
    char buffer[64];  // the longest shortest form of a double has 24 characters
    char* end = std::to_chars(std::begin(buffer), std::end(buffer), value).ptr;
    return std::string(buffer, end);
}

std::string NameForRecord(const std::string& name, const char* replacedChars)
{
    std::string safe = name;
    for (char& c : safe) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7f)
            c = ' ';
        else if (std::strchr(replacedChars, c))
            c = '_';
    }
    return safe;
}

const char* ForceUnitName(int code)
{
    static const char* const names[] = {"", "N", "KN", "KGF", "TONF", "LBF", "KIP"};
    return code >= 0 && code < static_cast<int>(std::size(names)) ? names[code] : "";
}

const char* LengthUnitName(int code)
{
    static const char* const names[] = {"", "M", "CM", "MM", "FT", "IN"};
    return code >= 0 && code < static_cast<int>(std::size(names)) ? names[code] : "";
}

bool StoreExportFile(const CMessageReporter& reporter, const char* path, const ExportText& text)
{
    const std::string target = path ? path : "";
    if (target.empty())
        return reporter.ReportFileOpenError(target);
    switch (StoreFileReplacing(target, text.Bytes())) {
    case FileStoreResult::Stored:
        return true;
    case FileStoreResult::CannotCreate:
        return reporter.ReportFileOpenError(target);
    case FileStoreResult::CannotWrite:
        break;
    }
    return reporter.ShowError(FormatText("Cannot write the file [%s].", target.c_str()));
}
