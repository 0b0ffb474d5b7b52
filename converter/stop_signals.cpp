#include "stop_signals.h"

#include <atomic>
#include <csignal>
#include <unistd.h>

#include "folder_lock.h"
#include "frequency_writer.h"

namespace {

// Read by the handler, which may interrupt the run anywhere: written in one step. The name is a
// constant of the program, relative to the working folder, which the run never leaves.
std::atomic<const char*> owned_part{nullptr};

// Only calls that are safe in a signal handler. The part file goes before the lock, so that no
// run that the lock lets in makes a part file that this one then removes.
extern "C" void StopRun(int signal_number) {
    if (const char* path = owned_part.exchange(nullptr); path != nullptr) {
        unlink(path);
    }
    ReleaseWorkingFolderAtSignal();
    EndBySignal(signal_number);
}

} // namespace

void CatchStopSignals() {
    CatchStopSignalsWith(StopRun);
}

void OwnPartFile() {
    owned_part.store(PartFileName);
}

void DisownPartFile() {
    owned_part.store(nullptr);
}
