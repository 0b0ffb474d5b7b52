// The converter's written files ("pelkin.out" and the count files): created or replaced, written
// with single line feeds as line ends, closed, and deleted, every operation tested at once.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// A file being written. One still open when it goes, because the run ended before it was
// closed (a write that failed, a count file that could not be read back), is closed and, when
// it is a regular file, removed: no incomplete file is left under a name the run writes.
struct OutText {
    OutText() = default;
    OutText(const OutText&) = delete;
    OutText& operator=(const OutText&) = delete;
    ~OutText();

    std::FILE* file = nullptr;
    std::string name;
};

// Creates the file of that name, replacing an earlier one.
void CreateText(OutText& out, const std::string& name);
void WriteText(OutText& out, std::string_view text);
// Closes the file; text still held for it is written first, and a failure to write it fails here.
void CloseOutText(OutText& out);
// Deletes the file of that name.
void EraseFile(const std::string& name);
