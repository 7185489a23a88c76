// The default extension the save-file chooser adds to a chosen name.

#include "frame/GuiUserPorts.h"

#include <gtest/gtest.h>

TEST(SaveFileExtension, AddedOnlyToANameWithoutOne)
{
    const struct {
        const char* path;
        const char* extension;
        const char* expected;
    } cases[] = {
        {"/tmp/out/section", "dxf", "/tmp/out/section.dxf"},
        {"/tmp/out/section.txt", "dxf", "/tmp/out/section.txt"},
        {"/tmp/out/section.DXF", "dxf", "/tmp/out/section.DXF"},
        {"/tmp/out.d/section", "csv", "/tmp/out.d/section.csv"},
        {"/tmp/out/section", "", "/tmp/out/section"},
        {"", "dxf", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithDefaultExtension(c.path, c.extension), c.expected) << c.path << " + " << c.extension;
}
