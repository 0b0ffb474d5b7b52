#include "error.h"

#include <cstdio>
#include <cstdlib>

void Error(const std::string& message) {
    std::fflush(stdout);
    std::fwrite(message.data(), 1, message.size(), stderr);
    std::fputc('\n', stderr);
    std::exit(1);
}
