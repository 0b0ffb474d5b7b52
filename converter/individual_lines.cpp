#include "individual_lines.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <string>
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
    std::int32_t padded_locus = 0;   // the lowest locus with a padded three-digit code, or 0
    std::uint64_t padded_at = 0;     // its first individual line
    std::string padded_genotype;     // the genotype's characters there, as read
};

enum class Genotype { Whole, Short, Padded };

// Whether a code of a three-digit file, as read, holds a blank or a tab after another
// character: a first code padded with blanks ("  5  1") is read from its digits on, since the
// blanks before a genotype are skipped, and the codes read after it hold blanks ("5  ", "1 0").
// A code padded in front alone ("  7") holds none, and reads as its digits.
bool HoldsInnerBlank(const char* code, std::size_t length) {
    bool after_other = false;
    for (std::size_t k = 0; k < length; ++k) {
        const bool blank = code[k] == ' ' || code[k] == '\t';
        if (blank && after_other) {
            return true;
        }
        after_other = after_other || !blank;
    }
    return false;
}

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

// Whether the `read` characters of a genotype at `chars` show a padded code of a three-digit
// file; they are then put in `padded`.
template <int Digits> bool IsPadded(const char* chars, std::size_t read, std::string& padded) {
    if constexpr (Digits == 3) {
        const std::size_t in_first = read < 3 ? read : 3;
        if (HoldsInnerBlank(chars, in_first) ||
            (read > 3 && HoldsInnerBlank(chars + 3, read - 3))) {
            padded.assign(chars, read);
            return true;
        }
    }
    return false;
}

// Reads one genotype on the line: blanks and tabs skipped, then its two codes. Short when the
// line (or the file) ends among its characters; the line end is then taken. In a three-digit
// file, Padded when a code read holds a blank after another character (HoldsInnerBlank), even
// where the line ends among them; `padded` is then given the characters read.
template <int Digits>
Genotype ReadGenotype(TextFile& text, int& first, int& second, std::string& padded) {
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
            return IsPadded<Digits>(chars.data(), k, padded) ? Genotype::Padded : Genotype::Short;
        }
        chars[k] = static_cast<char>(c);
    }
    if (IsPadded<Digits>(chars.data(), chars.size(), padded)) {
        return Genotype::Padded;
    }
    first = CodeValue<Digits>(chars.data());
    second = CodeValue<Digits>(chars.data() + Digits);
    return Genotype::Whole;
}

bool IsDigit(char c) {
    return static_cast<unsigned char>(c - '0') < 10;
}

// The usual genotype, one blank and the digits of two codes, which the genotype read would take
// as they stand: read straight from the buffered text. It is most of a SNP file's bytes.
template <int Digits> bool IsPlainGenotype(const char* at) {
    bool plain = at[0] == ' ';
    for (int k = 1; k <= 2 * Digits; ++k) {
        plain = plain && IsDigit(at[k]);
    }
    return plain;
}

template <int Digits> int DigitsValue(const char* at) {
    int value = 0;
    for (int k = 0; k < Digits; ++k) {
        value = 10 * value + (at[k] - '0');
    }
    return value;
}

// The codes of a plain genotype at `at`; false when it is not one. The four digits of a two-digit
// genotype are checked and converted as one 32-bit word, without a branch for each character.
template <int Digits> bool PlainCodes(const char* at, int& first, int& second) {
    if constexpr (Digits == 2) {
        std::uint32_t word = 0;
        std::memcpy(&word, at + 1, sizeof word);
        constexpr std::uint32_t High = 0xF0F0F0F0U;
        constexpr std::uint32_t Zeros = 0x30303030U;
        // Every byte 0x30..0x39: its high half is 3, and adding 6 does not carry out of it.
        if (at[0] != ' ' || (word & High) != Zeros || ((word + 0x06060606U) & High) != Zeros) {
            return false;
        }
        const std::uint32_t digits = word & 0x0F0F0F0FU;
        const auto byte = [digits](int k) { return static_cast<int>((digits >> (8 * k)) & 0xFF); };
        first = 10 * byte(0) + byte(1);
        second = 10 * byte(2) + byte(3);
        return true;
    } else {
        if (!IsPlainGenotype<Digits>(at)) {
            return false;
        }
        first = DigitsValue<Digits>(at + 1);
        second = DigitsValue<Digits>(at + 1 + Digits);
        return true;
    }
}

// Tallies the genotypes of one individual line, whose comma stands at `individual_at`, in the
// current sample. False when the line ended before its last genotype.
template <int Digits> bool TallyLine(TextFile& text, std::uint64_t individual_at, Faults& faults) {
    constexpr std::size_t Plain = 1 + 2 * Digits;
    std::string_view ahead = Buffered(text);
    std::size_t at = 0; // the characters of `ahead` taken
    for (std::int32_t locus = 1; locus <= n_loc; ++locus) {
        int first = 0;
        int second = 0;
        if (ahead.size() - at >= Plain && PlainCodes<Digits>(ahead.data() + at, first, second)) {
            at += Plain;
        } else {
            Skip(text, at);
            at = 0;
            std::string padded;
            const Genotype read = ReadGenotype<Digits>(text, first, second, padded);
            ahead = Buffered(text);
            if (read == Genotype::Padded) {
                // The rest of the line is read shifted: nothing more of it is taken.
                if (faults.padded_locus == 0 || locus < faults.padded_locus) {
                    faults.padded_locus = locus;
                    faults.padded_at = individual_at;
                    faults.padded_genotype = padded;
                }
                return padded.size() == 2 * Digits;
            }
            if (read == Genotype::Short) {
                if (faults.short_locus == 0 || locus < faults.short_locus) {
                    faults.short_locus = locus;
                }
                return false;
            }
        }
        if (first < 0 || second < 0) {
            if (faults.negative_locus == 0 || locus < faults.negative_locus) {
                faults.negative_locus = locus;
                faults.negative_at = individual_at;
            }
            continue;
        }
        if (first > 0 && second > 0) {
            AddGenotype(locus, first, second);
            continue;
        }
        ++sizes.missing_genotypes;
        if (first > 0) {
            AddCopy(locus, first);
        }
        if (second > 0) {
            AddCopy(locus, second);
        }
    }
    Skip(text, at);
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

// The lowest locus first; a padded code before the other faults at its locus, which it may
// have caused on its line.
void RefuseFaults(const Faults& faults) {
    const auto before = [](std::int32_t locus, std::int32_t other) {
        return other == 0 || locus <= other;
    };
    if (faults.padded_locus != 0 && before(faults.padded_locus, faults.negative_locus) &&
        before(faults.padded_locus, faults.short_locus)) {
        PaddedCode(faults.padded_locus, faults.padded_at, faults.padded_genotype);
    }
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
