#include "file_failure.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "messages.h"
#include "run_end.h"

namespace {

Step current_step = Step::OpenGenePop;

std::string Hex(std::uint32_t value) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(value));
    return digits;
}

const char* VerbOf(FileOp op) {
    switch (op) {
    case FileOp::Open:
        return "open";
    case FileOp::Read:
    case FileOp::ReadNumber:
        return "read";
    case FileOp::Close:
        return "close";
    case FileOp::Create:
        return "create";
    case FileOp::Write:
        return "write";
    }
    return "use";
}

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

void FileFailure(FileOp op, int error_number, const std::string& explanation) {
    const auto step = static_cast<std::uint32_t>(current_step);
    const std::string where = Hex(step + static_cast<std::uint32_t>(op));
    const std::string number = std::to_string(error_number);
    EndRun(Filled(Msg::RuntimeError, {{"number", number}, {"where", where}}) + "\n" +
               Filled(Msg::TraceLine, {{"where", where}}) + "\n" +
               Filled(Msg::TraceLine, {{"where", Hex(step)}}) + "\n\n",
           explanation + "\n", error_number);
}

void SystemFailure(FileOp op, int fallback, const std::string& name) {
    SystemFailure(op, fallback, name, errno);
}

void SystemFailure(FileOp op, int fallback, const std::string& name, int system_error) {
    const std::string reason =
        system_error > 0 ? std::strerror(system_error) : "the system gave no reason";
    FileFailure(op, system_error > 0 ? ErrorNumberOf(system_error) : fallback,
                Filled(Msg::FileOperationFailed,
                       {{"operation", VerbOf(op)}, {"file", name}, {"reason", reason}}));
}
