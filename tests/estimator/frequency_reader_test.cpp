#include "frequency_reader.h"

#include <gtest/gtest.h>
#include <string>

#include "data_tables.h"
#include "program_run.h"

namespace {

using testing_support::TempDir;
using testing_support::WriteFile;

// Reads `text` as a frequency file; the reader returns only when the file is sound.
void Load(const std::string& text) {
    TempDir dir;
    WriteFile(dir / "data.txt", text);
    GetData((dir / "data.txt").string());
}

const std::string two_loci = "3 2 A title with 5 words\n"
                             "2  3  \n"
                             "0.6000 0.4000 100 Loc1  0\n"
                             "0.5000 0.5000 80 Loc1  4\n"
                             "0.4000 0.6000 60 Loc1  9\n"
                             "0.2000 0.3000 0.5000 40 Loc2  0\n"
                             "0.3333 0.3333 0.3333 42 Loc2  4\n"
                             "1.2000 -0.2000 0.0000 44 Loc2  9\n";

TEST(FrequencyReader, ReadsTheConvertersLayout) {
    Load(two_loci);
    EXPECT_EQ(n_samples, 3);
    EXPECT_EQ(n_loci, 2);
    EXPECT_EQ(K[1], 2);
    EXPECT_EQ(K[2], 3);
    EXPECT_DOUBLE_EQ(x(1, 3, 1), 0.6);
    EXPECT_DOUBLE_EQ(x(2, 1, 2), 0.5);
    // Single frequencies are not checked, only their sum.
    EXPECT_DOUBLE_EQ(x(0, 3, 2), 1.2);
    EXPECT_DOUBLE_EQ(x(1, 3, 2), -0.2);
    EXPECT_DOUBLE_EQ(S(2, 1), 80.0);
    EXPECT_DOUBLE_EQ(S(3, 2), 44.0);
    EXPECT_EQ(locusname[1], "Loc1");
    EXPECT_EQ(locusname[2], "Loc2");
    EXPECT_EQ(t[1], 0);
    EXPECT_EQ(t[2], 4);
    EXPECT_EQ(t[3], 9);
}

TEST(FrequencyReader, CarriageReturnsBeforeLineFeedsAreLineEnds) {
    std::string crlf;
    for (char c : two_loci) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    Load(crlf);
    EXPECT_EQ(t[3], 9);
    EXPECT_EQ(locusname[2], "Loc2");
    // A name that the line end closes is read without the carriage return.
    Load("1 1\r\n1\r\n1.0 10 Loc1\r\n7 rest\r\n");
    EXPECT_EQ(locusname[1], "Loc1");
    EXPECT_EQ(t[1], 7);
}

TEST(FrequencyReader, GenerationsHaveAutomaticBase) {
    Load("3 1\n1\n1 10 L  010\n1 10 L  0x10\n1 10 L  08\n");
    EXPECT_EQ(t[1], 8);
    EXPECT_EQ(t[2], 16);
    EXPECT_EQ(t[3], 0);
}

TEST(FrequencyReader, NamesEndAtBlanksAndLineEndsOnly) {
    // A tab after the size starts the name; a tab before the generation joins it to the name,
    // and the generation then comes from the next line, the rest of which is dropped.
    Load("2 1\n1\n1 10\tLoc1  3\n1 10 Loc1\t5\n6 99\n");
    EXPECT_EQ(locusname[1], "Loc1\t5");
    EXPECT_EQ(t[1], 3);
    EXPECT_EQ(t[2], 6);
    // A name of two words whose second word is a number: that number is the generation.
    Load("1 1\n1\n1 10 Loc 7  5\n");
    EXPECT_EQ(locusname[1], "Loc");
    EXPECT_EQ(t[1], 7);
}

TEST(FrequencyReader, LastLineOfALocusGivesItsNameAndLastLocusTheGenerations) {
    Load("2 2\n1 1\n1 10 First  1\n1 10 Second  2\n1 10 Third  3\n1 10 Fourth  4\n");
    EXPECT_EQ(locusname[1], "Second");
    EXPECT_EQ(locusname[2], "Fourth");
    EXPECT_EQ(t[1], 3);
    EXPECT_EQ(t[2], 4);
}

TEST(FrequencyReader, LongNamesAreCutAndTheirRestDropped) {
    const std::string name(300, 'n');
    Load("1 1\n1\n1 10 " + name + "  5\n");
    EXPECT_EQ(locusname[1], std::string(255, 'n'));
    EXPECT_EQ(t[1], 5);
}

TEST(FrequencyReader, SumsWithinOneHundredthPassAndExtraLinesAreIgnored) {
    Load("1 2\n3 2\n0.3333 0.3333 0.3333 10 A  1\n0.995 0.0 10 B  1\nnot data\n\x1a");
    EXPECT_EQ(K[1], 3);
    EXPECT_DOUBLE_EQ(x(0, 1, 2), 0.995);
}

TEST(FrequencyReaderDegenerate, NoLociOrNoSamples) {
    Load("3 0 title");
    EXPECT_EQ(n_samples, 3);
    EXPECT_EQ(n_loci, 0);
    EXPECT_EQ(Generation(2), 0);
    Load("-4 -2\n");
    EXPECT_EQ(n_samples, -4);
    EXPECT_EQ(n_loci, -2);
}

TEST(FrequencyReader, TablesAreClearedBeforeEachRead) {
    Load(two_loci);
    Load("1 1\n1\n1 10 Only  5\n");
    EXPECT_EQ(K.size(), 2u);
    EXPECT_EQ(locusname.size(), 2u);
    EXPECT_EQ(t.size(), 2u);
    EXPECT_DOUBLE_EQ(x(0, 1, 1), 1.0);
    EXPECT_DOUBLE_EQ(S(1, 1), 10.0);
}

} // namespace
