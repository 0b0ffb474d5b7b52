// Morvast's command line: the options before the file names, --help and --version wherever they
// stand among them, the plan and N given so that nothing is asked, the table on standard output,
// and every fault of the command line refused with status 2 before anything is printed or
// opened.
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

#include "messages.h"
#include "morvast_run.h"

namespace {

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

std::string Progress(const std::string& data, const std::string& report) {
    return "Reading " + data + "\nProcessing " + data + "\nResult written to " + report + "\n";
}

TEST(MorvastCommandLine, HelpAndVersionAnswerWhereverTheyStandAmongTheOptions) {
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const std::string usage = Say(Text::usage);
    const std::string version = "Morvast " PROJECT_VERSION_TEXT "\n";
    const std::vector<Case> cases{
        {{"--help"}, usage},
        {{"-h"}, usage},
        {{"--help", "data.txt", "report.txt"}, usage},
        {{"--plan", "2", "--table", "t.tsv", "-h"}, usage},
        {{"--bogus", "--help"}, usage},
        {{"--version"}, version},
        {{"--plan", "1", "--version", "--help"}, version},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const auto run = RunMorvast(dir, c.args, "2\n");
        EXPECT_EQ(run.status, 0) << c.args[0];
        EXPECT_EQ(run.out, c.out) << c.args[0];
        EXPECT_EQ(run.err, "") << c.args[0];
        EXPECT_EQ(FilesIn(dir).size(), 0U);
    }
}

// Each fault is named on a line of its own, the usage follows, and nothing else is printed or
// made. `--table` without a name ended with status 1 before, and a third file name was ignored.
TEST(MorvastCommandLine, FaultsAreUsageErrors) {
    struct Case {
        std::vector<std::string> args;
        std::string line;
    };
    const std::string census_fault = "Morvast: --census takes a whole number from 1 to 2147483647 "
                                     "in plain decimal digits, without a sign, an exponent or a "
                                     "leading 0, not ";
    const std::vector<Case> cases{
        {{"--bogus", "d.txt"}, Say(Text::unknown_option, {{"OPTION", "\"--bogus\""}})},
        {{"--helpx"}, Say(Text::unknown_option, {{"OPTION", "\"--helpx\""}})},
        {{"--plan"}, "Morvast: --plan needs a value after it"},
        {{"--census", "5", "--plan"}, "Morvast: --plan needs a value after it"},
        {{"--table"}, Say(Text::table_without_name)},
        {{"--table", "", "d.txt"}, Say(Text::table_without_name)},
        {{"--plot"}, Say(Text::plot_without_name)},
        {{"--plot", "", "d.txt"}, Say(Text::plot_without_name)},
        {{"--plot", "-", "d.txt"}, Say(Text::plot_on_output)},
        {{"--plan", "3"}, "Morvast: --plan takes 1 or 2, not \"3\""},
        {{"--plan", "02"}, "Morvast: --plan takes 1 or 2, not \"02\""},
        {{"--plan", "1", "--census", "1e3"}, census_fault + "\"1e3\""},
        {{"--plan", "1", "--census", "0200"}, census_fault + "\"0200\""},
        {{"--plan", "1", "--census", "+5"}, census_fault + "\"+5\""},
        {{"--plan", "1", "--census", "0"}, census_fault + "\"0\""},
        {{"--plan", "1", "--census", "2147483648"}, census_fault + "\"2147483648\""},
        {{"--plan", "2", "--census", "100"}, Say(Text::census_with_plan_two)},
        {{"--census", "100", "d.txt"}, Say(Text::census_without_plan)},
        {{"--plan", "1", "d.txt"}, Say(Text::plan_one_without_census)},
        {{"--plan", "2", "--plan", "2"}, "Morvast: --plan is given twice; give it once"},
        {{"d.txt", "--table", "t.tsv"}, Say(Text::option_after_names, {{"OPTION", "\"--table\""}})},
        {{"d.txt", "r.txt", "x.txt"}, Say(Text::third_name, {{"NAME", "\"x.txt\""}})},
        {{"--", "-d", "-r", "-x"}, Say(Text::third_name, {{"NAME", "\"-x\""}})},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const auto run = RunMorvast(dir, c.args, "d.txt r.txt 1 100\n");
        EXPECT_EQ(run.status, 2) << c.line;
        EXPECT_EQ(run.err, c.line + "\n" + Say(Text::usage));
        EXPECT_EQ(run.out, "") << c.line;
        EXPECT_EQ(FilesIn(dir).size(), 0U) << c.line;
    }
    TempDir dir;
    const auto closed =
        RunMorvast(dir, {"--plan", "2", "--table", "-", "d.txt"}, "", [] { close(STDOUT_FILENO); });
    EXPECT_EQ(closed.status, 2);
    EXPECT_EQ(closed.err, Say(Text::table_on_closed_output) + "\n" + Say(Text::usage));
}

// With the plan (and N) given, nothing is read from standard input: a run whose input stays
// open and holds nothing ends all the same.
TEST(MorvastCommandLine, PlanAndCensusGivenAskNothing) {
    TempDir dir;
    WriteFile(dir / "two.txt", two_locus_data);
    auto run = RunMorvast(dir, {"--plan", "2", "two.txt", "r2.txt"}, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              opening_screen + "Using data from two.txt\n" + Progress("two.txt", "r2.txt"));
    EXPECT_EQ(ReadFile(dir / "r2.txt"), Preamble("two.txt", 2) + worked_interval_plan2 + legend);

    EXPECT_EQ(RunMorvastAnsweredThroughOpenPipe(
                  dir, {"--census", "1000", "--plan", "1", "--", "two.txt", "r1.txt"}, ""),
              0);
    EXPECT_EQ(ReadFile(dir / "r1.txt"), Preamble("two.txt", 1) + worked_interval_plan1 + legend);

    // After --, a name that looks like an option is a file name.
    WriteFile(dir / "--help", two_locus_data);
    run = RunMorvast(dir, {"--", "--help"}, "2\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(ReadFile(dir / "--help.OUT"), Preamble("--help", 2) + worked_interval_plan2 + legend);
}

// With --table -, standard output carries the table alone, as a file would hold it, and the
// screen's lines go to the standard error stream.
TEST(MorvastCommandLine, TableOnStandardOutput) {
    TempDir dir;
    WriteFile(dir / "two.txt", two_locus_data);
    ASSERT_EQ(RunMorvast(dir, {"--table", "t.tsv", "two.txt", "r.txt"}, "2\n").status, 0);
    const auto run = RunMorvast(dir, {"--plan", "2", "--table", "-", "two.txt", "r.txt"}, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, ReadFile(dir / "t.tsv"));
    EXPECT_EQ(run.err, opening_screen + "Using data from two.txt\n" + Progress("two.txt", "r.txt"));
    const std::string report = Preamble("two.txt", 2) + worked_interval_plan2 + legend;
    EXPECT_EQ(ReadFile(dir / "r.txt"), report + report);
    EXPECT_FALSE(std::filesystem::exists(dir / "-"));
}

} // namespace
