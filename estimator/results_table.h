// The results as a table of tab-separated values, for R's read.delim and for spreadsheets: the
// report's rows with every number at full precision, the jackknife's values and the log-scale
// limits on the all-loci rows, and the classical Fc and Fk with their Ne and, on the all-loci
// rows, their chi-square limits.
#pragma once

#include <string>

#include "classical_f.h"
#include "drift_statistic.h"
#include "interval_estimate.h"

// The table is its header row and one row per pair of samples and locus, then one for all loci
// (`locus` is `all`), pair by pair, each ending with a line
// feed. Numbers are written with 17 significant digits, enough to read back the very double
// that the report rounds; "NA" where the report prints "fixed" or a value that is not a number
// and in the cells of a column that does not apply to the row, "Inf" and "-Inf" for infinities.
std::string TableHeaderText();
// The row of locus L between the pair's samples, with the classical statistics of `classical`.
std::string LocusTableRow(SamplePair pair, int L, const RowValues& row,
                          const ClassicalRow& classical);
// The pair's all-loci row, with the jackknife and the log-scale limits of `estimate` and the
// chi-square limits of `classical`.
std::string AllLociTableRow(SamplePair pair, const IntervalEstimate& estimate,
                            const ClassicalRow& classical);

// A number as the table writes it.
std::string TableNumber(double value);
