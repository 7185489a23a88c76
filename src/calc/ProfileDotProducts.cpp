#include "calc/ProfileDotProducts.h"

#include <cstring>

namespace {

// Two doubles the compiler keeps in one vector register where it has them.
using Pair = double __attribute__((vector_size(16)));

Pair Load(const double* p) {
    Pair v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// DotProduct's running sums: element k of a product that starts at `first`
// goes to sum (k - first) mod 4 while it lies in a whole group of four, and
// to sum 0 after the last whole group.
struct RunningSums {
    double s[4] = {0.0, 0.0, 0.0, 0.0};
    std::int64_t first;
    std::int64_t groupsEnd;

    RunningSums(std::int64_t from, std::int64_t end) : first(from), groupsEnd(from + (end - from) / 4 * 4) {}

    // Elements begin..end - 1 of a, each times b[k - first].
    void Add(const double* a, const double* b, std::int64_t begin, std::int64_t end) {
        for (std::int64_t k = begin; k < end; ++k) s[k < groupsEnd ? (k - first) & 3 : 0] += a[k] * b[k - first];
    }
    double Total() const { return (s[0] + s[1]) + (s[2] + s[3]); }
};

}  // namespace

double DotProduct(const double* a, const double* b, std::int64_t count) {
    double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0;
    std::int64_t k = 0;
    for (; k + 4 <= count; k += 4) {
        s0 += a[k] * b[k];
        s1 += a[k + 1] * b[k + 1];
        s2 += a[k + 2] * b[k + 2];
        s3 += a[k + 3] * b[k + 3];
    }
    for (; k < count; ++k) s0 += a[k] * b[k];
    return (s0 + s1) + (s2 + s3);
}

void PairedDotProducts(const double* a, const double* b1, std::int64_t count1, const double* b2, std::int64_t count2,
                       double& dot1, double& dot2) {
    if (count2 > count1) {
        PairedDotProducts(a - (count2 - count1), b2, count2, b1, count1, dot2, dot1);
        return;
    }
    // Positions along a: the first product spans [0, count1), the second
    // [lag, count1), reading b2 at k - lag.
    const std::int64_t lag = count1 - count2;
    RunningSums early(0, count1), late(lag, count1);
    early.Add(a, b1, 0, lag);
    // Over the groups both products still have, the second product's groups
    // start at k, and element k + m of the first goes to its sum `turn + m`.
    const std::int64_t bothEnd = early.groupsEnd < late.groupsEnd ? early.groupsEnd : late.groupsEnd;
    const int turn = static_cast<int>(lag & 3);
    // Two sums to a register: the same additions, lane by lane.
    Pair e01{early.s[turn], early.s[(turn + 1) & 3]}, e23{early.s[(turn + 2) & 3], early.s[(turn + 3) & 3]};
    Pair l01{late.s[0], late.s[1]}, l23{late.s[2], late.s[3]};
    std::int64_t k = lag;
    for (; k + 4 <= bothEnd; k += 4) {
        const Pair a01 = Load(a + k), a23 = Load(a + k + 2);
        e01 += a01 * Load(b1 + k);
        e23 += a23 * Load(b1 + k + 2);
        l01 += a01 * Load(b2 + (k - lag));
        l23 += a23 * Load(b2 + (k - lag) + 2);
    }
    early.s[turn] = e01[0];
    early.s[(turn + 1) & 3] = e01[1];
    early.s[(turn + 2) & 3] = e23[0];
    early.s[(turn + 3) & 3] = e23[1];
    late.s[0] = l01[0];
    late.s[1] = l01[1];
    late.s[2] = l23[0];
    late.s[3] = l23[1];
    early.Add(a, b1, k, count1);
    late.Add(a, b2, k, count1);
    dot1 = early.Total();
    dot2 = late.Total();
}
