#pragma once

// Running independent pieces of a calculation on the machine's threads.

#include <functional>

// The threads the machine offers, at least 1.
int MachineThreads();

// Runs task(i) for every i in [0, count) on up to `threads` threads, the
// calling thread included. Each thread takes the next index until none is
// left, so a thread the system refuses to start only leaves more for the
// others. Once every thread has stopped, the first exception a task threw is
// rethrown.
void RunTasks(int count, int threads, const std::function<void(int task)>& task);
