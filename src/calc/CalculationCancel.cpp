// The watch of the running calculation, asked from the solver's threads.

#include "calc/CalculationCancel.h"

#include <utility>

namespace {

std::atomic<CancelWatch*> g_watch{nullptr};

}  // namespace

CancelWatch::CancelWatch(std::function<bool()> poll, std::chrono::milliseconds interval)
    : poll_(std::move(poll)), interval_(interval), owner_(std::this_thread::get_id()),
      previous_(g_watch.exchange(this))
{
}

CancelWatch::~CancelWatch() { g_watch.store(previous_); }

bool CancelWatch::Requested()
{
    CancelWatch* watch = g_watch.load();
    return watch != nullptr && watch->Check();
}

bool CancelWatch::Check()
{
    if (Cancelled() || std::this_thread::get_id() != owner_)
        return Cancelled();
    const auto now = std::chrono::steady_clock::now();
    if (polled_ && now - lastPoll_ < interval_)
        return false;
    polled_ = true;
    lastPoll_ = now;
    if (poll_())
        cancelled_.store(true, std::memory_order_relaxed);
    return Cancelled();
}
