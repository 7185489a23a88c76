#include <gtest/gtest.h>
#include <sched.h>

#include <algorithm>
#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

#include "NarrowedAffinity.h"
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

TEST(TaskThreadsTest, MachineThreadsAreTheCpusOfTheAffinityMask) {
    cpu_set_t allowedSet;
    ASSERT_EQ(sched_getaffinity(0, sizeof(allowedSet), &allowedSet), 0);
    const int allowed = std::min<int>(CPU_COUNT(&allowedSet), std::thread::hardware_concurrency());
    EXPECT_EQ(MachineThreads(), allowed);
    for (int count : {1, 2, 3}) {
        NarrowedAffinity narrowed(count);
        ASSERT_TRUE(narrowed.Ok());
        EXPECT_EQ(MachineThreads(), std::min(count, allowed)) << count << " CPUs asked for";
    }
    EXPECT_EQ(MachineThreads(), allowed);
}

// Tasks that run threads of their own, as the two solves of a pass do, run on
// the shares of one budget: never more inner tasks at once than the budget,
// whatever the budget and however many outer tasks there are.
TEST(TaskThreadsTest, TasksSharingTheThreadsNeverRunMoreThanTheBudget) {
    struct Case {
        int outerTasks, threads;
    };
    std::vector<Case> cases = {{2, 1}, {2, 2}, {2, 3}, {2, 8}, {3, 2}, {5, 7}, {1, 4}};
    NarrowedAffinity narrowed(2);
    ASSERT_TRUE(narrowed.Ok());
    cases.push_back({2, MachineThreads()});
    for (const Case c : cases) {
        std::atomic<int> running{0}, peak{0}, innerRuns{0};
        std::vector<int> shares(c.outerTasks, 0);
        RunTasks(c.outerTasks, c.threads, [&](int task, int taskThreads) {
            shares[task] = taskThreads;
            RunTasks(64, taskThreads, [&](int) {
                const int now = ++running;
                int seen = peak.load();
                while (now > seen && !peak.compare_exchange_weak(seen, now)) {
                }
                std::this_thread::yield();
                --running;
                ++innerRuns;
            });
        });
        const std::string name = std::to_string(c.outerTasks) + " tasks on " + std::to_string(c.threads) + " threads";
        EXPECT_LE(peak.load(), c.threads) << name;
        EXPECT_EQ(innerRuns.load(), 64 * c.outerTasks) << name;
        for (int share : shares) {
            EXPECT_GE(share, 1) << name;
            EXPECT_LE(share, c.threads) << name;
        }
    }
}

}  // namespace
