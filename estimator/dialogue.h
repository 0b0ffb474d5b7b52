// The dialogue that settles the data file, the report file, the sample plan and N, from the
// command line or from answers on standard input.
#pragma once

// Sets infilename and outfilename from the arguments, or asks for them when there are none.
void TakeFileNames(int argc, char** argv);

// Asks for the sample plan and, for plan 1, the census size N.
void AskSamplePlan();

// Forgets what was read ahead of the answers, so that a new run reads standard input afresh.
void ResetAnswers();
