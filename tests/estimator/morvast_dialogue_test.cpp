// The dialogue: file names from the command line or the prompts, the sample plan and N, and
// the report file; every refusal ends the run before the data file is read.
#include <filesystem>
#include <gtest/gtest.h>

#include "messages.h"
#include "morvast_run.h"

namespace {

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

const std::string plan_prompt = "Enter sample plan (1 or 2): ";
const std::string n_prompt = "Enter actual (census) population size, N: ";
const std::string name_prompts = "Enter name of data file: Enter output file name: ";
const std::string invalid_entry = " Invalid entry \n";

std::string Hint(Text hint, const std::string& answer = "") {
    return invalid_entry +
           (answer.empty() ? Say(hint) : Say(hint, {{"ANSWER", "\"" + answer + "\""}})) + "\n";
}

TEST(MorvastDialogue, PromptsTakeWhiteSpaceSeparatedItems) {
    TempDir dir;
    WriteFile(dir / "two.txt", two_locus_data);
    const auto run = RunMorvast(dir, {}, "\n\n  two.txt report.txt\t1xyz\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, Hint(Text::census_hint, "xyz"));
    EXPECT_EQ(run.out, opening_screen + name_prompts + plan_prompt + n_prompt);

    const auto good = RunMorvast(dir, {}, "two.txt\nreport.txt\n0x1\n\t1000 and more\n");
    EXPECT_EQ(good.status, 0);
    EXPECT_EQ(good.err, "");
    EXPECT_EQ(good.out, opening_screen + name_prompts + plan_prompt + n_prompt +
                            "Reading two.txt\nProcessing two.txt\nResult written to report.txt\n");
    EXPECT_NE(ReadFile(dir / "report.txt")
                  .find("Loc2     2      50      50     0.0404040    "
                        "0.0212121    5.0       118"),
              std::string::npos);
}

// Answers typed at a terminal arrive line by line and the input does not end after them: each
// is taken as soon as its line is ended.
TEST(MorvastDialogue, AnswersAreTakenAsTheirLinesEnd) {
    TempDir dir;
    WriteFile(dir / "two.txt", two_locus_data);
    EXPECT_EQ(RunMorvastAnsweredThroughOpenPipe(dir, {}, "two.txt report.txt\n1\n1000\n"), 0);
    EXPECT_EQ(ReadFile(dir / "report.txt"),
              Preamble("two.txt", 1) + worked_interval_plan1 + legend);
}

// Each refusal is followed by a line that quotes the answer, says which prompt it answered
// and what that prompt takes.
TEST(MorvastDialogue, RefusedPlansEndTheRunBeforeAnyFileIsOpened) {
    struct Case {
        std::string answer;
        std::string err;
    };
    const std::vector<Case> cases{
        {"3", Hint(Text::plan_hint, "3")},
        {"0", Hint(Text::plan_hint, "0")},
        {"-1", Hint(Text::plan_hint, "-1")},
        {"x", Hint(Text::plan_hint, "x")},
        {"4294967297", Hint(Text::plan_hint, "4294967297")},
        {"+", Hint(Text::plan_hint, "+")},
        {"", Hint(Text::plan_at_end)},
        {"  \n", Hint(Text::plan_at_end)},
        {std::string(50, '7'), Hint(Text::plan_hint, std::string(40, '7'))},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteFile(dir / "two.txt", two_locus_data);
        const auto run = RunMorvast(dir, {"two.txt", "r.txt"}, c.answer);
        EXPECT_EQ(run.status, 1) << c.answer;
        EXPECT_EQ(run.err, c.err) << c.answer;
        EXPECT_EQ(run.out, opening_screen + "Using data from two.txt\n" + plan_prompt) << c.answer;
        EXPECT_FALSE(std::filesystem::exists(dir / "r.txt")) << c.answer;
    }
    TempDir dir;
    const auto at_end = RunMorvast(dir, {}, "");
    EXPECT_EQ(at_end.status, 1);
    EXPECT_EQ(at_end.err, Hint(Text::plan_at_end));
    EXPECT_EQ(at_end.out, opening_screen + name_prompts + plan_prompt);
    // A name with a blank, typed at the prompt, answers three prompts.
    const auto blank = RunMorvast(dir, {}, "my data.txt r.txt\n2\n");
    EXPECT_EQ(blank.err, Hint(Text::plan_after_names_hint, "r.txt"));
}

// A census size of zero would divide the sampling correction by zero.
TEST(MorvastDialogue, CensusSizeMustBePositiveAndFitThirtyTwoBits) {
    struct Case {
        std::string answers;
        std::string err;
    };
    const std::vector<Case> cases{
        {"1 0", Hint(Text::census_hint, "0")},
        {"1 -5", Hint(Text::census_hint, "-5")},
        {"1 2147483648", Hint(Text::census_hint, "2147483648")},
        {"1 x", Hint(Text::census_hint, "x")},
        {"1", Hint(Text::census_at_end)},
        {"1\n-0x1", Hint(Text::census_hint, "-0x1")},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteFile(dir / "two.txt", two_locus_data);
        const auto run = RunMorvast(dir, {"two.txt", "r.txt"}, c.answers);
        EXPECT_EQ(run.status, 1) << c.answers;
        EXPECT_EQ(run.err, c.err) << c.answers;
        EXPECT_EQ(run.out, opening_screen + "Using data from two.txt\n" + plan_prompt + n_prompt)
            << c.answers;
    }
    TempDir dir;
    WriteFile(dir / "two.txt", two_locus_data);
    const auto run = RunMorvast(dir, {"two.txt", "r.txt"}, "1 2147483647");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(ReadFile(dir / "r.txt").find("0.0788275    5.0        32"), std::string::npos);
}

// An answer for N that reads as another number than it says to the eye is still read as it
// always was, and a line tells which number was used and why.
TEST(MorvastDialogue, CensusReadAsAnotherNumberIsTold) {
    struct Case {
        std::string answer;
        std::string N;
        std::vector<Text> why;
    };
    const std::vector<Case> cases{
        {"1e3", "1", {Text::census_read_in_part}},
        {"200.5", "200", {Text::census_read_in_part}},
        {"0200", "128", {Text::census_read_in_base_8}},
        {"0x100", "256", {Text::census_read_in_base_16}},
        {"0200.5", "128", {Text::census_read_in_base_8, Text::census_read_in_part}},
        {"+1000", "", {}},
        {"1000", "", {}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteFile(dir / "two.txt", two_locus_data);
        const auto run = RunMorvast(dir, {"two.txt", "r.txt"}, "1 " + c.answer + "\n");
        EXPECT_EQ(run.status, 0) << c.answer;
        std::string notice;
        if (!c.why.empty()) {
            std::string why = Say(c.why[0]);
            for (std::size_t i = 1; i < c.why.size(); ++i) {
                why += " and " + Say(c.why[i]);
            }
            notice = Say(Text::census_read_notice,
                         {{"N", c.N}, {"ANSWER", "\"" + c.answer + "\""}, {"WHY", why}}) +
                     "\n";
        }
        // An N of 1 is below the samples, and makes the drift seem too large to be true.
        const std::string small =
            c.N == "1" ? Say(Text::census_warning, {{"N", "1"}, {"SIZE", "50"}}) + "\n" +
                             Say(Text::fs_above_one_warning,
                                 {{"FROM", "0"}, {"TO", "5"}, {"FSP", "1.0889285"}}) +
                             "\n"
                       : "";
        EXPECT_EQ(run.err, notice + small) << c.answer;
    }
}

TEST(MorvastDialogue, ReportFileThatCannotBeOpened) {
    TempDir dir;
    WriteFile(dir / "two.txt", two_locus_data);
    std::filesystem::create_directory(dir / "folder");
    for (const auto& [report, reason] : {std::pair{"missing/r.txt", "No such file or directory"},
                                         std::pair{"folder", "Is a directory"}}) {
        const auto run = RunMorvast(dir, {"two.txt", report}, "2\n");
        EXPECT_EQ(run.status, 1) << report;
        EXPECT_EQ(run.err,
                  " Cannon open outfile for writing \n" +
                      Say(Text::report_open_hint, {{"REPORT", report}, {"REASON", reason}}) + "\n");
        EXPECT_EQ(run.out, opening_screen + "Using data from two.txt\n" + plan_prompt) << report;
    }
}

// A report that does not reach the disk is a failure, not a result written.
TEST(MorvastDialogue, ReportThatCannotBeWrittenIsAFailure) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no full device here";
    }
    TempDir dir;
    WriteFile(dir / "two.txt", two_locus_data);
    const auto run = RunMorvast(dir, {"two.txt", "/dev/full"}, "2\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, Say(Text::cannot_write_report, {{"REPORT", "/dev/full"}}) + "\n" +
                           Say(Text::report_write_hint,
                               {{"REPORT", "/dev/full"}, {"REASON", "No space left on device"}}) +
                           "\n");
    EXPECT_EQ(run.out, opening_screen + "Using data from two.txt\n" + plan_prompt +
                           "Reading two.txt\nProcessing two.txt\n");
}

TEST(MorvastDialogue, FileNamesOfAnyLength) {
    TempDir dir;
    const std::string folder(200, 'f');
    std::filesystem::create_directories(dir / folder / folder);
    const std::string data = folder + "/" + folder + "/" + std::string(200, 'd');
    WriteFile(dir / data, two_locus_data);

    const auto prompted = RunMorvast(dir, {}, data + " " + data + ".report 2");
    EXPECT_EQ(prompted.status, 0);
    EXPECT_EQ(prompted.out.substr(prompted.out.size() - data.size() - 8), data + ".report\n");
    EXPECT_EQ(ReadFile(dir / (data + ".report")).substr(0, 100 + data.size()),
              Preamble(data, 2).substr(0, 100 + data.size()));

    const auto derived = RunMorvast(dir, {data}, "2");
    EXPECT_EQ(derived.status, 0);
    EXPECT_NE(derived.out.find("Writing resuls to " + data + ".OUT\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir / (data + ".OUT")));
}

} // namespace
