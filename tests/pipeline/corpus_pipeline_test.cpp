// Real GenePop files whose individual lines begin with names, given their generation numbers
// with --generations, converted by Pelkin and estimated by Morvast under plan 2: the report is
// compared byte for byte with the one kept beside this test (data/*.report), or, for the files
// of more than ten samples, interval by interval with the reports of each two samples alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "expected_report.h"
#include "program_run.h"

namespace {

using testing_support::ReadFile;
using testing_support::RunProgram;

struct Corpus {
    const char* file;
    const char* generations;
    const char* notices;       // what Pelkin says on standard error
    const char* report;        // the report kept beside the test, or none
    const char* warnings = ""; // what Morvast says on standard error
};

// The frequency file of samples j and j + 1 of `data` alone: its header with 2 samples, its
// allele line and the two samples' lines of every locus.
std::string TwoSamples(const std::string& data, int j) {
    std::istringstream in(data);
    std::string line;
    std::getline(in, line);
    const std::size_t samples_end = line.find(' ');
    const int samples = std::stoi(line.substr(0, samples_end));
    std::string text = "2";
    text.append(line, samples_end).push_back('\n');
    std::getline(in, line);
    text.append(line).push_back('\n');
    for (int at = 1; std::getline(in, line); ++at) {
        const int sample = (at - 1) % samples + 1;
        if (sample == j || sample == j + 1) {
            text.append(line).push_back('\n');
        }
    }
    return text;
}

// The report that each two consecutive samples of the frequency file in `dir` give alone, their
// intervals one after another between one preamble and one legend.
std::string ReportOfPairs(const testing_support::TempDir& dir, const std::string& data) {
    const std::string preamble = Preamble("pair.txt", 2);
    std::string report = Preamble("pelkin.out", 2);
    const int samples = std::stoi(data.substr(0, data.find(' ')));
    for (int j = 1; j < samples; ++j) {
        testing_support::WriteFile(dir / "pair.txt", TwoSamples(data, j));
        std::filesystem::remove(dir / "pair.report");
        RunProgram(MORVAST_EXE, {"pair.txt", "pair.report"}, "2\n", dir.path());
        const std::string pair = ReadFile(dir / "pair.report");
        report += pair.substr(preamble.size(), pair.size() - preamble.size() - legend.size());
    }
    return report + legend;
}

class CorpusPipeline : public ::testing::TestWithParam<Corpus> {};

TEST_P(CorpusPipeline, ConvertsAndEstimatesAsTheKeptReport) {
    const Corpus& corpus = GetParam();
    testing_support::TempDir dir;
    std::filesystem::copy_file(std::string(CONVERTER_DATA_DIR) + "/" + corpus.file,
                               dir / "data.gen");
    const auto converted =
        RunProgram(PELKIN_EXE, {"--generations", corpus.generations, "data.gen"}, "", dir.path());
    ASSERT_EQ(converted.status, 0) << converted.out << converted.err;
    EXPECT_EQ(converted.err, corpus.notices);
    const auto estimated = RunProgram(MORVAST_EXE, {"pelkin.out", "report.txt"}, "2\n", dir.path());
    EXPECT_EQ(estimated.status, 0) << estimated.err;
    EXPECT_EQ(estimated.err, corpus.warnings);
    EXPECT_EQ(ReadFile(dir / "report.txt"),
              corpus.report == nullptr
                  ? ReportOfPairs(dir, ReadFile(dir / "pelkin.out"))
                  : ReadFile(std::string(PIPELINE_DATA_DIR) + "/" + corpus.report));
}

std::string Untyped(const std::string& locus, const std::string& generation) {
    return "Pelkin: locus " + locus + " has no typed copy in generation " + generation +
           "; its frequencies over all generations are written there, with sample size 0, and "
           "Morvast leaves that sample out at this locus\n";
}

// The line that ends a conversion that succeeded.
std::string Wrote(const std::string& samples, const std::string& rest) {
    return "Pelkin: wrote \"pelkin.out\": " + samples + " samples (generations 0, 5, 10" + rest +
           "% of genotypes missing\n";
}

const std::string tiny_notices =
    Wrote("3", "), 2, 2, 2 individuals; 3 loci, 2 with one allele; 0.0");
const std::string c2_summary =
    Wrote("3", "), 4, 3, 5 individuals; 3 loci, 1 with one allele; 13.9");
const std::string big_notices =
    Untyped("2 (Locus2)", "20") + Untyped("3 (Locus3)", "20") + Untyped("13 (Locus13)", "20") +
    Untyped("13 (Locus13)", "30") + Untyped("14 (Locus14)", "20") + Untyped("14 (Locus14)", "30") +
    Wrote("10", ", 15, 20, 25, 30, 35, 40, 45), 31, 31, 31, 32, 15, 31, "
                "31, 31, 31, 41 individuals; 37 loci, 0 with one "
                "allele; 12.2");
const std::string c2_notices = Untyped("1 (136255903)", "5") + c2_summary;
const std::string cats_notices =
    Untyped("4 (fca45)", "80") + Wrote("17", ", 15, 20, 25, 30, 35, 40, 45, ...), 10, 22, 12, 23, "
                                             "15, 11, 14, 10, 9, 11, ... individuals; 9 loci, 0 "
                                             "with one allele; 2.3");
const std::string pel_notices =
    Wrote("22", ", 15, 20, 25, 30, 35, 40, 45, ...), 48, 48, 48, 48, 48, 48, 48, 48, 52, 48, ... "
                "individuals; 14 loci, 3 with one allele; 0.4");

// An interval of one informative locus has no jackknife limits.
std::string OneLocusUsed(const std::string& interval) {
    return "Morvast: warning: over the interval from " + interval +
           " 1 of the loci use an allele, fewer than two, so the jackknife over loci gives no "
           "standard errors or limits\n";
}
const std::string one_locus_warnings = OneLocusUsed("0 to 5") + OneLocusUsed("5 to 10");

INSTANTIATE_TEST_SUITE_P(
    Files, CorpusPipeline,
    ::testing::Values(
        Corpus{"tiny.txt", "0,5,10", tiny_notices.c_str(), "tiny.report",
               one_locus_warnings.c_str()},
        Corpus{"c2line.gen", "0,5,10", c2_notices.c_str(), "c2line.report",
               one_locus_warnings.c_str()},
        Corpus{"c2space.gen", "0,5,10", c2_notices.c_str(), "c2space.report",
               one_locus_warnings.c_str()},
        Corpus{"big.gen", "0,5,10,15,20,25,30,35,40,45", big_notices.c_str(), "big.report"},
        Corpus{"nancycats.gen", "0,5,10,15,20,25,30,35,40,45,50,55,60,65,70,75,80",
               cats_notices.c_str(), nullptr},
        Corpus{"pel1600.txt", "0,5,10,15,20,25,30,35,40,45,50,55,60,65,70,75,80,85,90,95,100,105",
               pel_notices.c_str(), nullptr}),
    [](const auto& info) {
        const std::string file = info.param.file;
        return file.substr(0, file.find('.'));
    });

} // namespace
