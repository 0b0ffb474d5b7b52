// The drift simulator as its users meet it: the bytes of its GenePop file for a seed, the
// layout the converter reads, the two sampling plans, untyped genotypes, and its usage text.
#include "drift_options.h"
#include "drift_population.h"
#include "program_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>

namespace {

using testing_support::ReadFile;
using testing_support::RunProgram;
using testing_support::TempDir;

testing_support::RunResult RunSimulator(const std::vector<std::string>& args) {
    TempDir folder;
    return RunProgram(DRIFTSIM_EXE, args, "", folder.path());
}

TEST(Simulator, WritesTheSameBytesOnEveryMachineForASeed) {
    const auto run = RunSimulator({"--ne", "4", "--census", "6", "--loci", "2", "--alleles", "3",
                                   "--sample", "3", "--generations", "0,1,1", "--seed", "11",
                                   "--missing", "0.2", "--plan", "1"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "Simulated drift: Ne 4, N 6, plan 1, seed 11\n"
                       "Loc1\n"
                       "Loc2\n"
                       "Pop\n"
                       "0 ind1, 0101 0201\n"
                       "0 ind2, 0102 0303\n"
                       "0 ind3, 0201 0201\n"
                       "Pop\n"
                       "1 ind1, 0000 0202\n"
                       "1 ind2, 0201 0103\n"
                       "1 ind3, 0000 0103\n"
                       "Pop\n"
                       "1 ind1, 0201 0000\n"
                       "1 ind2, 0102 0101\n"
                       "1 ind3, 0000 0203\n");
}

TEST(Simulator, SameSeedGivesTheSameFileAndAnotherSeedAnother) {
    const std::vector<std::string> args{"--loci", "5", "--sample", "20", "--seed"};
    auto with_seed = [&](const std::string& seed) {
        auto all = args;
        all.push_back(seed);
        return all;
    };
    const auto first = RunSimulator(with_seed("42"));
    EXPECT_EQ(RunSimulator(with_seed("42")).out, first.out);
    EXPECT_NE(RunSimulator(with_seed("43")).out, first.out);

    TempDir folder;
    auto to_file = with_seed("42");
    to_file.insert(to_file.end(), {"--output", "sim.gen"});
    const auto written = RunProgram(DRIFTSIM_EXE, to_file, "", folder.path());
    EXPECT_EQ(written.status, 0);
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(ReadFile(folder / "sim.gen"), first.out);
}

TEST(Simulator, LaysOutOnePopLinePerSampleAndTheGenerationFirstOnEveryIndividual) {
    const auto run = RunSimulator({"--loci", "7", "--alleles", "12", "--sample", "9",
                                   "--generations", "0,3,8", "--missing", "0.1", "--seed", "3"});
    ASSERT_EQ(run.status, 0);
    ASSERT_EQ(run.out.find('\r'), std::string::npos);
    ASSERT_EQ(run.out.back(), '\n');
    std::istringstream lines(run.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "Simulated drift: Ne 50, N 50, plan 2, seed 3");
    for (int locus = 1; locus <= 7; ++locus) {
        std::getline(lines, line);
        EXPECT_EQ(line, "Loc" + std::to_string(locus));
    }
    const std::regex genotypes("( (0[0-9]|1[0-2]){2}){7}");
    for (const std::string generation : {"0", "3", "8"}) {
        std::getline(lines, line);
        EXPECT_EQ(line, "Pop");
        for (int individual = 1; individual <= 9; ++individual) {
            std::getline(lines, line);
            const std::string head = generation + " ind" + std::to_string(individual) + ",";
            EXPECT_EQ(line.substr(0, head.size()), head);
            EXPECT_TRUE(std::regex_match(line.substr(head.size()), genotypes)) << line;
        }
    }
    EXPECT_FALSE(std::getline(lines, line));
}

drift::DriftSettings TwoSamplesOfOneGeneration(int plan) {
    drift::DriftSettings settings;
    settings.effective_size = 30;
    settings.census_size = 30;
    settings.sample_size = 30;
    settings.sample_generations = {4, 4};
    settings.plan = plan;
    return settings;
}

// The genotypes of every sampled individual at all loci, one entry per individual.
std::vector<std::string> Individuals(const drift::DriftSample& sample, int loci) {
    std::vector<std::string> individuals;
    for (std::size_t at = 0; at < sample.codes.size(); at += 2 * loci) {
        individuals.emplace_back(sample.codes.begin() + at, sample.codes.begin() + at + 2 * loci);
    }
    std::sort(individuals.begin(), individuals.end());
    return individuals;
}

TEST(Simulator, PlanOneTakesDistinctAdultsAndPlanTwoDrawsWithReplacement) {
    // A sample as large as the census: under plan 1 it is the whole generation, so two such
    // samples hold the same individuals; under plan 2 some adults are drawn twice and others
    // not at all.
    const auto distinct = drift::SimulateDrift(TwoSamplesOfOneGeneration(1));
    const auto first = Individuals(distinct[0], 20);
    EXPECT_EQ(first, Individuals(distinct[1], 20));
    EXPECT_EQ(std::adjacent_find(first.begin(), first.end()), first.end());

    const auto replaced = drift::SimulateDrift(TwoSamplesOfOneGeneration(2));
    const auto drawn = Individuals(replaced[0], 20);
    EXPECT_NE(drawn, Individuals(replaced[1], 20));
    EXPECT_NE(std::adjacent_find(drawn.begin(), drawn.end()), drawn.end());
}

double ShareUntyped(double rate) {
    drift::DriftSettings settings;
    settings.sample_size = 200;
    settings.missing_rate = rate;
    const auto samples = drift::SimulateDrift(settings);
    int untyped = 0;
    int all = 0;
    for (const auto& sample : samples) {
        for (std::size_t at = 0; at < sample.codes.size(); at += 2) {
            EXPECT_EQ(sample.codes[at] == 0, sample.codes[at + 1] == 0);
            untyped += sample.codes[at] == 0 ? 1 : 0;
            ++all;
        }
    }
    return static_cast<double>(untyped) / all;
}

TEST(Simulator, LeavesGenotypesUntypedAtTheChosenRate) {
    EXPECT_EQ(ShareUntyped(0), 0.0);
    EXPECT_EQ(ShareUntyped(1), 1.0);
    EXPECT_NEAR(ShareUntyped(0.25), 0.25, 0.02);
}

TEST(Simulator, RefusesBadArgumentsWithItsUsage) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"--size", "5"}, "unknown option --size"},
        {{"--loci"}, "no value for --loci"},
        {{"--loci", "101"}, "bad value for --loci: 101"},
        {{"--alleles", "0"}, "bad value for --alleles: 0"},
        {{"--plan", "3"}, "bad value for --plan: 3"},
        {{"--sample", "10001"}, "bad value for --sample: 10001"},
        {{"--ne", "0"}, "bad value for --ne: 0"},
        {{"--ne", "5x"}, "bad value for --ne: 5x"},
        {{"--generations", "0,10,5"}, "bad value for --generations: 0,10,5"},
        {{"--generations", "0,,5"}, "bad value for --generations: 0,,5"},
        {{"--missing", "1.5"}, "bad value for --missing: 1.5"},
        {{"--missing", "nan"}, "bad value for --missing: nan"},
        {{"--seed", "-1"}, "bad value for --seed: -1"},
        {{"--output", ""}, "bad value for --output: "},
        {{"--ne", "100", "--census", "99"}, "the census size is smaller than the effective size"},
        {{"--plan", "1", "--sample", "51"},
         "plan 1 cannot sample more distinct adults than the census size"},
    };
    for (const auto& [args, fault] : cases) {
        const auto run = RunSimulator(args);
        EXPECT_EQ(run.status, 2) << fault;
        EXPECT_EQ(run.out, "") << fault;
        EXPECT_EQ(run.err, "driftsim: " + fault + "\n" + drift::kDriftUsage);
    }
    const auto help = RunSimulator({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, drift::kDriftUsage);
}

TEST(Simulator, ReportsAFileItCannotWrite) {
    const auto run = RunSimulator({"--output", "no-such-folder/sim.gen"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "driftsim: cannot write no-such-folder/sim.gen\n");
}

} // namespace
