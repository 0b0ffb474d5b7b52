// Pelkin: converts a two-digit GenePop file, whose "populations" are the generations sampled,
// into the allele-frequency file "pelkin.out" that the estimator reads.
#include "console.h"
#include "count_file.h"
#include "frequency_writer.h"
#include "genepop_reader.h"
#include "locus_passes.h"

int main() {
    ShowIntro();
    OpenGenePop();
    CountAlleles();
    GetGenerations();
    WriteFreqFile();
    EraseCountFiles();
    return 0;
}
