#pragma once

// Process-wide state of the dense linear-algebra library: error stack, input and
// output units, options and the message sink. One instance; tests reset it.

#include <array>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// Thrown where the library would end the process; the library's entry point
// (DenseSolve) catches it and returns a status instead.
class LibraryStop : public std::runtime_error {
public:
    LibraryStop(int type, int code);
    int type;
    int code;
};

// One line the library wrote, with the unit it was written to.
struct NumlibSinkLine {
    int unit = 0;
    std::string text;
};

struct ErrorStackState {
    static constexpr int kMaxLevel = 50;
    static constexpr int kNameLength = 32;
    static constexpr std::size_t kMessageLength = 1024;
    static constexpr std::size_t kParameterCapacity = 300;

    bool initialised = false;
    int level = 1;
    int maxLevel = kMaxLevel;
    // Indexed by level 1..kMaxLevel; one spare slot above the top for ErrType(1).
    std::array<std::string, kMaxLevel + 2> name{};
    std::array<int, kMaxLevel + 2> type{};
    std::array<int, kMaxLevel + 2> code{};
    std::array<bool, kMaxLevel + 2> report{};
    std::string message;
    // Keyword letter (upper case) and digit -> substituted text.
    std::map<std::pair<char, int>, std::string> parameters;
    // Indexed by error type 1..7.
    std::array<bool, 8> print{};
    std::array<bool, 8> stop{};
    std::array<bool, 8> trace{};
    // The last message ErrPrint wrote, kept for the caller's status.
    std::string lastPrintedMessage;
};

struct OptionValues {
    std::vector<int> defaults;
    std::vector<int> current;
};

struct ProductOptions {
    std::string name;
    // chapters[c - 1][o - 1]: option o of chapter c.
    std::vector<std::vector<OptionValues>> chapters;
};

struct NumlibContext {
    NumlibContext();

    ErrorStackState errors;
    std::array<int, 4> units{};  // index 1 input, 2 output, 3 messages
    std::vector<ProductOptions> products;
    std::vector<NumlibSinkLine> sink;

    void WriteLine(int unit, std::string text);
};

NumlibContext& NumlibState();
// Back to the state of a freshly started program.
void ResetNumlibState();
