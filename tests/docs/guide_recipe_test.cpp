// The guide's awk recipe that adds generation numbers to a GenePop file whose individual lines
// begin with names, run as the guide prints it on two real files: one with a locus name per
// line and LF line ends, one with comma-separated names and CR LF line ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <vector>

#include "guide_text.h"
#include "program_run.h"

namespace {

using docs_support::GuideBlock;
using testing_support::ReadFile;
using testing_support::RunProgram;
using testing_support::RunResult;

const std::string data_dir = DOCS_DATA_DIR;

std::string Recipe() {
    return GuideBlock(ReadFile(GUIDE_FILE), "recipe: add generation numbers");
}

// Runs `recipe` in `dir` on a copy of the test file `name` as names.gen.
RunResult RunRecipe(const std::string& recipe, const std::string& name,
                    const testing_support::TempDir& dir) {
    std::filesystem::copy_file(data_dir + "/" + name, dir / "names.gen");
    return RunProgram("/bin/sh", {"-c", recipe}, "", dir.path());
}

// The generation numbers of the data lines of a frequency file, the last word of each.
std::vector<std::string> GenerationColumn(const std::string& frequency_file) {
    std::istringstream lines(frequency_file);
    std::string line;
    std::getline(lines, line); // samples, loci and title
    std::getline(lines, line); // alleles per locus
    std::vector<std::string> generations;
    while (std::getline(lines, line)) {
        generations.push_back(line.substr(line.rfind(' ') + 1));
    }
    return generations;
}

class GuideRecipe : public ::testing::TestWithParam<std::string> {};

TEST_P(GuideRecipe, NumbersEveryIndividualLineAndPelkinReadsThem) {
    const std::string recipe = Recipe();
    ASSERT_NE(recipe, "") << "the guide has lost its recipe";
    testing_support::TempDir dir;
    const RunResult run = RunRecipe(recipe, GetParam() + ".gen", dir);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadFile(dir / "numbered.gen"),
              ReadFile(data_dir + "/" + GetParam() + "_numbered.gen"));

    const auto converted = RunProgram(PELKIN_EXE, {}, "numbered.gen\n", dir.path());
    EXPECT_EQ(converted.status, 0) << converted.out;
    // Three loci of the three samples of generations 0, 5 and 10, locus by locus.
    const std::vector<std::string> expected{"0", "5", "10", "0", "5", "10", "0", "5", "10"};
    EXPECT_EQ(GenerationColumn(ReadFile(dir / "pelkin.out")), expected);
}

INSTANTIATE_TEST_SUITE_P(CorpusFiles, GuideRecipe, ::testing::Values("c2line", "c2space"));

TEST(GuideRecipeCount, FewerNumbersThanSamplesAreReportedWithStatusOne) {
    std::string recipe = Recipe();
    const std::string numbers = "gens=0,5,10";
    const std::size_t at = recipe.find(numbers);
    ASSERT_NE(at, std::string::npos);
    recipe.replace(at, numbers.size(), "gens=0,5");
    testing_support::TempDir dir;
    const RunResult run = RunRecipe(recipe, "c2line.gen", dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "samples: 3, generation numbers: 2\n");
}

} // namespace
