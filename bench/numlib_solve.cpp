// SolveDenseSystem against LAPACK's expert driver dgesvx (equilibration, LU,
// condition estimate, refinement) on the same random systems.

#include "../tests/numlib/LapackOracle.h"
#include "numlib/DenseSolve.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

struct BenchSystem {
    int n;
    std::vector<double> rowMajor;
    std::vector<double> columnMajor;
    std::vector<double> b;
};

BenchSystem MakeSystem(int n)
{
    std::mt19937 generator(static_cast<std::mt19937::result_type>(n));
    std::uniform_real_distribution<double> entry(-1.0, 1.0);
    const auto size = static_cast<std::size_t>(n);
    BenchSystem system{n, std::vector<double>(size * size), std::vector<double>(size * size), std::vector<double>(size)};
    for (std::size_t i = 0; i < size; ++i) {
        for (std::size_t j = 0; j < size; ++j) {
            const double value = entry(generator);
            system.rowMajor[i * size + j] = value;
            system.columnMajor[j * size + i] = value;
        }
        system.b[i] = entry(generator);
    }
    return system;
}

void BM_SolveDenseSystem(benchmark::State& state)
{
    const BenchSystem system = MakeSystem(static_cast<int>(state.range(0)));
    std::vector<double> x;
    for (auto _ : state) {
        const DenseSolveStatus status = SolveDenseSystem(system.n, system.rowMajor, system.b, x);
        benchmark::DoNotOptimize(status.solved);
        benchmark::DoNotOptimize(x.data());
    }
}

void BM_Dgesvx(benchmark::State& state)
{
    const BenchSystem system = MakeSystem(static_cast<int>(state.range(0)));
    const int n = system.n;
    const auto size = static_cast<std::size_t>(n);
    const int one = 1;
    std::vector<double> af(size * size), r(size), c(size), x(size), work(4 * size);
    std::vector<int> ipiv(size), iwork(size);
    double rcond = 0.0, ferr = 0.0, berr = 0.0;
    char equed = 'N';
    int info = 0;
    for (auto _ : state) {
        std::vector<double> a = system.columnMajor;  // dgesvx may equilibrate A and b in place
        std::vector<double> b = system.b;
        dgesvx_("E", "N", &n, &one, a.data(), &n, af.data(), &n, ipiv.data(), &equed, r.data(), c.data(), b.data(), &n, x.data(),
                &n, &rcond, &ferr, &berr, work.data(), iwork.data(), &info, 1, 1, 1);
        benchmark::DoNotOptimize(x.data());
        benchmark::DoNotOptimize(info);
    }
}

}  // namespace

BENCHMARK(BM_SolveDenseSystem)->Arg(10)->Arg(100)->Arg(500)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Dgesvx)->Arg(10)->Arg(100)->Arg(500)->Unit(benchmark::kMicrosecond);
