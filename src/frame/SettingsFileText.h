#pragma once
// The text of the settings file (wxFileConfig's format) checked line by line
// as the toolkit reads it, before the toolkit does: it asserts or complains
// on lines it cannot place (a key with no name, a group header met twice, a
// key met twice in one group, words after a header, a line of neither kind).
// A leading UTF-8 byte-order mark is passed over, as the toolkit passes it
// over; a mark after it belongs to the first line, as it does for the
// toolkit. No window code.

#include <string>
#include <string_view>

struct SettingsFileText {
    // The lines that read soundly, each ended by a line break: blank lines,
    // comments, a group's header the first time (cut after its "]"), and
    // "key=value" lines with a name met once in their group. The lines under
    // a header that is not sound go with it. Read as they were checked: a
    // first line that starts with a mark keeps it (WithFirstLineMarkKept).
    std::string sound;
    // Some line did not read soundly, nor whole: a line that is no UTF-8
    // text (which the toolkit would read otherwise: all its lines as
    // Latin-1) or holds a NUL (where the toolkit stops reading).
    bool damaged = false;
};

SettingsFileText CheckedSettingsText(std::string_view bytes);

// The text with a byte-order mark put before it when it starts with one, so
// that a reader that passes over a leading mark (the toolkit, the check)
// keeps the first line's own.
std::string WithFirstLineMarkKept(std::string text);
