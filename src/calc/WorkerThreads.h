#pragma once

// A few independent tasks run on plain threads, the calling thread among them.

#include <functional>

// Runs task(0) .. task(count - 1) on up to `threads` threads, each thread
// taking the next task not yet taken. A thread that cannot be started leaves
// its tasks to the others. Returns once every task has run; the first
// exception a task threw is thrown again then.
void RunTasks(int count, int threads, const std::function<void(int)>& task);
