// The file-failure report: the one way out of the run when a file operation fails. It prints
// "Runtime error N at $XXXXXXXX", one trace line for the failing operation and one for the step
// that called it, and an empty line on standard output, and exits with the error number N.
#pragma once

#include <cstdint>

// The steps of the run, by the code location they are reported at.
enum class Step : std::uint32_t {
    OpenGenePop = 0x00401000,
    CountAlleles = 0x00402000,
    GetGenerations = 0x00403000,
    WriteFreqFile = 0x00404000,
    EraseCountFiles = 0x00405000,
};

// The file operations, by their offset within the step that performs them.
enum class FileOp : std::uint32_t {
    Open = 0x10,
    Read = 0x20,
    Close = 0x30,
    Create = 0x40,
    Write = 0x50,
    ReadNumber = 0x60,
    Erase = 0x70,
};

// Error numbers of the report that are not the system's own.
constexpr int NoSuchFile = 2;
constexpr int ReadWriteFault = 101;
constexpr int NotANumber = 106;

// Names the step now running, so that a failure is traced to it.
void EnterStep(Step step);

// The report's error number for a system error code (errno).
int ErrorNumberOf(int system_error);

[[noreturn]] void FileFailure(FileOp op, int error_number);

// A failure the system reported through errno; `fallback` is used when errno holds nothing.
[[noreturn]] void SystemFailure(FileOp op, int fallback);
