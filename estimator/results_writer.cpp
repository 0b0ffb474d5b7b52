#include "results_writer.h"

#include <string>

#include "data_tables.h"
#include "drift_statistic.h"
#include "figure_of_run.h"
#include "interval_estimate.h"
#include "report.h"
#include "results_table.h"
#include "warnings.h"

namespace {

// The locus rows are handed on some thousands at a time.
constexpr std::size_t RowsLength = std::size_t{1} << 16;

void WriteInterval(int first_sample, TextOut report, TextOut table, FigureData* figure) {
    std::string rows = IntervalHeadText(first_sample);
    if (figure != nullptr) {
        AddFigureInterval(*figure, first_sample);
    }
    for (int L = 1; L <= n_loci; ++L) {
        const RowValues row = EvaluateRow(L, L, first_sample);
        AppendLocusRow(rows, L, row);
        if (figure != nullptr) {
            AddFigureLocus(*figure, row);
        }
        if (rows.size() >= RowsLength) {
            report(rows);
            rows.clear();
        }
        if (table != nullptr) {
            table(LocusTableRow(first_sample, L, row));
        }
    }
    report(rows);
    const IntervalEstimate estimate =
        EstimateInterval(first_sample, table != nullptr || figure != nullptr);
    WarnOfInterval(first_sample, estimate);
    report(AllLociText(estimate));
    if (table != nullptr) {
        table(AllLociTableRow(first_sample, estimate));
    }
    if (figure != nullptr) {
        AddFigureEstimate(*figure, estimate);
    }
}

} // namespace

void WriteResults(TextOut report, TextOut table, FigureData* figure) {
    report(PreambleText());
    if (table != nullptr) {
        table(TableHeaderText());
    }
    for (int sample = 1; sample < n_samples; ++sample) {
        WriteInterval(sample, report, table, figure);
    }
    report(LegendText());
}
