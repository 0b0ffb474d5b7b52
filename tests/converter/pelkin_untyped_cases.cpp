// A generation in which a locus was not typed: once written with every frequency 0.0000 and the
// total 0, which the estimator refused with its sum message; now with the locus's frequencies
// over all generations together and the total 0, and a notice on standard error.
#include <gtest/gtest.h>

#include "pelkin_cases.h"

namespace {

// Over all: 1 copy of 01 and 31 of 02, 0.0313 and 0.9688 with the exact half up.
std::string RoundedOverAll() {
    std::string genepop = "T\nL\nPop\n70000 a, 0102\n";
    for (int i = 0; i < 15; ++i) {
        genepop += "70000 b, 0202\n";
    }
    return genepop + "Pop\n-3 c, 0000\nPop\n9 d, 0000\n";
}

TEST(PelkinCases, UntypedLoci) {
    RunPelkinCases({
        // Locus B: 3 copies of 01 and 1 of 02 in generation 1, none typed in 2, 1 and 3 in 3:
        // over all, 4 of 01 and 4 of 02. Once "0.0000 0.0000 0 B  2".
        {.name = "untyped_generation_takes_the_frequencies_over_all_generations",
         .files = {GenePop("T\nA\nB\nPop\n1 a, 0101 0101\n1 b, 0101 0102\nPop\n"
                           "2 c, 0102 0000\n2 d, 0202 0000\nPop\n3 e, 0101 0202\n"
                           "3 f, 0202 0102\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = UntypedNotice("2", "B", "2") + Summary("3", "1, 2, 3", "2, 2, 2", "2", "0", "16.7"),
         .left = {Frequencies("3 2 T\n2  2  \n"
                              "1.0000 0.0000 4 A  1\n"
                              "0.2500 0.7500 4 A  2\n"
                              "0.5000 0.5000 4 A  3\n"
                              "0.7500 0.2500 4 B  1\n"
                              "0.5000 0.5000 0 B  2\n"
                              "0.2500 0.7500 4 B  3\n")}},
        {.name = "frequencies_over_all_generations_rounded_as_any_other",
         .files = {GenePop(RoundedOverAll())},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = UntypedNotice("1", "L", "-3") + UntypedNotice("1", "L", "9") +
                Summary("3", "70000, -3, 9", "16, 1, 1", "1", "0", "11.1"),
         .left = {Frequencies("3 1 T\n2  \n"
                              "0.0313 0.9688 32 L  70000\n"
                              "0.0313 0.9688 0 L  -3\n"
                              "0.0313 0.9688 0 L  9\n")}},
        {.name = "locus_untyped_everywhere_written_as_before_with_a_notice",
         .files = {GenePop("T\nA\nNo data\nPop\n4 x, 0101 0000\n4 y, 0102 0000\n"
                           "Pop\n5 z, 0202 0000\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = UntypedLocusNotice("2", "No data") + Summary("2", "4, 5", "2, 1", "2", "0", "50.0"),
         .left = {Frequencies("2 2 T\n2  0  \n"
                              "0.7500 0.2500 4 A  4\n"
                              "0.0000 1.0000 2 A  5\n"
                              "0 No_data  4\n"
                              "0 No_data  5\n")}},
        {.name = "three_digit_file_gets_the_same_frequencies",
         .files = {GenePop("T\nA\nPop\n1 a, 120131\nPop\n2 b, 000000\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = ThreeDigitNotice("4") + UntypedNotice("1", "A", "2") +
                Summary("2", "1, 2", "1, 1", "1", "0", "50.0"),
         .left = {Frequencies("2 1 T\n2  \n0.5000 0.5000 2 A  1\n0.5000 0.5000 0 A  2\n")}},
    });
}

} // namespace
