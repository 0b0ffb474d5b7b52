// The genotype read of a pass, against a plain character-by-character reading of the same text:
// skip blanks and tabs, take four characters (code 26 past the end), for loci 1..n in turn.
// Random lines mix plain genotypes with every character the reads treat apart, and the text is
// long enough to cross the reader's buffer several times.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "genepop_reader.h"
#include "program_run.h"
#include "text_file.h"

namespace {

struct PlainRead {
    const std::string& text;
    std::size_t at = 0;

    int Next() { return at < text.size() ? static_cast<unsigned char>(text[at++]) : EndOfText; }

    Genotype ReadOne(bool on_line) {
        int c = Next();
        while (c == ' ' || c == '\t') {
            c = Next();
        }
        const int chars[4] = {c, Next(), Next(), Next()};
        Genotype genotype;
        for (int k = 0; k < 4; ++k) {
            const int ck = chars[k];
            genotype.ran_out =
                genotype.ran_out || ck == '\n' || ck == '\r' || (on_line && ck == EndOfText);
            (k < 2 ? genotype.first : genotype.second)[k % 2] =
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

// Mostly plain genotypes with one or two blanks between them; now and then a tab, a longer or
// shorter run, a line end, or a character of code 26.
std::string RandomText(std::mt19937& random, std::size_t size) {
    std::string text;
    std::uniform_int_distribution<int> digit('0', '9');
    std::uniform_int_distribution<int> kind(0, 99);
    while (text.size() < size) {
        const int k = kind(random);
        if (k < 80) {
            text += ' ';
            for (int i = 0; i < 4; ++i) {
                text += static_cast<char>(digit(random));
            }
        } else if (k < 85) {
            text += "  ";
        } else if (k < 88) {
            text += '\t';
        } else if (k < 91) {
            text += static_cast<char>(digit(random)); // runs of other lengths
        } else if (k < 94) {
            text += '\n';
        } else if (k < 96) {
            text += "\r\n";
        } else if (k < 97) {
            text += '\r';
        } else if (k < 98) {
            text += '\x1a';
        } else {
            text += "1 a,";
        }
    }
    return text;
}

TEST(ConverterGenotypeRead, AgreesWithAPlainReadingOfRandomText) {
    std::mt19937 random(424242);
    testing_support::TempDir dir;
    for (int round = 0; round < 6; ++round) {
        const std::string text = RandomText(random, 3 * TextBufferSize + 1000);
        testing_support::WriteFile(dir / "text", text);
        auto file = std::make_unique<TextFile>();
        OpenText(*file, (dir / "text").string());
        PlainRead plain{text};
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
    }
}

TEST(ConverterGenotypeRead, PlainLinesOfManyLociAreReadAtEveryLocus) {
    // One hundred genotypes on a line, read for each locus, at every alignment in the buffer.
    std::string line = "1 ind,";
    for (int l = 1; l <= 100; ++l) {
        line += (l % 7 == 0 ? "  " : " ") + std::to_string(1000 + l);
    }
    line += "\n";
    testing_support::TempDir dir;
    for (int locus = 1; locus <= 100; ++locus) {
        std::string text;
        while (text.size() < TextBufferSize + 2000) {
            text += line.substr(6);
        }
        testing_support::WriteFile(dir / "text", text);
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
}

} // namespace
