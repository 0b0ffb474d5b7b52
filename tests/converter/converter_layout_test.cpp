// Three-digit GenePop files: the decision of the layout after the header, the three-character
// allele codes, and what the counting step makes of a three-digit file.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "allele_tallies.h"
#include "count_in_dir.h"
#include "genepop_reader.h"
#include "number_text.h"
#include "program_run.h"
#include "run_state.h"
#include "text_file.h"

namespace {

// ---- The layout test of one line ----

TEST(ConverterLayout, SixDigitsAfterTheCommaAndItsBlanksMakeALineThreeDigit) {
    for (const std::string line :
         {"1 a, 120131", "1 a,\t 120131 000000", "1,120131\t", "x,000000", "1 a, 120131 0101"}) {
        EXPECT_TRUE(HoldsSixDigitGenotype(line)) << '"' << line << '"';
    }
    for (const std::string line : {"1 a, 0102 0304", "1 a, 1201311", "1 a, 12013", "1 a, 12013a 1",
                                   "1 a, 120131x", "1 a 120131", "1 a, , 120131", "1 a, \v120131",
                                   "1 a, 120131\v", "1 a, 12 0131", "1 a, +20131", "1 a,", ""}) {
        EXPECT_FALSE(HoldsSixDigitGenotype(line)) << '"' << line << '"';
    }
}

// ---- The decision, once, after the header ----

struct Decision {
    int digits;
    std::uint64_t line_at;
};

// Reads the header of `genepop` and decides its layout.
Decision LayoutOf(const std::string& genepop) {
    testing_support::TempDir dir;
    testing_support::WriteFile(dir / "data.gen", genepop);
    ResetRunState();
    auto text = std::make_unique<TextFile>();
    OpenText(*text, (dir / "data.gen").string());
    ReadHeader(*text);
    Decision decision{0, 0};
    DecideLayout(*text, decision.line_at);
    decision.digits = code_digits;
    CloseText(*text);
    return decision;
}

TEST(ConverterLayout, FirstLineWithACommaAfterTheHeaderDecides) {
    // Marker lines, with or without a comma, and lines without a comma are passed over; the
    // six digits may end the file.
    const std::string genepop = "T\nA\nPop\n\n  no comma\nPop 2\nPOPULATION, 0101\n1 a, 120131";
    const Decision decision = LayoutOf(genepop);
    EXPECT_EQ(decision.digits, 3);
    EXPECT_EQ(decision.line_at, genepop.find("1 a"));
    // The line end after the six digits may be CR LF or CR alone.
    for (const std::string line_end : {"\r\n", "\r"}) {
        EXPECT_EQ(LayoutOf("T" + line_end + "A" + line_end + "Pop" + line_end + "1 a, 120131" +
                           line_end + "1 b, 0101")
                      .digits,
                  3);
    }
}

TEST(ConverterLayout, DecisionIsMadeOnceAndOnlyAfterTheHeader) {
    // A later six-digit genotype does not make a two-digit file three-digit.
    EXPECT_EQ(LayoutOf("T\nA\nPop\n1 a, 0102\n1 b, 120131\n").digits, 2);
    EXPECT_EQ(LayoutOf("T\nA\nPop\n1 a, 12013 120131\n").digits, 2);
    // Nor do the title's or a locus name's digits count.
    EXPECT_EQ(LayoutOf("1 a, 120131\nL, 120131\nPop\n1 a, 0101\n").digits, 2);
    // Without an individual line the file is two-digit.
    EXPECT_EQ(LayoutOf("T\nA\nPop\nPop\n").digits, 2);
    // A marker followed by blanks and tabs ends the header: the decision follows it.
    EXPECT_EQ(LayoutOf("T\nA\nPop \t\n1 a, 007120\n").digits, 3);
}

// ---- Three-character codes ----

TEST(ConverterLayout, ThreeCharacterCodesAreBlanksAndDigitsOrMissing) {
    const struct {
        std::string code;
        int value;
    } cases[] = {
        {"007", 7},  {"  7", 7},          {" 07", 7}, {"120", 120}, {"999", 999},
        {"000", 0},  {"   ", 0},          {"7  ", 0}, {"0 7", 0},   {"\t07", 0},
        {"+07", 0},  {"-07", 0},          {"$0A", 0}, {"0a1", 0},   {"\n12", 0},
        {"12\r", 0}, {"\x1a\x1a\x1a", 0}, {" -1", 0}, {"1e2", 0},
    };
    for (const auto& [code, value] : cases) {
        const std::array<char, 3> chars{code[0], code[1], code[2]};
        EXPECT_EQ(ConvertThreeDigitCode(chars), value) << "code \"" << code << "\"";
    }
}

TEST(ConverterLayout, ThreeDigitGenotypesReachTheTalliesInOrderOfCode) {
    CountingDir dir;
    // Locus A: 120, 131, 999 and a missing copy; locus B: 007 and "  7", then two missing.
    dir.Count("T\nA\nB\nPop\n1 a, 131120 007  7\n1 b,\t999000 \t0a7-01\nPop\n2 c, 120999 007007\n");
    EXPECT_EQ(n_gen, 2);
    EXPECT_EQ(dir.Copies(), 6);
    EXPECT_EQ(AlleleCount(1), 3);
    EXPECT_EQ(dir.Counts(1), "  2  3\n    1    1    1\n    1    0    1\n");
    EXPECT_EQ(dir.Counts(2), "  2  1\n    2\n    2\n");
}

} // namespace
