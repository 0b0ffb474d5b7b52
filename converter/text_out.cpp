#include "text_out.h"

#include <cerrno>

#include "file_failure.h"

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
    std::FILE* file = out.file;
    out.file = nullptr;
    errno = 0;
    if (std::fflush(file) != 0) {
        SystemFailure(FileOp::Write, ReadWriteFault, out.name);
    }
    errno = 0;
    if (std::fclose(file) != 0) {
        SystemFailure(FileOp::Close, ReadWriteFault, out.name);
    }
}

void EraseFile(const std::string& name) {
    errno = 0;
    if (std::remove(name.c_str()) != 0) {
        SystemFailure(FileOp::Erase, NoSuchFile, name);
    }
}
