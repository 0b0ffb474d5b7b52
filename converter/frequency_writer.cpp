#include "frequency_writer.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "count_file.h"
#include "file_failure.h"
#include "run_state.h"
#include "text_out.h"

namespace {

// The first line of the locus's data in its count file: generations and alleles.
struct CountHead {
    int generations;
    int alleles;
};

CountHead ReadCountHead() {
    const std::int32_t generations = ReadInteger(countfile);
    const std::int32_t alleles = ReadInteger(countfile);
    DropLine(countfile);
    // The file is this run's own; values outside the tables mean it was changed under us.
    if (generations < 0 || generations > MaxGenerations || alleles < 0 || alleles >= NumCodes) {
        FileFailure(FileOp::ReadNumber, NotANumber);
    }
    return {generations, alleles};
}

std::string DataLine(int locus, int generation, int alleles) {
    std::int64_t sum = 0;
    for (int i = 0; i < alleles; ++i) {
        sum += allele_total[i];
    }
    // No total of this run's counts leaves 32 bits: such a total means the file was changed.
    if (sum < INT32_MIN || sum > INT32_MAX) {
        FileFailure(FileOp::ReadNumber, NotANumber);
    }
    const auto total = static_cast<std::int32_t>(sum);
    std::string line;
    for (int i = 0; i < alleles; ++i) {
        // A generation with no typed copy at a locus that has alleles elsewhere has no
        // frequencies; its zeros and total 0 make the estimator refuse it by name.
        line += RatioField(allele_total[i], total) + " ";
    }
    line += std::to_string(total) + " " + WrittenLocusName(locus) + "  " +
            std::to_string(gen_no[generation]) + "\n";
    return line;
}

void WriteLocus(OutText& out, int locus) {
    OpenText(countfile, CountFileName(locus));
    const CountHead head = ReadCountHead();
    for (int g = 1; g <= head.generations; ++g) {
        for (int i = 0; i < head.alleles; ++i) {
            allele_total[i] = ReadInteger(countfile);
        }
        DropLine(countfile);
        WriteText(out, DataLine(locus, g, head.alleles));
    }
    CloseText(countfile);
}

} // namespace

std::string FrequencyField(double frequency) {
    // Printing rounds an exact tie to even; a tie at the fourth decimal is a double of the form
    // m/32 with m odd (1/32 = 0.03125), and such a half is rounded up by nudging it to the next
    // double above. Every other double is not a tie and prints as its nearest 4-decimal value.
    const double scaled = frequency * 32.0;
    if (scaled == std::floor(scaled) && std::fmod(scaled, 2.0) != 0.0) {
        frequency = std::nextafter(frequency, 2.0);
    }
    std::array<char, 32> field{};
    std::snprintf(field.data(), field.size(), "%6.4f", frequency);
    return field.data();
}

std::string RatioField(std::int32_t count, std::int32_t total) {
    if (total <= 0 || count < 0 || count > total) {
        return FrequencyField(total == 0 ? 0.0
                                         : static_cast<double>(count) / static_cast<double>(total));
    }
    // The double nearest count/total lies far closer to the fraction than any 4-decimal
    // boundary that the fraction itself does not sit on (at least 1/(20000 total) away), so the
    // fraction's own rounding is the double's. Only an exact half needs the double, whose
    // binary value may lie on either side of it.
    const std::int64_t twice_scaled = 20000 * static_cast<std::int64_t>(count);
    if (twice_scaled % total == 0 && (twice_scaled / total) % 2 != 0) {
        return FrequencyField(static_cast<double>(count) / static_cast<double>(total));
    }
    const auto rounded = static_cast<int>((twice_scaled + total) / (2 * std::int64_t{total}));
    std::string field = "0.0000";
    field[0] = static_cast<char>('0' + rounded / 10000);
    for (int at = 5, rest = rounded % 10000; at >= 2; --at, rest /= 10) {
        field[static_cast<std::size_t>(at)] = static_cast<char>('0' + rest % 10);
    }
    return field;
}

std::string WrittenLocusName(int locus) {
    std::string name = loc_name[locus];
    const std::size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "locus" + std::to_string(locus);
    }
    const std::size_t last = name.find_last_not_of(' ');
    for (std::size_t i = first; i < last; ++i) {
        if (name[i] == ' ') {
            name[i] = '_';
        }
    }
    return name;
}

void WriteFreqFile() {
    EnterStep(Step::WriteFreqFile);
    OutText out;
    CreateText(out, "pelkin.out");
    WriteText(out, std::to_string(n_gen) + " " + std::to_string(n_loc) + " " + title + "\n");
    std::string alleles;
    for (int l = 1; l <= n_loc; ++l) {
        alleles += std::to_string(n_allele[l]) + "  ";
    }
    WriteText(out, alleles + "\n");
    for (int l = 1; l <= n_loc; ++l) {
        WriteLocus(out, l);
    }
    CloseOutText(out);
}
