#pragma once

// Scratch files for the blocks of an out-of-core factorisation. Each block
// lives in a file of its own ("FORT." and the block number plus 100) inside a
// private folder that Create makes under the system's temporary directory, so
// concurrent runs never share names and nothing lands in the current
// directory. Every open, write and read is checked; a failure is reported by
// the return value, never by a half-filled buffer passed on as data.

#include <filesystem>
#include <span>
#include <string>

class SolverBlockStore {
public:
    // parent: where the private folder is made; empty for the system's
    // temporary directory.
    explicit SolverBlockStore(std::filesystem::path parent = {});
    ~SolverBlockStore();
    SolverBlockStore(const SolverBlockStore&) = delete;
    SolverBlockStore& operator=(const SolverBlockStore&) = delete;

    // Removes any earlier folder and makes a fresh, empty one.
    [[nodiscard]] bool Create();
    // Removes the folder and every block in it; harmless when there is none.
    void Remove();
    bool IsCreated() const { return !folder_.empty(); }
    const std::filesystem::path& Folder() const { return folder_; }

    // Replaces block's file (block >= 1) with the given entries.
    [[nodiscard]] bool WriteScratchBlock(int block, std::span<const double> data);
    // Reads exactly data.size() entries of block's file; false when the file is
    // missing or holds a record of another length.
    [[nodiscard]] bool ReadScratchBlock(int block, std::span<double> data) const;

    // File name of a block: FORT.101 for block 1; from block 900 on the number
    // simply grows a digit, so names never collide.
    static std::string BlockFileName(int block);

private:
    std::filesystem::path parent_;
    std::filesystem::path folder_;
};
