// Morvast's command line: the options, then at most two file names, the data file and the
// report file. The options settle what the dialogue would otherwise ask, so that a script can run
// Morvast with nothing on standard input.
#pragma once

#include <string>
#include <vector>

enum class Invocation { run, answered };

// Takes --plan, --census, --table and --plot into the run-wide values (sample_plan,
// census_size, tablefilename and plotfilename, left 0 or empty when not given) and the file
// names into `names`. --help, -h and --version, wherever they stand among the options, print
// their text on standard output and give `answered`. Any fault of the command line ends the run with status 2, a line naming the
// fault and the usage on the standard error stream, before anything else is printed; so does
// --table - when standard output was closed at the start (`output_open` false).
Invocation TakeCommandLine(int argc, char** argv, bool output_open,
                           std::vector<std::string>& names);

// The table's name that stands for standard output.
inline constexpr const char* TableOnStandardOutput = "-";
