#include <gtest/gtest.h>

namespace klx { extern int coreAnchor; }

TEST(CoreLibrary, Links) { EXPECT_EQ(klx::coreAnchor, 0); }
