// The estimator's one way out on failure.
#pragma once

#include <string>

// Writes `message` and a line end to the standard error stream and ends the run with status 1.
[[noreturn]] void Error(const std::string& message);
