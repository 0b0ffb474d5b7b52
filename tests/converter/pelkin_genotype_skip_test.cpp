// Pelkin with its genotype skip, and Pelkin with the character reads alone, on the same GenePop
// files: random ones, two- and three-digit, in the usual layout and in every way the reads treat
// apart, and the test data. Every byte each program writes must agree: standard output and standard
// error, the exit status, and every file left in the working directory ("pelkin.out", count files).
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "program_run.h"

namespace {

using Random = std::mt19937;

struct Outcome {
    testing_support::RunResult run;
    std::map<std::string, std::string> files; // every file left, by name
};

Outcome Convert(const std::string& program, const std::string& genepop) {
    testing_support::TempDir dir;
    testing_support::WriteFile(dir / "data.gen", genepop);
    Outcome outcome;
    outcome.run = testing_support::RunProgram(program, {}, "data.gen\n", dir.path());
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        outcome.files[entry.path().filename().string()] = testing_support::ReadFile(entry.path());
    }
    return outcome;
}

// Converts `genepop` both ways and compares; returns Pelkin's exit status.
int ExpectAlike(const std::string& genepop) {
    const Outcome skip = Convert(PELKIN_EXE, genepop);
    const Outcome plain = Convert(PELKIN_CHARACTER_READS_EXE, genepop);
    EXPECT_EQ(skip.run.status, plain.run.status);
    EXPECT_EQ(skip.run.out, plain.run.out);
    EXPECT_EQ(skip.run.err, plain.run.err);
    EXPECT_EQ(skip.files.size(), plain.files.size());
    for (const auto& [name, contents] : skip.files) {
        const auto other = plain.files.find(name);
        EXPECT_TRUE(other != plain.files.end() && other->second == contents) << name << " differs";
    }
    return skip.run.status;
}

int Below(Random& random, int n) {
    return static_cast<int>(random() % static_cast<unsigned>(n));
}

// What a random file is made of: its size, its line end, how often (in a thousand) a genotype,
// or a line, differs from the usual layout, and the characters of an allele code, 2 or 3.
struct Shape {
    int loci;
    int generations;
    int individuals;
    std::string line_end;
    int odd_genotypes;
    int odd_lines;
    int digits = 2;
};

// A code of `digits` characters, or now and then one that converts otherwise or holds a
// character at or about the bounds of the usual layout.
std::string Code(Random& random, int odd, int digits) {
    // "\1771" is code 127 and a 1.
    static constexpr std::array<const char*, 12> OddTwo{
        "00", " 7", "$A", "%1", "a0", "!!", "\1771", "\x80\xff", "\t1", "-0", "1\x1a", "+3"};
    static constexpr std::array<const char*, 12> OddThree{"000",
                                                          "  7",
                                                          " 07",
                                                          "7  ",
                                                          "\t07",
                                                          "-07",
                                                          "0a1",
                                                          "!!!",
                                                          "\17712",
                                                          "\x80\xff"
                                                          "1",
                                                          "1\x1a"
                                                          "2",
                                                          "$0A"};
    if (Below(random, 1000) < odd) {
        const auto& kinds = digits == 3 ? OddThree : OddTwo;
        return kinds[static_cast<std::size_t>(Below(random, kinds.size()))];
    }
    // Twelve alleles, spread over the codes of the layout.
    const int code = Below(random, 40) == 0 ? 0 : 1 + Below(random, 12) * (digits == 3 ? 83 : 1);
    std::string text = std::to_string(code);
    return std::string(static_cast<std::size_t>(digits) - text.size(), '0') + text;
}

std::string Genotypes(Random& random, const Shape& shape, int count, int odd) {
    std::string text;
    for (int l = 0; l < count; ++l) {
        const int kind = Below(random, 1000) < odd ? Below(random, 3) : -1;
        text += kind == 0 ? "  " : kind == 1 ? "\t" : kind == 2 ? " \t " : " ";
        text += Code(random, odd, shape.digits) + Code(random, odd, shape.digits);
    }
    return text;
}

std::string Genotypes(Random& random, const Shape& shape, int count) {
    return Genotypes(random, shape, count, shape.odd_genotypes);
}

