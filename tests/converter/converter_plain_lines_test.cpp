// The fast path of a pass, against plain readings: the scans for a line end, a comma and a run
// of plain genotypes against byte-by-byte loops, and the individual lines taken straight from
// the buffer against a character-by-character reading of the head scan, the genotype read and
// the drop of the rest of the line, over random GenePop bodies larger than the reader's buffer.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "genepop_reader.h"
#include "plain_lines.h"
#include "program_run.h"
#include "text_file.h"
#include "text_scan_wide.h"

namespace {

using Random = std::mt19937;

int Below(Random& random, int n) {
    return static_cast<int>(random() % static_cast<unsigned>(n));
}

// ---- Scans ----

// Bytes near every boundary the scans draw: line ends, tabs, blanks, code 33, commas, high
// bytes; mostly plain genotypes, so that long runs pass.
std::vector<char> RandomBytes(Random& random, std::size_t size) {
    static constexpr std::array<char, 10> Odd{'\n', '\r',   '\t',   ' ',    '!',
                                              ',',  '\x1a', '\x0e', '\x7f', '\xff'};
    std::vector<char> bytes;
    while (bytes.size() < size) {
        bytes.push_back(' ');
        for (int i = 0; i < 4; ++i) {
            bytes.push_back(static_cast<char>('0' + Below(random, 10)));
        }
        if (Below(random, 8) == 0) {
            bytes[bytes.size() - 1 - static_cast<std::size_t>(Below(random, 5))] =
                Odd[static_cast<std::size_t>(Below(random, Odd.size()))];
        }
    }
    bytes.resize(size);
    bytes.resize(size + ScanSlack, '\n'); // past the range: never part of a result
    return bytes;
}

TEST(ConverterPlainScans, AgreeWithByteByByteLoops) {
    Random random(5150);
    for (int round = 0; round < 4000; ++round) {
        const std::size_t size = 1 + static_cast<std::size_t>(Below(random, 700));
        const std::vector<char> bytes = RandomBytes(random, size);
        const char* from = bytes.data() + Below(random, static_cast<int>(size));
        const char* to = bytes.data() + size;

        const char* line_end = from;
        while (line_end < to && *line_end != '\n' && *line_end != '\r') {
            ++line_end;
        }
        ASSERT_EQ(FindLineEnd(from, to), line_end) << "round " << round;
#if defined(NE_WIDE_SCANS)
        if (WideScansUsable()) {
            ASSERT_EQ(FindLineEndWide(from, to), line_end) << "round " << round;
        }
#endif
        const char* comma = from;
        while (comma < to && *comma != ',') {
            ++comma;
        }
        ASSERT_EQ(FindComma(from, to), comma) << "round " << round;
        const int count = static_cast<int>((to - from) / 5);
        for (int n = 1; n <= count; n += 1 + Below(random, 3)) {
            bool plain = true;
            for (int i = 0; i < 5 * n; ++i) {
                const auto c = static_cast<unsigned char>(from[i]);
                plain = plain && (i % 5 == 0 ? c == ' ' : c > ' ');
            }
            ASSERT_EQ(IsPlainRun(from, n), plain) << "round " << round << ", " << n;
#if defined(NE_WIDE_SCANS)
            if (WideScansUsable()) {
                ASSERT_EQ(IsPlainRunWide(from, n), plain) << "round " << round << ", " << n;
            }
#endif
        }
    }
}

// ---- Lines taken from the buffer ----

// The reads of a pass done one character at a time, as the rules say.
struct PlainPass {
    const std::string& text;
    std::size_t at = 0;

    int Next() { return at < text.size() ? static_cast<unsigned char>(text[at++]) : EndOfText; }
    int Peek() const { return at < text.size() ? static_cast<unsigned char>(text[at]) : EndOfText; }

    Head ScanHead() {
        std::string first;
        int count = 0;
        bool blank_so_far = true;
        while (true) {
            const int c = Next();
            if (blank_so_far && (c == '\n' || c == '\r')) {
                if (c == '\r' && Peek() == '\n') {
                    ++at;
                }
                count = 0;
                first.clear();
                continue;
            }
            const char ch = c == EndOfText ? EndOfFileChar : static_cast<char>(c);
            if (count < 3) {
                first += ch;
            }
            ++count;
            if (blank_so_far && (c == ' ' || c == '\t')) {
                continue;
            }
            blank_so_far = false;
            if (count >= 251) {
                return Head::TooLong;
            }
            if (ch == ',') {
                return Head::Comma;
            }
            if (count == 3 && IsMarker(first)) {
                return Head::Marker;
            }
        }
    }

