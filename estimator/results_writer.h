// The report, and the results table when one is asked for, formatted interval by interval and
// handed on as they are formatted, so that neither is ever held whole: over many thousands of
// loci they run to many megabytes.
#pragma once

#include <string_view>

#include "svg_plot.h"

// Where a text goes: the report file or the table's draft in a run, a text in memory in a test.
using TextOut = void (*)(std::string_view text);

// Formats the report into `report` and, unless `table` is nullptr, the table into `table`, and
// unless `figure` is nullptr adds each interval's values to it. Each interval's rows, sums,
// jackknife and limits are computed once, and all of them take them from there.
void WriteResults(TextOut report, TextOut table, FigureData* figure = nullptr);
