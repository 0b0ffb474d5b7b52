// The two programs as one pipeline: a GenePop file converted by Pelkin, the frequency file it
// writes estimated by Morvast, and the report compared byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "expected_report.h"
#include "program_run.h"

namespace {

using testing_support::ReadFile;
using testing_support::RunProgram;
using testing_support::WriteFile;

std::string Repeat(const std::string& line, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += line;
    }
    return out;
}

// Two loci of two alleles, 50 individuals in generations 0 and 5: locus 1 goes from 0.6 and 0.4
// to 0.4 and 0.6, locus 2 from 0.6 and 0.4 to 0.5 and 0.5.
std::string WorkedGenePop(const std::string& name1, const std::string& name2, int first,
                          int second) {
    const std::string g1 = std::to_string(first);
    const std::string g2 = std::to_string(second);
    return "Worked example\n" + name1 + "\n" + name2 + "\nPop\n" +
           Repeat(g1 + " a, 0101 0101\n", 30) + Repeat(g1 + " b, 0202 0202\n", 20) + "Pop\n" +
           Repeat(g2 + " a, 0101 0101\n", 20) + Repeat(g2 + " b, 0202 0101\n", 5) +
           Repeat(g2 + " c, 0202 0202\n", 25);
}

class Pipeline : public ::testing::Test {
  protected:
    // Converts `genepop` and estimates the result with `answers` at Morvast's prompts.
    void Run(const std::string& genepop, const std::string& answers) {
        WriteFile(dir / "data.gen", genepop);
        const auto converted = RunProgram(PELKIN_EXE, {}, "data.gen\n", dir.path());
        ASSERT_EQ(converted.status, 0) << converted.out;
        estimated = RunProgram(MORVAST_EXE, {"pelkin.out", "report.txt"}, answers, dir.path());
        report = ReadFile(dir / "report.txt");
    }

    testing_support::TempDir dir;
    testing_support::RunResult estimated;
    std::string report;
};

TEST_F(Pipeline, WorkedTwoLocusCaseUnderPlan2) {
    Run(WorkedGenePop("Loc1", "Loc2", 0, 5), "2\n");
    EXPECT_EQ(ReadFile(dir / "pelkin.out"), "2 2 Worked example\n2  2  \n"
                                            "0.6000 0.4000 100 Loc1  0\n"
                                            "0.4000 0.6000 100 Loc1  5\n"
                                            "0.6000 0.4000 100 Loc2  0\n"
                                            "0.5000 0.5000 100 Loc2  5\n");
    EXPECT_EQ(estimated.status, 0);
    EXPECT_EQ(estimated.err, "");
    EXPECT_EQ(report, Preamble("pelkin.out", 2) + worked_interval_plan2 + legend);
}

TEST_F(Pipeline, WorkedTwoLocusCaseUnderPlan1) {
    Run(WorkedGenePop("Loc1", "Loc2", 0, 5), "1\n1000\n");
    EXPECT_EQ(estimated.status, 0);
    const auto line = [this](const std::string& start) {
        const auto at = report.find(start);
        return at == std::string::npos ? std::string()
                                       : report.substr(at, report.find('\n', at) - at);
    };
    EXPECT_EQ(line("      Loc1"),
              "      Loc1     2      50      50     0.1600000    0.1362082    5.0        18");
    EXPECT_EQ(line("  All loci"),
              "  All loci     4      50.0    50.0   0.1005025    0.0798376    5.0        31");
    EXPECT_EQ(line("                      Mean:"),
              "                      Mean:          0.1002020    0.0790858    5.0        32");
    EXPECT_EQ(line("       Lower"),
              "       Lower ( 2.5%) limit:         -0.0170020   -0.0341482               13");
    EXPECT_EQ(line("       Upper"),
              "       Upper (97.5%) limit:          0.2174061    0.1923199              -73");
}

TEST_F(Pipeline, NamesWithBlanksAndEmptyNamesReachTheReportAsOneWord) {
    // Written as they stood, "Loc A" made the estimator take "A" for the generation number and
    // fail, and the empty name made it take the generation number for the name.
    Run(WorkedGenePop("Loc A", "", 0, 5), "2\n");
    EXPECT_EQ(estimated.status, 0) << estimated.err;
    EXPECT_NE(report.find("\n     Loc_A     2      50      50     0.1600000"), std::string::npos);
    EXPECT_NE(report.find("\n    locus2     2      50      50     0.0404040"), std::string::npos);
    EXPECT_NE(report.find("interval from    0 to    5:\n"), std::string::npos);
}

