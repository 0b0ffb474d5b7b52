// Three-digit GenePop files through the whole program: read as such, once read two characters
// at a time into nonsense with status 0.
#include <string>
#include <vector>

#include "pelkin_fixture.h"

namespace {

class PelkinThreeDigit : public PelkinRun {};

using Names = std::vector<std::string>;

std::string ReadAs(const std::string& line) {
    return "Pelkin: \"data.gen\" is read as a three-digit GenePop file (six-digit genotypes, as on "
           "line " +
           line + ")\n";
}

TEST_F(PelkinThreeDigit, TwinOfTheSixLineExampleGivesItsFrequencyFile) {
    // Read two characters at a time, "001001" once gave codes 0 and 10 and "0102" the rest.
    const auto run = Convert("Title\nLoc1\nLoc2\nPop\n1 a, 001001 001002\n1 b, 002002 000000\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, IntroAndPrompt);
    EXPECT_EQ(run.err, ReadAs("5") + Summary("1", "1", "2", "2", "0", "25.0"));
    EXPECT_EQ(Read("pelkin.out"), "1 2 Title\n"
                                  "2  2  \n"
                                  "0.5000 0.5000 4 Loc1  1\n"
                                  "0.5000 0.5000 2 Loc2  1\n");
    EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out"}));
}

TEST_F(PelkinThreeDigit, CodesUpTo999AreListedInIncreasingOrderInEveryGeneration) {
    const auto run = Convert("Microsatellites\nStr15\nPop\n0 a, 120131\n0 b,\t131  7\nPop\n"
                             "5 c, 999120\n5 d, 000000\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"), "2 1 Microsatellites\n"
                                  "4  \n"
                                  "0.2500 0.2500 0.5000 0.0000 4 Str15  0\n"
                                  "0.0000 0.5000 0.0000 0.5000 2 Str15  5\n");
}

TEST_F(PelkinThreeDigit, MoreThanAHundredAllelesAreConverted) {
    // Once refused at 101: "Too many alleles at locus 2 (at most 100)."
    std::string genepop = "T\nA\nB\nPop\n";
    for (int code = 101; code < 202; ++code) {
        genepop += "1 x, 001001 " + std::to_string(code) + std::to_string(code) + "\n";
    }
    const auto run = Convert(genepop);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out").substr(0, 17), "1 2 T\n1  101  \n1.");
}

TEST_F(PelkinThreeDigit, ShortLineIsRefusedBeforeTheAllelesAreCounted) {
    std::string genepop = "T\nA\nPop\n";
    for (int code = 101; code <= 201; ++code) {
        genepop += "1 x, " + std::to_string(code) + std::to_string(code) + "\n";
    }
    genepop += "1 y, 00100\n";
    const auto run = Convert(genepop);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, IntroAndPrompt + IndividualsMessage());
    EXPECT_EQ(run.err, ReadAs("4") + "Pelkin: \"data.gen\" line 105 (\"1 y, 00100\"): the line "
                                     "ends before its genotype of locus 1 (A); give every "
                                     "individual line one genotype per locus, each of 6 "
                                     "characters\n");
    EXPECT_EQ(Files(), Names{"data.gen"});
}

TEST_F(PelkinThreeDigit, MissingSecondGenotypeIsAShortLineAsInTwoDigitFiles) {
    const auto run = Convert("T\r\nA\r\nB\r\nPop\r\n1 a, 001001 002002\r\n1 b, 003003\r\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, IntroAndPrompt + IndividualsMessage());
    EXPECT_EQ(run.err, ReadAs("5") + "Pelkin: \"data.gen\" line 6 (\"1 b, 003003\"): the line ends "
                                     "before its genotype of locus 2 (B); give every individual "
                                     "line one genotype per locus, each of 6 characters\n");
    EXPECT_EQ(Files(), (Names{"data.gen"}));
}

TEST_F(PelkinThreeDigit, FileWhoseFirstGenotypeHasFourDigitsIsReadAsToday) {
    // Its later six-digit genotype is read as four characters and two dropped ones.
    const auto run = Convert("T\nL\nPop\n1 a, 0102\n1 b, 120131\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, Summary("1", "1", "2", "1", "0", "0.0"));
    EXPECT_EQ(Read("pelkin.out"), "1 1 T\n3  \n0.5000 0.2500 0.2500 4 L  1\n");
}

} // namespace
