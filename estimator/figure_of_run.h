// The values of Morvast's figure, taken from the run's data tables and answers by the very
// computations that fill the results table.
#pragma once

#include "svg_plot.h"

FigureData FigureOfRun();
