// Pelkin: converts a GenePop file (two- or three-digit), whose "populations" are the
// generations sampled, into the allele-frequency file "pelkin.out" that the estimator reads.
#include "command_line.h"
#include "console.h"
#include "count_file.h"
#include "frequency_writer.h"
#include "genepop_reader.h"
#include "locus_passes.h"

int main(int argc, char** argv) {
    ReadCommandLine(argc, argv);
    ShowIntro();
    OpenGenePop();
    CountAlleles();
    GetGenerations();
    WriteFreqFile();
    EraseCountFiles();
    return 0;
}
