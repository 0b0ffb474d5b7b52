#include "file_failure.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

Step current_step = Step::OpenGenePop;

} // namespace

void EnterStep(Step step) {
    current_step = step;
}

int ErrorNumberOf(int system_error) {
    switch (system_error) {
    case ENOENT:
        return 2;
    case ENAMETOOLONG:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EROFS:
    case EISDIR:
        return 5;
    case ENOSPC:
    case EIO:
        return ReadWriteFault;
    default:
        return system_error;
    }
}

void FileFailure(FileOp op, int error_number) {
    const auto step = static_cast<std::uint32_t>(current_step);
    const std::uint32_t where = step + static_cast<std::uint32_t>(op);
    std::fflush(stdout);
    std::printf("Runtime error %d at $%08X\n  $%08X\n  $%08X\n\n", error_number,
                static_cast<unsigned>(where), static_cast<unsigned>(where),
                static_cast<unsigned>(step));
    std::fflush(stdout);
    std::exit(error_number);
}

void SystemFailure(FileOp op, int fallback) {
    const int system_error = errno;
    FileFailure(op, system_error > 0 ? ErrorNumberOf(system_error) : fallback);
}
