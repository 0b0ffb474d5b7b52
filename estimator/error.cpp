#include "error.h"

#include <cstdio>

void Error(const std::string& message) {
    throw RunEnd{message, 1};
}

int ReportRunEnd(const RunEnd& end) {
    // What the run printed comes before its message; whether it could be written is not asked.
    std::fflush(stdout);
    std::fwrite(end.message.data(), 1, end.message.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    return end.status;
}
