#include "numlib/CharRoutines.h"

#include "numlib/ErrorStack.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace {

char Folded(char ch)
{
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

std::string FoldedText(std::string_view text)
{
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), Folded);
    return folded;
}

}  // namespace

int CodeOf(char CH)
{
    return static_cast<unsigned char>(CH);
}

int CodeOfFolded(char CH)
{
    return CodeOf(Folded(CH));
}

char CharOf(int I)
{
    return I < 0 ? '\0' : static_cast<char>(static_cast<unsigned char>(I));
}

char ACHAR(int I)
{
    if (I < 0) {
        ErrPush("ACHAR");
        ErrSetInt(1, I);
        ErrPost(5, 1, "The ASCII value must be non-negative while I = %(I1) is given.");
        ErrPop("ACHAR");  // stops the library
    }
    return CharOf(I);
}

bool LSAME(char CH, char U)
{
    return Folded(CH) == U;
}

int IndexOf(std::string_view S, std::string_view T)
{
    if (T.empty() || T.size() > S.size()) {
        return 0;
    }
    const auto found = S.find(T);
    return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

int IndexOfFolded(std::string_view S, std::string_view T)
{
    return IndexOf(FoldedText(S), FoldedText(T));
}

int CompareFolded(std::string_view S, std::string_view T)
{
    const std::size_t length = std::max(S.size(), T.size());
    for (std::size_t i = 0; i < length; ++i) {
        const int s = CodeOf(Folded(i < S.size() ? S[i] : ' '));
        const int t = CodeOf(Folded(i < T.size() ? T[i] : ' '));
        if (s != t) {
            return s < t ? -1 : 1;
        }
    }
    return 0;
}

int VerifyChars(std::string_view S, std::string_view SET)
{
    if (S.empty() || SET.empty()) {
        return 1;
    }
    const auto found = S.find_first_not_of(SET);
    return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

void IntToText(int I, std::string& S, int& L)
{
    S = std::to_string(I);
    L = static_cast<int>(S.size());
}

void TextToInt(std::string_view S, int& I, int& STAT)
{
    const auto first = S.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        STAT = -1;
        return;
    }
    S.remove_prefix(first);
    S = S.substr(0, S.find_last_not_of(' ') + 1);
    if (!S.empty() && S.front() == '+') {
        S.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(S.data(), S.data() + S.size(), value);
    if (error != std::errc() || end != S.data() + S.size()) {
        STAT = 1;
        return;
    }
    I = value;
    STAT = 0;
}

void CopyBlankFill(std::string_view S, std::string& T)
{
    const std::size_t length = T.size();
    T.assign(S.substr(0, length));
    T.resize(length, ' ');
}

std::string DoubleToMessageText(double value)
{
    if (value == 0.0) {
        return "0.0";
    }
    if (std::isnan(value)) {
        return "NaN";
    }
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific, 14);
    std::string out(text.data(), result.ptr);
    std::transform(out.begin(), out.end(), out.begin(), [](char ch) { return ch == 'e' ? 'E' : ch; });
    return out;
}
