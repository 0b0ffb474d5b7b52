#include "text_out.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "file_failure.h"

namespace {

// Larger writes cost the system less per byte; "pelkin.out" of many loci is tens of megabytes.
constexpr std::size_t OutBufferSize = 1 << 18;

// Removes the file `name` when it is a regular file, which the run made.
void RemoveIncomplete(const std::string& name) {
    struct stat info {};
    if (lstat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        std::remove(name.c_str());
    }
}

} // namespace

OutText::~OutText() {
    AbandonOutText(*this);
}

void CreateText(OutText& out, const std::string& name, const std::string& told) {
    out.name = name;
    out.told = told;
    errno = 0;
    // Anything but a folder of that name goes; a folder cannot be created over.
    struct stat info {};
    if (lstat(name.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            SystemFailure(FileOp::Create, ReadWriteFault, name, EISDIR);
        }
        if (unlink(name.c_str()) != 0) {
            SystemFailure(FileOp::Create, ReadWriteFault, name);
        }
    }
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    out.file = fd < 0 ? nullptr : fdopen(fd, "wb");
    if (out.file == nullptr) {
        const int system_error = errno;
        if (fd >= 0) {
            close(fd);
            RemoveIncomplete(name);
        }
        SystemFailure(FileOp::Create, ReadWriteFault, name, system_error);
    }
    // The buffer is given, since the C library takes the size of one it makes as a hint only.
    static std::array<char, OutBufferSize> buffer;
    std::setvbuf(out.file, buffer.data(), _IOFBF, buffer.size());
}

void WriteText(OutText& out, std::string_view text) {
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), out.file) != text.size()) {
        SystemFailure(FileOp::Write, ReadWriteFault, out.told);
    }
}

void CloseOutText(OutText& out) {
    errno = 0;
    if (std::fflush(out.file) != 0) {
        SystemFailure(FileOp::Write, ReadWriteFault, out.told);
    }
    std::FILE* file = out.file;
    out.file = nullptr;
    errno = 0;
    if (std::fclose(file) != 0) {
        const int system_error = errno;
        RemoveIncomplete(out.name);
        SystemFailure(FileOp::Close, ReadWriteFault, out.told, system_error);
    }
}

void AbandonOutText(OutText& out) {
    if (out.file != nullptr) {
        std::fclose(out.file);
        out.file = nullptr;
        RemoveIncomplete(out.name);
    }
}

void PutInPlace(const OutText& out, const std::string& name) {
    errno = 0;
    if (std::rename(out.name.c_str(), name.c_str()) != 0) {
        const int system_error = errno;
        RemoveIncomplete(out.name);
        SystemFailure(FileOp::Create, ReadWriteFault, name, system_error);
    }
}
