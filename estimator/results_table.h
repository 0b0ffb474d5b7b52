// The results as a table of tab-separated values, for R's read.delim and for spreadsheets: the
// report's rows with every number at full precision, the jackknife's values and the log-scale
// limits on the all-loci rows.
#pragma once

#include <string>

#include "drift_statistic.h"
#include "interval_estimate.h"

// The table is its header row and one row per interval and locus, then one for all loci
// (`locus` is `all`), interval by interval in the order of the report, each ending with a line
// feed. Numbers are written with 17 significant digits, enough to read back the very double
// that the report rounds; "NA" where the report prints "fixed" or a value that is not a number
// and in the cells of a column that does not apply to the row, "Inf" and "-Inf" for infinities.
std::string TableHeaderText();
// The row of locus L in the interval from `first_sample` to the next sample.
std::string LocusTableRow(int first_sample, int L, const RowValues& row);
// The interval's all-loci row, with the jackknife and the log-scale limits of `estimate`.
std::string AllLociTableRow(int first_sample, const IntervalEstimate& estimate);

// A number as the table writes it.
std::string TableNumber(double value);
