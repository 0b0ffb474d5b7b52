// Whole runs of Morvast on small frequency files, comparing standard output, standard error,
// the exit status and the report file byte for byte.
#include <gtest/gtest.h>

#include "messages.h"
#include "morvast_run.h"

namespace {

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

std::string ProgressAfterPlan(const std::string& data, const std::string& report) {
    return "Reading " + data + "\nProcessing " + data + "\nResult written to " + report + "\n";
}

TEST(MorvastReport, WorkedExampleUnderPlan2WithBothFileNamesGiven) {
    TempDir dir;
    WriteFile(dir / "two.txt", two_locus_data);
    const auto run = RunMorvast(dir, {"two.txt", "report.txt"}, "2\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, opening_screen + "Using data from two.txt\nEnter sample plan (1 or 2): " +
                           ProgressAfterPlan("two.txt", "report.txt"));
    EXPECT_EQ(ReadFile(dir / "report.txt"),
              Preamble("two.txt", 2) + worked_interval_plan2 + legend);
}

TEST(MorvastReport, WorkedExampleUnderPlan1WithTheReportNamedAfterTheData) {
    TempDir dir;
    WriteFile(dir / "two.txt", two_locus_data);
    const auto run = RunMorvast(dir, {"two.txt"}, "1\n1000\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, opening_screen +
                           "Using data from two.txt\nWriting resuls to two.txt.OUT\n"
                           "Enter sample plan (1 or 2): "
                           "Enter actual (census) population size, N: " +
                           ProgressAfterPlan("two.txt", "two.txt.OUT"));
    EXPECT_EQ(ReadFile(dir / "two.txt.OUT"),
              Preamble("two.txt", 1) + worked_interval_plan1 + legend);
}

TEST(MorvastReport, EveryRunAppendsItsReport) {
    TempDir dir;
    WriteFile(dir / "two.txt", two_locus_data);
    WriteFile(dir / "report.txt", "Kept from before\n");
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(RunMorvast(dir, {"two.txt", "report.txt"}, "2").status, 0);
    }
    const std::string report = Preamble("two.txt", 2) + worked_interval_plan2 + legend;
    EXPECT_EQ(ReadFile(dir / "report.txt"), "Kept from before\n" + report + report);
}

