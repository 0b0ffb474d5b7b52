#include "opening_screen.h"

#include <cstdio>

#include "data_tables.h"
#include "messages.h"

namespace {

// The rows that explain the estimator are padded to the width of the screen's title row.
const char* const explained_rows[] = {
    "Fs, computed by summing the nominator and denominator separately",
    "over all alleles and loci, before carrying out the division",
    "(equation 9):",
    "",
    "                       Sum[(x-y)^2]",
    "                  Fs = -------------",
    "                       Sum[z*(1-z)]",
    "where x and y are observed allele frequencies in the 1. and 2.",
    "sample, respectively, and z is their mean.",
    "Ne is estimated from the quantity Fs, assuming discrete generation",
    "intervals (i.e., non-overlapping generations).",
    "For sample plan 1 (cf. equation 14):",
    "",
    "                   T*(1+Fs/4)*(1 - 1/2n_2)",
    "         Ne = ------------------------------------",
    "              2*(Fs*(1 - 1/4n + 1/4N) - 1/n + 1/N)",
    "where n_2 is the size (diploid individuals) of the last sample, n",
    "is the harmonic mean size of the two samples, T is the number of",
    "generations between the two samples, and N is the actual (census)",
    "population size.",
    "For sample plan 2 (cf. equation 13):",
    "",
    "                    T*(1+Fs/4)*(1 - 1/2n_2)",
    "               Ne = -----------------------",
    "                    2*(Fs*(1 - 1/4n) - 1/n)",
    "Standard errors of estimates are based on jackkife over loci.",
};

} // namespace

void OpeningScreen() {
    std::fprintf(console, "                          Morvast                                 \n\n");
    std::fprintf(console, "Estimates variance-effective size (Ne) of a single population from\n");
    std::fprintf(console, "observed differences in allele frequencies among temporally spaced\n");
    std::fprintf(console, "samples. Any number of samples and loci (each locus with at most\n");
    std::fprintf(console, "%i alleles) can be used for input (samples should be ordered).\n\n",
                 MaxAlleles);
    std::fprintf(console, "The computed statistic is based on Marsk & Tellby's (2007) estimator\n");
    for (const char* row : explained_rows) {
        std::fprintf(console, "%-66s\n", row);
    }
    std::fprintf(console, "%s\n\n", version_text);
}