TEST_F(Pipeline, GenerationNumbersBeyond16BitsGiveTheirTrueInterval) {
    Run(WorkedGenePop("Loc1", "Loc2", 70000, 70005), "2\n");
    EXPECT_EQ(estimated.status, 0);
    EXPECT_NE(report.find("interval from 70000 to 70005:\n"), std::string::npos);
    EXPECT_NE(report.find("\n  All loci     4      50.0    50.0   0.1005025    0.0788275    5.0"),
              std::string::npos);
}

TEST_F(Pipeline, GenerationWithoutTypedCopiesIsLeftOutByTheEstimator) {
    // Every copy of the second generation is missing at locus 1: its line once held zeros and
    // the total 0, which the estimator refused ("allele frequencies sum to 0.000000 at locus 1
    // in sample 2"). Now it holds the locus's frequencies over both generations and the total
    // 0, and the estimator uses no allele of the locus next to that sample.
    Run("T\nLoc1\nPop\n1 a, 0101\n1 b, 0102\nPop\n4 a, 0000\n", "2\n");
    EXPECT_EQ(ReadFile(dir / "pelkin.out"), "2 1 T\n2  \n0.7500 0.2500 4 Loc1  1\n"
                                            "0.7500 0.2500 0 Loc1  4\n");
    EXPECT_EQ(estimated.status, 0) << estimated.err;
    EXPECT_EQ(report, Preamble("pelkin.out", 2) +
                          "Estimated drift (Fs') and Ne over the interval from    1 to    4:\n" +
                          column_header +
                          "\n      Loc1     0       0       0     fixed            "
                          "\n  All loci     0       0.0     0.0   fixed            \n\n" +
                          legend);
}

TEST_F(Pipeline, LocusUntypedInOneGenerationIsFixedWhileTheOthersAreEstimated) {
    // The worked data set with no copy of locus 1 typed in generation 5.
    std::string genepop = WorkedGenePop("Loc1", "Loc2", 0, 5);
    const std::size_t second = genepop.find("5 a");
    for (std::size_t at = genepop.find(", ", second); at != std::string::npos;
         at = genepop.find(", ", at + 1)) {
        genepop.replace(at + 2, 4, "0000");
    }
    Run(genepop, "2\n");
    EXPECT_EQ(ReadFile(dir / "pelkin.out"), "2 2 Worked example\n2  2  \n"
                                            "0.6000 0.4000 100 Loc1  0\n"
                                            "0.6000 0.4000 0 Loc1  5\n"
                                            "0.6000 0.4000 100 Loc2  0\n"
                                            "0.5000 0.5000 100 Loc2  5\n");
    EXPECT_EQ(estimated.status, 0) << estimated.err;
    // Leaving out Loc2, the one locus with usable alleles, leaves nothing.
    EXPECT_EQ(report,
              Preamble("pelkin.out", 2) +
                  "Estimated drift (Fs') and Ne over the interval from    0 to    5:\n" +
                  column_header +
                  "\n      Loc1     0       0       0     fixed            "
                  "\n      Loc2     2      50      50     0.0404040    0.0202020    5.0       124"
                  "\n  All loci     2      50.0    50.0   0.0404040    0.0202020    5.0       124"
                  "\nJackknife over 2 loci (assumed independent):"
                  "\n                      Mean:                nan          nan    0.0       nan"
                  "\n                        SE:                nan          nan"
                  "\n95% Confidence intervals (Mean -/+ 1.96*SE):"
                  "\n       Lower ( 2.5%) limit:                nan          nan              nan"
                  "\n       Upper (97.5%) limit:                nan          nan              nan"
                  "\n\n" +
                  legend);
}

TEST_F(Pipeline, LocusUntypedInEveryGenerationIsRefusedByTheEstimator) {
    Run("T\nLoc1\nLoc2\nPop\n1 a, 0101 0000\nPop\n4 a, 0102 0000\n", "2\n");
    EXPECT_EQ(ReadFile(dir / "pelkin.out"), "2 2 T\n2  0  \n1.0000 0.0000 2 Loc1  1\n"
                                            "0.5000 0.5000 2 Loc1  4\n0 Loc2  1\n0 Loc2  4\n");
    EXPECT_EQ(estimated.status, 1);
    EXPECT_EQ(
        estimated.err,
        "Error in indata file: allele frequencies sum to 0.000000 at locus 2 in sample 1\n\n"
        "Morvast: in pelkin.out, line 5, which begins \"0 Loc2  1\": locus 2 lists no allele, so "
        "it has no typed copy in any sample; remove it from the GenePop file and convert it "
        "again\n");
}

TEST_F(Pipeline, SingleGenerationGivesAReportWithoutIntervals) {
    Run("T\nLoc1\nPop\n3 a, 0101\n3 b, 0102\n", "2\n");
    EXPECT_EQ(estimated.status, 0);
    EXPECT_EQ(report, Preamble("pelkin.out", 2) + legend);
}

} // namespace
