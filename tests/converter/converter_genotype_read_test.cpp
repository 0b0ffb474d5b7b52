// The genotype read of a pass: rule by rule through the counting step, and against a plain
// character-by-character reading of the same text (skip blanks and tabs, take four characters,
// or six in a three-digit file, code 26 past the end, for loci 1..n in turn), with the genotype
// skip on and off. Random lines
// mix plain genotypes with every character the reads treat apart, and the text is long enough
// to cross the reader's buffer several times.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <random>
#include <string>

#include "count_in_dir.h"
#include "genepop_reader.h"
#include "genotype_skip.h"
#include "program_run.h"
#include "run_state.h"
#include "text_file.h"

namespace {

TEST(ConverterGenotypeRead, BlanksAndTabsBeforeAGenotypeAreSkipped) {
    CountingDir dir;
    // A tab used to be taken as the genotype's first character: tab and 0101 gave 0 and 10.
    dir.Count("T\nA\nB\nPop\n1 a,\t0101\t\t0202\n1 b,   0303    0404\n");
    EXPECT_EQ(dir.Read("locus1"), "  1  2\n    2    2\n");
    EXPECT_EQ(dir.Read("locus2"), "  1  2\n    2    2\n");
}

TEST(ConverterGenotypeRead, MissingCopiesCountAsIndividualsButAreNoAllele) {
    CountingDir dir;
    dir.Count("T\nA\nPop\n1 a, 0000\n1 b, 0a01\n1 c, 0200\n");
    EXPECT_EQ(copies, 6);
    EXPECT_EQ(n_allele[1], 2);
    EXPECT_EQ(dir.Read("locus1"), "  1  2\n    1    1\n");
}

TEST(ConverterGenotypeRead, AnAlleleOfOneGenerationHasACountInEveryGeneration) {
    CountingDir dir;
    dir.Count("T\nA\nPop\n1 a, 0505\nPop\n2 b, 0509\nPop\n3 c, 0505\n");
    EXPECT_EQ(dir.Read("locus1"), "  3  2\n    2    0\n    1    1\n    2    0\n");
}

TEST(ConverterGenotypeRead, OnlyTheLocusOfThePassIsKept) {
    CountingDir dir;
    dir.Count("T\nA\nB\nC\nPop\n1 a, 0101 0202 0303\n1 b, 0102 0203 0304\n");
    EXPECT_EQ(dir.Read("locus1"), "  1  2\n    3    1\n");
    EXPECT_EQ(dir.Read("locus2"), "  1  2\n    3    1\n");
    EXPECT_EQ(dir.Read("locus3"), "  1  2\n    3    1\n");
    EXPECT_EQ(n_allele[3], 2);
}

// Runs a test's reads with the genotype skip on, then off, and leaves it on.
template <class Reads> void BothWays(Reads reads) {
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on ? "genotype skip on" : "genotype skip off");
        genotype_skip_on = on;
        reads();
    }
    genotype_skip_on = true;
}

struct PlainRead {
    const std::string& text;
    std::size_t at = 0;
    std::size_t digits = 2; // characters per code

    int Next() { return at < text.size() ? static_cast<unsigned char>(text[at++]) : EndOfText; }

    Genotype ReadOne(bool on_line) {
        int c = Next();
        while (c == ' ' || c == '\t') {
            c = Next();
        }
        Genotype genotype;
        for (std::size_t k = 0; k < 2 * digits; ++k) {
            const int ck = k == 0 ? c : Next();
            genotype.ran_out =
                genotype.ran_out || ck == '\n' || ck == '\r' || (on_line && ck == EndOfText);
            (k < digits ? genotype.first : genotype.second)[k % digits] =
                ck == EndOfText ? EndOfFileChar : static_cast<char>(ck);
        }
        return genotype;
    }

    Genotype ReadOfLocus(int locus, bool on_line) {
        bool ran_out = false;
        Genotype genotype;
        for (int l = 1; l <= locus; ++l) {
            genotype = ReadOne(on_line);
            ran_out = ran_out || genotype.ran_out;
        }
        genotype.ran_out = ran_out;
        return genotype;
    }
};

