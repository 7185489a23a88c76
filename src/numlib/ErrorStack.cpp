#include "numlib/ErrorStack.h"

#include "numlib/MachineConstants.h"
#include "numlib/CharRoutines.h"
#include "numlib/NumlibContext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr std::array<const char*, 8> kTypeWord = {"", "NOTE", "ALERT", "WARNING", "FATAL", "TERMINAL", "WARNING", "FATAL"};
constexpr std::string_view kKeywordLetters = "ACDIKLRSZ";
constexpr std::size_t kLineWidth = 78;
constexpr std::string_view kContinuation = " ***          ";

ErrorStackState& Stack()
{
    ErrorStackState& stack = NumlibState().errors;
    if (!stack.initialised) {
        ErrInit();
    }
    return stack;
}

std::string PaddedName(std::string_view name)
{
    std::string padded(name.substr(0, ErrorStackState::kNameLength));
    padded.resize(ErrorStackState::kNameLength, ' ');
    return padded;
}

std::string TrimmedName(const std::string& name)
{
    const auto end = name.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : name.substr(0, end + 1);
}

char UpperCase(char ch)
{
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

const char* TypeWord(int type)
{
    return (type >= 1 && type <= 7) ? kTypeWord[static_cast<std::size_t>(type)] : "";
}

void StoreParameter(char letter, int digit, std::string text)
{
    ErrorStackState& stack = Stack();
    const auto key = std::make_pair(letter, digit);
    stack.parameters.erase(key);
    std::size_t used = 0;
    for (const auto& entry : stack.parameters) {
        used += entry.second.size();
    }
    const std::size_t room = ErrorStackState::kParameterCapacity - std::min(used, ErrorStackState::kParameterCapacity);
    text.resize(std::min(text.size(), room));
    stack.parameters[key] = std::move(text);
}

// Replaces each "%(Xn)" keyword that has a stored text; others stay as written.
std::string SubstituteKeywords(std::string_view msg, const std::map<std::pair<char, int>, std::string>& parameters)
{
    std::string out;
    std::size_t i = 0;
    while (i < msg.size()) {
        if (i + 4 < msg.size() && msg[i] == '%' && msg[i + 1] == '(' && msg[i + 4] == ')' &&
            kKeywordLetters.find(UpperCase(msg[i + 2])) != std::string_view::npos && msg[i + 3] >= '1' &&
            msg[i + 3] <= '9') {
            const auto found = parameters.find({UpperCase(msg[i + 2]), msg[i + 3] - '0'});
            if (found != parameters.end()) {
                out += found->second;
                i += 5;
                continue;
            }
        }
        out += msg[i];
        ++i;
    }
    return out;
}

// Breaks text at blanks into lines of at most kLineWidth; "%/" forces a break.
std::vector<std::string> WrapLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t forced = text.find("%/", start);
        std::string_view segment(text.data() + start, (forced == std::string::npos ? text.size() : forced) - start);
        bool first = true;
        do {
            const std::string_view prefix = (lines.empty() && first) ? std::string_view() : kContinuation;
            const std::size_t room = kLineWidth - prefix.size();
            std::size_t cut = segment.size();
            if (segment.size() > room) {
                cut = segment.rfind(' ', room);
                if (cut == std::string_view::npos || cut == 0) {
                    cut = std::min(segment.find(' '), segment.size());
                }
            }
            std::string line = std::string(prefix) + std::string(segment.substr(0, cut));
            line.erase(line.find_last_not_of(' ') + 1);
            lines.push_back(std::move(line));
            segment.remove_prefix(cut);
            segment.remove_prefix(std::min(segment.find_first_not_of(' '), segment.size()));
            first = false;
        } while (!segment.empty());
        if (forced == std::string::npos) {
            break;
        }
        start = forced + 2;
    }
    return lines;
}

