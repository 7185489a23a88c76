#include "frame/DetachedProgram.h"

#include "frame/ErrorDrainReport.h"

#include <wx/app.h>
#include <wx/timer.h>

#include <algorithm>
#include <unistd.h>
#include <utility>

namespace {

// How often the drain's report is looked for.
constexpr int kEndPollMs = 100;
// The longest UTF-8 character has this many bytes after its first.
constexpr std::size_t kMostContinuationBytes = 3;

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
    end.known = true;
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

// The drain keeps one byte more than the end holds, to tell a cut.
std::size_t DrainKeptBytes(std::size_t errorBytes)
{
    return errorBytes + 1;
}

// Reads the drain's report now and then; once the drain has closed it, or
// it has gone wrong, tells how the program ended.
class EndWatch : public wxTimer {
public:
    EndWatch(const std::string& drain, const DrainLaunch& launch, std::size_t errorBytes,
             std::function<void(const DetachedProgramEnd&)> ended)
        : drain_(drain), report_(launch.report), text_(launch.reportStart), errorBytes_(errorBytes),
          ended_(std::move(ended))
    {
        Start(kEndPollMs);
    }
    ~EndWatch() override { ::close(report_); }

    void Notify() override
    {
        const std::size_t kept = DrainKeptBytes(errorBytes_);
        const ReportReading reading = ReadReportSoFar(report_, text_, kept);
        if (reading == ReportReading::Open)
            return;
        Stop();
        DetachedProgramEnd end;
        if (reading == ReportReading::Overfull) {
            end.drainFailure = DrainReportFailure(drain_, kOverfullReportFault);
        } else if (!text_.empty()) {
            const DecodedDrainReport decoded = DecodeDrainReport(text_, kept);
            if (decoded.report)
                end = ProgramEnd(*decoded.report, errorBytes_);
            else
                end.drainFailure = DrainReportFailure(drain_, decoded.fault);
        }
        // Outside the timer's own callback, which still reads the timer after
        // this returns.
        wxTheApp->CallAfter([this, end] {
            const std::function<void(const DetachedProgramEnd&)> ended = std::move(ended_);
            delete this;
            ended(end);
        });
    }

private:
    std::string drain_;
    int report_;
    std::string text_;
    std::size_t errorBytes_;
    std::function<void(const DetachedProgramEnd&)> ended_;
};

}  // namespace

std::string StartDetachedProgram(const ErrorDrain& errorDrain, const std::vector<std::string>& arguments,
                                 std::size_t errorBytes, std::function<void(const DetachedProgramEnd&)> ended)
{
    const DrainLaunch launch = LaunchThroughErrorDrain(errorDrain, arguments, DrainKeptBytes(errorBytes));
    if (launch.report < 0)
        return launch.failure;
    new EndWatch(errorDrain.path, launch, errorBytes, std::move(ended));
    return std::string();
}
