#include "calc/WorkerThreads.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

void RunTasks(int count, int threads, const std::function<void(int)>& task) {
    const int workers = std::clamp(threads, 1, std::max(count, 1));
    std::atomic<int> next{0};
    std::vector<std::exception_ptr> failures(workers);
    const auto work = [&](int worker) {
        try {
            for (int i = next++; i < count; i = next++) task(i);
        } catch (...) {
            failures[worker] = std::current_exception();
        }
    };
    std::vector<std::thread> started;
    try {
        for (int worker = 1; worker < workers; ++worker) started.emplace_back(work, worker);
    } catch (const std::system_error&) {
        // Fewer threads than asked for: the started ones share the tasks.
    }
    work(0);
    for (std::thread& thread : started) thread.join();
    for (const std::exception_ptr& failure : failures) {
        if (failure) std::rethrow_exception(failure);
    }
}
