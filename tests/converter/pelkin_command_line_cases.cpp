// Pelkin's command line: the file named there instead of the prompt, the generation numbers of
// --generations, --help and --version, and the usage text for what it does not understand.
#include <gtest/gtest.h>

#include "pelkin_cases.h"

namespace {

using testing_support::Case;

const std::string six_line_example = "Title\nLoc1\nLoc2\nPop\n1 a, 0101 0102\n1 b, 0202 0000\n";
const std::string six_line_frequencies = "1 2 Title\n2  2  \n0.5000 0.5000 4 Loc1  1\n"
                                         "0.5000 0.5000 2 Loc2  1\n";
const std::string three_samples =
    "T\nA\nB\nPop\na, 0101 0101\nPop\nb, 0202 0202\nPop\nc, 0303 0303\n";

TEST(PelkinCases, FileOnTheCommandLine) {
    RunPelkinCases({
        // Standard input is not read: the name on it would convert another file.
        {.name = "file_named_on_the_command_line_is_converted_without_asking",
         .files = {GenePop(six_line_example), {"other.gen", "T\nL\nPop\n9 a, 0909\n"}},
         .args = {"data.gen"},
         .typed = "other.gen\n",
         .out = IntroAndUsing("data.gen"),
         .err = Summary("1", "1", "2", "2", "0", "25.0"),
         .left = {Frequencies(six_line_frequencies)}},
        {.name = "without_arguments_the_prompt_is_shown_as_today",
         .files = {GenePop(six_line_example)},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "1", "2", "2", "0", "25.0"),
         .left = {Frequencies(six_line_frequencies)}},
        {.name = "missing_file_on_the_command_line_is_a_file_failure",
         .args = {"absent.gen"},
         .status = 2,
         .out = IntroAndUsing("absent.gen") + RuntimeReport(2, "00401010", "00401000"),
         .err = Line(Msg::FileOperationFailed, {{"operation", "open"},
                                                {"file", "absent.gen"},
                                                {"reason", "No such file or directory"}})},
        {.name = "empty_file_name_on_the_command_line_is_a_file_failure",
         .args = {""},
         .status = 2,
         .err = Line(Msg::NoFileName)},
        {.name = "double_dash_ends_the_options_so_a_file_may_begin_with_a_dash",
         .files = {{"-data.gen", six_line_example}},
         .args = {"--", "-data.gen"},
         .out = IntroAndUsing("-data.gen"),
         .err = Summary("1", "1", "2", "2", "0", "25.0"),
         .left = {Frequencies(six_line_frequencies)}},
    });
}

Case OtherLength(const char* name, const std::string& list, const char* given) {
    return {.name = name,
            .files = {GenePop(three_samples), Frequencies("earlier\n")},
            .args = {"--generations", list, "data.gen"},
            .status = 1,
            .out = IntroAndUsing("data.gen") +
                   Line(Msg::GenerationListDiffers, {{"generations", "3"}, {"numbers", given}}),
            .err = Line(Msg::GenerationListDiffersHint,
                        {{"file", "data.gen"}, {"generations", "3"}, {"numbers", given}}),
            .left = {Frequencies("earlier\n")}};
}

std::string OneToFiftyOne() {
    std::string list = "1";
    for (int g = 2; g <= 51; ++g) {
        list.append(",").append(std::to_string(g));
    }
    return list;
}

