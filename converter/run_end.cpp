#include "run_end.h"

#include <cstdio>
#include <utility>

void EndRun(std::string shown, std::string hint, int status) {
    throw RunEnd{std::move(shown), std::move(hint), status};
}

int ReportRunEnd(const RunEnd& end) {
    // What the run printed comes first; whether it could be written is not asked.
    std::fflush(stdout);
    std::fwrite(end.shown.data(), 1, end.shown.size(), stdout);
    std::fflush(stdout);
    std::fwrite(end.hint.data(), 1, end.hint.size(), stderr);
    std::fflush(stderr);
    return end.status;
}
