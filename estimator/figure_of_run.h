// The values of Morvast's figure, taken from the very rows and estimates that the report and
// the table format, as the results writer computes them interval by interval.
#pragma once

#include "drift_statistic.h"
#include "interval_estimate.h"
#include "svg_plot.h"

// The figure's title values: the data file's name, the plan and N.
FigureData FigureOfRun();

// Adds the interval from `first_sample` to the next sample, with no locus yet.
void AddFigureInterval(FigureData& figure, int first_sample);

// Adds a locus's row to the last interval added.
void AddFigureLocus(FigureData& figure, const RowValues& row);

// Adds the all-loci estimate, with its log-scale limits, to the last interval added.
void AddFigureEstimate(FigureData& figure, const IntervalEstimate& estimate);