    Genotype ReadOfLocus(int locus) {
        Genotype genotype;
        for (int l = 1; l <= locus; ++l) {
            int c = Next();
            while (c == ' ' || c == '\t') {
                c = Next();
            }
            const std::array<int, 4> chars{c, Next(), Next(), Next()};
            for (int k = 0; k < 4; ++k) {
                genotype.ran_out = genotype.ran_out || chars[k] == '\n' || chars[k] == '\r' ||
                                   chars[k] == EndOfText;
                (k < 2 ? genotype.first : genotype.second)[k % 2] =
                    chars[k] == EndOfText ? EndOfFileChar : static_cast<char>(chars[k]);
            }
        }
        return genotype;
    }

    // The line read of the whole line, or the drop of the rest of one.
    std::string Line() {
        std::string line;
        for (int c = Next(); c != EndOfText && c != '\n'; c = Next()) {
            if (c == '\r') {
                if (Peek() == '\n') {
                    ++at;
                }
                break;
            }
            line += static_cast<char>(c);
        }
        return line;
    }
};

std::string LineEnd(Random& random) {
    const int kind = Below(random, 10);
    return kind < 6 ? "\n" : kind < 9 ? "\r\n" : "\r";
}

std::string Genotypes(Random& random, int count) {
    std::string text;
    for (int l = 0; l < count; ++l) {
        text += ' ';
        for (int i = 0; i < 4; ++i) {
            // Now and then a character other than a digit, among them the lowest and highest
            // that the usual layout allows.
            const int k = Below(random, 40);
            text += k == 0 ? '!' : k == 1 ? '\xff' : k == 2 ? 'A' : char('0' + Below(random, 10));
        }
    }
    return text;
}

// A line of the usual layout, or one that differs from it in one of the ways the reads treat
// apart.
std::string RandomLine(Random& random, int loci) {
    const std::string head =
        std::to_string(1 + Below(random, 99)) + " ind" + std::to_string(Below(random, 1000)) + ",";
    const int kind = Below(random, 40);
    switch (kind) {
    case 0:
        return std::string(Below(random, 2) == 0 ? "Pop" : "POP") + LineEnd(random);
    case 1:
        return std::string(Below(random, 2) == 0 ? "pop" : "PoP") + LineEnd(random);
    case 2:
        return "Popular 3," + Genotypes(random, loci) + LineEnd(random);
    case 3:
        return std::string(Below(random, 3) == 0 ? " \t " : "") + LineEnd(random);
    case 4:
        return " " + head + Genotypes(random, loci) + LineEnd(random);
    case 5: {
        // A comma at or about the 250th character of the head.
        const std::string long_head = std::string(248 + Below(random, 4), 'x') + ",";
        return long_head + Genotypes(random, loci) + LineEnd(random);
    }
    case 6:
        return head + "\t" + Genotypes(random, loci).substr(1) + LineEnd(random);
    case 7:
        return head + Genotypes(random, loci).substr(1) + LineEnd(random); // no blank first
    case 8: {
        // Two blanks before one of the genotypes.
        const int before = Below(random, loci);
        return head + Genotypes(random, before) + " " + Genotypes(random, loci - before) +
               LineEnd(random);
    }
    case 9: {
        // One odd byte among the genotypes: a line end makes a short line.
        static constexpr std::array<char, 6> Odd{'\n', '\r', '\t', '\x1a', ' ', '\x01'};
        std::string line = head + Genotypes(random, loci);
        line[head.size() + static_cast<std::size_t>(Below(random, 5 * loci))] =
            Odd[static_cast<std::size_t>(Below(random, Odd.size()))];
        return line + LineEnd(random);
    }
    case 10:
        return head + Genotypes(random, Below(random, loci)) + LineEnd(random);
    case 11:
        // No comma: the head scan goes on into the next line.
        return std::string(1 + Below(random, 30), 'n') + LineEnd(random);
    default:
        return head + Genotypes(random, loci + Below(random, 3)) +
               (Below(random, 4) == 0 ? " tail" : "") + LineEnd(random);
    }
}

std::string RandomBody(Random& random, int loci, std::size_t size, bool plain_only) {
    std::string text;
    while (text.size() < size) {
        text += plain_only ? std::to_string(Below(random, 100)) + " i," + Genotypes(random, loci) +
                                 LineEnd(random)
                           : RandomLine(random, loci);
    }
    // The end of the file: after a line end, in the middle of a line, or at a code 26.
    const int end = Below(random, 3);
    if (end == 1) {
        text += "7 last," + Genotypes(random, loci);
    } else if (end == 2) {
        text += '\x1a';
    }
    return text;
}

// Reads `text` for `locus` in batches of plain lines, with the wide scans or the narrow ones,
// each line checked against the plain reading; a line where no line is taken is read whole on
// both sides. Returns how many lines were taken from the buffer.
int CheckAgainstPlainReading(const std::string& text, int locus, Random& random, bool wide) {
    testing_support::TempDir dir;
    testing_support::WriteFile(dir / "body", text);
    auto file = std::make_unique<TextFile>();
    OpenText(*file, (dir / "body").string());
    PlainPass plain{text};
    std::vector<Genotype> batch(300);
    int taken_all = 0;
    while (!AtEnd(*file)) {
        const std::size_t size = 1 + static_cast<std::size_t>(Below(random, 300));
        const std::size_t taken = ReadPlainLines(*file, locus, std::span(batch).first(size), wide);
        for (std::size_t i = 0; i < taken; ++i) {
            const std::size_t line_at = plain.at;
            EXPECT_EQ(plain.ScanHead(), Head::Comma) << "line at " << line_at;
            const Genotype expected = plain.ReadOfLocus(locus);
            EXPECT_FALSE(expected.ran_out) << "line at " << line_at;
            EXPECT_EQ(batch[i].first, expected.first) << "line at " << line_at;
            EXPECT_EQ(batch[i].second, expected.second) << "line at " << line_at;
            EXPECT_FALSE(batch[i].ran_out);
            plain.Line();
            if (testing::Test::HasFailure()) {
                return taken_all;
            }
        }
        taken_all += static_cast<int>(taken);
        if (taken == 0) {
            const std::size_t line_at = plain.at;
            EXPECT_EQ(ReadLine(*file, WholeLine), plain.Line()) << "line at " << line_at;
            if (testing::Test::HasFailure()) {
                return taken_all;
            }
        }
    }
    EXPECT_EQ(plain.at, text.size());
    CloseText(*file);
    return taken_all;
}

TEST(ConverterPlainLines, AgreeWithAPlainReadingOfRandomBodies) {
    Random random(8086);
    for (const bool wide : {true, false}) {
        for (const int locus : {1, 2, 3, 15, 16, 17, 31, 32, 33, 50, 99, 100}) {
            const std::string text =
                RandomBody(random, locus + Below(random, 5), 3 * TextBufferSize + 777, false);
            const int taken = CheckAgainstPlainReading(text, locus, random, wide);
            ASSERT_FALSE(HasFailure()) << "locus " << locus << (wide ? ", wide" : "");
            EXPECT_GT(taken, 0) << "locus " << locus;
        }
    }
}

TEST(ConverterPlainLines, EveryLineOfTheUsualLayoutIsTakenAcrossTheBuffer) {
    Random random(1999);
    for (const bool wide : {true, false}) {
        for (const int locus : {1, 7, 40, 100}) {
            const std::string text = RandomBody(random, locus, 2 * TextBufferSize + 333, true);
            int lines = 0;
            for (std::size_t at = 0; at < text.size(); ++at) {
                lines += text[at] == '\n' || (text[at] == '\r' && text[at + 1] != '\n') ? 1 : 0;
            }
            const int taken = CheckAgainstPlainReading(text, locus, random, wide);
            ASSERT_FALSE(HasFailure()) << "locus " << locus;
            EXPECT_EQ(taken, lines) << "locus " << locus << (wide ? ", wide" : "");
        }
    }
}

TEST(ConverterPlainLines, LineEndsAtTheEndOfTheBufferedTextAreTakenWhole) {
    // The first line's head is padded so that some line end falls on the last byte of the first
    // buffer's text, or about it: a line feed after a carriage return there is read later.
    Random random(404);
    constexpr int Locus = 20;
    for (const std::string line_end : {"\n", "\r\n", "\r"}) {
        std::string rest = ",";
        rest.append(Genotypes(random, Locus)).append(line_end);
        const auto length = static_cast<std::ptrdiff_t>(2 + rest.size());
        for (int shift = -2; shift <= 2; ++shift) {
            const std::ptrdiff_t end_at = static_cast<std::ptrdiff_t>(TextBufferSize) - 1 + shift;
            const std::ptrdiff_t first_end = length - static_cast<std::ptrdiff_t>(line_end.size());
            const std::ptrdiff_t pad = ((end_at - first_end) % length + length) % length;
            std::string text = "1 ";
            text.append(static_cast<std::size_t>(pad), 'x').append(rest);
            int lines = 1;
            while (text.size() < TextBufferSize + 1000) {
                text.append("2 ").append(rest);
                ++lines;
            }
            for (const bool wide : {true, false}) {
                ASSERT_EQ(CheckAgainstPlainReading(text, Locus, random, wide), lines)
                    << "shift " << shift << ", line end " << line_end.size();
            }
        }
    }
}

TEST(ConverterPlainLines, ALineLongerThanTheBufferIsLeftToTheCharacterReads) {
    Random random(77);
    std::string text = "1 a," + Genotypes(random, 3) + "\n2 b," + Genotypes(random, 3);
    text.append(TextBufferSize + 5000, 'x').append("\r\n3 c,").append(Genotypes(random, 3));
    text.append("\n");
    for (const bool wide : {true, false}) {
        EXPECT_EQ(CheckAgainstPlainReading(text, 3, random, wide), 2);
    }
}

} // namespace
