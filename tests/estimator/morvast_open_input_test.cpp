// Answers typed at a terminal arrive line by line and the input does not end after them: runs
// whose standard input is a pipe that stays open, each in a process of its own.
#include <gtest/gtest.h>

#include "morvast_run.h"

namespace {

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

// Each answer is taken as soon as its line is ended.
TEST(MorvastOpenInput, AnswersAreTakenAsTheirLinesEnd) {
    TempDir dir;
    WriteFile(dir / "two.txt", two_locus_data);
    EXPECT_EQ(RunMorvastAnsweredThroughOpenPipe(dir, {}, "two.txt report.txt\n1\n1000\n"), 0);
    EXPECT_EQ(ReadFile(dir / "report.txt"),
              Preamble("two.txt", 1) + worked_interval_plan1 + legend);
}

// With the plan and N given, nothing is read from standard input.
TEST(MorvastOpenInput, PlanAndCensusGivenAskNothing) {
    TempDir dir;
    WriteFile(dir / "two.txt", two_locus_data);
    EXPECT_EQ(RunMorvastAnsweredThroughOpenPipe(
                  dir, {"--census", "1000", "--plan", "1", "--", "two.txt", "r1.txt"}, ""),
              0);
    EXPECT_EQ(ReadFile(dir / "r1.txt"), Preamble("two.txt", 1) + worked_interval_plan1 + legend);
}

} // namespace
