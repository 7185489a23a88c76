#include "frame/DetachedProgram.h"

#include "frame/ErrorDrainLaunch.h"
#include "frame/ErrorDrainReport.h"

#include <wx/app.h>
#include <wx/timer.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {

// How often the drain's report is looked for.
constexpr int kEndPollMs = 100;
// The longest UTF-8 character has this many bytes after its first.
constexpr std::size_t kMostContinuationBytes = 3;
// Room for the report's status line.
constexpr std::size_t kStatusLineBytes = 16;

bool IsContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The report's program end: at most limit bytes of the error output (the
// drain keeps one more, to tell a cut), ending before a character that the
// bound would cut: text cut inside a character reads as no UTF-8 at all.
DetachedProgramEnd ProgramEnd(const DrainReport& report, std::size_t limit)
{
    DetachedProgramEnd end;
    end.status = report.status;
    const std::string& bytes = report.errorStart;
    end.errorCut = bytes.size() > limit;
    std::size_t kept = std::min(bytes.size(), limit);
    if (end.errorCut) {
        while (kept > 0 && limit - kept < kMostContinuationBytes && IsContinuationByte(bytes[kept]))
            --kept;
    }
    end.errorStart = bytes.substr(0, kept);
    return end;
}

// Reads the drain's report now and then; once the drain has closed it, tells
// how the program ended.
class EndWatch : public wxTimer {
public:
    EndWatch(int report, std::size_t errorBytes, std::function<void(const DetachedProgramEnd&)> ended)
        : report_(report), errorBytes_(errorBytes), ended_(std::move(ended))
    {
        Start(kEndPollMs);
    }
    ~EndWatch() override { ::close(report_); }

    void Notify() override
    {
        char chunk[4096];
        ssize_t count = 0;
        while ((count = ::read(report_, chunk, sizeof chunk)) > 0) {
            // A drain never writes more; the bound holds whatever comes.
            const std::size_t most = kStatusLineBytes + errorBytes_ + 1;
            if (text_.size() < most)
                text_.append(chunk, std::min(most - text_.size(), static_cast<std::size_t>(count)));
        }
        if (count < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        Stop();
        // A drain that died before it told leaves nothing to report.
        const DetachedProgramEnd end = ProgramEnd(DecodeDrainReport(text_).value_or(DrainReport{}), errorBytes_);
        // Outside the timer's own callback, which still reads the timer after
        // this returns.
        wxTheApp->CallAfter([this, end] {
            const std::function<void(const DetachedProgramEnd&)> ended = std::move(ended_);
            delete this;
            ended(end);
        });
    }

private:
    int report_;
    std::size_t errorBytes_;
    std::string text_;
    std::function<void(const DetachedProgramEnd&)> ended_;
};

}  // namespace

std::string StartDetachedProgram(const std::string& errorDrain, const std::vector<std::string>& arguments,
                                 std::size_t errorBytes, std::function<void(const DetachedProgramEnd&)> ended)
{
    const DrainLaunch launch = LaunchThroughErrorDrain(errorDrain, arguments, errorBytes + 1);
    if (launch.report < 0)
        return launch.failure;
    ::fcntl(launch.report, F_SETFL, ::fcntl(launch.report, F_GETFL) | O_NONBLOCK);
    new EndWatch(launch.report, errorBytes, std::move(ended));
    return std::string();
}
