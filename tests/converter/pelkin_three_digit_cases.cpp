// Three-digit GenePop files through the whole program: read as such, once read two characters
// at a time into nonsense with status 0.
#include <gtest/gtest.h>

#include "pelkin_cases.h"

namespace {

// The refusal of a genotype of locus `locus` on line 6 that starts with `start`, read as
// `genotype`: a padded code.
std::string PaddedCode(const char* start, const char* locus, const char* name,
                       const char* genotype) {
    return Line(Msg::PaddedCode, {{"file", "data.gen"},
                                  {"line", "6"},
                                  {"start", start},
                                  {"locus", locus},
                                  {"name", name},
                                  {"genotype", genotype}});
}

// Two loci, one line of codes, then `line`.
std::string PaddedAfter(const std::string& line) {
    return "T\nA\nB\nPop\n1 a, 001001 002002\n" + line + "\n";
}

// 101 individuals of locus A with the codes 101 to 201 in turn, then `last`.
std::string HundredAndOneAlleles(const std::string& before, const std::string& last) {
    std::string genepop = "T\nA\n" + before + "Pop\n";
    for (int code = 101; code <= 201; ++code) {
        genepop += "1 x, " + std::string(before.empty() ? "" : "001001 ") + std::to_string(code) +
                   std::to_string(code) + "\n";
    }
    return genepop + last;
}

TEST(PelkinCases, ThreeDigitFiles) {
    RunPelkinCases({
        // Read two characters at a time, "001001" once gave codes 0 and 10 and "0102" the rest.
        {.name = "twin_of_the_six_line_example",
         .files = {GenePop("Title\nLoc1\nLoc2\nPop\n1 a, 001001 001002\n1 b, 002002 000000\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = ThreeDigitNotice("5") + Summary("1", "1", "2", "2", "0", "25.0"),
         .left = {Frequencies("1 2 Title\n"
                              "2  2  \n"
                              "0.5000 0.5000 4 Loc1  1\n"
                              "0.5000 0.5000 2 Loc2  1\n")}},
        {.name = "codes_up_to_999_in_increasing_order_in_every_generation",
         .files = {GenePop("Microsatellites\nStr15\nPop\n0 a, 120131\n0 b,\t131  7\nPop\n"
                           "5 c, 999120\n5 d, 000000\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = ThreeDigitNotice("4") + Summary("2", "0, 5", "2, 2", "1", "0", "25.0"),
         .left = {Frequencies("2 1 Microsatellites\n"
                              "4  \n"
                              "0.2500 0.2500 0.5000 0.0000 4 Str15  0\n"
                              "0.0000 0.5000 0.0000 0.5000 2 Str15  5\n")}},
        // Once refused at 101: "Too many alleles at locus 2 (at most 100)."
        {.name = "more_than_a_hundred_alleles",
         .files = {GenePop(HundredAndOneAlleles("B\n", ""))},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = ThreeDigitNotice("5") + Summary("1", "1", "101", "2", "1", "0.0"),
         .left = {Frequencies(testing_support::Stored("pelkin.out"))}},
        {.name = "short_line_refused_before_the_alleles_are_counted",
         .files = {GenePop(HundredAndOneAlleles("", "1 y, 00100\n"))},
         .typed = "data.gen\n",
         .status = 1,
         .out = IntroAndPrompt + IndividualsMessage(),
         .err = ThreeDigitNotice("4") + ShortLine("105", "1 y, 00100", "1", "A", "6")},
        {.name = "missing_second_genotype_is_a_short_line",
         .files = {GenePop("T\r\nA\r\nB\r\nPop\r\n1 a, 001001 002002\r\n1 b, 003003\r\n")},
         .typed = "data.gen\n",
         .status = 1,
         .out = IntroAndPrompt + IndividualsMessage(),
         .err = ThreeDigitNotice("5") + ShortLine("6", "1 b, 003003", "2", "B", "6")},
        // Its later six-digit genotype is read as four characters and two dropped ones.
        {.name = "first_genotype_of_four_digits_reads_the_file_as_two_digit",
         .files = {GenePop("T\nL\nPop\n1 a, 0102\n1 b, 120131\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "1", "2", "1", "0", "0.0"),
         .left = {Frequencies("1 1 T\n3  \n0.5000 0.2500 0.2500 4 L  1\n")}},
        // A first code padded with blanks ("  5  1") was read from its digits on, since the blanks
        // before a genotype are skipped, and every code after it shifted, with status 0: it is
        // refused, wherever the line ends.
        {.name = "padded_first_code_is_refused",
         .files = {GenePop(PaddedAfter("1 b,   5  1  "))},
         .typed = "data.gen\n",
         .status = 1,
         .out = IntroAndPrompt + IndividualsMessage(),
         .err = ThreeDigitNotice("5") + PaddedCode("1 b,   5  1  ", "1", "A", "5  1  ")},
        {.name = "padded_first_code_before_another_genotype_is_refused",
         .files = {GenePop(PaddedAfter("1 b,   5  1 002002"))},
         .typed = "data.gen\n",
         .status = 1,
         .out = IntroAndPrompt + IndividualsMessage(),
         .err = ThreeDigitNotice("5") + PaddedCode("1 b,   5  1 002002", "1", "A", "5  1 0")},
        {.name = "padded_first_code_at_the_line_end_is_refused_as_padded",
         .files = {GenePop(PaddedAfter("1 b, 002002   5  1"))},
         .typed = "data.gen\n",
         .status = 1,
         .out = IntroAndPrompt + IndividualsMessage(),
         .err = ThreeDigitNotice("5") + PaddedCode("1 b, 002002   5  1", "2", "B", "5  1")},
        {.name = "padded_first_code_before_an_unpadded_second_is_refused",
         .files = {GenePop(PaddedAfter("1 b,   5123   002002"))},
         .typed = "data.gen\n",
         .status = 1,
         .out = IntroAndPrompt + IndividualsMessage(),
         .err = ThreeDigitNotice("5") + PaddedCode("1 b,   5123   002002", "1", "A", "5123  ")},
        // A second code padded in front reads as its digits.
        {.name = "padded_second_code_is_read",
         .files = {GenePop("T\nA\nPop\n1 a, 001001\n1 b, 001  7\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = ThreeDigitNotice("4") + Summary("1", "1", "2", "1", "0", "0.0"),
         .left = {Frequencies("1 1 T\n2  \n0.7500 0.2500 4 A  1\n")}},
        // In a two-digit file the reading stays: " 5 1 " is read from the 5 on, "5 1 " two
        // missing copies.
        {.name = "padded_first_code_of_a_two_digit_file_reads_as_before",
         .files = {GenePop("T\nA\nPop\n1 a, 0101\n1 b,  5 1 \n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "1", "2", "1", "1", "50.0"),
         .left = {Frequencies("1 1 T\n1  \n1.0000 2 A  1\n")}},
    });
}

} // namespace
