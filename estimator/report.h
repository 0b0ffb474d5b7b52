// The report: preamble, one block per interval between consecutive samples with a row per
// locus, an all-loci row and the jackknife, and the legend.
#pragma once

#include <string>

#include "jackknife.h"

void WritePreamble();
// The interval from `first_sample` to the next sample.
void WriteInterval(int first_sample);
void WriteLegend();

// The jackknife block as it follows the all-loci row.
std::string JackknifeText(const JackknifeResult& result);
