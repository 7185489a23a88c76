#include "frame/PipeDrain.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::size_t kChunkBytes = 4096;
// A few pipe buffers' worth per call.
constexpr std::size_t kBytesPerCall = 256 * 1024;

}  // namespace

PipeDrain::PipeDrain(int fd, std::size_t keptLimit) : fd_(fd), keptLimit_(keptLimit), ended_(fd < 0)
{
    if (ended_)
        return;
    const int flags = ::fcntl(fd_, F_GETFL);
    if (flags == -1 || ::fcntl(fd_, F_SETFL, flags | O_NONBLOCK) == -1)
        ended_ = true;  // a read could block: better to hear nothing
}

void PipeDrain::ReadAvailable()
{
    char chunk[kChunkBytes];
    for (std::size_t total = 0; !ended_ && total < kBytesPerCall;) {
        const ssize_t count = ::read(fd_, chunk, sizeof chunk);
        if (count > 0) {
            const std::size_t room = keptLimit_ - std::min(keptLimit_, kept_.size());
            const std::size_t taken = std::min(room, static_cast<std::size_t>(count));
            kept_.append(chunk, taken);
            cut_ = cut_ || taken < static_cast<std::size_t>(count);
            total += static_cast<std::size_t>(count);
        } else if (count == 0) {
            ended_ = true;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            break;
        } else if (errno != EINTR) {
            ended_ = true;
        }
    }
}
