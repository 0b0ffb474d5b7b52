// Morvast's command line: the options before the file names, --help and --version wherever they
// stand among them, the plan and N given so that nothing is asked, names shown safely, and every
// fault of the command line refused with status 2 before anything is printed or opened.
#include <gtest/gtest.h>

#include "messages.h"
#include "morvast_cases.h"
#include "morvast_run.h"

namespace {

using testing_support::Case;
using testing_support::File;

// Runs whose command line is answered before anything is read or made: the folder stays empty.
TEST(MorvastCases, HelpAndVersion) {
    const std::string usage = Say(Text::usage);
    const std::string version = "Morvast " PROJECT_VERSION_TEXT "\n";
    RunMorvastCases({
        {.name = "help", .args = {"--help"}, .typed = "2\n", .out = usage},
        {.name = "help_short", .args = {"-h"}, .typed = "2\n", .out = usage},
        {.name = "help_before_names",
         .args = {"--help", "data.txt", "report.txt"},
         .typed = "2\n",
         .out = usage},
        {.name = "help_after_options",
         .args = {"--plan", "2", "--table", "t.tsv", "-h"},
         .typed = "2\n",
         .out = usage},
        {.name = "help_after_an_unknown_option",
         .args = {"--bogus", "--help"},
         .typed = "2\n",
         .out = usage},
        {.name = "version", .args = {"--version"}, .typed = "2\n", .out = version},
        {.name = "version_before_help",
         .args = {"--plan", "1", "--version", "--help"},
         .typed = "2\n",
         .out = version},
    });
}

// Each fault is named on a line of its own, the usage follows, and nothing else is printed or
// made. `--table` without a name ended with status 1 before, and a third file name was ignored.
TEST(MorvastCases, FaultsOfTheCommandLine) {
    const auto fault = [](std::string name, std::vector<std::string> args, std::string line) {
        return Case{.name = std::move(name),
                    .args = std::move(args),
                    .typed = "d.txt r.txt 1 100\n",
                    .status = 2,
                    .out = "",
                    .err = line + "\n" + Say(Text::usage)};
    };
    const auto census = [](const char* value) {
        return Say(Text::bad_census_option, {{"VALUE", std::string("\"") + value + "\""}});
    };
    const std::string plan_without_value = Say(Text::option_without_value, {{"OPTION", "--plan"}});
    RunMorvastCases({
        fault("unknown_option", {"--bogus", "d.txt"},
              Say(Text::unknown_option, {{"OPTION", "\"--bogus\""}})),
        fault("unknown_option_like_help", {"--helpx"},
              Say(Text::unknown_option, {{"OPTION", "\"--helpx\""}})),
        fault("plan_without_value", {"--plan"}, plan_without_value),
        fault("plan_without_value_after_census", {"--census", "5", "--plan"}, plan_without_value),
        fault("table_without_name", {"--table"}, Say(Text::table_without_name)),
        fault("table_of_empty_name", {"--table", "", "d.txt"}, Say(Text::table_without_name)),
        fault("plot_without_name", {"--plot"}, Say(Text::plot_without_name)),
        fault("plot_of_empty_name", {"--plot", "", "d.txt"}, Say(Text::plot_without_name)),
        fault("plot_on_standard_output", {"--plot", "-", "d.txt"}, Say(Text::plot_on_output)),
        fault("plan_3", {"--plan", "3"}, Say(Text::bad_plan_option, {{"VALUE", "\"3\""}})),
        fault("plan_02", {"--plan", "02"}, Say(Text::bad_plan_option, {{"VALUE", "\"02\""}})),
        fault("census_with_exponent", {"--plan", "1", "--census", "1e3"}, census("1e3")),
        fault("census_with_leading_0", {"--plan", "1", "--census", "0200"}, census("0200")),
        fault("census_with_sign", {"--plan", "1", "--census", "+5"}, census("+5")),
        fault("census_0", {"--plan", "1", "--census", "0"}, census("0")),
        fault("census_beyond_31_bits", {"--plan", "1", "--census", "2147483648"},
              census("2147483648")),
        fault("census_with_plan_2", {"--plan", "2", "--census", "100"},
              Say(Text::census_with_plan_two)),
        fault("census_without_plan", {"--census", "100", "d.txt"}, Say(Text::census_without_plan)),
        fault("plan_1_without_census", {"--plan", "1", "d.txt"},
              Say(Text::plan_one_without_census)),
        fault("plan_twice", {"--plan", "2", "--plan", "2"},
              Say(Text::option_twice, {{"OPTION", "--plan"}})),
        fault("pairs_of_unknown_value", {"--pairs", "Consecutive", "d.txt"},
              Say(Text::bad_pairs_option, {{"VALUE", "\"Consecutive\""}})),
        fault("pairs_twice", {"--pairs", "all", "--pairs", "all"},
              Say(Text::option_twice, {{"OPTION", "--pairs"}})),
        fault("option_after_names", {"d.txt", "--table", "t.tsv"},
              Say(Text::option_after_names, {{"OPTION", "\"--table\""}})),
        fault("third_name", {"d.txt", "r.txt", "x.txt"},
              Say(Text::third_name, {{"NAME", "\"x.txt\""}})),
        fault("third_name_after_dashes", {"--", "-d", "-r", "-x"},
              Say(Text::third_name, {{"NAME", "\"-x\""}})),
    });
}

// With the plan (and N) given, nothing is read from standard input; after --, a name that looks
// like an option is a file name. Names reach the console and the standard error stream with
// their control bytes shown, and the report as they are.
TEST(MorvastCases, NamesAndPlanGiven) {
    const File two{"two.txt", two_locus_data};
    const std::string steering = "d\x1b]0;owned\x07\\\n\xC2\x9B"
                                 "2J\xFF\xC3\xA9.txt";
    const std::string shown = "d\\x1B]0;owned\\x07\\\\\\x0A\\xC2\\x9B2J\\xFF\xC3\xA9.txt";
    RunMorvastCases({
        {.name = "plan_given_asks_nothing",
         .files = {two},
         .args = {"--plan", "2", "two.txt", "r2.txt"},
         .out = Screen("two.txt") + Progress("two.txt", "r2.txt"),
         .left = {{"r2.txt", Preamble("two.txt", 2) + worked_interval_plan2 + legend}}},
        {.name = "name_like_an_option_after_dashes",
         .files = {{"--help", two_locus_data}},
         .args = {"--", "--help"},
         .typed = "2\n",
         .left = {{"--help.OUT", Preamble("--help", 2) + worked_interval_plan2 + legend}}},
        {.name = "name_that_would_steer_a_terminal",
         .files = {{steering, two_locus_data}},
         .args = {steering, "r.txt"},
         .typed = "2\n",
         // Typed out, not filled by Say, which would show the name itself.
         .out = opening_screen + "Using data from " + shown + "\nEnter sample plan (1 or 2): " +
                "Reading " + shown + "\nProcessing " + shown + "\nResult written to r.txt\n",
         .left = {{"r.txt", Preamble(steering, 2) + worked_interval_plan2 + legend}}},
        {.name = "missing_name_that_would_steer_a_terminal",
         .args = {steering + "x", "r.txt"},
         .typed = "2\n",
         .status = 1,
         .err = "Cannot open data file " + shown + "x\n" +
                Say(Text::data_open_hint,
                    {{"DATA", steering + "x"}, {"REASON", "No such file or directory"}}) +
                "\n",
         .left = {{"r.txt", testing_support::Absent()}}},
    });
}

} // namespace