TEST(PelkinCases, GenerationNumbersGiven) {
    RunPelkinCases({
        {.name = "generation_numbers_given_replace_the_first_individuals_ones",
         .files = {GenePop("T\nL\nPop\nb1, 0101\nb2, 0102\nPop\n12 c1, 0202\n")},
         .args = {"--generations", "-5,70000", "data.gen"},
         .out = IntroAndUsing("data.gen"),
         .err = Summary("2", "-5, 70000", "2, 1", "1", "0", "0.0"),
         .left = {Frequencies("2 1 T\n2  \n0.7500 0.2500 4 L  -5\n0.0000 1.0000 2 L  70000\n")}},
        // Two markers in a row once made a first sample without individuals, which took the
        // first number of the list and was written with the frequencies over all samples.
        {.name = "marker_without_individuals_takes_no_number_of_the_list",
         .files = {GenePop("T\nL\nPop\nPop\n1 a, 0101\n")},
         .args = {"--generations", "2", "data.gen"},
         .out = IntroAndUsing("data.gen"),
         .err = EmptySampleNotice("3") + Summary("1", "2", "1", "1", "1", "0.0"),
         .left = {Frequencies("1 1 T\n1  \n1.0000 2 L  2\n")}},
        {.name = "generation_numbers_given_with_the_prompt",
         .files = {GenePop("T\nL\nPop\na, 0101\n")},
         .args = {"--generations", "3"},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "3", "1", "1", "1", "0.0"),
         .left = {Frequencies("1 1 T\n1  \n1.0000 2 L  3\n")}},
        OtherLength("list_shorter_than_the_samples_refused_after_the_reading", "0,5", "2"),
        OtherLength("list_longer_than_the_samples_refused_after_the_reading", "0,5,10,15", "4"),
        OtherLength("list_beyond_the_old_table_refused_after_the_reading", OneToFiftyOne(), "51"),
    });
}

Case Help(const char* name, std::vector<std::string> args) {
    return {.name = name, .args = std::move(args), .typed = "data.gen\n", .out = UsageText()};
}

// A command line not understood: the fault and the usage on standard error, status 2, and no
// file touched.
Case NotUnderstood(const char* name, std::vector<std::string> args, const std::string& fault) {
    return {.name = name,
            .files = {GenePop(six_line_example)},
            .args = std::move(args),
            .typed = "data.gen\n",
            .status = 2,
            .out = "",
            .err = fault + UsageText()};
}

TEST(PelkinCases, HelpVersionAndUsage) {
    const auto unknown = [](const char* argument) {
        return Line(Msg::UnknownOption, {{"argument", argument}});
    };
    const auto malformed = [](const char* list) {
        return Line(Msg::ListMalformed, {{"list", list}});
    };
    RunPelkinCases({
        Help("help_prints_the_usage", {"--help"}),
        Help("h_prints_the_usage", {"-h"}),
        Help("help_after_generations_prints_the_usage", {"--generations", "0", "--help"}),
        {.name = "version_is_the_projects_version",
         .args = {"--version"},
         .typed = "data.gen\n",
         .out = Line(Msg::Version, {{"version", PROJECT_VERSION_TEXT}})},
        NotUnderstood("unknown_option", {"-x"}, unknown("-x")),
        NotUnderstood("options_are_case_sensitive", {"--Help"}, unknown("--Help")),
        NotUnderstood("dash_alone_is_an_unknown_option", {"-"}, unknown("-")),
        NotUnderstood("generations_with_an_equals_sign", {"--generations=0,5"},
                      unknown("--generations=0,5")),
        NotUnderstood("second_file_name", {"data.gen", "more.gen"},
                      Line(Msg::SecondFile, {{"argument", "more.gen"}})),
        NotUnderstood("second_file_name_after_double_dash", {"--", "data.gen", "-x"},
                      Line(Msg::SecondFile, {{"argument", "-x"}})),
        NotUnderstood("option_after_the_file_name", {"data.gen", "--help"},
                      Line(Msg::OptionAfterFile, {{"argument", "--help"}})),
        NotUnderstood("generations_without_a_list", {"--generations"}, Line(Msg::ListMissing)),
        NotUnderstood("list_with_an_empty_number", {"--generations", "0,,5", "data.gen"},
                      malformed("0,,5")),
        NotUnderstood("list_beyond_32_bits", {"--generations", "2147483648"},
                      malformed("2147483648")),
        NotUnderstood("generations_given_twice", {"--generations", "0", "--generations", "5"},
                      Line(Msg::ListTwice)),
    });
}

} // namespace
