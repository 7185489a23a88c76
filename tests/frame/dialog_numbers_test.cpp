// How dialogs read their number fields: the whole text as one number, a
// finite one for a real field, and a prompt for anything else.

#include "frame/DialogNumbers.h"
#include "support/ScriptedUserPorts.h"

#include <gtest/gtest.h>

namespace {

TEST(DialogNumbers, RealFieldsTakeWholeFiniteNumbersOnly)
{
    ScriptedUserPorts user;
    double value = 0.0;
    EXPECT_TRUE(ReadRealField(" 0.25 ", value, user));
    EXPECT_EQ(value, 0.25);
    EXPECT_TRUE(ReadRealField("+3", value, user));
    EXPECT_EQ(value, 3.0);
    EXPECT_TRUE(ReadRealField("-1e-3", value, user));
    EXPECT_EQ(value, -1e-3);
    EXPECT_TRUE(user.boxes.empty());
    const char* const refused[] = {"", "  ", "1,5", "abc", "2x", "--1", "+-3", "+", "nan", "inf", "-inf", "infinity", "1e999"};
    for (const char* text : refused) {
        EXPECT_FALSE(ReadRealField(text, value, user)) << text;
        EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{"Please enter a number."})) << text;
        user.ClearRecords();
    }
}

TEST(DialogNumbers, IntegerFieldsTakeWholeIntegersOnly)
{
    ScriptedUserPorts user;
    int value = 0;
    EXPECT_TRUE(ReadIntegerField("  -12 ", value, user));
    EXPECT_EQ(value, -12);
    EXPECT_TRUE(ReadIntegerField("+7", value, user));
    EXPECT_EQ(value, 7);
    EXPECT_TRUE(ReadIntegerField("2147483647", value, user));
    EXPECT_EQ(value, 2147483647);
    for (const char* text : {"", " ", "1 2", "0x10", "1e3", "--1", "+-3", "2147483648"})
        EXPECT_FALSE(ReadIntegerField(text, value, user)) << text;
    EXPECT_EQ(user.boxes.size(), 8u);
    EXPECT_EQ(user.boxes.front().text, "Please enter an integer.");
}

}  // namespace
