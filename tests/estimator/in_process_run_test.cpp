// Whole runs in the test's own process, one after another, as the fuzz target makes them: a
// run's end is caught and reported, and after ResetRun a run reads its own answers and data
// only, whatever the run before it left.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "estimation_run.h"
#include "messages.h"
#include "morvast_run.h"
#include "stream_redirect.h"

namespace {

using testing_support::ReadFile;
using testing_support::Redirect;
using testing_support::TempDir;
using testing_support::WriteFile;

// Runs Morvast in process on `args` with `answers` on standard input; returns the status and
// what the run wrote on the standard error stream.
std::pair<int, std::string> RunInProcess(const TempDir& dir, std::vector<std::string> args,
                                         const std::string& answers) {
    WriteFile(dir / "answers", answers);
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    int status = -1;
    {
        const Redirect in(0, dir / "answers", O_RDONLY);
        const Redirect out(1, "/dev/null", O_WRONLY);
        const Redirect err(2, dir / "err", O_WRONLY | O_CREAT | O_TRUNC);
        ResetRun();
        status = MorvastMain(static_cast<int>(args.size()), argv.data());
    }
    return {status, ReadFile(dir / "err")};
}

TEST(InProcessRun, EachRunAfterResetIsAsFresh) {
    TempDir dir;
    const std::string data = (dir / "two.txt").string();
    const std::string report = (dir / "r.txt").string();
    WriteFile(data, two_locus_data);

    // Refused at its first answer, with the answers of plan 1 read ahead and left over.
    const auto refused = RunInProcess(dir, {"Morvast", data, report}, "3\n1\n1000\n");
    EXPECT_EQ(refused.first, 1);
    EXPECT_EQ(refused.second,
              " Invalid entry \n" + Say(Text::plan_hint, {{"ANSWER", "\"3\""}}) + "\n");
    EXPECT_FALSE(std::filesystem::exists(report));

    const std::string whole = Preamble(data, 2) + worked_interval_plan2 + legend;
    const auto good = RunInProcess(dir, {"Morvast", data, report}, "2\n");
    EXPECT_EQ(good.first, 0);
    EXPECT_EQ(good.second, "");
    EXPECT_EQ(ReadFile(report), whole);

    // Refused in the data file, with the tables half filled.
    WriteFile(dir / "bad.txt", "2 2\n2 2\n0.5 0.5 100 A  1\n0.5 0.5 100 A  2\n0.5 x\n");
    const auto bad = RunInProcess(dir, {"Morvast", (dir / "bad.txt").string(), report}, "2");
    EXPECT_EQ(bad.first, 1);
    EXPECT_EQ(bad.second.substr(0, 66),
              "Error in indata file: cannot read allele 2 at locus 2 in sample 1\n");

    EXPECT_EQ(RunInProcess(dir, {"Morvast", data, report}, "2\n").first, 0);
    EXPECT_EQ(ReadFile(report), whole + whole);
}

} // namespace
