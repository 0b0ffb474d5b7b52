// Morvast as its tables of cases run it: in the test's own process, its state put back before
// each run, the cases' long expected texts kept in tests/estimator/cases/<case name>/.
#pragma once

#include "case_table.h"

// Makes the runs of `cases` through testing_support::RunCases.
void RunMorvastCases(const std::vector<testing_support::Case>& cases);
