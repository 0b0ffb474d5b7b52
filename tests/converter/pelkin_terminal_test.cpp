// The console on a terminal: the screen is cleared at the start and before the generations
// message, and only there. Output that is no terminal never holds the clearing sequence: the
// rows of PelkinCases show its every byte.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>
#include <stdlib.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "pelkin_fixture.h"

namespace {

class PelkinTerminal : public PelkinRun {};

const std::string Clear = "\x1b[H\x1b[2J";

// Runs Pelkin in the fixture's directory with standard output on a pseudo-terminal.
// No value where the system offers no pseudo-terminal.
std::optional<std::string> RunOnTerminal(const std::filesystem::path& workdir,
                                         const std::string& typed) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        return std::nullopt;
    }
    const std::string slave_name = ptsname(master);
    testing_support::TempDir streams;
    testing_support::WriteFile(streams / "stdin", typed);
    const pid_t pid = fork();
    if (pid == 0) {
        const int slave = open(slave_name.c_str(), O_RDWR);
        const int in = open((streams / "stdin").c_str(), O_RDONLY);
        if (slave < 0 || in < 0 || dup2(in, 0) < 0 || dup2(slave, 1) < 0 ||
            chdir(workdir.c_str()) != 0) {
            _exit(127);
        }
        execl(PELKIN_EXE, PELKIN_EXE, static_cast<char*>(nullptr));
        _exit(127);
    }
    std::string out;
    char chunk[4096];
    while (true) {
        const ssize_t got = read(master, chunk, sizeof chunk);
        if (got <= 0) {
            break; // the terminal reports an error once the program has closed it
        }
        out.append(chunk, static_cast<std::size_t>(got));
    }
    int status = 0;
    waitpid(pid, &status, 0);
    close(master);
    return out;
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST_F(PelkinTerminal, ScreenIsClearedOnATerminalAtTheStartAndBeforeTheGenerationsMessage) {
    Put("gens.gen", "T\nA\nB\nPop\n1 a, 0101\nPop\n2 b, 0202 0303\n");
    Put("inds.gen", "T\nA\nB\nPop\n1 a, 0101 0101\n1 b, 0202\n1 c, 0303 0303\n");
    const auto on_terminal = RunOnTerminal(dir.path(), "gens.gen\n");
    if (!on_terminal) {
        GTEST_SKIP() << "no pseudo-terminal";
    }
    const std::string& generations = *on_terminal;
    EXPECT_EQ(generations.rfind(Clear, 0), 0U);
    EXPECT_EQ(Occurrences(generations, Clear), 2U);
    EXPECT_NE(generations.find(Clear + "\r\n\r\n"), std::string::npos);
    const std::string individuals = RunOnTerminal(dir.path(), "inds.gen\n").value_or("");
    EXPECT_EQ(individuals.rfind(Clear, 0), 0U);
    EXPECT_EQ(Occurrences(individuals, Clear), 1U);
    EXPECT_NE(individuals.find("individuals at different loci."), std::string::npos);
}

} // namespace
