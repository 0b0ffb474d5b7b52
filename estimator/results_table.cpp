#include "results_table.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "data_tables.h"

namespace {

const char* const header = "from\tto\tt\tlocus\talleles\tS1\tS2\tFs\tFs_prime\tNe"
                           "\tjk_Fs_mean\tjk_Fsp_mean\tjk_Ne_mean\tjk_Fs_se\tjk_Fsp_se"
                           "\tjk_Fs_lower\tjk_Fs_upper\tjk_Fsp_lower\tjk_Fsp_upper"
                           "\tjk_Ne_lower\tjk_Ne_upper"
                           "\tcal_Fs_lower\tcal_Fs_upper\tcal_Fsp_lower\tcal_Fsp_upper"
                           "\tcal_Ne_lower\tcal_Ne_upper"
                           "\tplan\tN\tinformative_loci\tFs_num\tFs_den\n";

const std::string not_available = "NA";
constexpr int jackknife_columns = 11;
constexpr int calibrated_columns = 6;

using Cells = std::vector<std::string>;

std::string RowText(const Cells& cells) {
    std::string text;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            text += '\t';
        }
        text += cells[i];
    }
    text += '\n';
    return text;
}

// A tab or a carriage return would end the cell or the row in R and in spreadsheets, and a
// double quote would open a quoted cell: each is written as "_".
std::string CellText(std::string name) {
    for (char& c : name) {
        if (c == '\t' || c == '\r' || c == '"') {
            c = '_';
        }
    }
    return name;
}

// The interval's columns and those of a row's own values; a row with no allele used is
// "fixed" in the report, with no Fs, Fs' or Ne. Its t is the interval's all the same.
Cells StatisticCells(int first_sample, const std::string& locus, const RowValues& row) {
    const DriftSums& sums = row.sums;
    const bool fixed = sums.Kl < 1;
    auto value = [fixed](double v) { return fixed ? not_available : TableNumber(v); };
    return {std::to_string(Generation(first_sample)),
            std::to_string(Generation(first_sample + 1)),
            TableNumber(Span(first_sample)),
            CellText(locus),
            std::to_string(sums.Kl),
            TableNumber(sums.S1),
            TableNumber(sums.S2),
            value(row.shifts.Fs),
            value(row.shifts.Fs_corrected),
            value(row.Ne)};
}

void AddJackknifeCells(Cells& cells, const JackknifeResult& r) {
    const JackknifeLimits limits = LimitsOf(r);
    for (const double v :
         {r.mean_Fs, r.mean_Fs_corrected, limits.Ne_of_mean, r.se_Fs, r.se_Fs_corrected,
          limits.lower_Fs, limits.upper_Fs, limits.lower_corrected, limits.upper_corrected,
          limits.lower_Ne, limits.upper_Ne}) {
        cells.push_back(TableNumber(v));
    }
}

void AddCalibratedCells(Cells& cells, const CalibratedLimits& c) {
    for (const double v :
         {c.lower_Fs, c.upper_Fs, c.lower_corrected, c.upper_corrected, c.lower_Ne, c.upper_Ne}) {
        cells.push_back(TableNumber(v));
    }
}

// The columns that let the rows of several runs be combined: the plan and N, the loci that use
// an allele, and the sums of Fs, whose ratio over the runs is the Fs of all their loci.
void AddCombiningCells(Cells& cells, const DriftSums& sums) {
    cells.push_back(std::to_string(sample_plan));
    cells.push_back(sample_plan == 1 ? std::to_string(census_size) : not_available);
    cells.push_back(std::to_string(sums.loci_used));
    cells.push_back(TableNumber(sums.num));
    cells.push_back(TableNumber(sums.den));
}

} // namespace

std::string TableNumber(double value) {
    if (std::isnan(value)) {
        return not_available;
    }
    if (std::isinf(value)) {
        return value > 0 ? "Inf" : "-Inf";
    }
    // to_chars with a precision writes as printf's "%.17g" does, at a fraction of its cost: a
    // table of many thousands of loci holds millions of numbers.
    std::array<char, 32> text;
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value,
                                   std::chars_format::general, 17)
                         .ptr;
    return std::string(text.data(), end);
}

std::string TableHeaderText() {
    return header;
}

std::string LocusTableRow(int first_sample, int L, const RowValues& row) {
    Cells cells = StatisticCells(first_sample, locusname[static_cast<std::size_t>(L)], row);
    cells.insert(cells.end(), jackknife_columns + calibrated_columns, not_available);
    AddCombiningCells(cells, row.sums);
    return RowText(cells);
}

std::string AllLociTableRow(int first_sample, const IntervalEstimate& estimate) {
    Cells cells = StatisticCells(first_sample, "all", estimate.all_loci);
    // The report gives the jackknife only for an all-loci row that is not fixed.
    if (estimate.estimated) {
        AddJackknifeCells(cells, estimate.jackknife);
        AddCalibratedCells(cells, estimate.calibrated);
    } else {
        cells.insert(cells.end(), jackknife_columns + calibrated_columns, not_available);
    }
    AddCombiningCells(cells, estimate.all_loci.sums);
    return RowText(cells);
}
