#include "results_writer.h"

#include <string>
#include <vector>

#include "classical_f.h"
#include "data_tables.h"
#include "drift_statistic.h"
#include "figure_of_run.h"
#include "interval_estimate.h"
#include "messages.h"
#include "report.h"
#include "results_table.h"
#include "warnings.h"

namespace {

// The locus rows are handed on some thousands at a time.
constexpr std::size_t RowsLength = std::size_t{1} << 16;

// Above this many pairs the table and the figure take a while, and a line says how many.
constexpr std::size_t ManyPairs = 1000;

// Where the values of a pair go beside the report: the table's text and the figure, each
// nullptr when not asked for.
struct PairOut {
    TextOut table = nullptr;
    FigureData* figure = nullptr;

    bool Any() const { return table != nullptr || figure != nullptr; }
};

// The values of locus L between the pair's samples, for the table and the figure.
void OutLocus(const PairOut& out, SamplePair pair, int L, const RowValues& row) {
    if (out.figure != nullptr) {
        AddFigureLocus(*out.figure, row);
    }
    if (out.table != nullptr) {
        out.table(LocusTableRow(pair, L, row, EvaluateClassicalRow(L, L, pair)));
    }
}

// The pair's all-loci values, for the table and the figure.
void OutEstimate(const PairOut& out, SamplePair pair, const IntervalEstimate& estimate) {
    if (out.table != nullptr) {
        out.table(AllLociTableRow(pair, estimate, EvaluateClassicalRow(1, n_loci, pair)));
    }
    if (out.figure != nullptr) {
        AddFigureEstimate(*out.figure, estimate);
    }
}

// The interval from `first_sample` to the next: its block of the report and its values for
// `out`, each row computed once for all of them.
void WriteInterval(int first_sample, TextOut report, const PairOut& out) {
    const SamplePair pair = Consecutive(first_sample);
    std::string rows = IntervalHeadText(first_sample);
    if (out.figure != nullptr) {
        AddFigureInterval(*out.figure, pair);
    }
    for (int L = 1; L <= n_loci; ++L) {
        const RowValues row = EvaluateRow(L, L, pair);
        AppendLocusRow(rows, L, row);
        if (rows.size() >= RowsLength) {
            report(rows);
            rows.clear();
        }
        OutLocus(out, pair, L, row);
    }
    report(rows);
    const IntervalEstimate estimate = EstimateInterval(pair, out.Any());
    WarnOfInterval(pair, estimate);
    report(AllLociText(estimate));
    OutEstimate(out, pair, estimate);
}

// The values of a pair that the report has no interval of, with the pair's warnings; a
// consecutive pair was warned of with the report's interval.
void WritePair(SamplePair pair, const PairOut& out) {
    if (out.figure != nullptr) {
        AddFigureInterval(*out.figure, pair);
    }
    for (int L = 1; L <= n_loci; ++L) {
        OutLocus(out, pair, L, EvaluateRow(L, L, pair));
    }
    const IntervalEstimate estimate = EstimateInterval(pair, true);
    if (pair.later != pair.earlier + 1) {
        WarnOfInterval(pair, estimate);
    }
    OutEstimate(out, pair, estimate);
}

// The pairs of --pairs first or all, in the order (1,2), (1,3), ..., (2,3), ...
std::vector<SamplePair> ChosenPairs() {
    std::vector<SamplePair> pairs;
    const int last_earlier = pairs_choice == PairsChoice::first ? 1 : n_samples - 1;
    for (int earlier = 1; earlier <= last_earlier; ++earlier) {
        for (int later = earlier + 1; later <= n_samples; ++later) {
            pairs.push_back({earlier, later});
        }
    }
    return pairs;
}

} // namespace

void WriteResults(TextOut report, TextOut table, FigureData* figure) {
    report(PreambleText());
    if (table != nullptr) {
        table(TableHeaderText());
    }
    const PairOut out{table, figure};
    // With consecutive pairs the table's and the figure's values are the report's, computed
    // once for all.
    const bool report_pairs = pairs_choice == PairsChoice::consecutive;
    for (int sample = 1; sample < n_samples; ++sample) {
        WriteInterval(sample, report, report_pairs ? out : PairOut{});
    }
    report(LegendText());
    if (!out.Any() || report_pairs) {
        return;
    }
    const std::vector<SamplePair> pairs = ChosenPairs();
    if (pairs.size() > ManyPairs) {
        Warn(Text::many_pairs_notice, {{"PAIRS", std::to_string(pairs.size())}});
    }
    for (const SamplePair pair : pairs) {
        WritePair(pair, out);
    }
}
