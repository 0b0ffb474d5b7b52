// Each mend of the old converter's behaviour, run against the behaviour it replaces.
#include <gtest/gtest.h>

#include "genepop_texts.h"
#include "pelkin_cases.h"

namespace {

using testing_support::AFolder;
using testing_support::Case;
using testing_support::HardLink;
using testing_support::Link;

// Locus 2 used to take the line end and the end of the file, or the empty lines that follow, as
// two missing copies, and the file was converted without a word.
Case ShortLastLine(const char* name, const std::string& line_end, const std::string& after) {
    return {.name = name,
            .files = {GenePop(
                WithLineEnds("T\nA\nB\nPop\n1 a, 0101 0202\n1 b, 0303\n" + after, line_end))},
            .typed = "data.gen\n",
            .status = 1,
            .out = IntroAndPrompt + IndividualsMessage(),
            .err = ShortLine("6", "1 b, 0303", "2", "B", "4")};
}

TEST(PelkinCases, RefusedConversionsDoNotReportSuccess) {
    RunPelkinCases({
        // Locus 2's read of the short first line runs into the marker line and loses it.
        {.name = "different_generations_at_a_locus_end_with_status_1",
         .files = {GenePop("T\nA\nB\nPop\n1 a, 0101\nPop\n2 b, 0202 0303\n"),
                   Frequencies("earlier\n")},
         .typed = "data.gen\n",
         .status = 1, // once 0
         .out = IntroAndPrompt + GenerationsMessage(),
         .err = Line(Msg::GenerationsDifferAtLine, {{"file", "data.gen"},
                                                    {"line", "5"},
                                                    {"start", "1 a, 0101"},
                                                    {"locus", "2"},
                                                    {"name", "B"},
                                                    {"counted", "1"},
                                                    {"first", "2"}}),
         .left = {Frequencies("earlier\n")}},
        {.name = "different_individuals_at_a_locus_end_with_status_1",
         .files = {GenePop("T\nA\nB\nC\nPop\n1 a, 0101 0101 0101\n1 b, 0202 0303\n"
                           "1 c, 0202 0303 0404\n")},
         .typed = "data.gen\n",
         .status = 1, // once 0
         .out = IntroAndPrompt + IndividualsMessage(),
         .err = Line(Msg::IndividualsDifferAtLine, {{"file", "data.gen"},
                                                    {"line", "7"},
                                                    {"start", "1 b, 0202 0303"},
                                                    {"locus", "3"},
                                                    {"name", "C"},
                                                    {"counted", "2"},
                                                    {"first", "3"}})},
    });
}

TEST(PelkinCases, IndividualLinesWithTooFewGenotypes) {
    RunPelkinCases({
        ShortLastLine("short_last_line_lf", "\n", ""),
        ShortLastLine("short_last_line_lf_blank_lines_after", "\n", "\n\n\n\n"),
        ShortLastLine("short_last_line_crlf", "\r\n", ""),
        ShortLastLine("short_last_line_crlf_blank_lines_after", "\r\n", "\n\n\n\n"),
        ShortLastLine("short_last_line_cr", "\r", ""),
        ShortLastLine("short_last_line_cr_blank_lines_after", "\r", "\n\n\n\n"),
        {.name = "short_last_line_without_line_end",
         .files = {GenePop("T\nA\nB\nPop\n1 a, 0101 0202\n1 b, 0303")},
         .typed = "data.gen\n",
         .status = 1,
         .out = IntroAndPrompt + IndividualsMessage(),
         .err = ShortLine("6", "1 b, 0303", "2", "B", "4")},
        {.name = "genotype_cut_by_the_line_end",
         .files = {GenePop("T\nA\nB\nPop\n1 a, 0101 02\n1 b, 0303 0404\n1 c, 0303 0404\n")},
         .typed = "data.gen\n",
         .status = 1,
         .out = IntroAndPrompt + IndividualsMessage(),
         .err = Line(Msg::IndividualsDifferAtLine, {{"file", "data.gen"},
                                                    {"line", "5"},
                                                    {"start", "1 a, 0101 02"},
                                                    {"locus", "2"},
                                                    {"name", "B"},
                                                    {"counted", "2"},
                                                    {"first", "3"}})},
        {.name = "short_line_before_a_marker_gives_the_generations_message",
         .files = {GenePop("T\nA\nB\nPop\n1 a, 0101 0101\n1 b, 0101\nPop\n2 c, 0202 0202\n")},
         .typed = "data.gen\n",
         .status = 1,
         .out = IntroAndPrompt + GenerationsMessage(),
         .err = Line(Msg::GenerationsDifferAtLine, {{"file", "data.gen"},
                                                    {"line", "6"},
                                                    {"start", "1 b, 0101"},
                                                    {"locus", "2"},
                                                    {"name", "B"},
                                                    {"counted", "1"},
                                                    {"first", "2"}})},
        {.name = "trailing_blanks_after_the_last_genotype_are_no_short_line",
         .files = {GenePop("T\nA\nB\nPop\n1 a, 0101 0202   \n1 b, 0303 0404 \r\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "1", "2", "2", "0", "0.0"),
         .left = {Frequencies("1 2 T\n2  2  \n0.5000 0.5000 4 A  1\n0.5000 0.5000 4 B  1\n")}},
    });
}

TEST(PelkinCases, NamesAtThePrompt) {
    const std::string one_locus = "1 1 T\n1  \n1.0000 2 L  3\n";
    RunPelkinCases({
        // Once cut to 12 characters, which named population1. instead.
        {.name = "long_name_is_opened_whole",
         .files = {{"population1.", "T\nOther\nPop\n7 a, 0909\n"},
                   {"population1.gen", "T\nL\nPop\n3 a, 0101\n"}},
         .typed = "population1.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "3", "1", "1", "1", "0.0"),
         .left = {Frequencies(one_locus)}},
        {.name = "path_with_blanks_is_opened_as_typed",
         .files = {{"field data/ sample 2019.gen ", "T\nL\nPop\n3 a, 0101\n"}},
         .typed = "field data/ sample 2019.gen \r\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "3", "1", "1", "1", "0.0"),
         .left = {Frequencies(one_locus)}},
    });
}

TEST(PelkinCases, LinesReadAsTheirAuthorsMeantThem) {
    RunPelkinCases({
        // Once the tab and 0101 gave the codes 0 and 10.
        {.name = "tab_after_the_comma_no_longer_shifts_the_codes",
         .files = {GenePop("T\nL\nPop\n1 a,\t0101\n1 b, \t 0102\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "1", "2", "1", "0", "0.0"),
         .left = {Frequencies("1 1 T\n2  \n0.7500 0.2500 4 L  1\n")}},
        // Once one generation of 4 copies, numbered 1, with the second marker hidden.
        {.name = "blank_line_before_a_marker_no_longer_merges_the_generations",
         .files = {GenePop("T\nL\nPop\n1 a, 0101\n\nPop\n2 b, 0202\n \t\r\nPop\n3 c, 0303\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("3", "1, 2, 3", "1, 1, 1", "1", "0", "0.0"),
         .left = {Frequencies("3 1 T\n3  \n"
                              "1.0000 0.0000 0.0000 2 L  1\n"
                              "0.0000 1.0000 0.0000 2 L  2\n"
                              "0.0000 0.0000 1.0000 2 L  3\n")}},
        {.name = "indented_text_is_still_the_head_of_an_individual_line",
         .files = {GenePop("T\nL\nPop\n1 a, 0101\n Pop\n2 b, 0202\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "1", "2", "1", "0", "0.0"),
         .left = {Frequencies("1 1 T\n2  \n0.5000 0.5000 4 L  1\n")}},
        // Once one locus named "136255903, 1362", whose allele column was the first locus's.
        {.name = "comma_separated_locus_names_give_one_locus_each",
         .files = {GenePop("T\r\n136255903, 136257048, 136257636\r\nPop\r\n"
                           "4 a,  0303  0404  0202\r\n4 b,  0303  0304  0000\r\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "4", "2", "3", "2", "16.7"),
         .left = {Frequencies("1 3 T\n1  2  1  \n"
                              "1.0000 4 136255903  4\n"
                              "0.2500 0.7500 4 136257048  4\n"
                              "1.0000 2 136257636  4\n")}},
        {.name = "blank_inside_a_name_and_an_empty_name_written_as_one_word",
         .files = {GenePop("T\nMy locus 1\n\n   \nPop\n6 a, 0101 0202 0303\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "6", "1", "3", "3", "0.0"),
         .left = {Frequencies("1 3 T\n1  1  1  \n"
                              "1.0000 2 My_locus_1  6\n"
                              "1.0000 2 locus2  6\n"
                              "1.0000 2 locus3  6\n")}},
        // Once written as their low 16 bits: 4464 and 25536.
        {.name = "generation_numbers_beyond_16_bits_are_kept_whole",
         .files = {GenePop("T\nL\nPop\n70000 a, 0101\nPop\n-40000 b, 0101\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("2", "70000, -40000", "1, 1", "1", "1", "0.0"),
         .left = {Frequencies("2 1 T\n1  \n1.0000 2 L  70000\n1.0000 2 L  -40000\n")}},
    });
}

// The conversion never overwrites its input; a file named as a count file once was is no file
// of the run's.
TEST(PelkinCases, InputNamedAsAFileTheRunWrites) {
    const std::string genepop = "T\nA\nB\nPop\n1 a, 0101 0101\n";
    const auto overwritten = [&](const char* name, const char* typed, const char* shown,
                                 const char* written, std::vector<testing_support::File> files) {
        files.insert(files.begin(), {written, genepop});
        return Case{
            .name = name,
            .files = files,
            .typed = typed,
            .status = 1,
            .out = IntroAndPrompt + Line(Msg::InputWouldBeOverwritten),
            .err = Line(Msg::InputWouldBeOverwrittenHint, {{"file", shown}, {"written", written}}),
            .left = {{written, genepop}}};
    };
    const std::string one_locus = "T\nL\nPop\n1 a, 0101\n";
    const std::string three_loci = "T\nA\nB\nC\nPop\n1 a, 0101 0101 0101\n";
    RunPelkinCases({
        {.name = "input_named_as_the_frequency_file_is_refused",
         .files = {Frequencies(one_locus)},
         .typed = "pelkin.out\n",
         .status = 1,
         .out = IntroAndPrompt + Line(Msg::InputWouldBeOverwritten),
         .err = Line(Msg::InputWouldBeOverwrittenHint,
                     {{"file", "pelkin.out"}, {"written", "pelkin.out"}}),
         .left = {Frequencies(one_locus)}},
        // Once refused: the count file of locus 3 would have overwritten it.
        {.name = "input_named_as_an_old_count_file_of_its_loci_is_converted",
         .files = {{"locus3", three_loci}},
         .typed = "locus3\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "1", "1", "3", "3", "0.0"),
         .left = {{"locus3", three_loci}, Frequencies({})}},
        {.name = "input_named_as_a_count_file_beyond_its_loci_is_converted",
         .files = {{"locus2", "T\nA\nPop\n1 a, 0101\n"}},
         .typed = "locus2\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "1", "1", "1", "1", "0.0"),
         .left = {{"locus2", "T\nA\nPop\n1 a, 0101\n"}, Frequencies({})}},
        overwritten("input_reached_by_a_hard_link_to_pelkin_out", "data.gen\n", "data.gen",
                    "pelkin.out", {{"data.gen", HardLink("pelkin.out")}}),
        overwritten("input_reached_by_a_link_to_pelkin_out", "sub/link.gen\n", "sub/link.gen",
                    "pelkin.out", {{"sub/link.gen", Link("../pelkin.out")}}),
        overwritten("input_reached_by_dot_slash_pelkin_out", "./pelkin.out\n", "./pelkin.out",
                    "pelkin.out", {}),
        overwritten("input_reached_by_a_hard_link_to_the_part_file", "data.gen\n", "data.gen",
                    "pelkin.out.part", {{"data.gen", HardLink("pelkin.out.part")}}),
        overwritten("input_reached_by_a_link_to_the_part_file", "sub/link.gen\n", "sub/link.gen",
                    "pelkin.out.part", {{"sub/link.gen", Link("../pelkin.out.part")}}),
        overwritten("input_reached_by_dot_slash_part_file", "./pelkin.out.part\n",
                    "./pelkin.out.part", "pelkin.out.part", {}),
    });
}

TEST(PelkinCases, MarkerLines) {
    const auto trailing = [](const char* name, const std::string& marker) {
        return Case{.name = name,
                    .files = {GenePop("T\r\nA\r\nB\r\n" + marker + "\r\n1 a, 0101 0202\r\n" +
                                      marker + "\r\n2 b, 0102 0202\r\n")},
                    .typed = "data.gen\n",
                    .out = IntroAndPrompt,
                    .err = Summary("2", "1, 2", "1, 1", "2", "1", "0.0"),
                    .left = {Frequencies("2 2 T\n2  1  \n"
                                         "1.0000 0.0000 2 A  1\n"
                                         "0.5000 0.5000 2 A  2\n"
                                         "1.0000 2 B  1\n"
                                         "1.0000 2 B  2\n")}};
    };
    RunPelkinCases({
        // Once a locus name: every individual line after it was taken for a locus name too, and
        // the run ended with "No line POP, Pop or pop ends the locus names." (or "Too many loci").
        trailing("pop_with_a_trailing_blank_ends_the_locus_names", "Pop "),
        trailing("pop_with_a_trailing_tab_ends_the_locus_names", "POP\t"),
        trailing("pop_with_blanks_and_tabs_ends_the_locus_names", "pop \t  "),
        // The search for generation numbers would take those names for markers: the number is
        // given.
        {.name = "pop_followed_by_other_text_is_still_a_locus_name",
         .files = {GenePop("T\nA\nPop 1\nPopulation\nPop\n1 a, 0101 0202 0303\n")},
         .args = {"--generations", "1", "data.gen"},
         .out = IntroAndUsing("data.gen"),
         .err = Summary("1", "1", "1", "3", "3", "0.0"),
         .left = {Frequencies("1 3 T\n1  1  1  \n"
                              "1.0000 2 A  1\n1.0000 2 Pop_1  1\n1.0000 2 Population  1\n")}},
    });
}

} // namespace
