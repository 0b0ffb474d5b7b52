// Each mend of the old converter's behaviour, run against the behaviour it replaces.
#include <filesystem>
#include <string>
#include <vector>

#include "pelkin_fixture.h"

namespace {

class PelkinMends : public PelkinRun {};

using Names = std::vector<std::string>;

// ---- A refused conversion does not report success ----

TEST_F(PelkinMends, DifferentGenerationsAtALocusEndWithStatus1) {
    Put("pelkin.out", "earlier\n");
    // Locus 2's read of the short first line runs into the marker line and loses it.
    const auto run = Convert("T\nA\nB\nPop\n1 a, 0101\nPop\n2 b, 0202 0303\n");
    EXPECT_EQ(run.status, 1); // once 0
    EXPECT_EQ(run.out, IntroAndPrompt + GenerationsMessage());
    EXPECT_EQ(Read("pelkin.out"), "earlier\n");
    EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out"}));
}

TEST_F(PelkinMends, DifferentIndividualsAtALocusEndWithStatus1) {
    const auto run = Convert("T\nA\nB\nC\nPop\n1 a, 0101 0101 0101\n1 b, 0202 0303\n"
                             "1 c, 0202 0303 0404\n");
    EXPECT_EQ(run.status, 1); // once 0
    EXPECT_EQ(run.out, IntroAndPrompt + IndividualsMessage());
    EXPECT_EQ(Files(), (Names{"data.gen"}));
}

// ---- An individual line with too few genotypes ----

TEST_F(PelkinMends, ShortLastLineIsRefusedThoughEveryLocusCountsAlike) {
    // Locus 2 used to take the line end and the end of the file, or the empty lines that
    // follow, as two missing copies, and the file was converted without a word.
    for (const std::string line_end : {"\n", "\r\n", "\r"}) {
        for (const std::string after : {"", "\n\n\n\n"}) {
            std::string genepop = "T\nA\nB\nPop\n1 a, 0101 0202\n1 b, 0303\n" + after;
            for (std::size_t at = 0; (at = genepop.find('\n', at)) != std::string::npos;) {
                genepop.replace(at, 1, line_end);
                at += line_end.size();
            }
            const auto run = Convert(genepop);
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.out, IntroAndPrompt + IndividualsMessage());
            EXPECT_EQ(Files(), (Names{"data.gen"}));
        }
    }
}

TEST_F(PelkinMends, ShortLastLineWithoutLineEndIsRefused) {
    const auto run = Convert("T\nA\nB\nPop\n1 a, 0101 0202\n1 b, 0303");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, IntroAndPrompt + IndividualsMessage());
}

TEST_F(PelkinMends, GenotypeCutByTheLineEndIsRefused) {
    const auto run = Convert("T\nA\nB\nPop\n1 a, 0101 02\n1 b, 0303 0404\n1 c, 0303 0404\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, IntroAndPrompt + IndividualsMessage());
}

TEST_F(PelkinMends, ShortLineBeforeAMarkerGivesTheGenerationsMessageFirst) {
    const auto run = Convert("T\nA\nB\nPop\n1 a, 0101 0101\n1 b, 0101\nPop\n2 c, 0202 0202\n");
    EXPECT_EQ(run.out, IntroAndPrompt + GenerationsMessage());
    EXPECT_EQ(run.status, 1);
}

TEST_F(PelkinMends, TrailingBlanksAfterTheLastGenotypeAreNoShortLine) {
    const auto run = Convert("T\nA\nB\nPop\n1 a, 0101 0202   \n1 b, 0303 0404 \r\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"), "1 2 T\n2  2  \n0.5000 0.5000 4 A  1\n0.5000 0.5000 4 B  1\n");
}

// ---- The name at the prompt ----

TEST_F(PelkinMends, LongNameIsOpenedWhole) {
    // Once cut to 12 characters, which named population1. instead.
    Put("population1.", "T\nOther\nPop\n7 a, 0909\n");
    Put("population1.gen", "T\nL\nPop\n3 a, 0101\n");
    const auto run = Run("population1.gen\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"), "1 1 T\n1  \n1.0000 2 L  3\n");
}

TEST_F(PelkinMends, PathWithBlanksIsOpenedAsTyped) {
    std::filesystem::create_directory(dir / "field data");
    Put("field data/ sample 2019.gen ", "T\nL\nPop\n3 a, 0101\n");
    const auto run = Run("field data/ sample 2019.gen \r\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, IntroAndPrompt);
    EXPECT_EQ(Read("pelkin.out"), "1 1 T\n1  \n1.0000 2 L  3\n");
}

// ---- Tabs before a genotype ----

TEST_F(PelkinMends, TabAfterTheCommaNoLongerShiftsTheCodes) {
    // Once the tab and 0101 gave the codes 0 and 10.
    const auto run = Convert("T\nL\nPop\n1 a,\t0101\n1 b, \t 0102\n");
    EXPECT_EQ(Read("pelkin.out"), "1 1 T\n2  \n0.7500 0.2500 4 L  1\n");
}

// ---- Blank lines before a marker ----

TEST_F(PelkinMends, BlankLineBeforeAMarkerNoLongerMergesTheGenerations) {
    // Once one generation of 4 copies, numbered 1, with the second marker hidden.
    const auto run = Convert("T\nL\nPop\n1 a, 0101\n\nPop\n2 b, 0202\n \t\r\nPop\n3 c, 0303\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"), "3 1 T\n3  \n"
                                  "1.0000 0.0000 0.0000 2 L  1\n"
                                  "0.0000 1.0000 0.0000 2 L  2\n"
                                  "0.0000 0.0000 1.0000 2 L  3\n");
}

