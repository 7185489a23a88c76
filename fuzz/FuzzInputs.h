#pragma once
// The fuzzed entry points, shared by the libFuzzer programs and by the test
// that replays their corpora. Each takes arbitrary bytes, must neither crash
// nor hang, and reports nothing (the model has no user ports).

#include <cstddef>
#include <cstdint>

// The bytes as a project file.
void FuzzProjectReader(const std::uint8_t* data, std::size_t size);
// The bytes as a DXF drawing, read into an import.
void FuzzDxfReader(const std::uint8_t* data, std::size_t size);
// The bytes as a project file; every section it holds is then calculated.
void FuzzProjectCalculation(const std::uint8_t* data, std::size_t size);
