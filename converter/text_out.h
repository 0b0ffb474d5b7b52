// The converter's written file: "pelkin.out", written under the name of its part file and put
// in place by a rename when it is whole, with single line feeds as line ends, every operation
// tested at once.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// A file being written. One still open when the run ends early (a write that failed, a refused
// GenePop file) is closed and removed: no incomplete file is left under a name the run writes.
struct OutText {
    OutText() = default;
    OutText(const OutText&) = delete;
    OutText& operator=(const OutText&) = delete;
    ~OutText();

    std::FILE* file = nullptr;
    std::string name;
    std::string told; // the name a failed write or close is told under: the file it becomes
};

// Creates the file of that name afresh (mode 0666 less the umask): an earlier file or link of
// that name is removed first, so that nothing is written through a link. Its writes are told as
// writes of `told`.
void CreateText(OutText& out, const std::string& name, const std::string& told);
void WriteText(OutText& out, std::string_view text);
// Closes the file; text still held for it is written first, and a failure to write it fails here.
void CloseOutText(OutText& out);
// Closes the file, if open, without testing the close, and removes it: for a run that has ended.
void AbandonOutText(OutText& out);
// Renames the closed file `out` over `name` (a link of that name is replaced, not followed).
// A failure is reported as a failure to create `name`, and the file is removed.
void PutInPlace(const OutText& out, const std::string& name);
