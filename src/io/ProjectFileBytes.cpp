#include "io/ProjectFileBytes.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

static_assert(std::numeric_limits<double>::is_iec559, "the file stores IEEE 754 doubles");

namespace {

void AppendLittleEndian(std::string& bytes, std::uint64_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

std::uint64_t DecodeLittleEndian(const char* data, int byteCount)
{
    std::uint64_t value = 0;
    for (int i = 0; i < byteCount; ++i)
        value |= std::uint64_t{static_cast<unsigned char>(data[i])} << (8 * i);
    return value;
}

// Closes the descriptor on every path that does not close it explicitly.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return fd_; }
    // Hands the descriptor over to the caller, who closes it.
    int Release() { return std::exchange(fd_, -1); }
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// A save through a symbolic link replaces the file it points to, not the link.
std::string ResolveSaveTarget(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error))
        return path;
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    return error ? path : target.string();
}

// Creates a fresh temporary file beside target (mode 0666 less the umask);
// -1 when the folder does not let us.
int CreateTemporaryBeside(const std::string& target, std::string& temporaryPath)
{
    static std::atomic<unsigned> serial{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = target + ".~" + std::to_string(::getpid()) + "-" + std::to_string(serial++) + ".tmp";
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

void ProjectFileWriter::WriteInt32(std::int32_t value)
{
    AppendLittleEndian(bytes_, static_cast<std::uint32_t>(value), 4);
}

void ProjectFileWriter::WriteUInt32(std::uint32_t value)
{
    AppendLittleEndian(bytes_, value, 4);
}

void ProjectFileWriter::WriteDouble(double value)
{
    AppendLittleEndian(bytes_, std::bit_cast<std::uint64_t>(value), 8);
}

void ProjectFileWriter::WriteDoubles(const double* values, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        WriteDouble(values[i]);
}

void ProjectFileWriter::WriteFlag(bool value)
{
    bytes_.push_back(value ? 1 : 0);
}

void ProjectFileWriter::WriteName(const std::string& name)
{
    const std::size_t length = std::min(name.find('\0'), name.size());
    if (length > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw std::length_error("name too long for a project file");
    WriteInt32(static_cast<std::int32_t>(length));
    bytes_.append(name, 0, length);
}

void ProjectFileWriter::WriteCount(std::size_t count)
{
    if (count > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("too many records for a project file");
    WriteUInt32(static_cast<std::uint32_t>(count));
}

void ProjectFileWriter::WriteIdList(const std::vector<int>& ids)
{
    WriteCount(ids.size());
    for (int id : ids)
        WriteInt32(id);
}

ProjectFileReader::ProjectFileReader(std::string bytes, std::string path)
    : bytes_(std::move(bytes)), path_(std::move(path))
{
}

const char* ProjectFileReader::Take(std::size_t byteCount)
{
    if (byteCount > BytesLeft())
        throw ProjectFileDamaged("the file ends before its last record");
    const char* data = bytes_.data() + position_;
    position_ += byteCount;
    return data;
}

std::int32_t ProjectFileReader::ReadInt32()
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(DecodeLittleEndian(Take(4), 4)));
}

std::uint32_t ProjectFileReader::ReadUInt32()
{
    return static_cast<std::uint32_t>(DecodeLittleEndian(Take(4), 4));
}

double ProjectFileReader::ReadDouble()
{
    return std::bit_cast<double>(DecodeLittleEndian(Take(8), 8));
}

void ProjectFileReader::ReadDoubles(double* values, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        values[i] = ReadDouble();
}

bool ProjectFileReader::ReadFlag()
{
    return *Take(1) != 0;
}

std::string ProjectFileReader::ReadName()
{
    const std::int32_t length = ReadInt32();
    if (length < 0)
        throw ProjectFileDamaged("a name has a negative length");
    if (static_cast<std::size_t>(length) > BytesLeft())
        throw ProjectFileDamaged("a name runs past the end of the file");
    const char* data = Take(static_cast<std::size_t>(length));
    return std::string(data, ::strnlen(data, static_cast<std::size_t>(length)));
}

std::size_t ProjectFileReader::ReadCount(std::size_t minItemBytes)
{
    const std::uint64_t count = ReadUInt32();
    if (count * std::max<std::size_t>(minItemBytes, 1) > BytesLeft())
        throw ProjectFileDamaged("a count is larger than the records that follow");
    return static_cast<std::size_t>(count);
}

std::vector<int> ProjectFileReader::ReadIdList()
{
    const std::size_t count = ReadCount(4);
    std::vector<int> ids;
    ids.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        ids.push_back(ReadInt32());
    return ids;
}

FileStoreResult StoreFileReplacing(const std::string& path, const std::string& bytes)
{
    const std::string target = ResolveSaveTarget(path);
    std::string temporaryPath;
    FileDescriptor file(CreateTemporaryBeside(target, temporaryPath));
    if (file.Get() < 0)
        return FileStoreResult::CannotCreate;

    // A replaced file keeps its permissions.
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0)
        ::fchmod(file.Get(), existing.st_mode & 07777);

    const bool written = WriteAll(file.Get(), bytes) && ::fsync(file.Get()) == 0;
    if (!file.Close() || !written || ::rename(temporaryPath.c_str(), target.c_str()) != 0) {
        ::unlink(temporaryPath.c_str());
        return FileStoreResult::CannotWrite;
    }
    return FileStoreResult::Stored;
}

namespace {

// Opens path for reading; a descriptor below 0 unless it names a regular file.
// Not blocking, so that opening a pipe cannot hang; a regular file reads the
// same either way. A pipe or a device could block or never end.
int OpenRegularFile(const std::string& path, struct stat& status)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.Get() < 0 || ::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode))
        return -1;
    return file.Release();
}

} // namespace

bool IsReadableRegularFile(const std::string& path)
{
    struct stat status {};
    return FileDescriptor(OpenRegularFile(path, status)).Get() >= 0;
}

FileLoadResult LoadWholeFile(const std::string& path, std::string& bytes)
{
    struct stat status {};
    FileDescriptor file(OpenRegularFile(path, status));
    if (file.Get() < 0)
        return FileLoadResult::CannotOpen;
    if (static_cast<std::uint64_t>(status.st_size) > kLargestProjectFileBytes)
        return FileLoadResult::TooLarge;

    bytes.assign(static_cast<std::size_t>(status.st_size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(file.Get(), bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return FileLoadResult::CannotRead;
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    // A file that shrank while we read it is read as it now ends.
    bytes.resize(done);
    return FileLoadResult::Loaded;
}
