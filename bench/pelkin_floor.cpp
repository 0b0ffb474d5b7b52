// The floor that Pelkin's design allows, as a program of its own so that it is started and
// timed the way Pelkin is: reads a file from its start `times` times through a 64 KiB buffer,
// as plainly as it can be read.
//
//   pelkin_floor <file> <times>
#include <array>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3 || std::atoi(argv[2]) < 1) {
        std::fprintf(stderr, "usage: pelkin_floor <file> <times>\n");
        return 2;
    }
    static std::array<unsigned char, 1 << 16> buffer;
    unsigned long checksum = 0;
    for (int pass = std::atoi(argv[2]); pass > 0; --pass) {
        std::FILE* file = std::fopen(argv[1], "rb");
        if (file == nullptr) {
            return 1;
        }
        std::size_t got = 0;
        while ((got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) {
            checksum += buffer[got - 1];
        }
        std::fclose(file);
    }
    // The sum is printed so that no read can be left out.
    std::printf("%lu\n", checksum);
    return 0;
}
