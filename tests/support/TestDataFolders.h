#pragma once
// Where the tests' data files lie. The tests' source folder is fixed when the
// tests are built, so the files are found whatever the working directory and
// however the compiler spells the source file names.

#include <filesystem>

inline std::filesystem::path TestsFolder() { return KLX_TESTS_DIR; }

// The DXF drawings the tests pin, copied beside the tests with their licence.
inline std::filesystem::path PinnedDxfFolder() { return TestsFolder() / "io" / "data" / "dxf"; }
