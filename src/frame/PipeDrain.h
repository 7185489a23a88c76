#pragma once
// Reads what a child program writes into a pipe as it comes, never waiting
// for more: the start of it, up to a bound, is kept; the rest is read and
// dropped. So the child never stops on a full pipe, a writer that keeps on
// writing costs no memory, and one that has not finished when we stop
// listening for it is not cut off (it ends when every writer has closed it).

#include <cstddef>
#include <string>

class PipeDrain {
public:
    // fd: the pipe's read end, which stays the caller's to close; it is made
    // non-blocking here. A negative fd is a pipe that has ended.
    PipeDrain(int fd, std::size_t keptLimit);

    // Reads what is there now, up to a share per call so that a busy writer
    // cannot hold the caller.
    void ReadAvailable();

    bool HasEnded() const { return ended_; }
    const std::string& Kept() const { return kept_; }
    // More was written than kept.
    bool WasCut() const { return cut_; }

private:
    int fd_;
    std::size_t keptLimit_;
    std::string kept_;
    bool cut_ = false;
    bool ended_ = false;
};
