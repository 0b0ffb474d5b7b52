// Real GenePop files, as their authors wrote them and prepared for the conversion: the frequency
// file and the notices Pelkin writes for each are compared with those built by a plain reading
// of the well-formed file (split into lines, locus names up to the marker, one genotype per
// blank-separated word), and each file that Pelkin refuses gives its documented refusal.
#include <algorithm>
#include <array>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "frequency_writer.h"
#include "genepop_texts.h"
#include "pelkin_fixture.h"

namespace {

using Names = std::vector<std::string>;

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(line);
            line.clear();
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            line += text[i];
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

bool StartsWithMarker(const std::string& line) {
    const std::string head = line.substr(0, 3);
    return head == "POP" || head == "Pop" || head == "pop";
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool EndsNames(const std::string& line) {
    const std::string trimmed = line.substr(0, line.find_last_not_of(" \t") + 1);
    return trimmed == "POP" || trimmed == "Pop" || trimmed == "pop";
}

struct Conversion {
    std::string frequency_file;
    std::string notices; // standard error of a run over the file named data.gen
};

// What the plainest reading of a well-formed GenePop file gives: its frequency file, and the
// notices of loci untyped in a generation or in all. The layout is that of the first genotype,
// four or six digits; `numbers` are the generation numbers, read from the file when empty.
Conversion PlainConversion(const std::string& genepop, const Names& numbers = {}) {
    const auto lines = SplitLines(genepop);
    std::size_t at = 1;
    Names names;
    for (; !EndsNames(lines[at]); ++at) {
        if (lines[at].find(',') == std::string::npos) {
            names.push_back(lines[at].substr(0, 255));
            continue;
        }
        std::stringstream pieces(lines[at]);
        for (std::string piece; std::getline(pieces, piece, ',');) {
            if (!Trim(piece).empty()) {
                names.push_back(Trim(piece).substr(0, 255));
            }
        }
    }
    std::size_t digits = 0;
    // counts[generation][locus][code]
    std::vector<std::vector<std::array<int, 1000>>> counts;
    Names generation_numbers = numbers;
    std::vector<long> individuals;
    long missing = 0;
    for (; at < lines.size(); ++at) {
        const std::string& line = lines[at];
        if (StartsWithMarker(line)) {
            counts.emplace_back(names.size(), std::array<int, 1000>{});
            individuals.push_back(0);
            if (numbers.empty()) {
                generation_numbers.emplace_back();
            }
            continue;
        }
        if (generation_numbers[counts.size() - 1].empty()) {
            generation_numbers[counts.size() - 1] = std::to_string(std::stoi(line));
        }
        ++individuals.back();
        std::stringstream genotypes(line.substr(line.find(',') + 1));
        std::string genotype;
        for (std::size_t locus = 0; genotypes >> genotype; ++locus) {
            digits = digits == 0 ? genotype.size() / 2 : digits;
            const int first = std::stoi(genotype.substr(0, digits));
            const int second = std::stoi(genotype.substr(digits, digits));
            ++counts.back()[locus][first];
            ++counts.back()[locus][second];
            missing += first == 0 || second == 0 ? 1 : 0;
        }
    }
    Conversion conversion;
    std::string& out = conversion.frequency_file;
    out = std::to_string(counts.size()) + " " + std::to_string(names.size()) + " " +
          lines[0].substr(0, 80) + "\n";
    std::vector<std::vector<int>> listed(names.size());
    for (std::size_t locus = 0; locus < names.size(); ++locus) {
        for (int code = 1; code < 1000; ++code) {
            const bool occurs = std::any_of(counts.begin(), counts.end(),
                                            [&](const auto& g) { return g[locus][code] > 0; });
            if (occurs) {
                listed[locus].push_back(code);
            }
        }
        out += std::to_string(listed[locus].size()) + "  ";
    }
    out += "\n";
    for (std::size_t locus = 0; locus < names.size(); ++locus) {
        std::string name = names[locus];
        const std::string number = std::to_string(locus + 1);
        if (listed[locus].empty()) {
            conversion.notices += UntypedLocusNotice(number, names[locus]);
        }
        if (Trim(name).empty()) {
            name = "locus" + number;
        }
        for (std::size_t i = name.find_first_not_of(' '); i < name.find_last_not_of(' '); ++i) {
            name[i] = name[i] == ' ' ? '_' : name[i];
        }
        std::vector<int> overall(1000);
        int overall_total = 0;
        for (const auto& generation : counts) {
            for (const int code : listed[locus]) {
                overall[static_cast<std::size_t>(code)] += generation[locus][code];
                overall_total += generation[locus][code];
            }
        }
        for (std::size_t g = 0; g < counts.size(); ++g) {
            int total = 0;
            for (const int code : listed[locus]) {
                total += counts[g][locus][code];
            }
            // An untyped generation is given the locus's frequencies over all generations.
            const bool untyped = total == 0 && !listed[locus].empty();
            for (const int code : listed[locus]) {
                const int count =
                    untyped ? overall[static_cast<std::size_t>(code)] : counts[g][locus][code];
                const int of = untyped ? overall_total : total;
                out += FrequencyField(of == 0 ? 0.0 : static_cast<double>(count) / of) + " ";
            }
            out += std::to_string(total) + " " + name + "  " + generation_numbers[g] + "\n";
            if (untyped) {
                conversion.notices += UntypedNotice(number, names[locus], generation_numbers[g]);
            }
        }
    }
    // The summary: the first ten numbers and sizes, the loci of one allele, the share missing.
    const auto first_ten = [](const auto& values) {
        std::string list;
        for (std::size_t i = 0; i < values.size() && i <= 10; ++i) {
            std::stringstream item;
            item << values[i];
            list += (i == 0 ? "" : ", ") + (i == 10 ? std::string("...") : item.str());
        }
        return list;
    };
    long all = 0;
    for (const long n : individuals) {
        all += n;
    }
    const auto single = std::count_if(listed.begin(), listed.end(),
                                      [](const auto& codes) { return codes.size() == 1; });
    char share[32];
    std::snprintf(share, sizeof share, "%.1f",
                  all == 0 ? 0.0
                           : 100.0 * static_cast<double>(missing) /
                                 (static_cast<double>(all) * static_cast<double>(names.size())));
    conversion.notices += Summary(std::to_string(counts.size()), first_ten(generation_numbers),
                                  first_ten(individuals), std::to_string(names.size()),
                                  std::to_string(single), share);
    return conversion;
}

// The file with each four-digit genotype of its individual lines written in six digits, each
// code with a leading 0: 0304 as 003004.
std::string ThreeDigitTwin(const std::string& genepop) {
    std::string out;
    bool header = true;
    std::size_t line_start = 0;
    for (std::size_t i = 0; i <= genepop.size(); ++i) {
        if (i < genepop.size() && genepop[i] != '\r' && genepop[i] != '\n') {
            continue;
        }
        std::string line = genepop.substr(line_start, i - line_start);
        if (header) {
            header = line_start == 0 || !EndsNames(line);
        } else if (line.find(',') != std::string::npos && !StartsWithMarker(line)) {
            std::string converted = line.substr(0, line.find(',') + 1);
            for (std::size_t k = converted.size(); k < line.size();) {
                if (line[k] == ' ' || line[k] == '\t') {
                    converted += line[k++];
                    continue;
                }
                converted.append(1, '0').append(line, k, 2).append(1, '0').append(line, k + 2, 2);
                k += 4;
            }
            line = converted;
        }
        out += line;
        if (i < genepop.size()) {
            out += genepop[i];
        }
        line_start = i + 1;
    }
    return out;
}

std::string ParamName(const std::string& file) {
    std::string name = file;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
    return name;
}

// ---- Files whose individual lines begin with their generation numbers ----

class PelkinCorpusFile : public PelkinRun, public ::testing::WithParamInterface<const char*> {};

TEST_P(PelkinCorpusFile, FrequencyFileAgreesWithAPlainReading) {
    const std::string genepop = CorpusFile(GetParam());
    const auto run = Convert(genepop);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, IntroAndPrompt);
    const Conversion plain = PlainConversion(genepop);
    EXPECT_EQ(Read("pelkin.out"), plain.frequency_file);
    // A three-digit file's notices follow that of its layout.
    if (std::string(GetParam()).find("three_digit") == std::string::npos) {
        EXPECT_EQ(run.err, plain.notices);
    } else {
        EXPECT_TRUE(run.err.ends_with(plain.notices)) << run.err;
    }
    EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out"}));
}

INSTANTIATE_TEST_SUITE_P(Files, PelkinCorpusFile,
                         ::testing::Values("tiny_generations.gen", "c2space_generations.gen",
                                           "c2space_three_digit.gen", "big_generations.gen",
                                           "big_three_digit.gen", "pel1600.txt", "w2.txt"),
                         [](const auto& info) { return ParamName(info.param); });

// ---- Files given their generation numbers with --generations ----

struct Prepared {
    const char* file;
    int samples;
};

// 0, 5, 10, ... for `samples` samples.
std::string GenerationList(int samples, Names& numbers) {
    std::string list;
    for (int s = 0; s < samples; ++s) {
        numbers.push_back(std::to_string(5 * s));
        list += (s == 0 ? "" : ",") + numbers.back();
    }
    return list;
}

class PelkinCorpusPrepared : public PelkinRun, public ::testing::WithParamInterface<Prepared> {
  protected:
    // Converts `genepop` with the samples' generation numbers on the command line and checks
    // the run; returns the frequency file.
    std::string ConvertWithNumbers(const std::string& genepop, const std::string& notices) {
        Names numbers;
        const std::string list = GenerationList(GetParam().samples, numbers);
        Put("data.gen", genepop);
        const auto run = RunWith({"--generations", list, "data.gen"});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, IntroAndUsing("data.gen"));
        EXPECT_EQ(run.err, notices);
        EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out"}));
        return Read("pelkin.out");
    }
};

