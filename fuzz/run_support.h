// What a fuzz target needs around the runs it makes in process: whole files written and read,
// a standard output nobody reads, the count of open descriptors, and the check that aborts the
// run when what a run left is wrong.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

std::string ReadWhole(const std::filesystem::path& path);
void WriteWhole(const std::filesystem::path& path, std::string_view contents);

// Standard output for a run: /dev/null, or a pipe whose reading end is closed.
void SetStandardOutput(bool closed_pipe);

// How many of the first 1024 descriptors are open: a run must open no more than it closes.
int OpenDescriptors();

// Aborts, saying why on the sanitizers' report stream (the fuzzer may have closed the standard
// error stream of the runs).
void Check(bool holds, const char* what);
