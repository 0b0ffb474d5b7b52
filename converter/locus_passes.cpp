#include "locus_passes.h"

#include <filesystem>
#include <system_error>

#include "count_file.h"
#include "data_messages.h"
#include "file_failure.h"
#include "genepop_reader.h"
#include "number_text.h"
#include "run_state.h"

namespace {

void AddCopy(int generation, int code, int locus) {
    if (code < 0) {
        NegativeCode(locus);
    }
    std::int16_t& count = tally[generation][code];
    if (count == MaxCopies) {
        TooManyCopies(locus);
    }
    ++count;
}

void TallyGenotype(int generation, const Genotype& genotype, int locus) {
    AddCopy(generation, ConvertCode(genotype.first[0], genotype.first[1]), locus);
    AddCopy(generation, ConvertCode(genotype.second[0], genotype.second[1]), locus);
}

// One pass over the file for `locus`; returns the number of generations seen. Sets `ran_out`
// when an individual line ended before the genotype of some locus up to this one.
int TallyLocus(int locus, bool& ran_out) {
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
                TooManyGenerations();
            }
            ++generation;
            DropLine(infile);
            on_line = SearchComma(infile);
        }
        const Genotype genotype = ReadGenotypeOfLocus(infile, locus, on_line);
        ran_out = ran_out || genotype.ran_out;
        DropLine(infile);
        TallyGenotype(generation, genotype, locus);
    }
    return generation;
}

// Sums the locus's tallies over the generations; the total of all copies, code 00 included,
// is twice the number of individual lines the pass took, which every locus must share.
void SumCopies(int locus) {
    std::int32_t all = 0;
    for (int code = 0; code < NumCodes; ++code) {
        allele_total[code] = 0;
        for (int g = 1; g <= n_gen; ++g) {
            allele_total[code] += tally[g][code];
        }
        all += allele_total[code];
    }
    if (all > MaxCopies) {
        TooManyCopies(locus);
    }
    copies = static_cast<std::int16_t>(all);
    n_allele[locus] = 0;
    for (int code = 1; code < NumCodes; ++code) {
        if (allele_total[code] > 0) {
            ++n_allele[locus];
        }
    }
}

void CountLocus(int locus) {
    bool ran_out = false;
    const int generations = TallyLocus(locus, ran_out);
    if (locus == 1) {
        n_gen = static_cast<std::int16_t>(generations);
    } else if (generations != n_gen) {
        GenerationsDiffer();
    }
    SumCopies(locus);
    if (locus == 1) {
        copies_first = copies;
    } else if (copies != copies_first) {
        IndividualsDiffer();
    }
    // Equal counts at every locus can still hide a short individual line, whose missing
    // genotypes were taken from the next line at every locus alike.
    if (ran_out) {
        IndividualsDiffer();
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
    bool clash = same_file("pelkin.out");
    for (int l = 1; l <= n_loc && !clash; ++l) {
        clash = same_file(CountFileName(l));
    }
    if (clash) {
        InputWouldBeOverwritten();
    }
}

} // namespace

void CountAlleles() {
    EnterStep(Step::CountAlleles);
    n_allele.fill(0);
    ReadHeader(infile);
    CheckInputNotOverwritten();
    for (int locus = 1; locus <= n_loc; ++locus) {
        CountLocus(locus);
    }
    CloseText(infile);
}
