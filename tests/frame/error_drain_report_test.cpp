// The drain's report read back as written. No window.

#include "frame/ErrorDrainReport.h"

#include <gtest/gtest.h>

namespace {

TEST(DrainReport, AReportReadsBackAsWritten)
{
    const DrainReport reports[] = {
        {0, ""},
        {-9, "killed"},
        {255, std::string("two\nlines, a \0 and \xff", 21)},
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
