// The converter's run as a routine, so that the program's entry and a test harness that makes
// many runs in one process run it alike.
#pragma once

// The run, from the command line to the summary of the conversion; returns the exit status of a run
// that finished. Every other end is thrown (run_end.h).
int ConversionRun(int argc, char** argv);

// The whole run as the program makes it: the file-size and broken-pipe signals ignored, so that
// a write they would stop fails and is reported as a failed write; the stop signals caught
// (stop_signals.h); the run; and for a run that
// ended early, its files closed, its output and its status. The working folder's lock is let go
// at the end. Returns the exit status.
int PelkinMain(int argc, char** argv);

// Puts the run state, the step being traced and standard input's end-of-file mark back as they
// stand before a run, for a process that makes one run after another. Standard input itself is
// the caller's to give each run afresh (freopen), since what one run's read took ahead of the
// name it read stays in the stream.
void ResetRun();
