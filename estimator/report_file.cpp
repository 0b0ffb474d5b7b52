#include "report_file.h"

#include <cstdio>

#include "data_tables.h"
#include "error.h"

namespace {

std::FILE* outfile = nullptr;

} // namespace

void OpenReport() {
    outfile = std::fopen(outfilename.c_str(), "a");
    if (outfile == nullptr) {
        Error(" Cannon open outfile for writing ");
    }
}

void CloseReport() {
    const bool written = std::ferror(outfile) == 0;
    if (std::fclose(outfile) != 0 || !written) {
        Error("Cannot write the results to " + outfilename);
    }
    outfile = nullptr;
}

void WriteReportText(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), outfile);
}
