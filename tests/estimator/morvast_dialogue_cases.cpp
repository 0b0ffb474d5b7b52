// The dialogue: file names from the command line or the prompts, the sample plan and N, and
// the report file; every refusal ends the run before the data file is read.
#include <gtest/gtest.h>

#include "messages.h"
#include "morvast_cases.h"
#include "morvast_run.h"

namespace {

using testing_support::Absent;
using testing_support::AFolder;
using testing_support::Case;
using testing_support::File;
using testing_support::Stored;

const std::string plan_prompt = "Enter sample plan (1 or 2): ";
const std::string n_prompt = "Enter actual (census) population size, N: ";
const std::string name_prompts = "Enter name of data file: Enter output file name: ";

std::string Hint(Text hint, const std::string& answer = "") {
    return " Invalid entry \n" +
           (answer.empty() ? Say(hint) : Say(hint, {{"ANSWER", "\"" + answer + "\""}})) + "\n";
}

TEST(MorvastCases, Dialogue) {
    const File two{"two.txt", two_locus_data};
    const std::vector<std::string> names{"two.txt", "r.txt"};
    const std::string asked_plan = opening_screen + "Using data from two.txt\n" + plan_prompt;
    const std::string asked_n = asked_plan + n_prompt;
    const File no_report{"r.txt", Absent()};
    const std::string worked_1 = Preamble("two.txt", 1) + worked_interval_plan1 + legend;
    const std::string worked_2 = Preamble("two.txt", 2) + worked_interval_plan2 + legend;
    const std::string folder(200, 'f');
    const std::string long_name = folder + "/" + folder + "/" + std::string(200, 'd');
    RunMorvastCases({
        // The prompts take items separated by white space, not lines.
        {.name = "prompts_take_white_space_separated_items",
         .files = {two},
         .typed = "\n\n  two.txt report.txt\t1xyz\n",
         .status = 1,
         .out = opening_screen + name_prompts + plan_prompt + n_prompt,
         .err = Hint(Text::census_hint, "xyz"),
         .left = {{"report.txt", Absent()}}},
        {.name = "prompts_take_the_start_of_a_line",
         .files = {two},
         .typed = "two.txt\nreport.txt\n0x1\n\t1000 and more\n",
         .out = opening_screen + name_prompts + plan_prompt + n_prompt +
                Progress("two.txt", "report.txt"),
         .left = {{"report.txt", worked_1}}},

        // Runs after the names are given.
        {.name = "plan_at_the_end_after_prompted_names",
         .status = 1,
         .out = opening_screen + name_prompts + plan_prompt,
         .err = Hint(Text::plan_at_end)},
        // A name with a blank, typed at the prompt, answers three prompts.
        {.name = "plan_after_a_prompted_name_with_a_blank",
         .typed = "my data.txt r.txt\n2\n",
         .status = 1,
         .out = opening_screen + name_prompts + plan_prompt,
         .err = Hint(Text::plan_after_names_hint, "r.txt")},
        {.name = "census_of_31_bits",
         .files = {two},
         .args = names,
         .typed = "1 2147483647",
         .out = asked_n + Progress("two.txt", "r.txt"),
         .left = {{"r.txt", Stored("r.txt")}}},
        {.name = "census_with_a_plus",
         .files = {two},
         .args = names,
         .typed = "1 +1000\n",
         .left = {{"r.txt", worked_1}}},
        {.name = "census_plain",
         .files = {two},
         .args = names,
         .typed = "1 1000\n",
         .left = {{"r.txt", worked_1}}},

        {.name = "report_in_a_missing_folder",
         .files = {two},
         .args = {"two.txt", "missing/r.txt"},
         .typed = "2\n",
         .status = 1,
         .out = asked_plan,
         .err = " Cannon open outfile for writing \n" +
                Say(Text::report_open_hint,
                    {{"REPORT", "missing/r.txt"}, {"REASON", "No such file or directory"}}) +
                "\n"},
        {.name = "report_a_folder",
         .files = {two, {"folder", AFolder()}},
         .args = {"two.txt", "folder"},
         .typed = "2\n",
         .status = 1,
         .out = asked_plan,
         .err = " Cannon open outfile for writing \n" +
                Say(Text::report_open_hint, {{"REPORT", "folder"}, {"REASON", "Is a directory"}}) +
                "\n",
         .left = {{"folder", AFolder()}}},
        // A report that does not reach the disk is a failure, not a result written.
        {.name = "report_that_cannot_be_written",
         .files = {two},
         .args = {"two.txt", "/dev/full"},
         .typed = "2\n",
         .status = 1,
         .out = asked_plan + "Reading two.txt\nProcessing two.txt\n",
         .err = ReportNotWritten("/dev/full", "No space left on device")},

        // File names of any length, typed at the prompts or given.
        {.name = "long_names_typed",
         .files = {{long_name, two_locus_data}},
         .typed = long_name + " " + long_name + ".report 2",
         .out = opening_screen + name_prompts + plan_prompt +
                Progress(long_name, long_name + ".report"),
         .left = {{long_name + ".report",
                   Preamble(long_name, 2) + worked_interval_plan2 + legend}}},
        {.name = "long_name_given",
         .files = {{long_name, two_locus_data}},
         .args = {long_name},
         .typed = "2",
         .out = opening_screen + "Using data from " + long_name + "\nWriting resuls to " +
                long_name + ".OUT\n" + plan_prompt + Progress(long_name, long_name + ".OUT"),
         .left = {{long_name + ".OUT", {}}}},

        // One run after another in one process: after a refusal that left answers unread, and
        // after a refusal of the data file with the tables half filled, a run reads its own
        // answers and data only.
        {.name = "refused_with_answers_left",
         .files = {two},
         .args = names,
         .typed = "3\n1\n1000\n",
         .status = 1,
         .out = asked_plan,
         .err = Hint(Text::plan_hint, "3"),
         .left = {no_report}},
        {.name = "run_after_the_refusal",
         .files = {two},
         .args = names,
         .typed = "2\n",
         .out = asked_plan + Progress("two.txt", "r.txt"),
         .left = {{"r.txt", worked_2}}},
        {.name = "refused_in_the_data",
         .files = {{"bad.txt", "2 2\n2 2\n0.5 0.5 100 A  1\n0.5 0.5 100 A  2\n0.5 x\n"}},
         .args = {"bad.txt", "r.txt"},
         .typed = "2",
         .status = 1,
         .err = Stored("err.txt"),
         .left = {no_report}},
        {.name = "run_after_the_refused_data",
         .files = {two, {"r.txt", worked_2}},
         .args = names,
         .typed = "2\n",
         .left = {{"r.txt", worked_2 + worked_2}}},
    });
}

// Each refusal of an answer is followed by a line that quotes the answer, says which prompt it
// answered and what that prompt takes; the run ends before any file is opened. A census size of
// zero would divide the sampling correction by zero.
TEST(MorvastCases, RefusedAnswers) {
    const std::string asked_plan = opening_screen + "Using data from two.txt\n" + plan_prompt;
    const auto refused = [&](std::string name, std::string typed, std::string out,
                             std::string err) {
        return Case{.name = std::move(name),
                    .files = {{"two.txt", two_locus_data}},
                    .args = {"two.txt", "r.txt"},
                    .typed = std::move(typed),
                    .status = 1,
                    .out = std::move(out),
                    .err = std::move(err),
                    .left = {{"r.txt", Absent()}}};
    };
    const auto plan = [&](std::string name, std::string typed, std::string err) {
        return refused(std::move(name), std::move(typed), asked_plan, std::move(err));
    };
    const auto census = [&](std::string name, std::string typed, std::string err) {
        return refused(std::move(name), std::move(typed), asked_plan + n_prompt, std::move(err));
    };
    RunMorvastCases({
        plan("plan_3", "3", Hint(Text::plan_hint, "3")),
        plan("plan_0", "0", Hint(Text::plan_hint, "0")),
        plan("plan_negative", "-1", Hint(Text::plan_hint, "-1")),
        plan("plan_a_letter", "x", Hint(Text::plan_hint, "x")),
        plan("plan_beyond_32_bits", "4294967297", Hint(Text::plan_hint, "4294967297")),
        plan("plan_a_sign", "+", Hint(Text::plan_hint, "+")),
        plan("plan_at_the_end", "", Hint(Text::plan_at_end)),
        plan("plan_at_the_end_of_blanks", "  \n", Hint(Text::plan_at_end)),
        plan("plan_quoted_to_40_characters", std::string(50, '7'),
             Hint(Text::plan_hint, std::string(40, '7'))),
        census("census_0", "1 0", Hint(Text::census_hint, "0")),
        census("census_negative", "1 -5", Hint(Text::census_hint, "-5")),
        census("census_beyond_31_bits", "1 2147483648", Hint(Text::census_hint, "2147483648")),
        census("census_a_letter", "1 x", Hint(Text::census_hint, "x")),
        census("census_at_the_end", "1", Hint(Text::census_at_end)),
        census("census_negative_in_base_16", "1\n-0x1", Hint(Text::census_hint, "-0x1")),
    });
}

// An answer for N that reads as another number than it says to the eye is still read as it
// always was, and a line tells which number was used and why.
TEST(MorvastCases, CensusReadAsAnotherNumber) {
    const auto read_as = [](std::string name, std::string answer, std::string N,
                            std::vector<Text> why, std::string after = "") {
        std::string reasons = Say(why[0]);
        for (std::size_t i = 1; i < why.size(); ++i) {
            reasons += " and " + Say(why[i]);
        }
        return Case{.name = std::move(name),
                    .files = {{"two.txt", two_locus_data}},
                    .args = {"two.txt", "r.txt"},
                    .typed = "1 " + answer + "\n",
                    .err = Say(Text::census_read_notice,
                               {{"N", N}, {"ANSWER", "\"" + answer + "\""}, {"WHY", reasons}}) +
                           "\n" + after,
                    .left = {{"r.txt", {}}}};
    };
    // An N of 1 is below the samples, and makes the drift seem too large to be true.
    const std::string n_of_1 =
        Say(Text::census_warning, {{"N", "1"}, {"SIZE", "50"}}) + "\n" +
        Say(Text::fs_above_one_warning, {{"FROM", "0"}, {"TO", "5"}, {"FSP", "1.0889285"}}) + "\n";
    RunMorvastCases({
        read_as("census_read_in_part", "1e3", "1", {Text::census_read_in_part}, n_of_1),
        read_as("census_read_to_its_point", "200.5", "200", {Text::census_read_in_part}),
        read_as("census_read_in_base_8", "0200", "128", {Text::census_read_in_base_8}),
        read_as("census_read_in_base_16", "0x100", "256", {Text::census_read_in_base_16}),
        read_as("census_read_in_base_8_and_in_part", "0200.5", "128",
                {Text::census_read_in_base_8, Text::census_read_in_part}),
    });
}

} // namespace
