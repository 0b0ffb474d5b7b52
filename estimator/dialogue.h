// The dialogue that settles the data file, the report file, the sample plan and N, from the
// command line or from answers on standard input.
#pragma once

#include <string>
#include <vector>

// Sets infilename and outfilename from the file names of the command line, or asks for them
// when there are none.
void TakeFileNames(const std::vector<std::string>& names);

// Asks for the sample plan and, for plan 1, the census size N, unless the command line gave
// them.
void AskSamplePlan();

// Forgets what was read ahead of the answers, so that a new run reads standard input afresh.
void ResetAnswers();
