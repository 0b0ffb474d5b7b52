#include "individual_lines.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "allele_tallies.h"
#include "data_messages.h"
#include "file_failure.h"
#include "frequency_writer.h"
#include "genepop_reader.h"
#include "generation_search.h"
#include "notices.h"
#include "number_text.h"
#include "run_state.h"
#include "short_line_refusal.h"

namespace {

SampleSizes sizes;

// The faults met on the way, refused once the whole file is read, in the order in which the
// converter has always met them: the lowest locus first.
struct Faults {
    std::int32_t negative_locus = 0; // the lowest locus with a negative code, or 0
    std::uint64_t negative_at = 0;   // its first individual line
    std::int32_t short_locus = 0;    // the lowest locus whose genotype a line ends before, or 0
};

// The value of a code of `Digits` characters; two decimal digits, the usual case, at once.
template <int Digits> int CodeValue(const char* code) {
    if constexpr (Digits == 2) {
        const auto tens = static_cast<unsigned char>(code[0] - '0');
        const auto ones = static_cast<unsigned char>(code[1] - '0');
        return tens < 10 && ones < 10 ? 10 * tens + ones : ConvertCode(code[0], code[1]);
    } else {
        return ConvertThreeDigitCode({code[0], code[1], code[2]});
    }
}

// Reads one genotype on the line: blanks and tabs skipped, then its two codes. False when the
// line (or the file) ends among its characters; the line end is then taken.
template <int Digits> bool ReadGenotype(TextFile& text, int& first, int& second) {
    std::array<char, 2 * Digits> chars{};
    int c = NextChar(text);
    while (c == ' ' || c == '\t') {
        c = NextChar(text);
    }
    for (std::size_t k = 0; k < chars.size(); ++k) {
        if (k > 0) {
            c = NextChar(text);
        }
        if (c == '\n' || c == '\r' || c == EndOfText) {
            if (c == '\r') {
                TakeLineFeed(text);
            }
            return false;
        }
        chars[k] = static_cast<char>(c);
    }
    first = CodeValue<Digits>(chars.data());
    second = CodeValue<Digits>(chars.data() + Digits);
    return true;
}

// Tallies the genotypes of one individual line, whose comma stands at `individual_at`, in the
// current sample. False when the line ended before its last genotype.
template <int Digits> bool TallyLine(TextFile& text, std::uint64_t individual_at, Faults& faults) {
    for (std::int32_t locus = 1; locus <= n_loc; ++locus) {
        int first = 0;
        int second = 0;
        if (!ReadGenotype<Digits>(text, first, second)) {
            if (faults.short_locus == 0 || locus < faults.short_locus) {
                faults.short_locus = locus;
            }
            return false;
        }
        if (first < 0 || second < 0) {
            if (faults.negative_locus == 0 || locus < faults.negative_locus) {
                faults.negative_locus = locus;
                faults.negative_at = individual_at;
            }
            continue;
        }
        sizes.missing_genotypes += first == 0 || second == 0 ? 1 : 0;
        if (first > 0) {
            AddCopy(locus, first);
        }
        if (second > 0) {
            AddCopy(locus, second);
        }
    }
    return true;
}

// The sample being read: started by a marker at `marker_at`, a sample of the file once its first
// individual line has been read.
struct OpenSample {
    std::uint64_t marker_at = 0;
    bool has_individuals = false;
};

// The marker of a sample without individuals starts none: a notice names its line.
void CloseSample(const OpenSample& sample) {
    if (!sample.has_individuals) {
        EmptySample(sample.marker_at);
    }
}

void TakeIndividual(OpenSample& sample) {
    if (!sample.has_individuals) {
        if (n_gen == MaxCount) {
            TooManyGenerations(sample.marker_at);
        }
        ++n_gen;
        StartSample();
        sizes.individuals.push_back(0);
        sample.has_individuals = true;
    }
    // Every locus has two copies of every individual, missing ones included, and its counts
    // are 32-bit.
    if (++sizes.individuals_in_all > MaxCount / 2) {
        TooManyCopiesAtLocus(1);
    }
    ++sizes.individuals.back();
}

template <int Digits> void ReadSamples(TextFile& text, const HeaderEnd& header, Faults& faults) {
    OpenSample sample{header.marker_at, false};
    while (!AtEnd(text)) {
        const Head head = ScanHead(text);
        if (head == Head::TooLong) {
            break;
        }
        if (head == Head::Marker) {
            CloseSample(sample);
            sample = {Offset(text) - 1, false};
            DropLine(text);
            // The first individual line is taken in the same step as the marker.
            if (SampleIsEmpty(text)) {
                continue;
            }
            if (!SearchComma(text)) {
                break;
            }
        }
        const std::uint64_t individual_at = Offset(text) - 1;
        TakeIndividual(sample);
        if (TallyLine<Digits>(text, individual_at, faults)) {
            DropLine(text);
        }
    }
    CloseSample(sample);
}

// Refuses a GenePop file that is itself "pelkin.out" or its part file, which the run writes.
void CheckInputNotOverwritten() {
    for (const char* written : {FreqFileName, PartFileName}) {
        std::error_code ignored;
        if (std::filesystem::equivalent(in_name, written, ignored)) {
            InputWouldBeOverwritten(written);
        }
    }
}

void RefuseFaults(const Faults& faults) {
    if (faults.negative_locus != 0 &&
        (faults.short_locus == 0 || faults.negative_locus < faults.short_locus)) {
        NegativeCode(faults.negative_locus, faults.negative_at);
    }
    if (faults.short_locus != 0) {
        RefuseShortLine(faults.short_locus);
    }
}

} // namespace

void CountAlleles() {
    EnterStep(Step::CountAlleles);
    sizes = {};
    if (!gen_no_given) {
        StartGenerationSearch(infile);
    }
    const HeaderEnd header = ReadHeader(infile);
    std::uint64_t layout_line = 0;
    DecideLayout(infile, layout_line);
    ReturnTo(infile, header.samples_at);
    if (code_digits == 3) {
        ReadAsThreeDigit(layout_line);
    }
    CheckInputNotOverwritten();
    StartFreqFile();
    StartTallies(n_loc);
    Faults faults;
    // A file without loci has no sample to read: its frequency file holds the header alone.
    if (n_loc > 0 && code_digits == 3) {
        ReadSamples<3>(infile, header, faults);
    } else if (n_loc > 0) {
        ReadSamples<2>(infile, header, faults);
    }
    if (!gen_no_given) {
        if (SearchNeedsMore(n_gen)) {
            SkipToEnd(infile);
        }
        EndGenerationSearch(infile);
    }
    CloseText(infile);
    RefuseFaults(faults);
}

const SampleSizes& SizesRead() {
    return sizes;
}
