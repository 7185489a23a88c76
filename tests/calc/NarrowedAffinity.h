#pragma once

#include <sched.h>

// Narrows the calling thread's CPUs to the first `count` of those it may use
// now, and gives the old set back at the end of the scope.
class NarrowedAffinity {
public:
    explicit NarrowedAffinity(int count) {
        CPU_ZERO(&original_);
        ok_ = sched_getaffinity(0, sizeof(original_), &original_) == 0;
        cpu_set_t narrowed;
        CPU_ZERO(&narrowed);
        for (int cpu = 0, taken = 0; ok_ && cpu < CPU_SETSIZE && taken < count; ++cpu) {
            if (CPU_ISSET(cpu, &original_)) {
                CPU_SET(cpu, &narrowed);
                ++taken;
            }
        }
        ok_ = ok_ && sched_setaffinity(0, sizeof(narrowed), &narrowed) == 0;
    }
    ~NarrowedAffinity() { sched_setaffinity(0, sizeof(original_), &original_); }
    NarrowedAffinity(const NarrowedAffinity&) = delete;
    NarrowedAffinity& operator=(const NarrowedAffinity&) = delete;

    bool Ok() const { return ok_; }

private:
    cpu_set_t original_;
    bool ok_ = false;
};
