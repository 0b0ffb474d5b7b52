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

// A first code padded with blanks ("  5  1") was read from its digits on, since the blanks
// before a genotype are skipped, and every code after it shifted, with status 0: it is refused
// with the message of a genotype the line cannot hold and a line naming it, wherever the line
// ends. A second code padded in front ("001  7") reads as its digits; in a two-digit file the
// reading stays as it was.
TEST_F(PelkinThreeDigit, PaddedFirstCodeIsRefusedNamingItsLine) {
    const struct {
        std::string line;     // the second individual line
        std::string genotype; // the characters of the genotype as read
    } cases[] = {
        {"1 b,   5  1", "5  1"},
        {"1 b,   5  1  ", "5  1  "},
        {"1 b,   5  1 002002", "5  1 0"},
        {"1 b,   5123  ", "5123  "},
        {"1 b, 002002  12 34", "12 34"},
    };
    for (const auto& [line, genotype] : cases) {
        SCOPED_TRACE(line);
        const auto run = Convert("T\nA\nB\nPop\n1 a, 001001 002002\n" + line + "\n");
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, IntroAndPrompt + IndividualsMessage());
        const std::string locus = line.find("002002  ") != std::string::npos ? "2 (B)" : "1 (A)";
        EXPECT_EQ(run.err, ReadAs("5") + "Pelkin: \"data.gen\" line 6 (\"" + line.substr(0, 20) +
                               "\"): the genotype of locus " + locus + " is read as \"" +
                               genotype +
                               "\", with a blank inside a code: in a three-digit file the "
                               "blanks before a genotype are skipped, so a first code padded "
                               "with blanks shifts the codes after it; write every allele code "
                               "in three digits, such as 005001, a missing copy as 000\n");
        EXPECT_EQ(Files(), Names{"data.gen"});
    }
    auto run = Convert("T\nA\nPop\n1 a, 001001\n1 b, 001  7\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"), "1 1 T\n2  \n0.7500 0.2500 4 A  1\n");
    // Two-digit: " 5 1" is read from the 5 on, "5 1 " giving two missing copies, as before.
    run = Convert("T\nA\nPop\n1 a, 0101\n1 b,  5 1 \n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read("pelkin.out"), "1 1 T\n1  \n1.0000 2 A  1\n");
}

TEST_F(PelkinThreeDigit, FileWhoseFirstGenotypeHasFourDigitsIsReadAsToday) {
    // Its later six-digit genotype is read as four characters and two dropped ones.
    const auto run = Convert("T\nL\nPop\n1 a, 0102\n1 b, 120131\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, Summary("1", "1", "2", "1", "0", "0.0"));
    EXPECT_EQ(Read("pelkin.out"), "1 1 T\n3  \n0.5000 0.2500 0.2500 4 L  1\n");
}

} // namespace
