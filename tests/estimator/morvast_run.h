// Runs the built Morvast in a directory of its own, and the texts it is expected to write.
#pragma once

#include <string>
#include <vector>

#include "program_run.h"

// Runs Morvast in `dir` with `args` and `answers` on standard input.
testing_support::RunResult RunMorvast(const testing_support::TempDir& dir,
                                      const std::vector<std::string>& args,
                                      const std::string& answers);

// The opening screen, as the program prints it first on every run.
extern const std::string opening_screen;

// The report's preamble for a data file and plan, and its closing legend.
std::string Preamble(const std::string& data_file, int plan);
extern const std::string legend;

// The worked data set of two loci and two samples, generations 0 and 5.
extern const std::string two_locus_data;