TEST_P(PelkinCorpusPrepared, ConvertsAsAPlainReadingWithTheNumbersGiven) {
    const std::string genepop = CorpusFile(GetParam().file);
    Names numbers;
    GenerationList(GetParam().samples, numbers);
    const Conversion plain = PlainConversion(genepop, numbers);
    EXPECT_EQ(ConvertWithNumbers(genepop, plain.notices), plain.frequency_file);
}

TEST_P(PelkinCorpusPrepared, ThreeDigitTwinGivesTheSameFrequencyFile) {
    const std::string genepop = CorpusFile(GetParam().file);
    Names numbers;
    GenerationList(GetParam().samples, numbers);
    const Conversion plain = PlainConversion(genepop, numbers);
    const std::string twin = ThreeDigitTwin(genepop);
    ASSERT_NE(twin, genepop);
    // The layout is decided on the first individual line, right after the first marker.
    const auto lines = SplitLines(genepop);
    const auto first_marker =
        std::find_if(lines.begin() + 1, lines.end(), [](const auto& l) { return EndsNames(l); });
    const std::string line = std::to_string(first_marker - lines.begin() + 2);
    EXPECT_EQ(ConvertWithNumbers(twin, ThreeDigitNotice(line) + plain.notices),
              plain.frequency_file);
}

