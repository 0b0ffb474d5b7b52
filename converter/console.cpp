#include "console.h"

#include <array>
#include <cstdio>
#include <unistd.h>

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
    static constexpr std::array<const char*, 16> Intro{
        "",
        "",
        "",
        "",
        "",
        "This program uses a \"classical\" two digit GenePop data file to create",
        "an input allele frequency file that can be read by the Morvast program",
        "for estimation of effective size from temporal allele frequency changes.",
        "",
        "You are prompted for the name of the GenePop input file. The converted",
        "(output) file is named \"pelkin.out\" (rename it if you want to keep it).",
        "",
        "In the input file generations are treated as GenePop \"populations\", and the",
        "generation number of each individual must be given first on the data line",
        "and be followed by a blank. Any text is allowed after this blank before",
        "the comma (\",\"). See the accompanying text and the example files for details.",
    };
    ClearScreen();
    for (const char* line : Intro) {
        std::printf("%s\n", line);
    }
}

std::optional<std::string> AskFileName() {
    PrintEmptyLines(3);
    std::fputs("Give name of input file (GenePop format): ", stdout);
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
