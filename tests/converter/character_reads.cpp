// Linked with Pelkin's own main into `pelkin_character_reads`: Pelkin with its genotype skip
// turned off, so that it reads every genotype with the character reads. The whole-program tests
// and the benchmark compare it with Pelkin. The switch is turned off while the program starts,
// before main runs; the switch itself is constant-initialized, so it is set by then.
#include "genotype_skip.h"

namespace {

const bool skip_turned_off = [] {
    genotype_skip_on = false;
    return true;
}();

} // namespace
