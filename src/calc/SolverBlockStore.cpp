#include "calc/SolverBlockStore.h"

#include <stdlib.h>  // mkdtemp

#include <cstdint>
#include <cstdio>
#include <memory>
#include <system_error>
#include <vector>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// A record is its entry count followed by the entries, so a read of the wrong
// length is caught instead of returning whatever the file happens to hold.
using RecordLength = std::int64_t;

}  // namespace

SolverBlockStore::SolverBlockStore(std::filesystem::path parent) : parent_(std::move(parent)) {}

SolverBlockStore::~SolverBlockStore() { Remove(); }

bool SolverBlockStore::Create() {
    Remove();
    std::error_code error;
    std::filesystem::path parent = parent_;
    if (parent.empty()) {
        parent = std::filesystem::temp_directory_path(error);
        if (error) return false;
    }
    std::string pattern = (parent / "klx-eqsolver-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr) return false;
    folder_ = std::filesystem::path(name.data());
    return true;
}

void SolverBlockStore::Remove() {
    if (folder_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
    folder_.clear();
}

std::string SolverBlockStore::BlockFileName(int block) { return "FORT." + std::to_string(block + 100); }

bool SolverBlockStore::WriteScratchBlock(int block, std::span<const double> data) {
    if (folder_.empty() || block < 1) return false;
    const std::filesystem::path path = folder_ / BlockFileName(block);
    std::FILE* raw = std::fopen(path.c_str(), "wb");
    if (raw == nullptr) return false;
    FileHandle file(raw);
    const RecordLength length = static_cast<RecordLength>(data.size());
    if (std::fwrite(&length, sizeof length, 1, file.get()) != 1) return false;
    if (!data.empty() && std::fwrite(data.data(), sizeof(double), data.size(), file.get()) != data.size()) {
        return false;
    }
    // Closing flushes the buffered tail, where a full disk shows itself.
    return std::fclose(file.release()) == 0;
}

bool SolverBlockStore::ReadScratchBlock(int block, std::span<double> data) const {
    if (folder_.empty() || block < 1) return false;
    const std::filesystem::path path = folder_ / BlockFileName(block);
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    RecordLength length = 0;
    if (std::fread(&length, sizeof length, 1, file.get()) != 1) return false;
    if (length != static_cast<RecordLength>(data.size())) return false;
    return data.empty() || std::fread(data.data(), sizeof(double), data.size(), file.get()) == data.size();
}