void WriteTraceback(int unit)
{
    const ErrorStackState& stack = Stack();
    NumlibContext& context = NumlibState();
    context.WriteLine(unit, std::string("    Here is a traceback of subprogram calls") + " in reverse order:");
    context.WriteLine(unit, std::string("    Routine name               ") + "    Error type  Error code");
    context.WriteLine(unit, "    ------------                   ----------  ----------");
    for (int level = stack.level; level >= 1; --level) {
        std::array<char, 128> line{};
        std::snprintf(line.data(), line.size(), "    %-31s%10d%12d", TrimmedName(stack.name[static_cast<std::size_t>(level)]).c_str(),
                      stack.type[static_cast<std::size_t>(level)], stack.code[static_cast<std::size_t>(level)]);
        std::string text(line.data());
        if (level != 1 && !stack.report[static_cast<std::size_t>(level)]) {
            text += "    (Called internally)";
        }
        context.WriteLine(unit, text);
    }
}

[[noreturn]] void StopAtCurrentLevel()
{
    const ErrorStackState& stack = Stack();
    const auto level = static_cast<std::size_t>(stack.level);
    throw LibraryStop(stack.type[level], stack.code[level]);
}

void SetCurrentMessage(std::string text)
{
    text.resize(std::min(text.size(), ErrorStackState::kMessageLength));
    Stack().message = std::move(text);
}

[[noreturn]] void FailQuery(const char* routine)
{
    ErrorStackState& stack = Stack();
    const auto level = static_cast<std::size_t>(stack.level);
    stack.type[level] = 5;
    stack.code[level] = 1;
    SetCurrentMessage(std::string(".  The argument passed to ") + routine + " must be 0 or 1. ");
    ErrPrint();
    StopAtCurrentLevel();
}

}  // namespace

void ErrInit()
{
    ErrorStackState& stack = NumlibState().errors;
    stack = ErrorStackState();
    stack.initialised = true;
    stack.level = 1;
    stack.maxLevel = ErrorStackState::kMaxLevel;
    for (std::size_t level = 0; level < stack.type.size(); ++level) {
        stack.name[level] = PaddedName("");
        stack.type[level] = -1;
        stack.code[level] = -1;
    }
    stack.name[1] = PaddedName("USER");
    stack.type[1] = 0;
    stack.code[1] = 0;
    stack.report[2] = true;
    for (int type = 1; type <= 7; ++type) {
        const auto t = static_cast<std::size_t>(type);
        stack.print[t] = type >= 3;
        stack.stop[t] = type == 4 || type == 5 || type == 7;
        stack.trace[t] = true;
    }
}

void ErrPush(std::string_view NAME)
{
    ErrorStackState& stack = Stack();
    if (stack.level >= stack.maxLevel) {
        ErrSetInt(1, stack.maxLevel);
        ErrPost(5, 1, "Error condition in ErrPush.  Push would cause stack level to exceed %(I1). ");
        StopAtCurrentLevel();
    }
    stack.level += 1;
    const auto level = static_cast<std::size_t>(stack.level);
    stack.name[level] = PaddedName(NAME);
    stack.type[level] = 0;
    stack.code[level] = 0;
}

void ErrPop(std::string_view NAME)
{
    ErrorStackState& stack = Stack();
    if (stack.level < 2) {
        ErrSetText(1, NAME);
        ErrPost(5, 1, "Error condition in ErrPop.  Cannot pop from %(L1) because stack is empty.");
        StopAtCurrentLevel();
    }
    const auto level = static_cast<std::size_t>(stack.level);
    if (PaddedName(NAME) != stack.name[level]) {
        ErrSetText(1, NAME);
        ErrSetText(2, TrimmedName(stack.name[level]));
        ErrPost(5, 2, "Error condition in ErrPop.  %(L1) does not match the name %(L2) in the stack.");
        StopAtCurrentLevel();
    }
    const int type = stack.type[level];
    if (type > 1 && type < 8) {
        stack.type[level - 1] = type;
        stack.code[level - 1] = stack.code[level];
    }
    if (type >= 1 && type <= 4) {
        const auto t = static_cast<std::size_t>(type);
        if (stack.print[t] && stack.report[level]) {
            ErrPrint();
        }
        if (stack.stop[t] && stack.report[level]) {
            StopAtCurrentLevel();
        }
    }
    if (type == 5 && stack.stop[5]) {
        StopAtCurrentLevel();
    }
    if (stack.level < stack.maxLevel) {
        stack.type[level + 1] = -1;
        stack.code[level + 1] = -1;
    }
    stack.level -= 1;
}

