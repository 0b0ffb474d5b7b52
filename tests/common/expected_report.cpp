#include "expected_report.h"

std::string Preamble(const std::string& data_file, int plan) {
    return "Output from Morvast (version Oct. 22. 2007)\n"
           "Data are from from file " +
           data_file +
           "\n"
           "\n"
           "Note: Effective size (Ne = t/2Fs') is estimated under the assumptions that:\n"
           "         - the organism is diploid\n"
           "         - generations are discrete\n"
           "         - time is measured in generations\n"
           "         - only genetic drift affects allele frequency dynamics\n"
           "         - samples are from a single population, drawn according to plan " +
           std::to_string(plan) +
           "\n"
           "         - multiple sample intervals are computed separately\n"
           "\n";
}

const std::string legend = "\n"
                           "Where\n"
                           "K = number of alleles\n"
                           "S1, S2 = number of genotyped individuals in each of the two samples\n"
                           "Fs = observed allele frequency shift over the sample interval\n"
                           "Fs' = d.o. corrected for expected contribution from sampling\n"
                           "t = number of generations between the two samples\n"
                           "Ne = estimated variance-effective population size per generation\n"
                           "\n";

const std::string column_header =
    "     Locus     K      S1      S2     Fs           Fs'          t          Ne";

const std::string worked_interval_plan2 =
    "Estimated drift (Fs') and Ne over the interval from    0 to    5:\n" + column_header +
    "\n      Loc1     2      50      50     0.1600000    0.1351981    5.0        18"
    "\n      Loc2     2      50      50     0.0404040    0.0202020    5.0       124"
    "\n  All loci     4      50.0    50.0   0.1005025    0.0788275    5.0        32"
    "\nJackknife over 2 loci (assumed independent):"
    "\n                      Mean:          0.1002020    0.0780905    5.0        32"
    "\n                        SE:          0.0597980    0.0577870"
    "\n95% Confidence intervals (Mean -/+ 1.96*SE):"
    "\n       Lower ( 2.5%) limit:         -0.0170020   -0.0351720               13"
    "\n       Upper (97.5%) limit:          0.2174061    0.1913530              -71"
    "\n\n";

const std::string worked_interval_plan1 =
    "Estimated drift (Fs') and Ne over the interval from    0 to    5:\n" + column_header +
    "\n      Loc1     2      50      50     0.1600000    0.1362082    5.0        18"
    "\n      Loc2     2      50      50     0.0404040    0.0212121    5.0       118"
    "\n  All loci     4      50.0    50.0   0.1005025    0.0798376    5.0        31"
    "\nJackknife over 2 loci (assumed independent):"
    "\n                      Mean:          0.1002020    0.0790858    5.0        32"
    "\n                        SE:          0.0597980    0.0577725"
    "\n95% Confidence intervals (Mean -/+ 1.96*SE):"
    "\n       Lower ( 2.5%) limit:         -0.0170020   -0.0341482               13"
    "\n       Upper (97.5%) limit:          0.2174061    0.1923199              -73"
    "\n\n";