// Plain genotypes, a blank and four digits, and now and then (`odd` in a thousand) something
// else: two blanks, a tab, a longer or shorter run, a line end (also right before a genotype's
// characters), a character of code 26, a line's head, or a genotype holding a character at or
// about the bounds of the plain layout.
std::string RandomText(std::mt19937& random, std::size_t size, int odd, int length = 4) {
    static constexpr std::array<char, 7> Edges{'!', '\x7f', '\x80', '\xff', '\x01', '\x1f', ' '};
    std::string text;
    std::uniform_int_distribution<int> digit('0', '9');
    std::uniform_int_distribution<int> kind(0, 999);
    std::uniform_int_distribution<int> odd_kind(0, 11);
    while (text.size() < size) {
        std::string genotype = " ";
        for (int i = 0; i < length; ++i) {
            genotype += static_cast<char>(digit(random));
        }
        if (kind(random) >= odd) {
            text += genotype;
            continue;
        }
        switch (odd_kind(random)) {
        case 0:
            text += "  ";
            break;
        case 1:
            text += '\t';
            break;
        case 2:
            text += static_cast<char>(digit(random)); // runs of other lengths
            break;
        case 3:
            text += '\n';
            break;
        case 4:
            text += "\r\n";
            break;
        case 5:
            text += '\r';
            break;
        case 6:
            text += '\x1a';
            break;
        case 7:
            text += "1 a,";
            break;
        case 8:
            text += '\n'; // a line end where a blank stands in the layout
            text.append(genotype, 1);
            break;
        default:
            genotype[1 + random() % static_cast<unsigned>(length)] = Edges[random() % Edges.size()];
            text += genotype;
        }
    }
    return text;
}

// Reads `text` from a file genotype by genotype, for random loci, and compares each reading with
// the plain one; codes of `digits` characters.
void ExpectPlainReadings(const std::string& text, std::size_t digits, std::mt19937& random) {
    testing_support::TempDir dir;
    testing_support::WriteFile(dir / "text", text);
    code_digits = static_cast<int>(digits);
    auto file = std::make_unique<TextFile>();
    OpenText(*file, (dir / "text").string());
    PlainRead plain{text, 0, digits};
    std::uniform_int_distribution<int> loci(1, 120);
    int reads = 0;
    while (plain.at < text.size()) {
        const int locus = loci(random);
        const bool on_line = (reads % 3) != 0;
        const Genotype expected = plain.ReadOfLocus(locus, on_line);
        const Genotype got = ReadGenotypeOfLocus(*file, locus, on_line);
        ASSERT_EQ(got.first, expected.first) << "read " << reads << " at " << plain.at;
        ASSERT_EQ(got.second, expected.second) << "read " << reads << " at " << plain.at;
        ASSERT_EQ(got.ran_out, expected.ran_out) << "read " << reads << " at " << plain.at;
        // Both stand at the same character afterwards.
        ASSERT_EQ(NextChar(*file), plain.Next()) << "read " << reads << " at " << plain.at;
        ++reads;
    }
    EXPECT_TRUE(AtEnd(*file));
    CloseText(*file);
    code_digits = 2;
}

TEST(ConverterGenotypeRead, AgreesWithAPlainReadingOfRandomText) {
    std::mt19937 random(424242);
    for (const int odd : {200, 200, 30, 30, 3, 3}) {
        const std::string text = RandomText(random, 3 * TextBufferSize + 1000, odd);
        BothWays([&] { ExpectPlainReadings(text, 2, random); });
    }
}

TEST(ConverterGenotypeRead, SixCharacterGenotypesAgreeWithAPlainReadingOfRandomText) {
    std::mt19937 random(20261208);
    for (const int odd : {200, 30, 3}) {
        const std::string text = RandomText(random, 2 * TextBufferSize + 1000, odd, 6);
        BothWays([&] { ExpectPlainReadings(text, 3, random); });
    }
}

TEST(ConverterGenotypeRead, EveryLocusOfLinesOfAHundredGenotypesIsReadAcrossTheBuffer) {
    // One hundred genotypes on a line, some after two blanks, read for each locus, at every
    // alignment in the buffer.
    std::string line;
    for (int l = 1; l <= 100; ++l) {
        line += (l % 37 == 0 ? "  " : " ") + std::to_string(1000 + l);
    }
    line += "\n";
    std::string text;
    while (text.size() < TextBufferSize + 2000) {
        text += line;
    }
    testing_support::TempDir dir;
    testing_support::WriteFile(dir / "text", text);
    BothWays([&] {
        for (int locus = 1; locus <= 100; ++locus) {
            auto file = std::make_unique<TextFile>();
            OpenText(*file, (dir / "text").string());
            PlainRead plain{text};
            while (plain.at < text.size()) {
                const Genotype expected = plain.ReadOfLocus(locus, true);
                const Genotype got = ReadGenotypeOfLocus(*file, locus, true);
                ASSERT_EQ(got.second, expected.second) << "locus " << locus << " at " << plain.at;
                ASSERT_EQ(got.ran_out, expected.ran_out) << "locus " << locus;
                while (plain.at < text.size() && text[plain.at] != '\n') {
                    ++plain.at;
                }
                ++plain.at;
                DropLine(*file);
            }
            CloseText(*file);
        }
    });
}

} // namespace
