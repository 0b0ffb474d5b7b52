// The dialogue: file names from the command line or the prompts, the sample plan and N, and
// the report file; every refusal ends the run before the data file is read.
#include <gtest/gtest.h>

#include "messages.h"
#include "morvast_cases.h"
#include "morvast_run.h"

namespace {

using testing_support::Absent;
using testing_support::AFolder;
using testing_support::File;
using testing_support::Stored;

const std::string plan_prompt = "Enter sample plan (1 or 2): ";
const std::string n_prompt = "Enter actual (census) population size, N: ";
const std::string name_prompts = "Enter name of data file: Enter output file name: ";

std::string Hint(Text hint, const std::string& answer = "") {
    return " Invalid entry \n" +
           (answer.empty() ? Say(hint) : Say(hint, {{"ANSWER", "\"" + answer + "\""}})) + "\n";
}

// The notice of an answer for N read as another number, for the reasons `why`.
std::string ReadAs(const std::string& N, const std::string& answer, std::vector<Text> why) {
    std::string reasons = Say(why[0]);
    for (std::size_t i = 1; i < why.size(); ++i) {
        reasons += " and " + Say(why[i]);
    }
    return Say(Text::census_read_notice,
               {{"N", N}, {"ANSWER", "\"" + answer + "\""}, {"WHY", reasons}}) +
           "\n";
}

TEST(MorvastCases, Dialogue) {
    const File two{"two.txt", two_locus_data};
    const std::vector<std::string> names{"two.txt", "r.txt"};
    const std::string asked_plan = opening_screen + "Using data from two.txt\n" + plan_prompt;
    const std::string asked_n = asked_plan + n_prompt;
    const File no_report{"r.txt", Absent()};
    const File report{"r.txt", {}};
    const std::string worked_1 = Preamble("two.txt", 1) + worked_interval_plan1 + legend;
    const std::string worked_2 = Preamble("two.txt", 2) + worked_interval_plan2 + legend;
    // An N of 1 is below the samples, and makes the drift seem too large to be true.
    const std::string n_of_1 =
        Say(Text::census_warning, {{"N", "1"}, {"SIZE", "50"}}) + "\n" +
        Say(Text::fs_above_one_warning, {{"FROM", "0"}, {"TO", "5"}, {"FSP", "1.0889285"}}) + "\n";
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

        // Each refusal is followed by a line that quotes the answer, says which prompt it
        // answered and what that prompt takes; no file is opened.
        {.name = "plan_3",
         .files = {two},
         .args = names,
         .typed = "3",
         .status = 1,
         .out = asked_plan,
         .err = Hint(Text::plan_hint, "3"),
         .left = {no_report}},
        {.name = "plan_0",
         .files = {two},
         .args = names,
         .typed = "0",
         .status = 1,
         .out = asked_plan,
         .err = Hint(Text::plan_hint, "0"),
         .left = {no_report}},
        {.name = "plan_negative",
         .files = {two},
         .args = names,
         .typed = "-1",
         .status = 1,
         .out = asked_plan,
         .err = Hint(Text::plan_hint, "-1"),
         .left = {no_report}},
        {.name = "plan_a_letter",
         .files = {two},
         .args = names,
         .typed = "x",
         .status = 1,
         .out = asked_plan,
         .err = Hint(Text::plan_hint, "x"),
         .left = {no_report}},
        {.name = "plan_beyond_32_bits",
         .files = {two},
         .args = names,
         .typed = "4294967297",
         .status = 1,
         .out = asked_plan,
         .err = Hint(Text::plan_hint, "4294967297"),
         .left = {no_report}},
        {.name = "plan_a_sign",
         .files = {two},
         .args = names,
         .typed = "+",
         .status = 1,
         .out = asked_plan,
         .err = Hint(Text::plan_hint, "+"),
         .left = {no_report}},
        {.name = "plan_at_the_end",
         .files = {two},
         .args = names,
         .typed = "",
         .status = 1,
         .out = asked_plan,
         .err = Hint(Text::plan_at_end),
         .left = {no_report}},
        {.name = "plan_at_the_end_of_blanks",
         .files = {two},
         .args = names,
         .typed = "  \n",
         .status = 1,
         .out = asked_plan,
         .err = Hint(Text::plan_at_end),
         .left = {no_report}},
        {.name = "plan_quoted_to_40_characters",
         .files = {two},
         .args = names,
         .typed = std::string(50, '7'),
         .status = 1,
         .out = asked_plan,
         .err = Hint(Text::plan_hint, std::string(40, '7')),
         .left = {no_report}},
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

        // A census size of zero would divide the sampling correction by zero.
        {.name = "census_0",
         .files = {two},
         .args = names,
         .typed = "1 0",
         .status = 1,
         .out = asked_n,
         .err = Hint(Text::census_hint, "0"),
         .left = {no_report}},
        {.name = "census_negative",
         .files = {two},
         .args = names,
         .typed = "1 -5",
         .status = 1,
         .out = asked_n,
         .err = Hint(Text::census_hint, "-5"),
         .left = {no_report}},
        {.name = "census_beyond_31_bits",
         .files = {two},
         .args = names,
         .typed = "1 2147483648",
         .status = 1,
         .out = asked_n,
         .err = Hint(Text::census_hint, "2147483648"),
         .left = {no_report}},
        {.name = "census_a_letter",
         .files = {two},
         .args = names,
         .typed = "1 x",
         .status = 1,
         .out = asked_n,
         .err = Hint(Text::census_hint, "x"),
         .left = {no_report}},
        {.name = "census_at_the_end",
         .files = {two},
         .args = names,
         .typed = "1",
         .status = 1,
         .out = asked_n,
         .err = Hint(Text::census_at_end),
         .left = {no_report}},
        {.name = "census_negative_in_base_16",
         .files = {two},
         .args = names,
         .typed = "1\n-0x1",
         .status = 1,
         .out = asked_n,
         .err = Hint(Text::census_hint, "-0x1"),
         .left = {no_report}},
        {.name = "census_of_31_bits",
         .files = {two},
         .args = names,
         .typed = "1 2147483647",
         .out = asked_n + Progress("two.txt", "r.txt"),
         .left = {{"r.txt", Stored("r.txt")}}},

        // An answer for N that reads as another number than it says to the eye is still read
        // as it always was, and a line tells which number was used and why.
        {.name = "census_read_in_part",
         .files = {two},
         .args = names,
         .typed = "1 1e3\n",
         .err = ReadAs("1", "1e3", {Text::census_read_in_part}) + n_of_1,
         .left = {report}},
        {.name = "census_read_to_its_point",
         .files = {two},
         .args = names,
         .typed = "1 200.5\n",
         .err = ReadAs("200", "200.5", {Text::census_read_in_part}),
         .left = {report}},
        {.name = "census_read_in_base_8",
         .files = {two},
         .args = names,
         .typed = "1 0200\n",
         .err = ReadAs("128", "0200", {Text::census_read_in_base_8}),
         .left = {report}},
        {.name = "census_read_in_base_16",
         .files = {two},
         .args = names,
         .typed = "1 0x100\n",
         .err = ReadAs("256", "0x100", {Text::census_read_in_base_16}),
         .left = {report}},
        {.name = "census_read_in_base_8_and_in_part",
         .files = {two},
         .args = names,
         .typed = "1 0200.5\n",
         .err = ReadAs("128", "0200.5", {Text::census_read_in_base_8, Text::census_read_in_part}),
         .left = {report}},
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

} // namespace
