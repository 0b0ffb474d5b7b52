// Real GenePop files whose individual lines begin with names, given their generation numbers
// with --generations, converted by Pelkin and estimated by Morvast under plan 2: the report is
// compared byte for byte with the one kept beside this test (data/*.report), and the files of
// more samples than Morvast takes are refused by it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "program_run.h"

namespace {

using testing_support::ReadFile;
using testing_support::RunProgram;

struct Corpus {
    const char* file;
    const char* generations;
    const char* notices; // what Pelkin says on standard error
    const char* report;  // the report kept beside the test, or none when Morvast refuses
};

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
    if (corpus.report == nullptr) {
        EXPECT_EQ(estimated.status, 1);
        EXPECT_EQ(estimated.err, "To many samples in this data set\n");
        return;
    }
    EXPECT_EQ(estimated.status, 0) << estimated.err;
    EXPECT_EQ(estimated.err, "");
    EXPECT_EQ(ReadFile(dir / "report.txt"),
              ReadFile(std::string(PIPELINE_DATA_DIR) + "/" + corpus.report));
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

INSTANTIATE_TEST_SUITE_P(
    Files, CorpusPipeline,
    ::testing::Values(
        Corpus{"tiny.txt", "0,5,10", tiny_notices.c_str(), "tiny.report"},
        Corpus{"c2line.gen", "0,5,10", c2_notices.c_str(), "c2line.report"},
        Corpus{"c2space.gen", "0,5,10", c2_notices.c_str(), "c2space.report"},
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
