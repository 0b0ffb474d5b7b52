#include "console.h"

#include <cstdio>
#include <unistd.h>

#include "messages.h"

void ClearScreen() {
    if (isatty(fileno(stdout)) != 0) {
        std::fputs("\x1b[H\x1b[2J", stdout);
    }
}

void PrintEmptyLines(int count) {
    for (int i = 0; i < count; ++i) {
        std::fputs("\n", stdout);
    }
}

void ShowIntro() {
    ClearScreen();
    std::printf("%s\n", TextOf(Msg::Intro));
}

std::optional<std::string> AskFileName() {
    PrintEmptyLines(3);
    std::fputs(TextOf(Msg::Prompt), stdout);
    std::fflush(stdout);
    std::string line;
    int c = std::getchar();
    if (c == EOF) {
        return std::nullopt;
    }
    while (c != EOF && c != '\n' && c != '\r') {
        line.push_back(static_cast<char>(c));
        c = std::getchar();
    }
    return line;
}
