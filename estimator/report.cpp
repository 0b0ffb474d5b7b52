#include "report.h"

#include "data_tables.h"
#include "drift_statistic.h"
#include "fixed_field.h"

namespace {

const char* const fixed_mark = "   fixed            ";

// Fs, Fs', t and Ne as the rows and the jackknife's mean print them.
void AppendStatistics(std::string& text, double Fs, double Fs_corrected, double t_span, double Ne) {
    AppendFixed(text, Fs, 12, 7);
    text += ' ';
    AppendFixed(text, Fs_corrected, 12, 7);
    text += ' ';
    AppendFixed(text, t_span, 6, 1);
    text += "  ";
    AppendFixed(text, Ne, 8, 0);
}

std::string StatisticFields(double Fs, double Fs_corrected, double t_span, double Ne) {
    std::string text;
    AppendStatistics(text, Fs, Fs_corrected, t_span, Ne);
    return text;
}

std::string StatisticFields(const RowValues& row) {
    return StatisticFields(row.shifts.Fs, row.shifts.Fs_corrected, row.sums.t_span, row.Ne);
}

// Fs, Fs' and Ne as the confidence-limit rows print them, with no t.
std::string LimitFields(double Fs, double Fs_corrected, double Ne) {
    return FixedField(Fs, 12, 7) + " " + FixedField(Fs_corrected, 12, 7) + "         " +
           FixedField(Ne, 8, 0);
}

} // namespace

// Written field by field into the text: the report holds a row for every locus and interval.
void AppendLocusRow(std::string& text, int L, const RowValues& row) {
    const DriftSums& sums = row.sums;
    text += '\n';
    AppendText(text, locusname[static_cast<std::size_t>(L)], 10);
    AppendText(text, std::to_string(sums.Kl), 6);
    text += "  ";
    AppendFixed(text, sums.S1, 6, 0);
    text += "  ";
    AppendFixed(text, sums.S2, 6, 0);
    text += "  ";
    if (sums.Kl < 1) {
        text += fixed_mark;
        return;
    }
    AppendStatistics(text, row.shifts.Fs, row.shifts.Fs_corrected, sums.t_span, row.Ne);
}

std::string AllLociText(const IntervalEstimate& estimate) {
    const DriftSums& sums = estimate.all_loci.sums;
    std::string text = "\n  All loci";
    text += IntegerField(sums.Kl, 6) + "    " + FixedField(sums.S1, 6, 1) + "  " +
            FixedField(sums.S2, 6, 1);
    text += estimate.estimated
                ? StatisticFields(estimate.all_loci) + JackknifeText(estimate.jackknife)
                : fixed_mark;
    return text + "\n\n";
}

std::string JackknifeText(const JackknifeResult& r) {
    const JackknifeLimits limits = LimitsOf(r);
    std::string block = "\nJackknife over " + std::to_string(r.m) + " loci (assumed independent):";
    block += "\n                      Mean:       ";
    block += StatisticFields(r.mean_Fs, r.mean_Fs_corrected, r.t_span, limits.Ne_of_mean);
    block += "\n                        SE:       ";
    block += FixedField(r.se_Fs, 12, 7) + " " + FixedField(r.se_Fs_corrected, 12, 7);
    block += "\n95% Confidence intervals (Mean -/+ 1.96*SE):";
    block += "\n       Lower ( 2.5%) limit:       ";
    block += LimitFields(limits.lower_Fs, limits.lower_corrected, limits.lower_Ne);
    block += "\n       Upper (97.5%) limit:       ";
    block += LimitFields(limits.upper_Fs, limits.upper_corrected, limits.upper_Ne);
    return block;
}

std::string PreambleText() {
    return std::string("Output from Morvast (version ") + version_text + ")\n" +
           "Data are from from file " + infilename + "\n" +
           "\nNote: Effective size (Ne = t/2Fs') is estimated under the assumptions that:\n"
           "         - the organism is diploid\n"
           "         - generations are discrete\n"
           "         - time is measured in generations\n"
           "         - only genetic drift affects allele frequency dynamics\n"
           "         - samples are from a single population, drawn according to plan " +
           std::to_string(sample_plan) +
           "\n"
           "         - multiple sample intervals are computed separately\n\n";
}

std::string IntervalHeadText(int first_sample) {
    return "Estimated drift (Fs') and Ne over the interval from " +
           IntegerField(Generation(first_sample), 4) + " to " +
           IntegerField(Generation(first_sample + 1), 4) + ":\n" +
           "     Locus     K      S1      S2     Fs           Fs'          t          Ne";
}

std::string LegendText() {
    return "\nWhere\n"
           "K = number of alleles\n"
           "S1, S2 = number of genotyped individuals in each of the two samples\n"
           "Fs = observed allele frequency shift over the sample interval\n"
           "Fs' = d.o. corrected for expected contribution from sampling\n"
           "t = number of generations between the two samples\n"
           "Ne = estimated variance-effective population size per generation\n\n";
}