// An individual line, or, now and then, a line that differs from one in a way the passes treat
// apart: too few genotypes, a genotype cut by the line end, text after the last genotype, no
// comma, an empty or blank line, a marker-like line. A later individual's head may hold no
// blank, so that a genotype read that runs on into its line meets four characters of code 33
// or more after the line end.
std::string IndividualLine(Random& random, const Shape& shape, int generation, bool first) {
    const std::string head = std::to_string(generation) +
                             (first || Below(random, 4) != 0 ? " ind" : "_") +
                             std::to_string(Below(random, 999));
    if (shape.digits == 3 && first && generation == 2) {
        // The file's first individual line, which decides its layout: usual genotypes.
        return head + "," + Genotypes(random, shape, shape.loci, 0) + shape.line_end;
    }
    if (Below(random, 1000) >= shape.odd_lines) {
        return head + "," + Genotypes(random, shape, shape.loci) + shape.line_end;
    }
    switch (Below(random, 10)) {
    case 0:
    case 7:
    case 8:
    case 9:
        return head + "," + Genotypes(random, shape, Below(random, shape.loci)) + shape.line_end;
    case 1:
        return head + "," + Genotypes(random, shape, shape.loci).substr(0, 3) + shape.line_end;
    case 2:
        return head + "," + Genotypes(random, shape, shape.loci) + " x y" + shape.line_end;
    case 3:
        return head + shape.line_end;
    case 4:
        return std::string(Below(random, 2) == 0 ? "" : " \t") + shape.line_end;
    case 5:
        return " Pop," + Genotypes(random, shape, shape.loci) + shape.line_end;
    default:
        return head + ",\t" + Genotypes(random, shape, shape.loci + 2) + "\r\n";
    }
}

std::string RandomGenePop(Random& random, const Shape& shape) {
    static constexpr std::array<const char*, 5> Markers{"Pop", "POP", "pop", "Pop 2", "POPULATION"};
    std::string text = "Random GenePop file" + shape.line_end;
    for (int l = 1; l <= shape.loci; ++l) {
        text += "Loc" + std::to_string(l) + shape.line_end;
    }
    for (int g = 1; g <= shape.generations; ++g) {
        text += (g == 1 ? "Pop" : Markers[static_cast<std::size_t>(Below(random, Markers.size()))]);
        text += shape.line_end;
        for (int i = 0; i < shape.individuals; ++i) {
            text += IndividualLine(random, shape, 2 * g, i == 0);
        }
    }
    // The end of the file: after a line end, in the middle of a line, or after empty lines.
    const int end = Below(random, 3);
    if (end == 1) {
        text += "9 last," + Genotypes(random, shape, shape.loci);
    } else if (end == 2) {
        text += shape.line_end + shape.line_end;
    }
    return text;
}

// Converts `rounds` random files of `digits`-character codes both ways; returns how many of them
// converted. Rounds differ in size, line end and how often genotypes and lines are odd.
int ConvertRandomFilesAlike(Random& random, int rounds, int digits) {
    static constexpr std::array<const char*, 3> LineEnds{"\n", "\r\n", "\r"};
    static constexpr std::array<int, 3> OddGenotypes{0, 5, 60};
    static constexpr std::array<int, 4> OddLines{0, 15, 0, 150};
    int converted = 0;
    for (int round = 0; round < rounds; ++round) {
        const Shape shape{1 + Below(random, 40),
                          1 + Below(random, 4),
                          1 + Below(random, 30),
                          LineEnds[static_cast<std::size_t>(round / 4 % 3)],
                          OddGenotypes[static_cast<std::size_t>(round % 3)],
                          OddLines[static_cast<std::size_t>(round % 4)],
                          digits};
        SCOPED_TRACE("round " + std::to_string(round));
        converted += ExpectAlike(RandomGenePop(random, shape)) == 0 ? 1 : 0;
        if (::testing::Test::HasFailure()) {
            break;
        }
    }
    return converted;
}

TEST(PelkinGenotypeSkip, RandomGenePopFilesConvertAlikeWithTheSkipAndWithout) {
    Random random(20240707);
    // The clean files convert, so every locus's pass is compared, not only the first few.
    EXPECT_GE(ConvertRandomFilesAlike(random, 48, 2), 12);
}

TEST(PelkinGenotypeSkip, RandomThreeDigitFilesConvertAlikeWithTheSkipAndWithout) {
    Random random(20261208);
    EXPECT_GE(ConvertRandomFilesAlike(random, 24, 3), 6);
}

TEST(PelkinGenotypeSkip, FilesLargerThanTheReadersBufferConvertAlike) {
    Random random(5);
    EXPECT_EQ(ExpectAlike(RandomGenePop(random, {100, 2, 330, "\n", 0, 0})), 0);
    ExpectAlike(RandomGenePop(random, {100, 2, 330, "\r\n", 20, 3}));
    EXPECT_EQ(ExpectAlike(RandomGenePop(random, {100, 2, 250, "\n", 0, 0, 3})), 0);
    ExpectAlike(RandomGenePop(random, {100, 2, 250, "\r\n", 20, 3, 3}));
}

TEST(PelkinGenotypeSkip, TestDataFilesConvertAlike) {
    for (const auto& entry : std::filesystem::directory_iterator(CONVERTER_DATA_DIR)) {
        if (entry.path().extension() == ".md") {
            continue; // the note on the files' sources
        }
        SCOPED_TRACE(entry.path().filename().string());
        ExpectAlike(testing_support::ReadFile(entry.path()));
    }
}

} // namespace
