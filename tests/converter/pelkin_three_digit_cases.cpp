// Three-digit GenePop files through the whole program: read as such, once read two characters
// at a time into nonsense with status 0.
#include <gtest/gtest.h>

#include "pelkin_cases.h"

namespace {

std::string ShortLine(const char* line, const char* start, const char* locus, const char* name) {
    return Line(Msg::ShortLine, {{"file", "data.gen"},
                                 {"line", line},
                                 {"start", start},
                                 {"locus", locus},
                                 {"name", name},
                                 {"length", "6"}});
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
         .err = ThreeDigitNotice("4") + ShortLine("105", "1 y, 00100", "1", "A")},
        {.name = "missing_second_genotype_is_a_short_line",
         .files = {GenePop("T\r\nA\r\nB\r\nPop\r\n1 a, 001001 002002\r\n1 b, 003003\r\n")},
         .typed = "data.gen\n",
         .status = 1,
         .out = IntroAndPrompt + IndividualsMessage(),
         .err = ThreeDigitNotice("5") + ShortLine("6", "1 b, 003003", "2", "B")},
        // Its later six-digit genotype is read as four characters and two dropped ones.
        {.name = "first_genotype_of_four_digits_reads_the_file_as_two_digit",
         .files = {GenePop("T\nL\nPop\n1 a, 0102\n1 b, 120131\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "1", "2", "1", "0", "0.0"),
         .left = {Frequencies("1 1 T\n3  \n0.5000 0.2500 0.2500 4 L  1\n")}},
    });
}

} // namespace
