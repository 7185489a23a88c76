#include "numlib/NumlibContext.h"

#include <cstddef>

namespace {

constexpr int kMathChapters = 10;
constexpr int kStatChapters = 20;
constexpr int kMathChapterOneOptions = 21;
constexpr int kConditionOption = 17;

std::vector<ProductOptions> DefaultOptions()
{
    ProductOptions math{"MATH", std::vector<std::vector<OptionValues>>(kMathChapters)};
    // Only the option the library reads carries values: factor only (1) or
    // factor and estimate the condition (2).
    math.chapters[0].resize(kMathChapterOneOptions);
    math.chapters[0][kConditionOption - 1] = OptionValues{{1, 2}, {1, 2}};
    ProductOptions stat{"STAT", std::vector<std::vector<OptionValues>>(kStatChapters)};
    return {math, stat};
}

NumlibContext& Instance()
{
    static NumlibContext context;
    return context;
}

}  // namespace

LibraryStop::LibraryStop(int stopType, int stopCode)
    : std::runtime_error("linear-algebra library stopped with error type " + std::to_string(stopType) +
                         ", code " + std::to_string(stopCode)),
      type(stopType),
      code(stopCode)
{
}

NumlibContext::NumlibContext() : units{0, 5, 6, 6}, products(DefaultOptions()) {}

void NumlibContext::WriteLine(int unit, std::string text)
{
    // The sink is read right after a solve; keep only the recent lines so a
    // long session of failing solves does not grow it without bound.
    constexpr std::size_t kMaxSinkLines = 1000;
    if (sink.size() >= kMaxSinkLines)
        sink.erase(sink.begin(), sink.begin() + kMaxSinkLines / 2);
    sink.push_back(NumlibSinkLine{unit, std::move(text)});
}

NumlibContext& NumlibState()
{
    return Instance();
}

void ResetNumlibState()
{
    Instance() = NumlibContext();
}
