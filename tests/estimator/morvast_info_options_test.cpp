// --help, -h and --version as Morvast's first argument: a short text on standard output and
// status 0, before the opening screen and without any file; in every other place such an
// argument is a file name, as before.
#include <filesystem>
#include <gtest/gtest.h>

#include "morvast_run.h"

namespace {

using testing_support::TempDir;
using testing_support::WriteFile;

const std::string usage =
    "Usage: Morvast [--table TABLE] [DATA [REPORT]]\n"
    "       Morvast --help | -h\n"
    "       Morvast --version\n"
    "Estimates the effective size Ne from the frequency file DATA (as Pelkin writes\n"
    "it) and appends the report to REPORT, or to DATA.OUT when only DATA is given;\n"
    "without arguments, asks for both. Then asks for the sample plan (1 or 2) and,\n"
    "for plan 1, the census size N. With --table, also writes the results to TABLE\n"
    "as tab-separated values.\n";

std::size_t FilesIn(const TempDir& dir) {
    const auto entries = std::filesystem::directory_iterator(dir.path());
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

TEST(MorvastInfoOptions, HelpAndVersionAnswerAndEndTheRun) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--help"}, {"-h"}, {"--help", "data.txt", "report.txt"}}) {
        TempDir dir;
        const auto run = RunMorvast(dir, args, "2\n");
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, usage);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(FilesIn(dir), 0U);
    }
    TempDir dir;
    const auto run = RunMorvast(dir, {"--version"}, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Morvast " PROJECT_VERSION_TEXT "\n");
    EXPECT_EQ(FilesIn(dir), 0U);
}

TEST(MorvastInfoOptions, OtherArgumentsAreFileNamesAsBefore) {
    // Once every first argument, --help included, named the data file.
    TempDir dir;
    WriteFile(dir / "--helpx", two_locus_data);
    auto run = RunMorvast(dir, {"--helpx", "report.txt"}, "2\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind(opening_screen + "Using data from --helpx\n", 0), 0U);
    // A second argument --version names the report file.
    WriteFile(dir / "two.txt", two_locus_data);
    run = RunMorvast(dir, {"two.txt", "--version"}, "2\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(std::filesystem::exists(dir / "--version"));
}

} // namespace
