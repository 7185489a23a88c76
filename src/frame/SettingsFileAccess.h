#pragma once
// The settings file's bytes, read and written by the program's own calls and
// never by the toolkit's, whose failures come as message boxes. Only a
// regular file is read, and only up to a bound, so that a FIFO, a device or
// a link to one neither stops the start nor fills the memory; a FIFO is never
// opened. A file is written whole or not at all, and through its links, which
// stay.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// More than any settings the program writes; a file beyond it is not read.
inline constexpr std::size_t MAX_SETTINGS_FILE_BYTES = 1024 * 1024;

enum class SettingsFileKind { Absent, Read, Folder, NotRegular, TooLarge, Unreadable };

struct SettingsFileBytes {
    SettingsFileKind kind = SettingsFileKind::Absent;
    // The file's bytes, when read.
    std::string bytes;
    // Why it could not be read, in the system's words.
    std::string reason;
};

SettingsFileBytes ReadSettingsFileBytes(const std::filesystem::path& path);

// Where the path leads: the path itself when it is no link, else the end of
// its chain of links, which need not be there.
std::filesystem::path LinkedFile(const std::filesystem::path& path);

// The bytes put in place of the file the path leads to (LinkedFile) through a
// new file beside it, synced and renamed over it: a reader never finds half
// of them, nor an empty file after a crash. Nothing on success, else why
// not, in the system's words.
std::optional<std::string> ReplaceFileBytes(const std::filesystem::path& path, std::string_view bytes);

// The bytes kept in a new file beside the path: its name and ".damaged", or
// ".damaged.2", ".damaged.3" … when that is taken, so that no earlier copy is
// lost. Nothing when none could be written.
std::optional<std::filesystem::path> KeepBytesAside(const std::filesystem::path& path, std::string_view bytes);
