// The manual pages render without a single warning of the formatter, and each has the sections
// that a reader looks for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_run.h"

namespace {

using testing_support::RunProgram;

const std::string man_dir = MAN_DIR;

class ManPage : public ::testing::TestWithParam<std::string> {};

TEST_P(ManPage, RendersWithoutWarnings) {
    testing_support::TempDir dir;
    const auto run = RunProgram(
        GROFF_EXE, {"-ww", "-man", "-Tutf8", "-z", man_dir + "/" + GetParam()}, "", dir.path());
    EXPECT_EQ(run.status, 0) << "is groff installed? .ci/install-deps installs it";
    EXPECT_EQ(run.err, "");
}

TEST_P(ManPage, HasEverySection) {
    testing_support::TempDir dir;
    // Plain text: no bold, underline or overstrike, so that headings read as typed.
    const auto run = RunProgram(
        GROFF_EXE, {"-man", "-Tutf8", "-P-cbou", man_dir + "/" + GetParam()}, "", dir.path());
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> sections{"NAME",        "SYNOPSIS",     "DESCRIPTION",
                                            "OPTIONS",     "THE DIALOGUE", "FILES",
                                            "EXIT STATUS", "DIAGNOSTICS",  "EXAMPLES"};
    for (const std::string& section : sections) {
        EXPECT_NE(run.out.find("\n" + section + "\n"), std::string::npos) << section;
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, ManPage, ::testing::Values("Pelkin.1", "Morvast.1"),
                         [](const auto& info) {
                             return info.param.substr(0, info.param.find('.'));
                         });

} // namespace
