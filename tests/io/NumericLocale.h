#pragma once
// Switches the decimal separator of the C library for a guard's lifetime, so
// that a test can show that numbers are written and read without regard to
// the user's locale.

#include <clocale>
#include <string>

class NumericLocale {
public:
    explicit NumericLocale(const char* name) : previous_(std::setlocale(LC_NUMERIC, nullptr))
    {
        switched_ = std::setlocale(LC_NUMERIC, name) != nullptr;
    }
    ~NumericLocale() { std::setlocale(LC_NUMERIC, previous_.c_str()); }
    NumericLocale(const NumericLocale&) = delete;
    NumericLocale& operator=(const NumericLocale&) = delete;
    bool Switched() const { return switched_; }

private:
    std::string previous_;
    bool switched_ = false;
};

// A locale whose decimal separator is a comma; installed with the test tools.
constexpr const char* kDecimalCommaLocale = "de_DE.UTF-8";
