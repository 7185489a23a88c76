// The long run of the command sequences that the tests run a few hundred of:
// each iteration is one more seed, undone and redone to the end. A broken
// rule stops the run with the seed and the step that broke it.

#include <benchmark/benchmark.h>

#include "support/CommandSequences.h"

#include <string>

namespace {

void BM_CommandSequences(benchmark::State& state)
{
    unsigned seed = 1;
    for (auto _ : state) {
        const std::string fault = RunCommandSequence(seed++, 30);
        if (!fault.empty()) {
            state.SkipWithError(fault.c_str());
            break;
        }
    }
}
BENCHMARK(BM_CommandSequences)->Iterations(100000)->Unit(benchmark::kMillisecond);

} // namespace
