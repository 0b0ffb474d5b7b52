#include "table_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "command_line.h"
#include "data_tables.h"
#include "draft_file.h"
#include "error.h"
#include "messages.h"
#include "stop_signals.h"
#include "whole_write.h"

namespace {

// The draft's name while it exists, empty otherwise.
std::string draft_name;
// The draft while it is written, or the device the table goes straight to; -1 otherwise.
int table_fd = -1;
// The nameless file a table that goes straight to a device is formatted into, while it is open;
// -1 otherwise.
int formatted = -1;
// What is written to the draft or the nameless file.
StreamedWrite table_out;

void RemoveDraft() {
    if (!draft_name.empty()) {
        RegisterDraft(DraftOf::table, nullptr);
        unlink(draft_name.c_str());
        draft_name.clear();
    }
}

void CloseTable() {
    table_out.Drop();
    if (table_fd >= 0) {
        close(table_fd);
        table_fd = -1;
    }
    if (formatted >= 0) {
        close(formatted);
        formatted = -1;
    }
}

[[noreturn]] void TableNotWritten(int error_number) {
    CloseTable();
    RemoveDraft();
    Error(Say(Text::cannot_write_table,
              {{"TABLE", tablefilename}, {"REASON", std::strerror(error_number)}}));
}

void StartDraft() {
    table_fd = MakeDraft(tablefilename, ".Morvast-table-", DraftOf::table, draft_name);
    if (table_fd < 0) {
        TableNotWritten(errno);
    }
}

// Opens the device the table goes straight to, or, for a named pipe, whose open waits for a
// reader until the report is appended, only checks that it may be written.
void OpenStraight(const struct stat& table) {
    if (S_ISFIFO(table.st_mode)) {
        if (faccessat(AT_FDCWD, tablefilename.c_str(), W_OK, AT_EACCESS) != 0) {
            TableNotWritten(errno);
        }
        return;
    }
    table_fd = open(tablefilename.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (table_fd < 0) {
        TableNotWritten(errno);
    }
}

// The nameless file in the temporary folder (TMPDIR, else /tmp) that a table for a device is
// formatted into: it keeps the table out of memory, and goes when it is closed or the run ends.
void MakeFormatted() {
    std::error_code error;
    std::string name =
        (std::filesystem::temp_directory_path(error) / "Morvast-table-XXXXXX").string();
    if (error) {
        name = "/tmp/Morvast-table-XXXXXX";
    }
    {
        const StopSignalsHeld held;
        formatted = mkstemp(name.data());
        if (formatted >= 0) {
            unlink(name.c_str());
        }
    }
    if (formatted < 0) {
        TableNotWritten(errno);
    }
    table_out.Start(formatted);
}

void CloseTableFile() {
    const int closed = close(table_fd);
    table_fd = -1;
    if (closed != 0) {
        TableNotWritten(errno);
    }
}

// Copies the nameless file, from its start, to the open table.
void CopyFormatted() {
    const int from = formatted;
    if (lseek(from, 0, SEEK_SET) != 0) {
        TableNotWritten(errno);
    }
    std::string part(StreamedWrite::BufferSize, '\0');
    for (;;) {
        const ssize_t got = read(from, part.data(), part.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            TableNotWritten(errno);
        }
        if (got == 0) {
            return;
        }
        if (!WriteWhole(table_fd, std::string_view(part.data(), static_cast<std::size_t>(got)))) {
            TableNotWritten(errno);
        }
    }
}

} // namespace

TableWay PrepareTable() {
    if (tablefilename.empty()) {
        return TableWay::none;
    }
    if (tablefilename == TableOnStandardOutput) {
        table_fd = fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
        if (table_fd < 0) {
            TableNotWritten(errno);
        }
        MakeFormatted();
        return TableWay::straight;
    }
    struct stat table {};
    if (stat(tablefilename.c_str(), &table) == 0) {
        if (S_ISDIR(table.st_mode)) {
            TableNotWritten(EISDIR);
        }
        if (S_ISSOCK(table.st_mode) || S_ISBLK(table.st_mode)) {
            Error(Say(Text::table_kind, {{"TABLE", tablefilename}}));
        }
        if (S_ISCHR(table.st_mode) || S_ISFIFO(table.st_mode)) {
            OpenStraight(table);
            MakeFormatted();
            return TableWay::straight;
        }
    }
    // A file, or a name of no file yet; a link to no file is replaced as a file is. A name the
    // system refuses (too long, under a file taken for a folder) is found here.
    struct stat named {};
    const bool exists = lstat(tablefilename.c_str(), &named) == 0;
    if (!exists && errno != ENOENT) {
        TableNotWritten(errno);
    }
    if (exists && ReplacementRefused(tablefilename, named)) {
        TableNotWritten(EPERM);
    }
    StartDraft();
    table_out.Start(table_fd);
    return TableWay::drafted;
}

void WriteTable(std::string_view text) {
    if (!table_out.Put(text)) {
        TableNotWritten(errno);
    }
}

void FinishTableDraft() {
    if (!table_out.Flush()) {
        TableNotWritten(errno);
    }
    if (formatted < 0 && table_fd >= 0) {
        CloseTableFile();
    }
}

void CommitTable() {
    if (const int refused = PutDraftInPlace(DraftOf::table, draft_name, tablefilename)) {
        TableNotWritten(refused);
    }
}

void WriteTableStraight() {
    if (table_fd < 0) {
        table_fd = open(tablefilename.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (table_fd < 0) {
            TableNotWritten(errno);
        }
    }
    CopyFormatted();
    close(formatted);
    formatted = -1;
    CloseTableFile();
}

void AbandonTable() {
    CloseTable();
    RemoveDraft();
}
