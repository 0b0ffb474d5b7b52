// The script that makes the guide's table of what the wrong sampling plan does still runs on
// the programs as built: a few replicates, one row per setting and plan.
#include <gtest/gtest.h>

#include <algorithm>

#include "program_run.h"

namespace {

TEST(PlanBiasScript, PrintsARowForEverySettingAndPlan) {
    testing_support::TempDir dir;
    const auto run = testing_support::RunProgram("/bin/bash", {PLAN_BIAS_SCRIPT, BUILD_DIR, "3"},
                                                 "", dir.path());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("Ne 200, t 10 generations, samples of 50, 20 loci of 5 alleles; "
                            "expected Fs' 0.0247",
                            0),
              0U)
        << run.out;
    // A title, the column heads, and two settings of N by two plans drawn by two plans used.
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 10) << run.out;
    EXPECT_EQ(run.out.find("nan"), std::string::npos) << run.out;
}

} // namespace
