#include "results_writer.h"

#include <string>
#include <vector>

#include "classical_f.h"
#include "data_tables.h"
#include "drift_statistic.h"
#include "interval_estimate.h"
#include "messages.h"
#include "report.h"
#include "results_table.h"
#include "warnings.h"

namespace {

// The locus rows are handed on some thousands at a time.
constexpr std::size_t RowsLength = std::size_t{1} << 16;

// Above this many pairs the table takes a while, and a line says how many.
constexpr std::size_t ManyPairs = 1000;

// The interval from `first_sample` to the next: its block of the report and, unless `table` is
// nullptr, its rows of the table, each row computed once for both.
void WriteInterval(int first_sample, TextOut report, TextOut table) {
    const SamplePair pair = Consecutive(first_sample);
    std::string rows = IntervalHeadText(first_sample);
    for (int L = 1; L <= n_loci; ++L) {
        const RowValues row = EvaluateRow(L, L, pair);
        AppendLocusRow(rows, L, row);
        if (rows.size() >= RowsLength) {
            report(rows);
            rows.clear();
        }
        if (table != nullptr) {
            table(LocusTableRow(pair, L, row, EvaluateClassicalRow(L, L, pair)));
        }
    }
    report(rows);
    const IntervalEstimate estimate = EstimateInterval(pair, table != nullptr);
    WarnOfInterval(pair, estimate);
    report(AllLociText(estimate));
    if (table != nullptr) {
        table(AllLociTableRow(pair, estimate, EvaluateClassicalRow(1, n_loci, pair)));
    }
}

// The table's rows of a pair that the report has no interval of, with the pair's warnings.
void WriteTablePair(SamplePair pair, TextOut table) {
    for (int L = 1; L <= n_loci; ++L) {
        table(LocusTableRow(pair, L, EvaluateRow(L, L, pair), EvaluateClassicalRow(L, L, pair)));
    }
    const IntervalEstimate estimate = EstimateInterval(pair, true);
    if (pair.later != pair.earlier + 1) {
        WarnOfInterval(pair, estimate);
    }
    table(AllLociTableRow(pair, estimate, EvaluateClassicalRow(1, n_loci, pair)));
}

// The pairs of --pairs first or all, in the order (1,2), (1,3), ..., (2,3), ...
std::vector<SamplePair> TablePairs() {
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

void WriteResults(TextOut report, TextOut table) {
    report(PreambleText());
    if (table != nullptr) {
        table(TableHeaderText());
    }
    // With consecutive pairs the table's rows are the report's, computed once for both.
    const bool same_pairs = pairs_choice == PairsChoice::consecutive;
    for (int sample = 1; sample < n_samples; ++sample) {
        WriteInterval(sample, report, same_pairs ? table : nullptr);
    }
    report(LegendText());
    if (table == nullptr || same_pairs) {
        return;
    }
    const std::vector<SamplePair> pairs = TablePairs();
    if (pairs.size() > ManyPairs) {
        Warn(Text::many_pairs_notice, {{"PAIRS", std::to_string(pairs.size())}});
    }
    for (const SamplePair pair : pairs) {
        WriteTablePair(pair, table);
    }
}
