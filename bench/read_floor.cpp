// The floor of a program that reads its input once: reads every file named, from start to end,
// with the system's read into a 256 KiB buffer and touches every byte, counting the line feeds
// and the decimal digits, the least that one pass over the data must do. A program of its own, so
// that it is started and timed the way Pelkin and Morvast are.
//
//   read_floor <file>...
#include <array>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::size_t BufferSize = 1 << 18;

struct ByteCounts {
    long long line_feeds = 0;
    long long digits = 0;
};

// One read of the file; false when it cannot be read.
bool CountBytes(const char* name, std::array<unsigned char, BufferSize>& buffer,
                ByteCounts& counts) {
    const int file = open(name, O_RDONLY);
    if (file < 0) {
        return false;
    }
    ssize_t got = 0;
    while ((got = read(file, buffer.data(), buffer.size())) > 0) {
        for (ssize_t i = 0; i < got; ++i) {
            const unsigned char byte = buffer[static_cast<std::size_t>(i)];
            counts.line_feeds += byte == '\n';
            counts.digits += static_cast<unsigned char>(byte - '0') < 10;
        }
    }
    close(file);
    return got == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: read_floor <file>...\n");
        return 2;
    }
    static std::array<unsigned char, BufferSize> buffer;
    ByteCounts counts;
    for (int i = 1; i < argc; ++i) {
        if (!CountBytes(argv[i], buffer, counts)) {
            std::fprintf(stderr, "read_floor: cannot read %s\n", argv[i]);
            return 1;
        }
    }
    // The counts are printed so that no byte's test can be left out.
    std::printf("%lld %lld\n", counts.line_feeds, counts.digits);
    return 0;
}
