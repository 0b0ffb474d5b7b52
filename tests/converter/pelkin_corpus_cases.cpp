// Real GenePop files as their authors wrote them, whose individual lines begin with names: each
// gives the refusal of a generation number that cannot be read. The files Pelkin converts are
// compared with a plain reading in pelkin_corpus_test.cpp.
#include <gtest/gtest.h>

#include "genepop_texts.h"
#include "pelkin_cases.h"

namespace {

using testing_support::Case;
using testing_support::Stored;

Case NumberUnread(const char* name, const char* file, const char* line, const char* start) {
    return {.name = name,
            .files = {GenePop(CorpusFile(file))},
            .typed = "data.gen\n",
            .status = 106,
            .out = IntroAndPrompt + RuntimeReport(106, "00403060", "00403000"),
            .err = Line(Msg::GenerationNumberUnread,
                        {{"file", "data.gen"}, {"line", line}, {"start", start}, {"sample", "1"}})};
}

TEST(PelkinCases, CorpusAsWritten) {
    // Each sample's last individual in fmulti.txt, PopI, PopJ and PopK, begins a line with "Pop"
    // and is taken for a marker that starts no sample, since a marker line or the end of the
    // file follows it. Once the generation search after PopI met the next marker line and
    // failed (error 106), and with the numbers given the reading counted four samples against
    // three numbers.
    const std::string empty =
        EmptySampleNotice("85") + EmptySampleNotice("126") + EmptySampleNotice("167");
    RunPelkinCases({
        NumberUnread("corpus_tiny", "tiny.txt", "6", "1_1, 0101 0102 0202"),
        NumberUnread("corpus_c2line", "c2line.gen", "6", "1,  0303  0404  0202"),
        NumberUnread("corpus_c2space", "c2space.gen", "4", "1,  0303  0404  0202"),
        NumberUnread("corpus_big", "big.gen", "40", "Ind1, 0107 0303 0320"),
        NumberUnread("corpus_nancycats", "nancycats.gen", "12", "1, 0000 0409 0404 01"),
        // Once refused: "Too many loci (at most 100)."
        NumberUnread("corpus_sim_genepop", "sim_genepop.txt", "1003", "1_1, 0101 0101 0102 "),
        {.name = "corpus_individuals_named_pop_taken_for_markers",
         .files = {GenePop(CorpusFile("fmulti.txt"))},
         .typed = "data.gen\n",
         .out = IntroAndPrompt,
         .err = empty + Summary("3", "1, 1, 1", "79, 39, 39", "3", "0", "12.5"),
         .left = {Frequencies(Stored("pelkin.out"))}},
        {.name = "corpus_individuals_named_pop_with_the_numbers_given",
         .files = {GenePop(CorpusFile("fmulti.txt"))},
         .args = {"--generations", "0,5,10", "data.gen"},
         .out = IntroAndUsing("data.gen"),
         .err = empty + Summary("3", "0, 5, 10", "79, 39, 39", "3", "0", "12.5"),
         .left = {Frequencies(Stored("pelkin.out"))}},
    });
}

} // namespace
