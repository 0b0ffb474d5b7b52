// The simulator's command line.
#pragma once

#include "drift_settings.h"

#include <string>
#include <vector>

namespace drift {

struct DriftCommand {
    DriftSettings settings;
    std::string output; // empty: standard output
    bool help = false;
    std::string fault; // what is wrong with the arguments; empty when they are sound
};

// Reads the options that follow the program name. Each option takes one value, given as the
// next argument; an option given twice keeps its last value.
DriftCommand ReadDriftCommand(const std::vector<std::string>& args);

extern const char* const kDriftUsage;

} // namespace drift
