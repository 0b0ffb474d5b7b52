#include "table_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "data_tables.h"
#include "error.h"

namespace {

// The table's messages; %s stands for the table's name, then the system's reason.
const char* const message_no_table_name =
    "Morvast: --table needs a file name after it, before the data file's name";
const char* const message_table_is_data =
    "Morvast: the table %s would replace the data file; name another file after --table";
const char* const message_table_is_report =
    "Morvast: the table %s would replace the report file; name another file after --table";
const char* const message_table_not_written = "Morvast: cannot write the table %s: %s";

// The message with each %s replaced in turn by the next of `parts`.
std::string Filled(const char* message, std::initializer_list<std::string> parts) {
    std::string text = message;
    std::size_t at = 0;
    for (const std::string& part : parts) {
        at = text.find("%s", at);
        text.replace(at, 2, part);
        at += part.size();
    }
    return text;
}

// The draft's name while it exists, empty otherwise.
std::string draft_name;

void RemoveDraft() {
    if (!draft_name.empty()) {
        unlink(draft_name.c_str());
        draft_name.clear();
    }
}

[[noreturn]] void TableNotWritten(int error_number) {
    RemoveDraft();
    Error(Filled(message_table_not_written, {tablefilename, std::strerror(error_number)}));
}

// The path with every link and "." and ".." of its part that exists resolved; empty when that
// fails.
std::filesystem::path Resolved(const std::string& name) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(name, error);
    if (error) {
        return {};
    }
    std::filesystem::path resolved = std::filesystem::weakly_canonical(absolute, error);
    return error ? std::filesystem::path() : resolved;
}

// Whether two names stand for one file: the same name, the same path once resolved (the report
// file need not exist yet), or one file under two names.
bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) {
        return true;
    }
    const std::filesystem::path a_path = Resolved(a);
    if (!a_path.empty() && a_path == Resolved(b)) {
        return true;
    }
    struct stat a_stat;
    struct stat b_stat;
    return stat(a.c_str(), &a_stat) == 0 && stat(b.c_str(), &b_stat) == 0 &&
           a_stat.st_dev == b_stat.st_dev && a_stat.st_ino == b_stat.st_ino;
}

bool WriteWhole(int fd, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = write(fd, text.data() + written, text.size() - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
        } else if (n == 0 || errno != EINTR) {
            errno = n == 0 ? EIO : errno;
            return false;
        }
    }
    return true;
}

} // namespace

int TakeTableOption(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--table") != 0) {
        return 0;
    }
    if (argc < 3 || argv[2][0] == '\0') {
        Error(message_no_table_name);
    }
    tablefilename = argv[2];
    return 2;
}

void RefuseTableOverInputs() {
    if (tablefilename.empty()) {
        return;
    }
    if (SameFile(tablefilename, infilename)) {
        Error(Filled(message_table_is_data, {tablefilename}));
    }
    if (SameFile(tablefilename, outfilename)) {
        Error(Filled(message_table_is_report, {tablefilename}));
    }
}

void WriteTableDraft(const std::string& text) {
    // A draft of a name of its own in the table's folder: it never clashes with another run's,
    // and the rename that puts it in place does not leave the file system.
    std::string name =
        (std::filesystem::path(tablefilename).parent_path() / ".Morvast-table-XXXXXX").string();
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        TableNotWritten(errno);
    }
    static const bool cleanup_registered = std::atexit(RemoveDraft) == 0;
    (void)cleanup_registered;
    draft_name = name;

    // mkstemp makes the draft readable by its owner only; the table gets the permissions of a
    // file newly created by the user.
    const mode_t mask = umask(0);
    umask(mask);
    if (fchmod(fd, 0666 & ~mask) != 0 || !WriteWhole(fd, text)) {
        const int error_number = errno;
        close(fd);
        TableNotWritten(error_number);
    }
    if (close(fd) != 0) {
        TableNotWritten(errno);
    }
    // A folder of the table's name would make the final rename fail after the report is
    // appended; it is found here, before.
    struct stat table_stat;
    if (stat(tablefilename.c_str(), &table_stat) == 0 && S_ISDIR(table_stat.st_mode)) {
        TableNotWritten(EISDIR);
    }
}

void CommitTable() {
    if (draft_name.empty()) {
        return;
    }
    if (std::rename(draft_name.c_str(), tablefilename.c_str()) != 0) {
        TableNotWritten(errno);
    }
    draft_name.clear();
}
