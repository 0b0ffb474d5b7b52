// The converter's written files ("pelkin.out" and the count files): created or replaced, written
// with single line feeds as line ends, closed, and deleted, every operation tested at once.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

struct OutText {
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
