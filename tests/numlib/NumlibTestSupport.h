#pragma once

// Shared pieces of the library's tests: a fixture that starts every case from
// a fresh library state, random matrices and a view of the message sink.

#include "numlib/NumlibContext.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

class NumlibTest : public ::testing::Test {
protected:
    void SetUp() override { ResetNumlibState(); }
    void TearDown() override { ResetNumlibState(); }

    // All lines written to the sink, joined with newlines.
    static std::string SinkText()
    {
        std::string text;
        for (const NumlibSinkLine& line : NumlibState().sink) {
            text += line.text + "\n";
        }
        return text;
    }
};

// How a call ended: the type and code of the library's stop, 0 and 0 when it returned.
struct StopOutcome {
    int type = 0;
    int code = 0;
};

template <class Call>
StopOutcome StopOf(Call&& call)
{
    try {
        call();
    } catch (const LibraryStop& stop) {
        return {stop.type, stop.code};
    }
    return {};
}

// `count` values uniform in [-1, 1]; an n x n matrix takes n * n of them.
inline std::vector<double> RandomValues(std::size_t count, std::uint32_t seed)
{
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> entry(-1.0, 1.0);
    std::vector<double> values(count);
    for (double& value : values) {
        value = entry(generator);
    }
    return values;
}

inline std::vector<double> RandomMatrix(int n, std::uint32_t seed)
{
    return RandomValues(static_cast<std::size_t>(n) * static_cast<std::size_t>(n), seed);
}
