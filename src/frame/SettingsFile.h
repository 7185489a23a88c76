#pragma once
// The program's settings store, its file read only once its text is known to
// be sound (frame/SettingsFileText.h): a file with lines that do not read
// soundly is kept aside as a copy (the file's name and ".damaged") and its
// sound lines take its place, so that the next start finds it clean. A
// settings path that is a folder gives settings kept for this run only, and
// nothing is written beside it.

#include <filesystem>
#include <memory>
#include <string>

class wxConfigBase;

struct OpenedSettings {
    std::unique_ptr<wxConfigBase> config;
    // One line for the output window on what was found amiss; empty when
    // nothing was.
    std::string note;
};

OpenedSettings OpenSettingsFile(const std::filesystem::path& path);
