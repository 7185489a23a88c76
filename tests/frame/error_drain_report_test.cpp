// The drain's report read back as written, and the launch's reason when the
// system refuses to start the drain. No window.

#include "frame/ErrorDrainLaunch.h"
#include "frame/ErrorDrainReport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <dlfcn.h>
#include <spawn.h>

namespace {

// The error the next posix_spawn fails with, without starting anything; 0:
// none, the system's own runs.
int g_nextSpawnFailure = 0;

}  // namespace

// Stands in for the system's posix_spawn in this test program. A failure is
// returned, and errno may hold anything then: the system's own happens to
// leave the reason there, this one leaves another.
extern "C" int posix_spawn(pid_t* pid, const char* path, const posix_spawn_file_actions_t* actions,
                           const posix_spawnattr_t* attributes, char* const argv[], char* const envp[])
{
    if (const int failure = g_nextSpawnFailure) {
        g_nextSpawnFailure = 0;
        errno = EINTR;
        return failure;
    }
    static const auto system = reinterpret_cast<decltype(&posix_spawn)>(::dlsym(RTLD_NEXT, "posix_spawn"));
    return system(pid, path, actions, attributes, argv, envp);
}

namespace {

TEST(DrainLaunch, ASpawnThatFailsGivesItsOwnReason)
{
    g_nextSpawnFailure = EACCES;
    const DrainLaunch launch = LaunchThroughErrorDrain({KLX_ERROR_DRAIN_BUILT}, {"/bin/true"}, 16);
    EXPECT_EQ(launch.report, -1);
    EXPECT_EQ(launch.failure, std::string(KLX_ERROR_DRAIN_BUILT) + " could not be started: Permission denied.");
}

TEST(DrainReport, AReportReadsBackAsWritten)
{
    const DrainReport reports[] = {
        {0, ""},
        {-9, "killed"},
        {255, std::string("two\nlines, a \0 and \xff", 20)},
        {3, std::string(1024, 'x')},
    };
    for (const DrainReport& written : reports) {
        const DecodedDrainReport read = DecodeDrainReport(EncodeDrainReport(written), 1024);
        ASSERT_TRUE(read.report) << read.fault;
        EXPECT_EQ(read.report->status, written.status);
        EXPECT_EQ(read.report->errorStart, written.errorStart);
        EXPECT_LE(EncodeDrainReport(written).size(), MostDrainReportBytes(1024));
    }
    EXPECT_EQ(DecodeDrainReport("3 1025\n" + std::string(1025, 'x'), 1024).fault,
              "it claims more than the drain keeps");
}

}  // namespace