TEST_F(PelkinMends, IndentedTextIsStillTheHeadOfAnIndividualLine) {
    const auto run = Convert("T\nL\nPop\n1 a, 0101\n Pop\n2 b, 0202\n");
    EXPECT_EQ(Read("pelkin.out"), "1 1 T\n2  \n0.5000 0.5000 4 L  1\n");
}

// ---- Comma-separated locus names ----

TEST_F(PelkinMends, CommaSeparatedLocusNamesGiveOneLocusEach) {
    // Once one locus named "136255903, 1362", whose allele column was the first locus's.
    const auto run = Convert("T\r\n136255903, 136257048, 136257636\r\nPop\r\n"
                             "4 a,  0303  0404  0202\r\n4 b,  0303  0304  0000\r\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"), "1 3 T\n1  2  1  \n"
                                  "1.0000 4 136255903  4\n"
                                  "0.2500 0.7500 4 136257048  4\n"
                                  "1.0000 2 136257636  4\n");
}

// ---- Names written as one word ----

TEST_F(PelkinMends, BlankInsideANameAndAnEmptyNameAreWrittenAsOneWord) {
    const auto run = Convert("T\nMy locus 1\n\n   \nPop\n6 a, 0101 0202 0303\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"), "1 3 T\n1  1  1  \n"
                                  "1.0000 2 My_locus_1  6\n"
                                  "1.0000 2 locus2  6\n"
                                  "1.0000 2 locus3  6\n");
}

// ---- Generation numbers kept whole ----

TEST_F(PelkinMends, GenerationNumbersBeyond16BitsAreKeptWhole) {
    // Once written as their low 16 bits: 4464 and 25536.
    Convert("T\nL\nPop\n70000 a, 0101\nPop\n-40000 b, 0101\n");
    EXPECT_EQ(Read("pelkin.out"), "2 1 T\n1  \n1.0000 2 L  70000\n1.0000 2 L  -40000\n");
}

// ---- The conversion never overwrites its input ----

TEST_F(PelkinMends, InputNamedAsTheFrequencyFileIsRefused) {
    const std::string genepop = "T\nL\nPop\n1 a, 0101\n";
    Put("pelkin.out", genepop);
    const auto run = Run("pelkin.out\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              IntroAndPrompt +
                  "The input file has the name of a file this program writes; rename it.\n");
    EXPECT_EQ(Read("pelkin.out"), genepop);
    EXPECT_EQ(Files(), Names{"pelkin.out"});
}

TEST_F(PelkinMends, InputNamedAsAnOldCountFileOfItsLociIsConverted) {
    // Once refused: the count file of locus 3 would have overwritten it.
    const std::string genepop = "T\nA\nB\nC\nPop\n1 a, 0101 0101 0101\n";
    Put("locus3", genepop);
    const auto run = Run("locus3\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("locus3"), genepop);
    EXPECT_EQ(Files(), (Names{"locus3", "pelkin.out"}));
}

TEST_F(PelkinMends, InputReachedByAnotherNameIsRefused) {
    const std::string genepop = "T\nA\nB\nPop\n1 a, 0101 0101\n";
    for (const std::string written : {"pelkin.out", "pelkin.out.part"}) {
        std::filesystem::remove_all(dir / "sub");
        std::filesystem::remove(dir / "data.gen");
        Put(written, genepop);
        std::filesystem::create_hard_link(dir / written, dir / "data.gen");
        std::filesystem::create_directory(dir / "sub");
        std::filesystem::create_symlink("../" + written, dir / "sub" / "link.gen");
        for (const std::string& typed :
             {std::string("data.gen\n"), std::string("sub/link.gen\n"), "./" + written + "\n"}) {
            const auto run = Run(typed);
            EXPECT_EQ(run.status, 1) << typed;
            EXPECT_EQ(Read(written), genepop);
        }
        std::filesystem::remove(dir / written);
    }
}

TEST_F(PelkinMends, InputNamedAsACountFileBeyondItsLociIsConverted) {
    const std::string genepop = "T\nA\nPop\n1 a, 0101\n";
    Put("locus2", genepop);
    const auto run = Run("locus2\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("locus2"), genepop);
    EXPECT_EQ(Files(), (Names{"locus2", "pelkin.out"}));
}

// ---- A marker line with blanks after it ----

TEST_F(PelkinMends, PopWithTrailingBlanksEndsTheLocusNames) {
    // Once a locus name: every individual line after it was taken for a locus name too, and the
    // run ended with "No line POP, Pop or pop ends the locus names." (or "Too many loci").
    for (const std::string marker : {"Pop ", "POP\t", "pop \t  "}) {
        const auto run = Convert("T\r\nA\r\nB\r\n" + marker + "\r\n1 a, 0101 0202\r\n" + marker +
                                 "\r\n2 b, 0102 0202\r\n");
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, Summary("2", "1, 2", "1, 1", "2", "1", "0.0"));
        EXPECT_EQ(Read("pelkin.out"), "2 2 T\n2  1  \n"
                                      "1.0000 0.0000 2 A  1\n"
                                      "0.5000 0.5000 2 A  2\n"
                                      "1.0000 2 B  1\n"
                                      "1.0000 2 B  2\n");
    }
}

TEST_F(PelkinMends, PopFollowedByOtherTextIsStillALocusName) {
    // The search for generation numbers would take those names for markers: the number is given.
    Put("data.gen", "T\nA\nPop 1\nPopulation\nPop\n1 a, 0101 0202 0303\n");
    const auto run = RunWith({"--generations", "1", "data.gen"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"), "1 3 T\n1  1  1  \n"
                                  "1.0000 2 A  1\n1.0000 2 Pop_1  1\n1.0000 2 Population  1\n");
}

} // namespace
