// The estimator's run as a routine, so that the program's entry and a test harness that runs
// many runs in one process run it alike.
#pragma once

// The run, from the opening screen to the line that names the report file; returns the exit
// status of a run that finished. A failure ends the run through Error.
int EstimationRun(int argc, char** argv);

// The whole run as the program makes it: the run, and for a failed one the report file left
// as it was, the message on the standard error stream and status 1. Returns the exit status.
int MorvastMain(int argc, char** argv);

// Puts the data tables, the run-wide values and the reading of the answers back as they stand
// before a run, for a process that makes one run after another.
void ResetRun();
