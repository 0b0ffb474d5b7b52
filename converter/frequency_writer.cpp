#include "frequency_writer.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "allele_tallies.h"
#include "file_failure.h"
#include "messages.h"
#include "notices.h"
#include "run_state.h"
#include "stop_signals.h"
#include "text_out.h"

namespace {

// The counts of one locus in one sample, in the order of its listed alleles.
void CountsIn(const std::vector<ListedAllele>& listed, std::int32_t sample,
              std::vector<std::int32_t>& counts) {
    counts.clear();
    for (const ListedAllele& allele : listed) {
        counts.push_back(CountOf(allele.slot, sample));
    }
}

// The sum of counts that the tallies hold: no sum of copies leaves 32 bits, since the copies
// of every locus are kept within them.
std::int32_t TotalOf(const std::vector<std::int32_t>& counts) {
    std::int64_t sum = 0;
    for (const std::int32_t count : counts) {
        sum += count;
    }
    return static_cast<std::int32_t>(sum);
}

// The locus's counts over all samples together: the frequencies written for a sample in which
// the locus was not typed.
void CountsOverAll(const std::vector<ListedAllele>& listed, std::vector<std::int32_t>& overall) {
    overall.assign(listed.size(), 0);
    for (std::int32_t g = 1; g <= n_gen; ++g) {
        for (std::size_t i = 0; i < listed.size(); ++i) {
            overall[i] += CountOf(listed[i].slot, g);
        }
    }
}

// The tables a locus is written from, kept from locus to locus so that their room is reused.
struct LocusTables {
    std::vector<ListedAllele> listed;
    std::vector<std::int32_t> counts;
    std::vector<std::int32_t> overall;
    std::string line;
};

void WriteDataLine(std::int32_t locus, std::int32_t sample, LocusTables& tables) {
    CountsIn(tables.listed, sample, tables.counts);
    const std::int32_t total = TotalOf(tables.counts);
    std::string& line = tables.line;
    line.clear();
    const bool untyped = total == 0 && !tables.listed.empty();
    if (untyped) {
        // No copy typed in this sample: the frequencies are those of all samples together, and
        // the total 0 makes the estimator leave the line out of every sum.
        UntypedGeneration(locus, gen_no[static_cast<std::size_t>(sample)]);
        CountsOverAll(tables.listed, tables.overall);
    }
    const std::vector<std::int32_t>& shown = untyped ? tables.overall : tables.counts;
    const std::int32_t of = untyped ? TotalOf(tables.overall) : total;
    for (const std::int32_t count : shown) {
        line += RatioField(count, of);
        line += ' ';
    }
    line += std::to_string(total) + " " + WrittenLocusName(locus) + "  " +
            std::to_string(gen_no[static_cast<std::size_t>(sample)]) + "\n";
    WriteText(freqfile, line);
}

void WriteLocus(std::int32_t locus, LocusTables& tables) {
    ListAlleles(locus, tables.listed);
    if (tables.listed.empty()) {
        // Written as it stands; the estimator refuses such a locus.
        UntypedLocus(locus);
    }
    for (std::int32_t g = 1; g <= n_gen; ++g) {
        WriteDataLine(locus, g, tables);
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

std::string WrittenLocusName(std::int32_t locus) {
    std::string name(loc_name[locus]);
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

void StartFreqFile() {
    OwnPartFile();
    CreateText(freqfile, PartFileName, FreqFileName);
}

void WriteFreqFile() {
    EnterStep(Step::WriteFreqFile);
    WriteText(freqfile, std::to_string(n_gen) + " " + std::to_string(n_loc) + " " + title + "\n");
    std::vector<ListedAllele> listed;
    for (std::int32_t l = 1; l <= n_loc; ++l) {
        ListAlleles(l, listed);
        WriteText(freqfile, std::to_string(listed.size()) + "  ");
    }
    WriteText(freqfile, "\n");
    LocusTables tables;
    for (std::int32_t l = 1; l <= n_loc; ++l) {
        WriteLocus(l, tables);
    }
    CloseOutText(freqfile);
    // A stop signal waits until the rename has been made and the part file is no longer the
    // run's; a failed rename removes the part file before the report of the failure.
    const StopSignalsHeld held;
    PutInPlace(freqfile, FreqFileName);
    DisownPartFile();
}
