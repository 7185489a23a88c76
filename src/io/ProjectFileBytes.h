#pragma once
// The byte layer of the project file: little-endian int32 and uint32, IEEE
// doubles, one-byte flags, names and id lists, field by field with no padding.
// The writer fills memory and the file is stored in one step; the reader works
// on the whole file in memory and checks every field against the bytes left,
// so a hostile file can neither overrun a buffer nor make it allocate for
// records that are not there.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// A project file that cannot be what it claims: it ends too early, or a count,
// length, id, code or reference is out of bounds. what() says which.
class ProjectFileDamaged : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ProjectFileWriter {
public:
    void WriteInt32(std::int32_t value);
    void WriteUInt32(std::uint32_t value);
    void WriteDouble(double value);
    void WriteDoubles(const double* values, std::size_t count);
    void WriteFlag(bool value);
    // The bytes up to the first zero byte, after their int32 count.
    void WriteName(const std::string& name);
    // A collection's or list's unsigned 32-bit count.
    void WriteCount(std::size_t count);
    void WriteIdList(const std::vector<int>& ids);

    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

class ProjectFileReader {
public:
    // path is the name the messages show; the reader never opens it.
    ProjectFileReader(std::string bytes, std::string path);

    const std::string& GetFilePath() const { return path_; }
    std::size_t BytesLeft() const { return bytes_.size() - position_; }

    std::int32_t ReadInt32();
    std::uint32_t ReadUInt32();
    double ReadDouble();
    void ReadDoubles(double* values, std::size_t count);
    // Any non-zero byte reads as true.
    bool ReadFlag();
    // Read whole whatever its length; a zero byte inside ends the name, as the
    // writer would have ended it.
    std::string ReadName();
    // A count of items that take at least minItemBytes each; refused when the
    // bytes left cannot hold that many, before anything is allocated.
    std::size_t ReadCount(std::size_t minItemBytes);
    std::vector<int> ReadIdList();

private:
    const char* Take(std::size_t byteCount);

    std::string bytes_;
    std::size_t position_ = 0;
    std::string path_;
};

// Whole-file transfer. A store writes a temporary file beside the target and
// renames it over the target only once every byte is on disk, so a failed save
// never leaves a truncated file in place of the old one.
enum class FileStoreResult { Stored, CannotCreate, CannotWrite };
FileStoreResult StoreFileReplacing(const std::string& path, const std::string& bytes);

// Files larger than this are not read: no project comes near it, and a read
// must never try to hold an arbitrary file in memory.
constexpr std::size_t kLargestProjectFileBytes = std::size_t{1} << 30;

enum class FileLoadResult { Loaded, CannotOpen, TooLarge, CannotRead };
// Only regular files are read: a pipe or a device could block or never end.
bool IsReadableRegularFile(const std::string& path);
FileLoadResult LoadWholeFile(const std::string& path, std::string& bytes);
