#pragma once
// The text of the settings file (wxFileConfig's format) checked line by line
// before the toolkit reads it, which asserts or complains on lines it cannot
// place: a key with no name, a group header met twice, a key met twice in one
// group, a line of neither kind. No window code.

#include <string>
#include <string_view>

struct SettingsFileText {
    // The lines that read soundly, each ended by a line break: blank lines,
    // comments, a group's header the first time, and "key=value" lines with a
    // name met once in their group. The lines under a header that is not
    // sound go with it.
    std::string sound;
    // Some line did not read soundly (nor as UTF-8 text).
    bool damaged = false;
};

SettingsFileText CheckedSettingsText(std::string_view bytes);
