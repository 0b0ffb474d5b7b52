// The floor that Pelkin's design allows, as a program of its own so that it is started and
// timed the way Pelkin is: reads a file from its start `times` times with the system's read into
// a large buffer and finds the end of every line with memchr, the least that one pass over the
// file per locus, line by line, must do.
//
//   pelkin_floor <file> <times>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The size of the converter's own buffer.
constexpr std::size_t BufferSize = 1 << 18;

// One pass over the file: the number of line feeds in it, or -1 when it cannot be read.
long CountLines(const char* name, std::array<char, BufferSize>& buffer) {
    const int file = open(name, O_RDONLY);
    if (file < 0) {
        return -1;
    }
    long lines = 0;
    ssize_t got = 0;
    while ((got = read(file, buffer.data(), buffer.size())) > 0) {
        const char* at = buffer.data();
        const char* const end = at + got;
        while (const void* found = std::memchr(at, '\n', static_cast<std::size_t>(end - at))) {
            ++lines;
            at = static_cast<const char*>(found) + 1;
        }
    }
    close(file);
    return got < 0 ? -1 : lines;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::atoi(argv[2]) < 1) {
        std::fprintf(stderr, "usage: pelkin_floor <file> <times>\n");
        return 2;
    }
    static std::array<char, BufferSize> buffer;
    long lines = 0;
    for (int pass = std::atoi(argv[2]); pass > 0; --pass) {
        const long found = CountLines(argv[1], buffer);
        if (found < 0) {
            return 1;
        }
        lines += found;
    }
    // The count is printed so that no search can be left out.
    std::printf("%ld\n", lines);
    return 0;
}
