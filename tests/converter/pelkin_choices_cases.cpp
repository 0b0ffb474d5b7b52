// Files beyond the converter's old tables, and the other cases its rules leave open.
#include <gtest/gtest.h>

#include "genepop_texts.h"
#include "pelkin_cases.h"

namespace {

using testing_support::Case;
using testing_support::Stored;

std::string LocusNames(int count) {
    std::string names;
    for (int l = 1; l <= count; ++l) {
        names.append("L").append(std::to_string(l)).append("\n");
    }
    return names;
}

Case NoMarker(const char* name, const char* genepop) {
    return {.name = name,
            .files = {GenePop(genepop)},
            .typed = "data.gen\n",
            .status = 1,
            .out = IntroAndPrompt + Line(Msg::NoMarkerAfterNames),
            .err = Line(Msg::NoMarkerAfterNamesHint, {{"file", "data.gen"}})};
}

std::string NegativeCode(const char* line, const char* start, const char* locus, const char* name) {
    return Line(
        Msg::NegativeCodeAtLine,
        {{"file", "data.gen"}, {"line", line}, {"start", start}, {"locus", locus}, {"name", name}});
}

TEST(PelkinCases, Limits) {
    const std::string kept = "contig_" + std::string(248, 'x');
    RunPelkinCases({
        NoMarker("names_ended_by_no_marker_line", "T\nA\nPop 1\n1 a, 0101\n"),
        NoMarker("names_ended_by_the_end_of_the_file", "T\nA"),
        NoMarker("empty_file_has_no_marker_line", ""),
        // Once refused beyond 100 loci ("Too many loci (at most 100).") and 50 samples.
        {.name = "loci_beyond_the_old_table",
         .files = {GenePop("T\n" + LocusNames(100) + "L101, L102\nPop\n1 a," +
                           Repeated(" 0101", 102) + "\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "1", "1", "102", "102", "0.0"),
         .left = {Frequencies(Stored("pelkin.out"))}},
        {.name = "samples_beyond_the_old_table",
         .files = {GenePop("T\nA\nB\n" + Repeated("Pop\n1 a, 0101 0101\n", 51))},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("51", "1, 1, 1, 1, 1, 1, 1, 1, 1, 1, ...",
                        "1, 1, 1, 1, 1, 1, 1, 1, 1, 1, ...", "2", "2", "0.0"),
         .left = {Frequencies(Stored("pelkin.out"))}},
        // Once every name was cut at 15 characters, without a word.
        {.name = "names_longer_than_255_characters_cut_with_one_notice",
         .files = {GenePop("T\nshort\n" + kept + "123\n" + kept + "\n" + kept + "45678\nPop\n" +
                           "1 a, 0101 0101 0101 0101\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Line(Msg::NamesCut, {{"count", "2"}, {"locus", "2"}, {"name", kept}}) +
                Summary("1", "1", "1", "4", "4", "0.0"),
         .left = {Frequencies("1 4 T\n1  1  1  1  \n1.0000 2 short  1\n1.0000 2 " + kept +
                              "  1\n1.0000 2 " + kept + "  1\n1.0000 2 " + kept + "  1\n")}},
        {.name = "negative_code_refused_at_locus_1",
         .files = {GenePop("T\nA\nPop\n1 a, -101\n")},
         .typed = "data.gen\n",
         .status = 1,
         .out = IntroAndPrompt + Line(Msg::NegativeCode, {{"locus", "1"}}),
         .err = NegativeCode("4", "1 a, -101", "1", "A")},
        {.name = "negative_code_refused_at_locus_2",
         .files = {GenePop("T\nA\nB\nPop\n1 a, 0101 0101\n1 b, 0101 01-2\n")},
         .typed = "data.gen\n",
         .status = 1,
         .out = IntroAndPrompt + Line(Msg::NegativeCode, {{"locus", "2"}}),
         .err = NegativeCode("6", "1 b, 0101 01-2", "2", "B")},
        {.name = "signed_zero_is_a_missing_copy",
         .files = {GenePop("T\nA\nPop\n1 a, -001\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "1", "1", "1", "1", "100.0"),
         .left = {Frequencies("1 1 T\n1  \n1.0000 1 A  1\n")}},
        // 16383 homozygotes: 32766 copies of one code in one generation, and at the locus.
        {.name = "copies_of_32766_of_a_code_are_counted",
         .files = {GenePop("T\nA\nPop\n" + Repeated("1 a, 0101\n", 16383))},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "1", "16383", "1", "1", "0.0"),
         .left = {Frequencies("1 1 T\n1  \n1.0000 32766 A  1\n")}},
        // Once refused: "Too many gene copies at locus 1 (at most 32767)."
        {.name = "copies_beyond_32767_in_a_generation",
         .files = {GenePop("T\nA\nB\nPop\n" + Repeated("1 a, 0101 0102\n", 16384))},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "1", "16384", "2", "1", "0.0"),
         .left = {Frequencies("1 2 T\n1  2  \n1.0000 32768 A  1\n0.5000 0.5000 32768 B  1\n")}},
        {.name = "copies_beyond_32767_at_a_locus",
         .files = {GenePop("T\nA\nPop\n" + Repeated("1 a, 0102\n", 8192) + "Pop\n" +
                           Repeated("2 a, 0102\n", 8192))},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = Summary("2", "1, 2", "8192, 8192", "1", "0", "0.0"),
         .left = {Frequencies("2 1 T\n2  \n0.5000 0.5000 16384 A  1\n0.5000 0.5000 16384 A  2\n")}},
    });
}

TEST(PelkinCases, CasesLeftOpen) {
    RunPelkinCases({
        // Once a sample of two missing copies, numbered 0, written with the frequencies over all.
        {.name = "marker_at_the_end_of_the_file_starts_no_sample",
         .files = {GenePop("T\nL\nPop\n1 a, 0101 \nPop\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = EmptySampleNotice("5") + Summary("1", "1", "1", "1", "1", "0.0"),
         .left = {Frequencies("1 1 T\n1  \n1.0000 2 L  1\n")}},
        // The reading takes the title for the first marker and the exact marker for the second;
        // the generation search starts after the title. Once two samples, the first without
        // individuals, and the numbers 1 and 0.
        {.name = "title_that_is_a_marker_starts_no_sample",
         .files = {GenePop("Pop\n\nPop\n1 a, 0101\n")},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = EmptySampleNotice("1") + Summary("1", "1", "1", "1", "1", "0.0"),
         .left = {Frequencies("1 1 Pop\n1  \n1.0000 2 locus1  1\n")}},
        {.name = "typed_name_ends_at_the_first_carriage_return",
         .files = {GenePop("T\nL\nPop\n1 a, 0101\n")},
         .typed = "data.gen\rmore text\n",
         .out = IntroAndPrompt,
         .err = Summary("1", "1", "1", "1", "1", "0.0"),
         .left = {Frequencies("1 1 T\n1  \n1.0000 2 L  1\n")}},
    });
}

} // namespace