void ErrPost(int IERTYP, int IERCOD, std::string_view MSG)
{
    ErrorStackState& stack = Stack();
    const auto level = static_cast<std::size_t>(stack.level);
    if (IERTYP < -1 || IERTYP > 7) {
        SetCurrentMessage(".  Error from ErrPost.  Illegal error type specified.");
        ErrPrint();
        throw LibraryStop(5, stack.code[level]);
    }
    if (IERTYP != -1) {
        stack.type[level] = IERTYP;
    }
    if (IERCOD >= 0) {
        stack.code[level] = IERCOD;
    }
    if (IERTYP == 0 || IERCOD == 0) {
        stack.message.clear();
    } else if (MSG != " ") {
        SetCurrentMessage(SubstituteKeywords(MSG.substr(0, ErrorStackState::kMessageLength), stack.parameters));
        const int type = stack.type[level];
        if (type >= 5 && type <= 7 && stack.print[static_cast<std::size_t>(type)]) {
            ErrPrint();
        }
    }
    stack.parameters.clear();
}

void ErrSetInt(int K, int IVAL)
{
    if (K >= 1 && K <= 9) {
        StoreParameter('I', K, std::to_string(IVAL));
    }
}

void ErrSetDouble(int K, double DVAL)
{
    if (K >= 1 && K <= 9) {
        StoreParameter('D', K, DoubleToMessageText(DVAL));
    }
}

void ErrSetText(int K, std::string_view TEXT)
{
    const int digit = K < 0 ? -K : K;
    if (digit >= 1 && digit <= 9) {
        StoreParameter('L', digit, std::string(TEXT.substr(0, 255)));
    }
}

int ErrType(int I)
{
    if (I != 0 && I != 1) {
        FailQuery("ErrType");
    }
    const ErrorStackState& stack = Stack();
    return stack.type[static_cast<std::size_t>(stack.level + I)];
}

int ErrCode(int I)
{
    if (I != 0 && I != 1) {
        FailQuery("ErrCode");
    }
    const ErrorStackState& stack = Stack();
    return stack.code[static_cast<std::size_t>(stack.level + I)];
}

void ErrPrint()
{
    ErrorStackState& stack = Stack();
    int unit = 0;
    IoUnits(3, unit);
    const auto level = static_cast<std::size_t>(stack.level);
    const int type = stack.type[level];
    std::string header = std::string(" *** ") + TypeWord(type) + " ERROR " + std::to_string(stack.code[level]) + " from " +
                         TrimmedName(stack.name[level]);
    if (stack.message.rfind(".  ", 0) != 0) {
        header += ".  ";
    }
    for (std::string& line : WrapLines(header + stack.message)) {
        NumlibState().WriteLine(unit, std::move(line));
    }
    stack.lastPrintedMessage = stack.message;
    stack.message.clear();
    stack.parameters.clear();
    if (type >= 1 && type <= 7 && stack.trace[static_cast<std::size_t>(type)] && stack.level > 2) {
        WriteTraceback(unit);
    }
}

void ClearCallerMessage()
{
    ErrorStackState& stack = Stack();
    const auto level = static_cast<std::size_t>(stack.level);
    stack.type[level] = 0;
    stack.code[level] = 0;
    stack.lastPrintedMessage.clear();
}

CallerMessage TakeCallerMessage()
{
    ErrorStackState& stack = Stack();
    const auto level = static_cast<std::size_t>(stack.level);
    CallerMessage message{stack.type[level], stack.code[level], std::move(stack.lastPrintedMessage)};
    stack.lastPrintedMessage.clear();
    return message;
}

void UnwindErrorStackTo(int level, int type, int code)
{
    ErrorStackState& stack = Stack();
    for (int above = level + 1; above <= stack.maxLevel + 1; ++above) {
        stack.type[static_cast<std::size_t>(above)] = -1;
        stack.code[static_cast<std::size_t>(above)] = -1;
    }
    stack.level = level;
    stack.type[static_cast<std::size_t>(level)] = type;
    stack.code[static_cast<std::size_t>(level)] = code;
    stack.message.clear();
    stack.parameters.clear();
}

int ErrorStackLevel()
{
    return Stack().level;
}
