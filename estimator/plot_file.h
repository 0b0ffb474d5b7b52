// The figure file of `Morvast --plot FILE`. A figure that is a file, or a name of none yet, is
// written whole to a draft beside it and renamed over it only once the report is appended, as
// the table is, so that a failed run leaves an earlier figure as it was and no draft behind. A
// character device or a named pipe cannot be drafted: the figure is written to it after the
// report, and it is never replaced.
#pragma once

#include "svg_plot.h"

// How the figure reaches its file.
enum class PlotWay {
    none,     // no --plot
    drafted,  // a draft renamed over the name
    straight, // written to the device or the named pipe itself
};

// Makes every check that can refuse the figure before the report is appended: its type (a
// folder, a socket and a block device are refused), its name and its folder. For a drafted
// figure it makes the draft, for a character device it opens it. A refusal ends the run naming
// the figure.
PlotWay PreparePlot();

// Draws the figure: into the draft, closed then, or held for the device or the named pipe. A
// failure ends the run naming the figure, with the draft removed.
void WritePlot(const FigureData& figure);

// Puts the draft in place of the figure file, after the report is appended.
void CommitPlot();

// Writes the figure held to the device or the named pipe, which the report already precedes;
// the open of a named pipe waits for a reader.
void WritePlotStraight();

// Removes the draft of a run that failed before it was put in place, and closes the figure's
// file. Does nothing when there is neither.
void AbandonPlot();
