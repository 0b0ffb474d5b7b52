#include "frequency_writer.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <span>

#include "count_file.h"
#include "file_failure.h"
#include "messages.h"
#include "notices.h"
#include "run_state.h"
#include "text_out.h"

namespace {

// A count file that does not read back as this run wrote it was changed under the run.
[[noreturn]] void CountFileChanged(int locus) {
    FileFailure(FileOp::ReadNumber, NotANumber,
                Filled(Msg::CountFileChanged, {{"file", CountFileName(locus)}}));
}

std::int32_t ReadCount(int locus) {
    const auto value = ReadInteger(countfile);
    if (!value) {
        CountFileChanged(locus);
    }
    return *value;
}

// The first line of the locus's data in its count file: generations and alleles.
struct CountHead {
    int generations;
    int alleles;
};

CountHead ReadCountHead(int locus) {
    const std::int32_t generations = ReadCount(locus);
    const std::int32_t alleles = ReadCount(locus);
    DropLine(countfile);
    // The file is this run's own; values outside the tables mean it was changed under us.
    if (generations < 0 || generations > MaxGenerations || alleles < 0 || alleles > MaxAlleles) {
        CountFileChanged(locus);
    }
    return {generations, alleles};
}

// The sum of `alleles` counts; no total of this run's counts leaves 32 bits, so a sum that does
// means the count file was changed.
std::int32_t TotalOf(std::span<const std::int32_t> counts, int locus) {
    std::int64_t sum = 0;
    for (const std::int32_t count : counts) {
        sum += count;
    }
    if (sum < INT32_MIN || sum > INT32_MAX) {
        CountFileChanged(locus);
    }
    return static_cast<std::int32_t>(sum);
}

// The locus's counts over all generations together, in allele_total[0..alleles-1], and their
// total: the frequencies written for a generation in which the locus was not typed.
std::int32_t SumOverGenerations(const CountHead& head, int locus) {
    for (int i = 0; i < head.alleles; ++i) {
        std::int64_t sum = 0;
        for (int g = 1; g <= head.generations; ++g) {
            sum += locus_counts[g][static_cast<std::size_t>(i)];
        }
        if (sum < INT32_MIN || sum > INT32_MAX) {
            CountFileChanged(locus);
        }
        allele_total[i] = static_cast<std::int32_t>(sum);
    }
    return TotalOf(std::span<const std::int32_t>(allele_total.data(), head.alleles), locus);
}

std::string DataLine(int locus, int generation, const CountHead& head) {
    const auto counts =
        std::span<const std::int32_t>(locus_counts[generation].data(), head.alleles);
    const std::int32_t total = TotalOf(counts, locus);
    std::string line;
    if (total == 0 && head.alleles > 0) {
        // No copy typed in this generation: the frequencies are those of all generations
        // together, and the total 0 makes the estimator leave the line out of every sum.
        UntypedGeneration(locus, gen_no[generation]);
        const std::int32_t overall = SumOverGenerations(head, locus);
        for (int i = 0; i < head.alleles; ++i) {
            line += RatioField(allele_total[i], overall) + " ";
        }
    } else {
        for (int i = 0; i < head.alleles; ++i) {
            line += RatioField(counts[static_cast<std::size_t>(i)], total) + " ";
        }
    }
    line += std::to_string(total) + " " + WrittenLocusName(locus) + "  " +
            std::to_string(gen_no[generation]) + "\n";
    return line;
}

void WriteLocus(OutText& out, int locus) {
    OpenText(countfile, CountFileName(locus));
    const CountHead head = ReadCountHead(locus);
    for (int g = 1; g <= head.generations; ++g) {
        for (int i = 0; i < head.alleles; ++i) {
            locus_counts[g][static_cast<std::size_t>(i)] = ReadCount(locus);
        }
        DropLine(countfile);
    }
    CloseText(countfile);
    if (head.alleles == 0) {
        // Written as it stands; the estimator refuses such a locus.
        UntypedLocus(locus);
    }
    for (int g = 1; g <= head.generations; ++g) {
        WriteText(out, DataLine(locus, g, head));
    }
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
