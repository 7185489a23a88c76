#include "frame/SettingsFileAccess.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The most copies kept aside beside one settings file.
constexpr int MAX_KEPT_COPIES = 99;

// The most links followed from one path, as the system follows them.
constexpr int MAX_LINKS_FOLLOWED = 40;

std::string SystemReason(int error)
{
    return std::strerror(error);
}

bool WriteAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The permissions of the file at the path; for a new one those the user's
// mask leaves, as for any file the user makes.
mode_t PermissionsOf(const std::filesystem::path& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode))
        return status.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

SettingsFileBytes Unreadable(int error)
{
    return {SettingsFileKind::Unreadable, {}, SystemReason(error)};
}

}  // namespace

SettingsFileBytes ReadSettingsFileBytes(const std::filesystem::path& path)
{
    // The kind is known before anything is opened: opening a FIFO to read
    // waits for a writer.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return errno == ENOENT || errno == ENOTDIR ? SettingsFileBytes{} : Unreadable(errno);
    if (S_ISDIR(status.st_mode))
        return {SettingsFileKind::Folder, {}, {}};
    if (!S_ISREG(status.st_mode))
        return {SettingsFileKind::NotRegular, {}, {}};
    if (static_cast<std::uintmax_t>(status.st_size) > MAX_SETTINGS_FILE_BYTES)
        return {SettingsFileKind::TooLarge, {}, {}};
    // Not blocking, and checked again once open, should the path have been
    // replaced in between.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return errno == ENOENT ? SettingsFileBytes{} : Unreadable(errno);
    SettingsFileBytes file{SettingsFileKind::Read, {}, {}};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        file = {SettingsFileKind::NotRegular, {}, {}};
    } else {
        // One byte past the bound tells a file that grew beyond it.
        char buffer[16384];
        while (file.kind == SettingsFileKind::Read) {
            const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                file = Unreadable(errno);
            else if (got == 0)
                break;
            else if (file.bytes.size() + static_cast<std::size_t>(got) > MAX_SETTINGS_FILE_BYTES)
                file = {SettingsFileKind::TooLarge, {}, {}};
            else
                file.bytes.append(buffer, static_cast<std::size_t>(got));
        }
    }
    ::close(descriptor);
    return file;
}

std::filesystem::path LinkedFile(const std::filesystem::path& path)
{
    std::filesystem::path file = path;
    std::error_code error;
    for (int followed = 0; followed < MAX_LINKS_FOLLOWED && std::filesystem::is_symlink(file, error); ++followed) {
        const std::filesystem::path target = std::filesystem::read_symlink(file, error);
        if (error)
            break;
        // A relative target is taken from the link's folder.
        file = file.parent_path() / target;
    }
    return file;
}

std::optional<std::string> ReplaceFileBytes(const std::filesystem::path& path, std::string_view bytes)
{
    // Renamed over a link, the new file would take the link's place.
    const std::filesystem::path file = LinkedFile(path);
    if (std::error_code error; std::filesystem::is_symlink(file, error))
        return SystemReason(ELOOP);
    std::string newName = file.string() + ".XXXXXX";
    const int descriptor = ::mkostemp(newName.data(), O_CLOEXEC);
    if (descriptor < 0)
        return SystemReason(errno);
    bool written = ::fchmod(descriptor, PermissionsOf(file)) == 0 && WriteAll(descriptor, bytes)
                   && ::fsync(descriptor) == 0;
    int error = errno;
    if (::close(descriptor) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(newName.c_str(), file.c_str()) == 0)
        return std::nullopt;
    if (written)
        error = errno;
    ::unlink(newName.c_str());
    return SystemReason(error);
}

std::optional<std::filesystem::path> KeepBytesAside(const std::filesystem::path& path, std::string_view bytes)
{
    for (int copy = 1; copy <= MAX_KEPT_COPIES; ++copy) {
        const std::filesystem::path name =
            path.string() + ".damaged" + (copy == 1 ? std::string() : "." + std::to_string(copy));
        const int descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (descriptor < 0 && errno == EEXIST)
            continue;
        if (descriptor < 0)
            return std::nullopt;
        // Read by no one the settings file itself is not read by.
        const bool written = ::fchmod(descriptor, PermissionsOf(path)) == 0 && WriteAll(descriptor, bytes);
        if (::close(descriptor) == 0 && written)
            return name;
        ::unlink(name.c_str());
        return std::nullopt;
    }
    return std::nullopt;
}
