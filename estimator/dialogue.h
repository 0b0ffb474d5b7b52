// The dialogue that settles the data file, the report file, the sample plan and N, from the
// command line or from answers on standard input.
#pragma once

// A first argument that is exactly --help or -h prints the usage text, and --version the
// program's name and version, on standard output; true when it did: the run then ends there,
// before anything else is printed. Every other argument is left to TakeFileNames.
bool AnswerInfoOption(int argc, char** argv);

// Sets infilename and outfilename from the arguments, or asks for them when there are none.
void TakeFileNames(int argc, char** argv);

// Asks for the sample plan and, for plan 1, the census size N.
void AskSamplePlan();

// Forgets what was read ahead of the answers, so that a new run reads standard input afresh.
void ResetAnswers();