TEST(MorvastReportDegenerate, OneSampleGivesNoInterval) {
    TempDir dir;
    WriteFile(dir / "one.txt", "1 2 Single generation\n2  1  \n0.5 0.5 40 A  7\n1.0 40 B  7\n");
    const auto run = RunMorvast(dir, {"one.txt", "r.txt"}, "2\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(ReadFile(dir / "r.txt"), Preamble("one.txt", 2) + legend);
}

TEST(MorvastReportDegenerate, NoLociGivesFixedIntervalsAtGenerationZero) {
    TempDir dir;
    WriteFile(dir / "none.txt", "3 0 No loci\n\n");
    const auto run = RunMorvast(dir, {"none.txt", "r.txt"}, "2\n");
    EXPECT_EQ(run.status, 0);
    const std::string interval =
        "Estimated drift (Fs') and Ne over the interval from    0 to    0:\n" + column_header +
        "\n  All loci     0       0.0     0.0   fixed            \n\n";
    EXPECT_EQ(ReadFile(dir / "r.txt"), Preamble("none.txt", 2) + interval + interval + legend);
}

// A fixed locus prints zeros and the mark; with one informative locus left, leaving it out
// uses no allele, so the jackknife has no number anywhere, and its t is that of the last set.
TEST(MorvastReportDegenerate, FixedLocusAndOneInformativeLocus) {
    TempDir dir;
    WriteFile(dir / "fixed.txt", "2 3\n1  2  2\n"
                                 "1.0000 60 Monomorphic  10\n"
                                 "1.0000 60 Monomorphic  13\n"
                                 "0.6000 0.4000 100 Loc_with_a_long_name  10\n"
                                 "0.4000 0.6000 100 Loc_with_a_long_name  13\n"
                                 "0.5 0.5 1 Tiny  10\n"
                                 "0.5 0.5 100 Tiny  13\n");
    const auto run = RunMorvast(dir, {"fixed.txt", "r.txt"}, "2\n");
    EXPECT_EQ(run.status, 0);
    const std::string interval =
        "Estimated drift (Fs') and Ne over the interval from   10 to   13:\n" + column_header +
        "\nMonomorphic     0       0       0     fixed            "
        "\nLoc_with_a_long_name     2      50      50     0.1600000    0.1351981    3.0        11"
        "\n      Tiny     0       0       0     fixed            "
        "\n  All loci     2      50.0    50.0   0.1600000    0.1351981    3.0        11"
        "\nJackknife over 3 loci (assumed independent):"
        "\n                      Mean:                nan          nan    3.0       nan"
        "\n                        SE:                nan          nan"
        "\n95% Confidence intervals (Mean -/+ 1.96*SE):"
        "\n       Lower ( 2.5%) limit:                nan          nan              nan"
        "\n       Upper (97.5%) limit:                nan          nan              nan"
        "\n\n";
    EXPECT_EQ(ReadFile(dir / "r.txt"), Preamble("fixed.txt", 2) + interval + legend);
}

TEST(MorvastReport, ConsecutiveIntervalsOnlyWithTheirOwnGenerations) {
    TempDir dir;
    WriteFile(dir / "three.txt", "3 1\n2\n"
                                 "0.6 0.4 100 L  -2\n"
                                 "0.4 0.6 100 L  0x3\n"
                                 "0.4 0.6 100 L  1\n");
    const auto run = RunMorvast(dir, {"three.txt", "r.txt"}, "2\n");
    EXPECT_EQ(run.status, 0);
    // A single locus: leaving it out uses no allele, and that set spans no generation.
    const std::string jackknife_of_one =
        "\nJackknife over 1 loci (assumed independent):"
        "\n                      Mean:                nan          nan    0.0       nan"
        "\n                        SE:                nan          nan"
        "\n95% Confidence intervals (Mean -/+ 1.96*SE):"
        "\n       Lower ( 2.5%) limit:                nan          nan              nan"
        "\n       Upper (97.5%) limit:                nan          nan              nan"
        "\n\n";
    // The second interval's samples are identical: Fs of zero, a corrected shift below zero,
    // and over the negative span an Ne of 49.5 in exact arithmetic, a little less in doubles.
    const std::string report =
        Preamble("three.txt", 2) +
        "Estimated drift (Fs') and Ne over the interval from   -2 to    3:\n" + column_header +
        "\n         L     2      50      50     0.1600000    0.1351981    5.0        18"
        "\n  All loci     2      50.0    50.0   0.1600000    0.1351981    5.0        18" +
        jackknife_of_one + "Estimated drift (Fs') and Ne over the interval from    3 to    1:\n" +
        column_header +
        "\n         L     2      50      50     0.0000000   -0.0202020   -2.0        49"
        "\n  All loci     2      50.0    50.0   0.0000000   -0.0202020   -2.0        49" +
        jackknife_of_one + legend;
    EXPECT_EQ(ReadFile(dir / "r.txt"), report);
}

// Each warning is a line on the standard error stream, and the run ends as it would without it.
TEST(MorvastWarnings, EachKindOnItsOwnLine) {
    struct Case {
        std::string data;
        std::string answers;
        std::string err;
    };
    const auto few_loci = [](const char* from, const char* to, const char* loci) {
        return Say(Text::few_loci_warning, {{"FROM", from}, {"TO", to}, {"LOCI", loci}}) + "\n";
    };
    const std::vector<Case> cases{
        {"1 2 Single generation\n2  1  \n0.5 0.5 40 A  7\n1.0 40 B  7\n", "2",
         Say(Text::one_sample_warning, {{"DATA", "d.txt"}}) + "\n"},
        {"3 0 No loci\n\n", "2", few_loci("0", "0", "0") + few_loci("0", "0", "0")},
        {"3 1\n2\n0.6 0.4 100 L  -2\n0.4 0.6 100 L  3\n0.4 0.6 100 L  1\n", "2",
         few_loci("-2", "3", "1") +
             Say(Text::out_of_order_warning,
                 {{"FIRST", "2"}, {"SECOND", "3"}, {"FROM", "3"}, {"TO", "1"}}) +
             "\n" + few_loci("3", "1", "1")},
        // Every allele swaps between fixed and absent: Fs = 4/1, and Fs' = 3.96/1.98.
        {"2 2\n2  2\n1 0 100 A  0\n0 1 100 A  1\n0 1 100 B  0\n1 0 100 B  1\n", "2",
         Say(Text::fs_above_one_warning, {{"FROM", "0"}, {"TO", "1"}, {"FSP", "2.0000000"}}) +
             "\n"},
        {two_locus_data, "1 10", Say(Text::census_warning, {{"N", "10"}, {"SIZE", "50"}}) + "\n"},
        {two_locus_data, "1 50", ""},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteFile(dir / "d.txt", c.data);
        const auto run = RunMorvast(dir, {"d.txt", "r.txt"}, c.answers);
        EXPECT_EQ(run.status, 0) << c.data;
        EXPECT_EQ(run.err, c.err) << c.data;
    }
}

} // namespace
