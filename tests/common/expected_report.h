// The texts Morvast writes into its report, as the whole-program and pipeline tests expect them.
#pragma once

#include <string>

// The report's preamble for a data file and sample plan, and its closing legend.
std::string Preamble(const std::string& data_file, int plan);
extern const std::string legend;

// The column header that opens the rows of every interval.
extern const std::string column_header;

// The interval of the worked data set of two loci (Loc1 from 0.6/0.4 to 0.4/0.6, Loc2 from
// 0.6/0.4 to 0.5/0.5, 50 individuals in each sample, generations 0 and 5), with its jackknife,
// under plan 2 and under plan 1 with N = 1000.
extern const std::string worked_interval_plan2;
extern const std::string worked_interval_plan1;
