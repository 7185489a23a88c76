#pragma once

// Escape while the solid model is solved. The solver's loops run on several
// threads and know nothing of the user: they ask CancelWatch::Requested(),
// which on the thread that started the calculation looks at the user's input
// at most once an interval, and on every other thread reads what the last
// look found. One calculation runs at a time (the document is busy
// meanwhile), so the watch of the running one serves the whole process.

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <thread>

class CancelWatch {
public:
    static constexpr std::chrono::milliseconds kDefaultInterval{50};

    // Watches until destroyed; `poll` says whether the user cancelled, and is
    // called on the constructing thread only, the first time at its first ask.
    explicit CancelWatch(std::function<bool()> poll, std::chrono::milliseconds interval = kDefaultInterval);
    ~CancelWatch();
    CancelWatch(const CancelWatch&) = delete;
    CancelWatch& operator=(const CancelWatch&) = delete;

    bool Cancelled() const { return cancelled_.load(std::memory_order_relaxed); }

    // From the solver's loops, on any thread: true once the user has
    // cancelled the watched calculation; false when nothing is watched.
    static bool Requested();

    // Items of a long loop between two asks: each costs little, and an ask
    // between so many costs nothing worth counting.
    static constexpr std::size_t kItemsBetweenAsks = 4096;

    // Requested(), asked at every kItemsBetweenAsks-th item of a loop.
    static bool RequestedAt(std::size_t item) { return item % kItemsBetweenAsks == 0 && Requested(); }

private:
    bool Check();

    std::function<bool()> poll_;
    std::chrono::milliseconds interval_;
    std::thread::id owner_;
    std::chrono::steady_clock::time_point lastPoll_{};
    bool polled_ = false;
    std::atomic<bool> cancelled_{false};
    CancelWatch* previous_;
};
