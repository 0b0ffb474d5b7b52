// The report: preamble, one block per interval between consecutive samples with a row per
// locus, an all-loci row and the jackknife, and the legend.
#pragma once

#include <string>

#include "drift_statistic.h"
#include "interval_estimate.h"
#include "jackknife.h"

// The texts of the report's parts, in the order in which they are written.
std::string PreambleText();
// The head of the interval from `first_sample` to the next sample: its generations and the
// column header.
std::string IntervalHeadText(int first_sample);
// Appends the row of locus L to `text`.
void AppendLocusRow(std::string& text, int L, const RowValues& row);
// The all-loci row, with the jackknife when the row uses an allele, and the interval's end.
std::string AllLociText(const IntervalEstimate& estimate);
std::string LegendText();

// The jackknife block as it follows the all-loci row.
std::string JackknifeText(const JackknifeResult& result);
