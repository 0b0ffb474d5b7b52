#include "report.h"

#include <cstdint>

#include "data_tables.h"
#include "drift_statistic.h"
#include "error.h"
#include "fixed_field.h"
#include "jackknife.h"

namespace {

const char* const fixed_mark = "   fixed            ";

struct RowValues {
    std::int32_t K_used = 0;
    double S1 = 0.0;
    double S2 = 0.0;
    double Fs = 0.0;
    double Fs_corrected = 0.0;
    double t_span = 0.0;
    double Ne = 0.0;
};

// The statistics of one row, over loci first_locus..last_locus with no locus left out; Fs,
// Fs' and Ne are left at 0 when no allele is used.
RowValues EvaluateRow(int first_locus, int last_locus, int first_sample) {
    RowValues row;
    double num = 0.0;
    double den = 0.0;
    ComputeF(first_locus, last_locus, first_sample, first_sample + 1, num, den, row.S1, row.S2,
             row.t_span, Kl, -1);
    row.K_used = Kl;
    if (row.K_used >= 1) {
        row.Fs = num / den;
        const double n = HarmonicMean(row.S1, row.S2);
        const double numerator = CorrectedNumerator(row.Fs, n);
        // S2, the later sample's size, stands for n_2 of the estimator's formula.
        row.Fs_corrected = numerator / ((1.0 + row.Fs / 4.0) * (1.0 - 1.0 / (2.0 * row.S2)));
        row.Ne = ComputeNe(row.Fs_corrected, row.t_span);
    }
    return row;
}

void WriteLocusRow(int L, int first_sample) {
    const RowValues row = EvaluateRow(L, L, first_sample);
    std::string text = "\n";
    text += TextField(locusname[L], 10);
    text += IntegerField(row.K_used, 6) + "  " + FixedField(row.S1, 6, 0) + "  " +
            FixedField(row.S2, 6, 0) + "  ";
    if (row.K_used < 1) {
        text += fixed_mark;
    } else {
        text += StatisticFields(row.Fs, row.Fs_corrected, row.t_span, row.Ne);
    }
    WriteReportText(text);
}

void WriteAllLociRow(int first_sample) {
    const RowValues row = EvaluateRow(1, n_loci, first_sample);
    std::string text = "\n  All loci";
    text += IntegerField(row.K_used, 6) + "    " + FixedField(row.S1, 6, 1) + "  " +
            FixedField(row.S2, 6, 1);
    if (row.K_used < 1) {
        WriteReportText(text + fixed_mark);
        return;
    }
    WriteReportText(text + StatisticFields(row.Fs, row.Fs_corrected, row.t_span, row.Ne));
    WriteJackknife(Jackknife(first_sample));
}

} // namespace

void OpenReport() {
    outfile = std::fopen(outfilename.c_str(), "a");
    if (outfile == nullptr) {
        Error(" Cannon open outfile for writing ");
    }
}

void CloseReport() {
    const bool written = std::ferror(outfile) == 0;
    if (std::fclose(outfile) != 0 || !written) {
        Error("Cannot write the results to " + outfilename);
    }
    outfile = nullptr;
}

void WriteReportText(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), outfile);
}

std::string StatisticFields(double Fs, double Fs_corrected, double t_span, double Ne) {
    return FixedField(Fs, 12, 7) + " " + FixedField(Fs_corrected, 12, 7) + " " +
           FixedField(t_span, 6, 1) + "  " + FixedField(Ne, 8, 0);
}

void WritePreamble() {
    WriteReportText(std::string("Output from Morvast (version ") + version_text + ")\n");
    WriteReportText("Data are from from file " + infilename + "\n");
    WriteReportText("\nNote: Effective size (Ne = t/2Fs') is estimated under the assumptions "
                    "that:\n"
                    "         - the organism is diploid\n"
                    "         - generations are discrete\n"
                    "         - time is measured in generations\n"
                    "         - only genetic drift affects allele frequency dynamics\n");
    WriteReportText("         - samples are from a single population, drawn according to plan " +
                    std::to_string(sample_plan) + "\n");
    WriteReportText("         - multiple sample intervals are computed separately\n\n");
}

void WriteInterval(int first_sample) {
    WriteReportText("Estimated drift (Fs') and Ne over the interval from " +
                    IntegerField(t[first_sample], 4) + " to " +
                    IntegerField(t[first_sample + 1], 4) + ":\n");
    WriteReportText("     Locus     K      S1      S2     Fs           Fs'          t          Ne");
    for (locus = 1; locus <= n_loci; ++locus) {
        WriteLocusRow(locus, first_sample);
    }
    WriteAllLociRow(first_sample);
    WriteReportText("\n\n");
}

void WriteLegend() {
    WriteReportText("\nWhere\n"
                    "K = number of alleles\n"
                    "S1, S2 = number of genotyped individuals in each of the two samples\n"
                    "Fs = observed allele frequency shift over the sample interval\n"
                    "Fs' = d.o. corrected for expected contribution from sampling\n"
                    "t = number of generations between the two samples\n"
                    "Ne = estimated variance-effective population size per generation\n\n");
}
