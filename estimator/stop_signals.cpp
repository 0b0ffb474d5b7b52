#include "stop_signals.h"

#include <atomic>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Read by the handler, which may interrupt the run anywhere: each is written in one step.
std::atomic<const char*> drafts[2] = {nullptr, nullptr}; // by DraftOf
std::atomic<const char*> made_report{nullptr};
std::atomic<int> made_report_fd{-1};
std::atomic<int> appended_report_fd{-1};
std::atomic<long long> appended_report_length{0};

void RemoveMadeReportIfEmpty() {
    const char* path = made_report.load();
    const int fd = made_report_fd.load();
    struct stat held_file {};
    struct stat named {};
    if (path != nullptr && fstat(fd, &held_file) == 0 && S_ISREG(held_file.st_mode) &&
        held_file.st_size == 0 && stat(path, &named) == 0 && named.st_dev == held_file.st_dev &&
        named.st_ino == held_file.st_ino) {
        unlink(path);
    }
}

// Only calls that are safe in a signal handler.
extern "C" void StopRun(int signal_number) {
    if (const int fd = appended_report_fd.load(); fd >= 0) {
        static_cast<void>(ftruncate(fd, static_cast<off_t>(appended_report_length.load())));
    }
    for (std::atomic<const char*>& draft : drafts) {
        if (const char* path = draft.load(); path != nullptr) {
            unlink(path);
        }
    }
    RemoveMadeReportIfEmpty();
    EndBySignal(signal_number);
}

} // namespace

void CatchStopSignals() {
    CatchStopSignalsWith(StopRun);
}

void RegisterDraft(DraftOf which, const char* path) {
    drafts[static_cast<int>(which)].store(path);
}

void RegisterMadeReport(const char* path, int fd) {
    made_report.store(nullptr);
    made_report_fd.store(fd);
    made_report.store(path);
}

void RegisterReportAppend(int fd, long long length) {
    appended_report_fd.store(-1);
    appended_report_length.store(length);
    appended_report_fd.store(fd);
}
