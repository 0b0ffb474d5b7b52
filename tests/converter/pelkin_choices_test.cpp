// Files beyond the converter's tables, and the other cases its rules leave open.
#include <string>
#include <vector>

#include "messages.h"
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

TEST_F(PelkinLimits, LociAndSamplesBeyondTheOldTablesAreConverted) {
    // Once refused beyond 100 loci ("Too many loci (at most 100).") and 50 samples.
    auto run = Convert(std::string("T\n")
                           .append(LocusNames(100))
                           .append("L101, L102\nPop\n1 a,")
                           .append(Repeat(" 0101", 102))
                           .append("\n"));
    EXPECT_EQ(run.status, 0);
    const std::string out = Read("pelkin.out");
    EXPECT_EQ(out.substr(0, 8), "1 102 T\n");
    EXPECT_NE(out.find("\n1.0000 2 L102  1\n"), std::string::npos);

    run = Convert("T\nA\nB\n" + Repeat("Pop\n1 a, 0101 0101\n", 51));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out").substr(0, 7), "51 2 T\n");
    EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out"}));
}

TEST_F(PelkinLimits, NamesLongerThan255CharactersAreCutWithOneNotice) {
    // Once every name was cut at 15 characters, without a word.
    const std::string kept = "contig_" + std::string(248, 'x');
    const auto run = Convert("T\nshort\n" + kept + "123\n" + kept + "\n" + kept + "45678\nPop\n" +
                             "1 a, 0101 0101 0101 0101\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, Filled(Msg::NamesCut, {{"count", "2"}, {"locus", "2"}, {"name", kept}}) +
                           "\n" + Summary("1", "1", "1", "4", "4", "0.0"));
    EXPECT_EQ(Read("pelkin.out"), "1 4 T\n1  1  1  1  \n1.0000 2 short  1\n1.0000 2 " + kept +
                                      "  1\n1.0000 2 " + kept + "  1\n1.0000 2 " + kept + "  1\n");
}

TEST_F(PelkinLimits, NegativeCodeIsRefusedAtItsLocus) {
    auto run = Convert("T\nA\nPop\n1 a, -101\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, IntroAndPrompt + "Negative allele code at locus 1.\n");
    EXPECT_EQ(Files(), Names{"data.gen"});

    run = Convert("T\nA\nB\nPop\n1 a, 0101 0101\n1 b, 0101 01-2\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, IntroAndPrompt + "Negative allele code at locus 2.\n");
    EXPECT_EQ(Files(), (Names{"data.gen"}));
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

TEST_F(PelkinLimits, CopiesBeyond32767AreCounted) {
    // Once refused: "Too many gene copies at locus 1 (at most 32767)."
    auto run = Convert("T\nA\nB\nPop\n" + Repeat("1 a, 0101 0102\n", 16384));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"), "1 2 T\n1  2  \n1.0000 32768 A  1\n0.5000 0.5000 32768 B  1\n");
    run = Convert("T\nA\nPop\n" + Repeat("1 a, 0102\n", 8192) + "Pop\n" +
                  Repeat("2 a, 0102\n", 8192));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"),
              "2 1 T\n2  \n0.5000 0.5000 16384 A  1\n0.5000 0.5000 16384 A  2\n");
}

// ---- Cases left open ----

TEST_F(PelkinOpenCases, MarkerAtTheEndOfTheFileStartsNoSample) {
    // Once a sample of two missing copies, numbered 0, written with the frequencies over all.
    const auto run = Convert("T\nL\nPop\n1 a, 0101 \nPop\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"), "1 1 T\n1  \n1.0000 2 L  1\n");
    EXPECT_EQ(run.err, EmptySampleNotice("5") + Summary("1", "1", "1", "1", "1", "0.0"));
}

TEST_F(PelkinOpenCases, TitleThatIsAMarkerStartsNoSample) {
    // The reading takes the title for the first marker and the exact marker for the second;
    // the generation search starts after the title. Once two samples, the first without
    // individuals, and the numbers 1 and 0.
    const auto run = Convert("Pop\n\nPop\n1 a, 0101\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"), "1 1 Pop\n1  \n1.0000 2 locus1  1\n");
    EXPECT_EQ(run.err, EmptySampleNotice("1") + Summary("1", "1", "1", "1", "1", "0.0"));
}

TEST_F(PelkinOpenCases, TypedNameEndsAtTheFirstCarriageReturn) {
    Put("data.gen", "T\nL\nPop\n1 a, 0101\n");
    const auto run = Run("data.gen\rmore text\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, IntroAndPrompt);
}

} // namespace
