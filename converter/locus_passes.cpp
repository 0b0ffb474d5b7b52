#include "locus_passes.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "count_file.h"
#include "data_messages.h"
#include "file_failure.h"
#include "genepop_reader.h"
#include "notices.h"
#include "number_text.h"
#include "run_state.h"

namespace {

// Where the individual line being tallied stands in the file (its comma), for the messages
// that refuse one of its codes.
std::uint64_t individual_at = 0;

void AddCopy(int generation, int code, int locus) {
    if (code < 0) {
        NegativeCode(locus, individual_at);
    }
    std::int16_t& count = tally[generation][code];
    if (count == MaxCopies) {
        TooManyCopiesOfAnAllele(locus, individual_at);
    }
    ++count;
}

int CodeValue(const std::array<char, MaxCodeLength>& code) {
    return code_digits == 3 ? ConvertThreeDigitCode(code) : ConvertCode(code[0], code[1]);
}

void TallyGenotype(int generation, const Genotype& genotype, int locus) {
    AddCopy(generation, CodeValue(genotype.first), locus);
    AddCopy(generation, CodeValue(genotype.second), locus);
}

// One pass over the file for `locus`; returns the number of generations seen. Sets
// `short_line` to the first individual line that ended before the genotype of some locus up to
// this one.
int TallyLocus(int locus, std::optional<std::uint64_t>& short_line) {
    CloseText(infile);
    OpenText(infile, in_name);
    for (auto& row : tally) {
        row.fill(0);
    }
    copies = 0;
    SkipToFirstMarker(infile);
    int generation = 1;
    while (!AtEnd(infile)) {
        const Head head = ScanHead(infile);
        if (head == Head::TooLong) {
            break;
        }
        bool on_line = true;
        if (head == Head::Marker) {
            if (generation == MaxGenerations) {
                TooManyGenerations(Offset(infile) - 1);
            }
            ++generation;
            DropLine(infile);
            on_line = SearchComma(infile);
        }
        individual_at = Offset(infile) - 1;
        const Genotype genotype = ReadGenotypeOfLocus(infile, locus, on_line);
        if (genotype.ran_out && !short_line) {
            short_line = individual_at;
        }
        DropLine(infile);
        TallyGenotype(generation, genotype, locus);
    }
    return generation;
}

// Sums the locus's tallies over the generations; the total of all copies, code 0 included,
// is twice the number of individual lines the pass took, which every locus must share.
void SumCopies(int locus) {
    allele_total.fill(0);
    for (int g = 1; g <= n_gen; ++g) {
        for (int code = 0; code < NumCodes; ++code) {
            allele_total[code] += tally[g][code];
        }
    }
    std::int32_t all = 0;
    n_allele[locus] = 0;
    for (int code = 0; code < NumCodes; ++code) {
        all += allele_total[code];
        if (code > 0 && allele_total[code] > 0) {
            ++n_allele[locus];
        }
    }
    if (all > MaxCopies) {
        TooManyCopiesAtLocus(locus);
    }
    copies = static_cast<std::int16_t>(all);
}

void CountLocus(int locus) {
    std::optional<std::uint64_t> short_line;
    const int generations = TallyLocus(locus, short_line);
    if (locus == 1) {
        n_gen = static_cast<std::int16_t>(generations);
    } else if (generations != n_gen) {
        GenerationsDiffer(locus, generations, short_line);
    }
    SumCopies(locus);
    if (locus == 1) {
        copies_first = copies;
    } else if (copies != copies_first) {
        IndividualsDiffer(locus, short_line);
    }
    // Equal counts at every locus can still hide a short individual line, whose missing
    // genotypes were taken from the next line at every locus alike.
    if (short_line) {
        ShortLine(locus, *short_line);
    }
    // Only a three-digit file can list more alleles than the estimator reads.
    if (n_allele[locus] > MaxAlleles) {
        TooManyAlleles(locus, n_allele[locus]);
    }
    WriteCountFile(locus);
}

// Refuses a GenePop file that is itself "pelkin.out" or the count file of one of its loci,
// which the run would overwrite while it still reads the file.
void CheckInputNotOverwritten() {
    const auto same_file = [](const std::string& written) {
        std::error_code ignored;
        return std::filesystem::equivalent(in_name, written, ignored);
    };
    if (same_file("pelkin.out")) {
        InputWouldBeOverwritten("pelkin.out");
    }
    for (int l = 1; l <= n_loc; ++l) {
        if (same_file(CountFileName(l))) {
            InputWouldBeOverwritten(CountFileName(l));
        }
    }
}

} // namespace

void CountAlleles() {
    EnterStep(Step::CountAlleles);
    n_allele.fill(0);
    ReadHeader(infile);
    std::uint64_t layout_line = 0;
    DecideLayout(infile, layout_line);
    if (code_digits == 3) {
        ReadAsThreeDigit(layout_line);
    }
    CheckInputNotOverwritten();
    for (int locus = 1; locus <= n_loc; ++locus) {
        CountLocus(locus);
    }
    CloseText(infile);
}