INSTANTIATE_TEST_SUITE_P(Files, PelkinCorpusPrepared,
                         ::testing::Values(Prepared{"tiny.txt", 3}, Prepared{"c2line.gen", 3},
                                           Prepared{"c2space.gen", 3}, Prepared{"big.gen", 10},
                                           Prepared{"nancycats.gen", 17},
                                           Prepared{"pel1600.txt", 22},
                                           Prepared{"sim_genepop.txt", 3}),
                         [](const auto& info) { return ParamName(info.param.file); });

class PelkinCorpus : public PelkinRun {};

// A SNP file as today's studies make them: thousands of biallelic loci whose names are longer
// than 15 characters and differ only at their end, a third allele now and then, missing
// genotypes and missing single copies, CR LF line ends. Pelkin's one read against the plain
// recount above.
TEST_F(PelkinCorpus, SnpFileOfThousandsOfLociAgreesWithAPlainRecount) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> draw(0, 999);
    std::string genepop = "SNPs\r\n";
    constexpr int Loci = 2000;
    for (int l = 1; l <= Loci; ++l) {
        genepop += "contig_" + std::to_string(19000 + l / 3) + "_A_" + std::to_string(l) + "\r\n";
    }
    for (int g = 0; g < 4; ++g) {
        genepop += g == 0 ? "Pop\r\n" : "POP\r\n";
        for (int i = 0; i < 20; ++i) {
            genepop += std::to_string(7 * g) + " ind" + std::to_string(i) + ",";
            for (int l = 0; l < Loci; ++l) {
                const int kind = draw(random);
                const auto code = [&] {
                    return draw(random) < 40 ? "03" : draw(random) < 500 ? "01" : "02";
                };
                genepop += kind < 20   ? " 0000"
                           : kind < 30 ? std::string(" 00") + code()
                                       : std::string(" ") + code() + code();
            }
            genepop += "\r\n";
        }
    }
    const Conversion plain = PlainConversion(genepop);
    const auto run = Convert(genepop);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, plain.notices);
    EXPECT_EQ(Read("pelkin.out"), plain.frequency_file);
}

TEST_F(PelkinCorpus, CorpusFileOfMoreThan50SamplesIsConverted) {
    // Once refused: "Too many generations (at most 50)."
    Put("data.gen", CorpusFile("w2.txt"));
    Names numbers;
    const auto run = RunWith({"--generations", GenerationList(107, numbers), "data.gen"});
    EXPECT_EQ(run.status, 0);
    const Conversion plain = PlainConversion(CorpusFile("w2.txt"), numbers);
    EXPECT_EQ(Read("pelkin.out"), plain.frequency_file);
    EXPECT_EQ(run.err, plain.notices);
}

} // namespace
