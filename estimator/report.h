// The report: preamble, one block per interval between consecutive samples with a row per
// locus, an all-loci row and the jackknife, and the legend.
#pragma once

#include <string>

#include "jackknife.h"

// The texts of the report's parts, which the run puts together in memory and appends whole.
std::string PreambleText();
// The interval from `first_sample` to the next sample.
std::string IntervalText(int first_sample);
std::string LegendText();

// The jackknife block as it follows the all-loci row.
std::string JackknifeText(const JackknifeResult& result);
