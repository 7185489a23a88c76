// The command sequences of the shared driver: a few hundred of them, each
// undone and redone to the end.

#include "support/CommandSequences.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandSequenceProperty, UndoAndRedoRetraceEverySequence)
{
    for (unsigned seed = 1; seed <= 300; ++seed)
        ASSERT_EQ(RunCommandSequence(seed, 30), "");
}

} // namespace
