#include "generation_numbers.h"

#include <cstddef>

#include "file_failure.h"
#include "genepop_reader.h"
#include "run_state.h"
#include "text_file.h"

namespace {

constexpr std::size_t MarkerLength = 3;

} // namespace

void GetGenerations() {
    EnterStep(Step::GetGenerations);
    OpenText(infile, in_name);
    DropLine(infile);
    for (int p = 1; p <= n_gen; ++p) {
        // Only the first individual line of a generation gives its number; the numbers on the
        // other lines are never read, so they need not agree.
        while (!AtEnd(infile) && !IsMarker(ReadLine(infile, MarkerLength))) {
        }
        gen_no[p] = ReadInteger(infile);
    }
    CloseText(infile);
}
