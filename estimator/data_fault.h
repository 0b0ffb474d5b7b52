// The line after a refusal of the data file, which says where the read stopped and what it
// expected there: the file, the line's number and its first characters. A file that looks like
// a GenePop file gets, in its stead, the advice to convert it with Pelkin first.
#pragma once

#include <cstdint>
#include <string>

// Ends the run through Error with `message` and that line. `offset` is the place in the data
// file `path` where the read stopped, counted in characters from its start; `expected` says
// what the read expected there and what to change. The file is read again, from its start, to
// find the line; a file that cannot be read again is told by its offset instead.
[[noreturn]] void RefuseData(const std::string& path, std::uint64_t offset,
                             const std::string& message, const std::string& expected);
