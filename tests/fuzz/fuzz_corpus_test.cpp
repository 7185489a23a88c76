// Every input kept in the fuzz targets' corpora runs through its entry point
// again: none may crash, leak or trip a sanitizer.

#include "FuzzInputs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

void ReplayCorpus(const char* folder, void (*entry)(const std::uint8_t*, std::size_t))
{
    const std::filesystem::path corpus = std::filesystem::path(KLX_FUZZ_CORPUS_DIR) / folder;
    int inputs = 0;
    for (const auto& file : std::filesystem::directory_iterator(corpus)) {
        SCOPED_TRACE(file.path().filename().string());
        std::ifstream in(file.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++inputs;
    }
    EXPECT_GT(inputs, 0) << corpus;
}

TEST(FuzzCorpusTest, ProjectReaderInputs)
{
    ReplayCorpus("project", FuzzProjectReader);
}

TEST(FuzzCorpusTest, DxfReaderInputs)
{
    ReplayCorpus("dxf", FuzzDxfReader);
}

TEST(FuzzCorpusTest, ProjectCalculationInputs)
{
    ReplayCorpus("calculate", FuzzProjectCalculation);
}

} // namespace
