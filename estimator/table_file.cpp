#include "table_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "data_tables.h"
#include "error.h"
#include "messages.h"
#include "whole_write.h"

namespace {

// The draft's name while it exists, empty otherwise, and the draft while it is written.
std::string draft_name;
int draft = -1;
StreamedWrite table;

void RemoveDraft() {
    if (draft >= 0) {
        close(draft);
        draft = -1;
    }
    table.Drop();
    if (!draft_name.empty()) {
        unlink(draft_name.c_str());
        draft_name.clear();
    }
}

[[noreturn]] void TableNotWritten(int error_number) {
    RemoveDraft();
    Error(Say(Text::cannot_write_table,
              {{"TABLE", tablefilename}, {"REASON", std::strerror(error_number)}}));
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

} // namespace

int TakeTableOption(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--table") != 0) {
        return 0;
    }
    if (argc < 3 || argv[2][0] == '\0') {
        Error(Say(Text::table_without_name));
    }
    tablefilename = argv[2];
    return 2;
}

void RefuseTableOverInputs() {
    if (tablefilename.empty()) {
        return;
    }
    if (SameFile(tablefilename, infilename)) {
        Error(Say(Text::table_is_data, {{"TABLE", tablefilename}}));
    }
    if (SameFile(tablefilename, outfilename)) {
        Error(Say(Text::table_is_report, {{"TABLE", tablefilename}}));
    }
}

void StartTableDraft() {
    // A draft of a name of its own in the table's folder: it never clashes with another run's,
    // and the rename that puts it in place does not leave the file system.
    std::string name =
        (std::filesystem::path(tablefilename).parent_path() / ".Morvast-table-XXXXXX").string();
    draft = mkstemp(name.data());
    if (draft < 0) {
        TableNotWritten(errno);
    }
    draft_name = name;
    // mkstemp makes the draft readable by its owner only; the table gets the permissions of a
    // file newly created by the user.
    const mode_t mask = umask(0);
    umask(mask);
    if (fchmod(draft, 0666 & ~mask) != 0) {
        TableNotWritten(errno);
    }
    // A folder of the table's name would make the final rename fail after the report is
    // appended; it is found here, before.
    struct stat table_stat;
    if (stat(tablefilename.c_str(), &table_stat) == 0 && S_ISDIR(table_stat.st_mode)) {
        TableNotWritten(EISDIR);
    }
    table.Start(draft);
}

void WriteTable(std::string_view text) {
    if (!table.Put(text)) {
        TableNotWritten(errno);
    }
}

void FinishTableDraft() {
    if (draft < 0) {
        return;
    }
    if (!table.Flush()) {
        TableNotWritten(errno);
    }
    const int closed = close(draft);
    draft = -1;
    if (closed != 0) {
        TableNotWritten(errno);
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

void AbandonTable() {
    RemoveDraft();
}
