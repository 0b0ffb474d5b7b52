// Real GenePop files, some given generation numbers, as reading checks: the frequency file
// Pelkin writes for each is compared with one built by a plain reading of the well-formed file
// (split into lines, locus names up to the marker, one genotype per blank-separated word).
#include <algorithm>
#include <array>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "frequency_writer.h"
#include "pelkin_fixture.h"

namespace {

class PelkinCorpus : public PelkinRun {};

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

// The frequency file of a well-formed two-digit GenePop file, built by the plainest reading.
std::string PlainConversion(const std::string& genepop) {
    const auto lines = SplitLines(genepop);
    std::size_t at = 1;
    std::vector<std::string> names;
    for (; lines[at] != "POP" && lines[at] != "Pop" && lines[at] != "pop"; ++at) {
        if (lines[at].find(',') == std::string::npos) {
            names.push_back(lines[at].substr(0, 15));
            continue;
        }
        std::stringstream pieces(lines[at]);
        for (std::string piece; std::getline(pieces, piece, ',');) {
            if (!Trim(piece).empty()) {
                names.push_back(Trim(piece).substr(0, 15));
            }
        }
    }
    // counts[generation][locus][code]
    std::vector<std::vector<std::array<int, 100>>> counts;
    std::vector<std::string> generation_numbers;
    for (; at < lines.size(); ++at) {
        const std::string& line = lines[at];
        if (StartsWithMarker(line)) {
            counts.emplace_back(names.size(), std::array<int, 100>{});
            generation_numbers.emplace_back();
            continue;
        }
        if (generation_numbers.back().empty()) {
            generation_numbers.back() = std::to_string(std::stoi(line));
        }
        std::stringstream genotypes(line.substr(line.find(',') + 1));
        std::string genotype;
        for (std::size_t locus = 0; genotypes >> genotype; ++locus) {
            ++counts.back()[locus][std::stoi(genotype.substr(0, 2))];
            ++counts.back()[locus][std::stoi(genotype.substr(2, 2))];
        }
    }
    std::string out = std::to_string(counts.size()) + " " + std::to_string(names.size()) + " " +
                      lines[0].substr(0, 80) + "\n";
    std::vector<std::vector<int>> listed(names.size());
    for (std::size_t locus = 0; locus < names.size(); ++locus) {
        for (int code = 1; code < 100; ++code) {
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
        if (Trim(name).empty()) {
            name = "locus" + std::to_string(locus + 1);
        }
        for (std::size_t i = name.find_first_not_of(' '); i < name.find_last_not_of(' '); ++i) {
            name[i] = name[i] == ' ' ? '_' : name[i];
        }
        for (std::size_t g = 0; g < counts.size(); ++g) {
            int total = 0;
            for (const int code : listed[locus]) {
                total += counts[g][locus][code];
            }
            for (const int code : listed[locus]) {
                const int count = counts[g][locus][code];
                out += FrequencyField(total == 0 ? 0.0 : static_cast<double>(count) / total) + " ";
            }
            out += std::to_string(total) + " " + name + "  " + generation_numbers[g] + "\n";
        }
    }
    return out;
}

class PelkinCorpusFile : public PelkinRun, public ::testing::WithParamInterface<const char*> {};

TEST_P(PelkinCorpusFile, FrequencyFileAgreesWithAPlainReading) {
    const std::string genepop =
        testing_support::ReadFile(std::string(CONVERTER_DATA_DIR) + "/" + GetParam());
    const auto run = Convert(genepop);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, IntroAndPrompt);
    EXPECT_EQ(Read("pelkin.out"), PlainConversion(genepop));
    EXPECT_EQ(Files(), (std::vector<std::string>{"data.gen", "pelkin.out"}));
}

INSTANTIATE_TEST_SUITE_P(Files, PelkinCorpusFile,
                         ::testing::Values("tiny_generations.gen", "c2space_generations.gen",
                                           "big_generations.gen", "pel1600.txt"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace_if(
                                 name.begin(), name.end(), [](char c) { return !std::isalnum(c); },
                                 '_');
                             return name;
                         });

TEST_F(PelkinCorpus, CorpusFileWithIndividualsNamedPopTakesThemForMarkers) {
    // Each sample's last individual, PopI, PopJ and PopK, begins a line with "Pop": the counting
    // passes see four generations, and the generation search after the marker that PopI stands
    // for meets the next marker line instead of a number.
    Put("data.gen", testing_support::ReadFile(std::string(CONVERTER_DATA_DIR) + "/fmulti.txt"));
    const auto run = Run();
    EXPECT_EQ(run.status, 106);
    EXPECT_EQ(run.out,
              IntroAndPrompt + "Runtime error 106 at $00403060\n  $00403060\n  $00403000\n\n");
    EXPECT_EQ(Read("locus1").substr(0, 7), "  4  2\n");
    EXPECT_EQ(Files(), (std::vector<std::string>{"data.gen", "locus1", "locus2", "locus3"}));
}

TEST_F(PelkinCorpus, CorpusFileOfMoreThan50SamplesIsRefused) {
    Put("data.gen", testing_support::ReadFile(std::string(CONVERTER_DATA_DIR) + "/w2.txt"));
    const auto run = Run();
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, IntroAndPrompt + "Too many generations (at most 50).\n");
    EXPECT_EQ(Files(), (std::vector<std::string>{"data.gen"}));
}

} // namespace
