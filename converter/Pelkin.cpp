// Pelkin: converts a two-digit GenePop file, whose "populations" are the generations sampled,
// into the allele-frequency file "pelkin.out" that the estimator reads.
#include "allele_tally.h"
#include "console.h"
#include "conversion_run.h"
#include "frequency_writer.h"
#include "generation_numbers.h"

int main() {
    ShowIntro();
    OpenGenePop();
    CountAlleles();
    GetGenerations();
    WriteFreqFile();
    EraseCountFiles();
    return 0;
}
