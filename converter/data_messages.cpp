#include "data_messages.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "console.h"

namespace {

constexpr int Refused = 1;

[[noreturn]] void Refuse(const std::string& message) {
    std::printf("%s\n", message.c_str());
    std::fflush(stdout);
    std::exit(Refused);
}

} // namespace

void GenerationsDiffer() {
    ClearScreen();
    PrintEmptyLines(16);
    std::printf("Check the data file! There seems to different numbers of\n");
    Refuse("populations at different loci.");
}

void IndividualsDiffer() {
    PrintEmptyLines(16);
    std::printf("Check the data file! There seems to be different numbers of\n");
    Refuse("individuals at different loci.");
}

void NoMarkerAfterNames() {
    Refuse("No line POP, Pop or pop ends the locus names.");
}

void TooManyLoci() {
    Refuse("Too many loci (at most 100).");
}

void TooManyGenerations() {
    Refuse("Too many generations (at most 50).");
}

void NegativeCode(int locus) {
    Refuse("Negative allele code at locus " + std::to_string(locus) + ".");
}

void TooManyCopies(int locus) {
    Refuse("Too many gene copies at locus " + std::to_string(locus) + " (at most 32767).");
}

void InputWouldBeOverwritten() {
    Refuse("The input file has the name of a file this program writes; rename it.");
}
