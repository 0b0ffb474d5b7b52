// Pelkin's command line: `Pelkin [--generations LIST] [--] [FILE]`, `Pelkin --help` (or -h)
// and `Pelkin --version`. Options come before FILE, and "--" ends them.
#pragma once

#include <string_view>

// Reads the arguments into the run state's command-line choices (name_given, given_name,
// gen_no_given, n_given_gen, given_gen_no), before anything is printed. --help and --version
// print their text on standard output and end the run with status 0; an argument that is not
// understood, a second FILE or a malformed LIST print a line naming it and the usage text on
// standard error and end the run with status 2.
void ReadCommandLine(int argc, char** argv);

// Reads LIST, whole numbers of 32 bits (an optional sign, then decimal digits) separated by
// commas, into n_given_gen and given_gen_no; false, with nothing set, when it is not such a
// list.
bool ReadGenerationList(std::string_view list);
