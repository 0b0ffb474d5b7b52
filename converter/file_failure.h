// The file-failure report: the one way out of the run when a file operation fails. It prints
// "Runtime error N at $XXXXXXXX", one trace line for the failing operation and one for the step
// that called it, and an empty line on standard output, then one line on standard error that
// says in plain words what failed, and ends the run (run_end.h) with N as its exit status.
#pragma once

#include <cstdint>
#include <string>

// The steps of the run, by the code location they are reported at.
enum class Step : std::uint32_t {
    OpenGenePop = 0x00401000,
    CountAlleles = 0x00402000,
    GetGenerations = 0x00403000,
    WriteFreqFile = 0x00404000,
};

// The file operations, by their offset within the step that performs them.
enum class FileOp : std::uint32_t {
    Open = 0x10,
    Read = 0x20,
    Close = 0x30,
    Create = 0x40,
    Write = 0x50,
    ReadNumber = 0x60,
};

// Error numbers of the report that are not the system's own.
constexpr int NoSuchFile = 2;
constexpr int AccessDenied = 5;
constexpr int ReadWriteFault = 101;
constexpr int NotANumber = 106;

// Names the step now running, so that a failure is traced to it.
void EnterStep(Step step);

// The report's error number for a system error code (errno).
int ErrorNumberOf(int system_error);

// Ends the run (run_end.h) with the report of error `error_number` and `explanation` on
// standard error.
[[noreturn]] void FileFailure(FileOp op, int error_number, const std::string& explanation);

// A failure of `op` on the file `name` that the system reported through errno; `fallback` is
// the error number when errno holds nothing. Standard error names the operation, the file and
// the system's reason.
[[noreturn]] void SystemFailure(FileOp op, int fallback, const std::string& name);
// The same for the system error `system_error`, taken before errno could change.
[[noreturn]] void SystemFailure(FileOp op, int fallback, const std::string& name, int system_error);
