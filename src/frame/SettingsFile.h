#pragma once
// The program's settings store. The file is read by the program's own calls
// (frame/SettingsFileAccess.h) and handed to the toolkit only once its text is
// known to be sound (frame/SettingsFileText.h): a file with lines that do not
// read soundly is kept aside as a copy (the file's name and ".damaged", an
// earlier copy kept) and its sound lines take its place, so that the next
// start finds it clean. A settings path that is a folder, no regular file,
// too large or unreadable gives settings kept for this run only, and nothing
// is written there. The settings are written by the program's own calls too,
// through a link to the file it leads to, the link kept: a file that cannot
// be written is said once, and the run's settings stay in memory.

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

// One line for the output window when the settings in use (wxConfigBase::Get)
// could not be written since the last call, said once a run; empty otherwise.
std::string TakeSettingsWriteNote();
