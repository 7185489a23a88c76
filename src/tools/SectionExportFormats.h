#pragma once
// The six file formats in which the Section and Group pages export sections.

// One export format: its radio's label, the file's extension, the name the
// save-file chooser offers and the chooser's filter.
struct ExportFormat {
    const char* label;
    const char* extension;
    const char* offeredName;
    const char* filter;  // "description|pattern|..."
};

constexpr int EXPORT_FORMAT_COUNT = 6;
// By format code, the radios' order; 3, the section file, alone merges
// straight lines.
extern const ExportFormat EXPORT_FORMATS[EXPORT_FORMAT_COUNT];
constexpr int EXPORT_SECTION_FILE = 3;

// The format of the code; null for a code outside the table.
const ExportFormat* ExportFormatOf(int format);
