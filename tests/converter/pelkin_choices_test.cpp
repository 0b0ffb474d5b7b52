// Files beyond the converter's tables, and the other cases its rules leave open.
#include <string>
#include <vector>

#include "pelkin_fixture.h"

namespace {

class PelkinLimits : public PelkinRun {};
class PelkinOpenCases : public PelkinRun {};

using Names = std::vector<std::string>;

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

std::string LocusNames(int count) {
    std::string names;
    for (int l = 1; l <= count; ++l) {
        names.append("L").append(std::to_string(l)).append("\n");
    }
    return names;
}

// ---- Limits ----

TEST_F(PelkinLimits, NamesNotEndedByAMarkerLineAreRefused) {
    for (const std::string genepop : {"T\nA\nPop 1\n1 a, 0101\n", "T\nA", ""}) {
        const auto run = Convert(genepop);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, IntroAndPrompt + "No line POP, Pop or pop ends the locus names.\n");
        EXPECT_EQ(Files(), Names{"data.gen"});
    }
}

TEST_F(PelkinLimits, HundredLociAreConvertedAndAHundredAndFirstIsRefused) {
    auto run = Convert(std::string("T\n")
                           .append(LocusNames(100))
                           .append("Pop\n1 a,")
                           .append(Repeat(" 0101", 100))
                           .append("\n"));
    EXPECT_EQ(run.status, 0);
    const std::string out = Read("pelkin.out");
    EXPECT_EQ(out.substr(0, 8), "1 100 T\n");
    EXPECT_NE(out.find("\n1.0000 2 L100  1\n"), std::string::npos);

    Put("pelkin.out", "earlier\n");
    run = Convert(std::string("T\n")
                      .append(LocusNames(100))
                      .append("L101, L102\nPop\n1 a,")
                      .append(Repeat(" 0101", 102))
                      .append("\n"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, IntroAndPrompt + "Too many loci (at most 100).\n");
    EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out"}));
    EXPECT_EQ(Read("pelkin.out"), "earlier\n");
}

TEST_F(PelkinLimits, FiftyGenerationsAreConvertedAndAFiftyFirstIsRefused) {
    auto run = Convert("T\nL\n" + Repeat("Pop\n1 a, 0101\n", 50));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out").substr(0, 7), "50 1 T\n");

    run = Convert("T\nA\nB\n" + Repeat("Pop\n1 a, 0101 0101\n", 51));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, IntroAndPrompt + "Too many generations (at most 50).\n");
    EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out"}));
}

TEST_F(PelkinLimits, NegativeCodeIsRefusedAtItsLocus) {
    auto run = Convert("T\nA\nPop\n1 a, -101\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, IntroAndPrompt + "Negative allele code at locus 1.\n");
    EXPECT_EQ(Files(), Names{"data.gen"});

    run = Convert("T\nA\nB\nPop\n1 a, 0101 0101\n1 b, 0101 01-2\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, IntroAndPrompt + "Negative allele code at locus 2.\n");
    EXPECT_EQ(Files(), (Names{"data.gen", "locus1"}));
}

TEST_F(PelkinLimits, SignedZeroIsAMissingCopy) {
    Convert("T\nA\nPop\n1 a, -001\n");
    EXPECT_EQ(Read("pelkin.out"), "1 1 T\n1  \n1.0000 1 A  1\n");
}

TEST_F(PelkinLimits, CopiesOf32766OfACodeAreCounted) {
    // 16383 homozygotes: 32766 copies of one code in one generation, and at the locus.
    const auto run = Convert("T\nA\nPop\n" + Repeat("1 a, 0101\n", 16383));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"), "1 1 T\n1  \n1.0000 32766 A  1\n");
}

TEST_F(PelkinLimits, MoreThan32767CopiesOfACodeInAGenerationAreRefused) {
    Put("pelkin.out", "earlier\n");
    const auto run = Convert("T\nA\nB\nPop\n" + Repeat("1 a, 0101 0102\n", 16384));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, IntroAndPrompt + "Too many gene copies at locus 1 (at most 32767).\n");
    EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out"}));
    EXPECT_EQ(Read("pelkin.out"), "earlier\n");
}

TEST_F(PelkinLimits, MoreThan32767CopiesAtALocusAreRefused) {
    // No code passes 32767 in any generation; the locus as a whole has 32768 copies.
    const auto run = Convert("T\nA\nPop\n" + Repeat("1 a, 0102\n", 8192) + "Pop\n" +
                             Repeat("2 a, 0102\n", 8192));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, IntroAndPrompt + "Too many gene copies at locus 1 (at most 32767).\n");
    EXPECT_EQ(Files(), Names{"data.gen"});
}

// ---- Cases left open ----

TEST_F(PelkinOpenCases, MarkerAtTheEndOfTheFileGivesAGenerationWithoutCopies) {
    // The comma search ends at the end of the file, where two missing copies are read, and the
    // generation number read there is 0. With no typed copy, the frequencies are those of the
    // locus over all generations, with the total 0 (once 0.0000, which the estimator refused).
    const auto run = Convert("T\nL\nPop\n1 a, 0101 \nPop\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"), "2 1 T\n1  \n1.0000 2 L  1\n1.0000 0 L  0\n");
    EXPECT_EQ(run.err, UntypedNotice("1 (L)", "0"));
}

TEST_F(PelkinOpenCases, TitleThatIsAMarkerCanLeadTheGenerationSearchToTheEnd) {
    // The passes take the title for the first marker and the exact marker for the second; the
    // generation search, which starts after the title, finds only one marker.
    const auto run = Convert("Pop\n\nPop\n1 a, 0101\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"), "2 1 Pop\n1  \n1.0000 0 locus1  1\n1.0000 2 locus1  0\n");
    EXPECT_EQ(run.err, UntypedNotice("1 ()", "1"));
}

TEST_F(PelkinOpenCases, TypedNameEndsAtTheFirstCarriageReturn) {
    Put("data.gen", "T\nL\nPop\n1 a, 0101\n");
    const auto run = Run("data.gen\rmore text\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, IntroAndPrompt);
}

} // namespace
