#include "conversion_run.h"

#include "console.h"
#include "count_file.h"
#include "file_failure.h"
#include "run_state.h"
#include "text_out.h"

void OpenGenePop() {
    EnterStep(Step::OpenGenePop);
    const auto name = AskFileName();
    // The data cannot come from standard input: the file is read again for every locus.
    if (!name || name->empty() || name->find('\0') != std::string::npos) {
        FileFailure(FileOp::Open, NoSuchFile);
    }
    in_name = *name;
    OpenText(infile, in_name);
}

void EraseCountFiles() {
    EnterStep(Step::EraseCountFiles);
    for (int l = 1; l <= n_loc; ++l) {
        EraseFile(CountFileName(l));
    }
}
