#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "calc/TaskThreads.h"

namespace {

TEST(TaskThreadsTest, EveryTaskRunsExactlyOnceWhateverTheThreadCount) {
    struct Case {
        int tasks, threads;
    };
    for (const Case c : {Case{0, 4}, Case{1, 8}, Case{2, 2}, Case{5, 1}, Case{7, 0}, Case{100, 3}, Case{3, 64}}) {
        std::vector<std::atomic<int>> runs(c.tasks);
        RunTasks(c.tasks, c.threads, [&](int task) { ++runs[task]; });
        for (int task = 0; task < c.tasks; ++task)
            EXPECT_EQ(runs[task].load(), 1) << c.tasks << " tasks on " << c.threads << " threads, task " << task;
    }
}

TEST(TaskThreadsTest, AnExceptionOfAnyTaskReachesTheCaller) {
    for (int thrower : {0, 5, 63}) {
        EXPECT_THROW(RunTasks(64, 4,
                              [&](int task) {
                                  if (task == thrower) throw std::runtime_error("task failed");
                              }),
                     std::runtime_error)
            << "task " << thrower;
    }
}

}  // namespace
