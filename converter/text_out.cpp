#include "text_out.h"

#include <cerrno>
#include <sys/stat.h>

#include "file_failure.h"

namespace {

// Removes the incomplete file `name`, unless it is something other than a regular file (a link
// or a device put there by the user, which the run wrote through).
void RemoveIncomplete(const std::string& name) {
    struct stat info {};
    if (lstat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        std::remove(name.c_str());
    }
}

} // namespace

OutText::~OutText() {
    if (file != nullptr) {
        std::fclose(file);
        RemoveIncomplete(name);
    }
}

void CreateText(OutText& out, const std::string& name) {
    out.name = name;
    errno = 0;
    out.file = std::fopen(name.c_str(), "wb");
    if (out.file == nullptr) {
        SystemFailure(FileOp::Create, ReadWriteFault, name);
    }
}

void WriteText(OutText& out, std::string_view text) {
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), out.file) != text.size()) {
        SystemFailure(FileOp::Write, ReadWriteFault, out.name);
    }
}

void CloseOutText(OutText& out) {
    errno = 0;
    if (std::fflush(out.file) != 0) {
        SystemFailure(FileOp::Write, ReadWriteFault, out.name);
    }
    std::FILE* file = out.file;
    out.file = nullptr;
    errno = 0;
    if (std::fclose(file) != 0) {
        const int system_error = errno;
        RemoveIncomplete(out.name);
        SystemFailure(FileOp::Close, ReadWriteFault, out.name, system_error);
    }
}

void EraseFile(const std::string& name) {
    errno = 0;
    if (std::remove(name.c_str()) != 0) {
        SystemFailure(FileOp::Erase, NoSuchFile, name);
    }
}
