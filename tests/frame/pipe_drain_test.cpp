// Reading a child's pipe as it comes: never waiting, keeping only the start
// up to the bound, and seeing the end once every writer has closed it.

#include "frame/PipeDrain.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <unistd.h>

namespace {

class PipeDrainTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(::pipe(fds), 0); }
    void TearDown() override
    {
        CloseWriter();
        ::close(fds[0]);
    }
    void CloseWriter()
    {
        if (fds[1] >= 0)
            ::close(fds[1]);
        fds[1] = -1;
    }

    int fds[2] = {-1, -1};
};

TEST_F(PipeDrainTest, ReadsWhatIsThereWithoutWaitingAndSeesTheEnd)
{
    PipeDrain drain(fds[0], 100);
    drain.ReadAvailable();  // an empty pipe that is still open: back at once
    EXPECT_FALSE(drain.HasEnded());
    EXPECT_EQ(drain.Kept(), "");

    ASSERT_EQ(::write(fds[1], "Operation ", 10), 10);
    drain.ReadAvailable();
    ASSERT_EQ(::write(fds[1], "not supported\n", 14), 14);
    drain.ReadAvailable();
    EXPECT_EQ(drain.Kept(), "Operation not supported\n");
    EXPECT_FALSE(drain.HasEnded());

    CloseWriter();
    drain.ReadAvailable();
    EXPECT_TRUE(drain.HasEnded());
    EXPECT_FALSE(drain.WasCut());
}

// A writer of far more than the pipe holds gets through: everything is read,
// only the start is kept.
TEST_F(PipeDrainTest, AWriterOfMoreThanThePipeHoldsIsReadToTheEndKeepingTheStart)
{
    std::string written;
    for (int i = 0; written.size() < 1000000; ++i)
        written += "line " + std::to_string(i) + "\n";
    std::thread writer([&] {
        for (std::size_t done = 0; done < written.size();) {
            const ssize_t count = ::write(fds[1], written.data() + done, written.size() - done);
            if (count <= 0)
                break;
            done += static_cast<std::size_t>(count);
        }
        CloseWriter();
    });
    PipeDrain drain(fds[0], 1024);
    while (!drain.HasEnded())
        drain.ReadAvailable();
    writer.join();
    EXPECT_EQ(drain.Kept(), written.substr(0, 1024));
    EXPECT_TRUE(drain.WasCut());
}

TEST(PipeDrain, NoPipeHasEnded)
{
    PipeDrain drain(-1, 10);
    EXPECT_TRUE(drain.HasEnded());
    drain.ReadAvailable();
    EXPECT_EQ(drain.Kept(), "");
}

}  // namespace
