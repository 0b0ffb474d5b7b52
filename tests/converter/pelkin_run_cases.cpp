// Whole runs of Pelkin: the worked examples, the generation numbers read from the file, and the
// file-failure report.
#include <gtest/gtest.h>

#include "genepop_texts.h"
#include "pelkin_cases.h"

namespace {

using testing_support::AFolder;
using testing_support::Case;

const std::string six_line_example = "Title\nLoc1\nLoc2\nPop\n1 a, 0101 0102\n1 b, 0202 0000\n";
const std::string six_line_frequencies = "1 2 Title\n"
                                         "2  2  \n"
                                         "0.5000 0.5000 4 Loc1  1\n"
                                         "0.5000 0.5000 2 Loc2  1\n";

std::string SixLineSummary() {
    return Summary("1", "1", "2", "2", "0", "25.0");
}

std::string Prompted(int number, const char* where, const char* step) {
    return IntroAndPrompt + RuntimeReport(number, where, step);
}

TEST(PelkinCases, WorkedExamples) {
    RunPelkinCases({
        {.name = "six_line_example",
         .files = {GenePop(six_line_example)},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = SixLineSummary(),
         .left = {Frequencies(six_line_frequencies)}},
        // Once the count files locus1 and locus2 stayed behind.
        {.name = "run_stopped_after_the_reading_leaves_an_earlier_frequency_file",
         .files = {GenePop("Title\nLoc1\nLoc2\nPop\nG1 a, 0101 0102\n1 b, 0202 0000\n"),
                   Frequencies("earlier\n")},
         .typed = "data.gen\n",
         .status = 106,
         .out = Prompted(106, "00403060", "00403000"),
         .err = Line(
             Msg::GenerationNumberUnread,
             {{"file", "data.gen"}, {"line", "5"}, {"start", "G1 a, 0101 0102"}, {"sample", "1"}}),
         .left = {Frequencies("earlier\n")}},
        // Locus Thirds: counts 1 and 2. Locus Halves: counts 1 and 31 of 32 copies.
        {.name = "ratios_of_counts_rounded_with_an_exact_half_up",
         .files = {GenePop("Rounding\nThirds\nHalves\nPop\n3 a, 0102 0102\n3 b, 0200 0202\n" +
                           Repeated("3 c, 0000 0202\n", 14) +
                           "Pop\n9 a, 0303 0101\n9 b, 0303 0000\n" +
                           Repeated("9 c, 0000 0000\n", 14))},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("2", "3, 9", "16, 16", "2", "0", "68.8"),
         .left = {Frequencies("2 2 Rounding\n"
                              "3  2  \n"
                              "0.3333 0.6667 0.0000 3 Thirds  3\n"
                              "0.0000 0.0000 1.0000 4 Thirds  9\n"
                              "0.0313 0.9688 32 Halves  3\n"
                              "1.0000 0.0000 2 Halves  9\n")}},
        {.name = "three_and_twenty_nine_of_32_with_exact_halves_up",
         .files = {GenePop("T\nL\nPop\n5 a, 0101\n5 b, 0102\n" + Repeated("5 c, 0202\n", 14))},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "5", "16", "1", "0", "0.0"),
         .left = {Frequencies("1 1 T\n2  \n0.0938 0.9063 32 L  5\n")}},
        // Once one sample of no individual, numbered 0, with a line of total 0 for every locus.
        {.name = "file_ending_right_after_the_marker_has_no_sample",
         .files = {GenePop("Title\nLoc1\nLoc2\nPop\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = EmptySampleNotice("4") + UntypedLocusNotice("1", "Loc1") +
                UntypedLocusNotice("2", "Loc2") + Summary("0", "", "", "2", "0", "0.0"),
         .left = {Frequencies("0 2 Title\n0  0  \n")}},
        {.name = "locus_with_only_missing_copies_has_no_alleles",
         .files = {GenePop("T\nA\nB\nPop\n4 x, 0101 0000\n4 y, 0102 0000\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = UntypedLocusNotice("2", "B") + Summary("1", "4", "2", "2", "0", "50.0"),
         .left = {Frequencies("1 2 T\n2  0  \n0.7500 0.2500 4 A  4\n0 B  4\n")}},
        {.name = "file_without_loci_has_an_empty_allele_line",
         .files = {GenePop("No loci\nPop\n1 x, 0101\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("0", "", "", "0", "0", "0.0"),
         .left = {Frequencies("0 0 No loci\n\n")}},
        {.name = "empty_title_ends_the_header_line_with_its_blank",
         .files = {GenePop("\nL\nPop\n1 x, 0101\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "1", "1", "1", "1", "0.0"),
         .left = {Frequencies("1 1 \n1  \n1.0000 2 L  1\n")}},
        // Once replaced by the count file of locus 2 and then erased.
        {.name = "users_file_named_as_an_old_count_file_is_never_touched",
         .files = {GenePop("T\nA\nB\nC\nPop\n1 a, 0101 0202 0303\n"),
                   {"locus2", "not a count file\n"}},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "1", "1", "3", "3", "0.0"),
         .left = {{"locus2", "not a count file\n"},
                  Frequencies("1 3 T\n1  1  1  \n1.0000 2 A  1\n1.0000 2 B  1\n1.0000 2 C  1\n")}},
        {.name = "earlier_frequency_file_is_replaced",
         .files = {GenePop(six_line_example), Frequencies(std::string(5000, 'x'))},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = SixLineSummary(),
         .left = {Frequencies(six_line_frequencies)}},
    });
}

TEST(PelkinCases, GenerationNumbers) {
    const auto unread = [](const char* line, const char* start) {
        return Line(Msg::GenerationNumberUnread,
                    {{"file", "data.gen"}, {"line", line}, {"start", start}, {"sample", "1"}});
    };
    RunPelkinCases({
        // They need not rise; a tab ends the number; later individuals' numbers are not read.
        {.name = "read_from_the_first_individual_of_each_generation",
         .files = {GenePop(
             "T\nL\nPop\n12 a, 0101\nxx b, 0101\nPop\n-3 a, 0202\nPop\n7\tc, 0303\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("3", "12, -3, 7", "2, 1, 1", "1", "0", "0.0"),
         .left = {Frequencies("3 1 T\n3  \n"
                              "1.0000 0.0000 0.0000 4 L  12\n"
                              "0.0000 1.0000 0.0000 2 L  -3\n"
                              "0.0000 0.0000 1.0000 2 L  7\n")}},
        // Once the generation number read after the first marker met the second and failed.
        {.name = "two_markers_in_a_row_start_one_sample",
         .files = {GenePop("T\nL\nPop\nPop\n1 a, 0101\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = EmptySampleNotice("3") + Summary("1", "1", "1", "1", "1", "0.0"),
         .left = {Frequencies("1 1 T\n1  \n1.0000 2 L  1\n")}},
        {.name = "locus_name_beginning_with_pop_is_a_marker_for_the_numbers",
         .files = {GenePop("T\nPopulation\nLoc2\nPop\n5 a, 0101 0101\n")},
         .typed = "data.gen\n",
         .status = 106,
         .out = Prompted(106, "00403060", "00403000"),
         .err = unread("3", "Loc2")},
        {.name = "number_outside_32_bits_does_not_read",
         .files = {GenePop("T\nL\nPop\n2147483648 a, 0101\n")},
         .typed = "data.gen\n",
         .status = 106,
         .out = Prompted(106, "00403060", "00403000"),
         .err = unread("4", "2147483648 a, 0101")},
        {.name = "number_running_into_the_comma_does_not_read",
         .files = {GenePop("T\nL\nPop\n12, 0101\n")},
         .typed = "data.gen\n",
         .status = 106,
         .out = Prompted(106, "00403060", "00403000"),
         .err = unread("4", "12, 0101")},
        {.name = "numbers_with_prefixes_and_at_the_32_bit_limits",
         .files = {GenePop("T\nL\nPop\n$FFFFFFFF a, 0101\nPop\n-2147483648 b, 0101\nPop\n0x10 c, "
                           "0101\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("3", "-1, -2147483648, 16", "1, 1, 1", "1", "1", "0.0"),
         .left = {Frequencies("3 1 T\n1  \n"
                              "1.0000 2 L  -1\n1.0000 2 L  -2147483648\n1.0000 2 L  16\n")}},
    });
}

TEST(PelkinCases, FileFailures) {
    const std::string opening = RuntimeReport(2, "00401010", "00401000");
    const std::string no_name = Line(Msg::NoFileName);
    RunPelkinCases({
        // Once nothing on standard error.
        {.name = "missing_file_fails_right_after_the_prompt",
         .typed = "absent.gen\n",
         .status = 2,
         .out = IntroAndPrompt + opening,
         .err = Line(Msg::FileOperationFailed, {{"operation", "open"},
                                                {"file", "absent.gen"},
                                                {"reason", "No such file or directory"}})},
        {.name = "empty_name_names_no_file",
         .typed = "\n",
         .status = 2,
         .out = IntroAndPrompt + opening,
         .err = no_name},
        {.name = "no_input_names_no_file",
         .status = 2,
         .out = IntroAndPrompt + opening,
         .err = no_name},
        {.name = "carriage_return_alone_names_no_file",
         .typed = "\r\n",
         .status = 2,
         .out = IntroAndPrompt + opening,
         .err = no_name},
        {.name = "folder_named_as_the_genepop_file_is_denied_at_opening",
         .files = {{"data.gen", AFolder()}},
         .typed = "data.gen\n",
         .status = 5,
         .out = Prompted(5, "00401010", "00401000"),
         .err = Line(Msg::FileOperationFailed,
                     {{"operation", "open"}, {"file", "data.gen"}, {"reason", "Is a directory"}})},
        {.name = "name_too_long_is_error_3",
         .typed = std::string(300, 'n') + "\n",
         .status = 3,
         .out = Prompted(3, "00401010", "00401000"),
         .err = Line(Msg::FileOperationFailed, {{"operation", "open"},
                                                {"file", std::string(300, 'n')},
                                                {"reason", "File name too long"}})},
        // Once the count file locus2, after locus 1 had been counted.
        {.name = "part_file_that_cannot_be_created_is_denied_before_the_reading",
         .files = {GenePop(six_line_example), {"pelkin.out.part", AFolder()}},
         .typed = "data.gen\n",
         .status = 5,
         .out = Prompted(5, "00402040", "00402000"),
         .err = Line(
             Msg::FileOperationFailed,
             {{"operation", "create"}, {"file", "pelkin.out.part"}, {"reason", "Is a directory"}})},
        {.name = "frequency_file_that_cannot_be_created_is_denied",
         .files = {GenePop(six_line_example), Frequencies(AFolder())},
         .typed = "data.gen\n",
         .status = 5,
         .out = Prompted(5, "00404040", "00404000"),
         .err =
             Line(Msg::FileOperationFailed,
                  {{"operation", "create"}, {"file", "pelkin.out"}, {"reason", "Is a directory"}}),
         .left = {Frequencies(AFolder())}},
        // Once written through: a link to /dev/full failed the run with error 101.
        {.name = "frequency_file_that_is_a_link_is_replaced_by_the_file",
         .files = {GenePop(six_line_example), Frequencies(testing_support::Link("/dev/full"))},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = SixLineSummary(),
         .left = {Frequencies(six_line_frequencies)}},
    });
}

// Rows run one after another in one process: after ResetRun each reads its own file and answers
// only, whatever the run before it read, refused or left at the end of standard input.
TEST(PelkinCases, RunsOneAfterAnother) {
    const std::string good = "T\nA\nB\nPop\n3 a, 0101 0102\n3 b, 0202 0000\nPop\n8 c, 0102 0202\n";
    const auto good_out = [](const char* first, const char* second) {
        return "2 2 T\n2  2  \n0.5000 0.5000 4 A  " + std::string(first) + "\n0.5000 0.5000 2 A  " +
               second + "\n0.5000 0.5000 2 B  " + first + "\n0.0000 1.0000 2 B  " + second + "\n";
    };
    RunPelkinCases({
        {.name = "three_loci_after_another_run",
         .files = {{"many.gen", "T\nA\nB\nC\nPop\n1 a, 0101 0101 0101\n"}},
         .args = {"many.gen"},
         .out = IntroAndUsing("many.gen"),
         .err = Summary("1", "1", "1", "3", "3", "0.0"),
         .left = {Frequencies("1 3 T\n1  1  1  \n1.0000 2 A  1\n1.0000 2 B  1\n1.0000 2 C  1\n")}},
        {.name = "three_digit_after_a_two_digit_run",
         .files = {{"three.gen", "T\nA\nPop\n1 a, 101102\n"}},
         .args = {"three.gen"},
         .out = IntroAndUsing("three.gen"),
         .err = Line(Msg::ReadAsThreeDigit, {{"file", "three.gen"}, {"line", "4"}}) +
                Summary("1", "1", "1", "1", "0", "0.0"),
         .left = {Frequencies("1 1 T\n2  \n0.5000 0.5000 2 A  1\n")}},
        {.name = "two_digit_with_numbers_given_after_a_three_digit_run",
         .files = {{"good.gen", good}},
         .args = {"--generations", "10,20", "good.gen"},
         .out = IntroAndUsing("good.gen"),
         .err = Summary("2", "10, 20", "2, 1", "2", "0", "16.7"),
         .left = {Frequencies(good_out("10", "20"))}},
        {.name = "nothing_typed_after_a_run_with_numbers_given",
         .status = 2,
         .out = IntroAndPrompt + RuntimeReport(2, "00401010", "00401000"),
         .err = Line(Msg::NoFileName)},
        // A run that ended at the prompt, with standard input at its end, leaves none for the
        // next.
        {.name = "name_typed_after_a_run_that_ended_at_the_prompt",
         .files = {{"good.gen", good}},
         .typed = "good.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("2", "3, 8", "2, 1", "2", "0", "16.7"),
         .left = {Frequencies(good_out("3", "8"))}},
    });
}

} // namespace
