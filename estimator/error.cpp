#include "error.h"

#include <cstdio>

void Error(const std::string& message) {
    throw RunEnd{message, 1, {}};
}

void Error(const std::string& message, const std::string& hint) {
    throw RunEnd{message, 1, hint + "\n"};
}

int ReportRunEnd(const RunEnd& end) {
    // What the run printed comes before its message; whether it could be written is not asked.
    std::fflush(stdout);
    std::fwrite(end.message.data(), 1, end.message.size(), stderr);
    std::fputc('\n', stderr);
    std::fwrite(end.after.data(), 1, end.after.size(), stderr);
    std::fflush(stderr);
    return end.status;
}
