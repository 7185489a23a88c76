#pragma once

// Running independent pieces of a calculation on the threads the process may use.

#include <functional>

// The CPUs the process may run on (its affinity mask, which taskset,
// containers and CI runners narrow), never more than the machine has and at
// least 1.
int MachineThreads();

// Runs task(i) for every i in [0, count) on up to `threads` threads, the
// calling thread included. Each thread takes the next index until none is
// left, so a thread the system refuses to start only leaves more for the
// others. Once every thread has stopped, the first exception a task threw is
// rethrown.
void RunTasks(int count, int threads, const std::function<void(int task)>& task);

// The same for tasks that run threads of their own: `threads` is shared out
// among the threads that run tasks side by side, and each task learns the
// share of the thread that runs it, so that all of them together never use
// more than `threads`.
void RunTasks(int count, int threads, const std::function<void(int task, int taskThreads)>& task);
