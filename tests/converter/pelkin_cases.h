// Pelkin as its tables of cases run it: in the test's own process, its state put back before
// each run, the cases' long expected texts kept in tests/converter/cases/<case name>/.
#pragma once

#include "case_table.h"
#include "pelkin_texts.h"

// Makes the runs of `cases` through testing_support::RunCases.
void RunPelkinCases(const std::vector<testing_support::Case>& cases);

// The GenePop file of most rows, data.gen, holding `genepop`.
testing_support::File GenePop(std::string genepop);

// The frequency file a run leaves, pelkin.out, with what it holds.
testing_support::File Frequencies(testing_support::Bytes bytes);
