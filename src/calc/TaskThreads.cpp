#include "calc/TaskThreads.h"

#include <sched.h>

#include <algorithm>
#include <atomic>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

int MachineThreads() {
    const int machine = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    // A machine with more CPUs than the set holds refuses the call: then the
    // machine's count is all there is to go by.
    if (sched_getaffinity(0, sizeof(allowed), &allowed) != 0) return machine;
    return std::clamp(CPU_COUNT(&allowed), 1, machine);
}

void RunTasks(int count, int threads, const std::function<void(int task, int taskThreads)>& task) {
    const int budget = std::max(1, threads);
    const int used = std::clamp(threads, 1, std::max(1, count));
    std::atomic<int> next{0};
    std::vector<std::exception_ptr> failures(used);
    const auto work = [&](int thread) {
        // The first threads take the budget's remainder.
        const int share = budget / used + (thread < budget % used ? 1 : 0);
        try {
            for (int i = next++; i < count; i = next++) task(i, share);
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

void RunTasks(int count, int threads, const std::function<void(int task)>& task) {
    RunTasks(count, threads, [&task](int i, int) { task(i); });
}
