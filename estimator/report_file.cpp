#include "report_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "data_tables.h"
#include "error.h"
#include "messages.h"
#include "stop_signals.h"
#include "whole_write.h"

namespace {

int outfile = -1;     // the report file while the run holds it
bool created = false; // whether this run made the report file
// The length of the report file before this run's report, once the report has been started on
// a regular file; -1 before, or on a file that cannot be cut back.
off_t earlier_length = -1;
StreamedWrite report;

// Opens `outfilename` for appending and tells whether the open made the file: making it
// exclusively first, and opening it as it stands when it exists. -1 when it cannot be opened.
int OpenForAppending(bool& made) {
    constexpr int flags = O_WRONLY | O_APPEND | O_CLOEXEC;
    made = false;
    // A file removed between the two opens is made anew.
    for (int attempt = 0; attempt < 3; ++attempt) {
        int fd = open(outfilename.c_str(), flags | O_CREAT | O_EXCL, 0666);
        if (fd >= 0) {
            made = true;
            return fd;
        }
        if (errno != EEXIST) {
            return -1;
        }
        fd = open(outfilename.c_str(), flags);
        if (fd >= 0 || errno != ENOENT) {
            return fd;
        }
    }
    // A name that exists and names no file, a link to a file not there: appending makes the
    // file, and this run does not count it as its own.
    return open(outfilename.c_str(), flags | O_CREAT, 0666);
}

// Opens the report file as OpenForAppending does, and registers a file that the open made, to
// be removed should a signal end the run while it holds nothing.
int OpenRegistered() {
    const StopSignalsHeld held;
    const int fd = OpenForAppending(created);
    const int error_number = errno;
    RegisterMadeReport(fd >= 0 && created ? outfilename.c_str() : nullptr, fd);
    errno = error_number;
    return fd;
}

// Ends the run: the report could not be written whole, for the reason `error_number` gives.
[[noreturn]] void NotWritten(int error_number) {
    Error(Say(Text::cannot_write_report, {{"REPORT", outfilename}}),
          Say(Text::report_write_hint,
              {{"REPORT", outfilename}, {"REASON", std::strerror(error_number)}}));
}

bool IsRegular(const struct stat& status) {
    return S_ISREG(status.st_mode);
}

// Whether `outfile`, a regular file, is still the file that `outfilename` names.
bool StillNamed(const struct stat& held) {
    struct stat named {};
    return held.st_nlink > 0 && stat(outfilename.c_str(), &named) == 0 &&
           named.st_dev == held.st_dev && named.st_ino == held.st_ino;
}

// Takes the lock on the report file, waiting for any other run that holds it. A run that made
// the file and failed removes it, when it holds nothing, under the same lock; a run that had
// opened it before then opens the name again. A file that cannot be locked is written as it
// is: the report still goes to it whole.
void LockReport() {
    for (;;) {
        while (flock(outfile, LOCK_EX) != 0 && errno == EINTR) {
        }
        struct stat held {};
        if (fstat(outfile, &held) != 0 || !IsRegular(held) || StillNamed(held)) {
            return;
        }
        close(outfile);
        outfile = OpenRegistered();
        if (outfile < 0) {
            NotWritten(errno);
        }
    }
}

// Cuts the report file back and ends the run.
[[noreturn]] void ReportNotWritten() {
    const int error_number = errno;
    AbandonReport();
    NotWritten(error_number);
}

} // namespace

void OpenReport() {
    outfile = OpenRegistered();
    if (outfile < 0) {
        Error(Say(Text::cannot_open_report),
              Say(Text::report_open_hint,
                  {{"REPORT", outfilename}, {"REASON", std::strerror(errno)}}));
    }
}

void StartReport() {
    LockReport();
    struct stat held {};
    earlier_length = fstat(outfile, &held) == 0 && IsRegular(held) ? held.st_size : -1;
    if (earlier_length >= 0) {
        RegisterReportAppend(outfile, earlier_length);
    }
    report.Start(outfile);
}

void WriteReport(std::string_view text) {
    if (!report.Put(text)) {
        ReportNotWritten();
    }
}

void FinishReport() {
    // Until the table is in place: a report is whole or not there at all.
    HoldStopSignals();
    if (!report.Flush()) {
        ReportNotWritten();
    }
    RegisterReportAppend(-1, 0);
    earlier_length = -1;
    RegisterMadeReport(nullptr, -1);
    const int closed = close(outfile);
    outfile = -1;
    if (closed != 0) {
        NotWritten(errno);
    }
}

void AbandonReport() {
    if (outfile < 0) {
        return;
    }
    report.Drop();
    if (earlier_length >= 0) {
        // Back to the length it had, earlier reports whole and nothing of this one.
        static_cast<void>(ftruncate(outfile, earlier_length));
        RegisterReportAppend(-1, 0);
        earlier_length = -1;
    }
    if (created) {
        while (flock(outfile, LOCK_EX) != 0 && errno == EINTR) {
        }
        struct stat held {};
        if (fstat(outfile, &held) == 0 && IsRegular(held) && held.st_size == 0 &&
            StillNamed(held)) {
            unlink(outfilename.c_str());
        }
    }
    RegisterMadeReport(nullptr, -1);
    close(outfile);
    outfile = -1;
}
