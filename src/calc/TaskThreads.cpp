#include "calc/TaskThreads.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

int MachineThreads() { return std::max(1, static_cast<int>(std::thread::hardware_concurrency())); }

void RunTasks(int count, int threads, const std::function<void(int task)>& task) {
    const int used = std::clamp(threads, 1, std::max(1, count));
    std::atomic<int> next{0};
    std::vector<std::exception_ptr> failures(used);
    const auto work = [&](int thread) {
        try {
            for (int i = next++; i < count; i = next++) task(i);
        } catch (...) {
            failures[thread] = std::current_exception();
        }
    };
    std::vector<std::thread> started;
    try {
        for (int thread = 1; thread < used; ++thread) started.emplace_back(work, thread);
    } catch (const std::system_error&) {
        // Fewer threads than asked for: the started ones share the tasks.
    }
    work(0);
    for (std::thread& thread : started) thread.join();
    for (const std::exception_ptr& failure : failures) {
        if (failure) std::rethrow_exception(failure);
    }
}
