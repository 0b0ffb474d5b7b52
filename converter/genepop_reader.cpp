#include "genepop_reader.h"

#include <string>

#include "console.h"
#include "data_messages.h"
#include "file_failure.h"
#include "genotype_skip.h"
#include "run_state.h"

namespace {

// No comma among the first 250 characters of a line's head ends the pass.
constexpr int HeadLimit = 251;
constexpr std::size_t MarkerLength = 3;

bool IsBlank(int c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view piece) {
    while (!piece.empty() && IsBlank(piece.front())) {
        piece.remove_prefix(1);
    }
    while (!piece.empty() && IsBlank(piece.back())) {
        piece.remove_suffix(1);
    }
    return piece;
}

void StoreLocusName(std::string_view name) {
    if (n_loc == MaxLoci) {
        TooManyLoci();
    }
    ++n_loc;
    loc_name[n_loc] = std::string(name.substr(0, NameLength));
}

// Stores the locus names of one locus-name line: the line cut to 15 characters, or, when it
// holds commas, each comma-separated name trimmed of blanks and tabs and cut to 15 characters,
// empty pieces dropped.
void StoreLocusNames(std::string_view line) {
    if (line.find(',') == std::string_view::npos) {
        StoreLocusName(line);
        return;
    }
    while (true) {
        const std::size_t comma = line.find(',');
        const std::string_view name = Trimmed(line.substr(0, comma));
        if (!name.empty()) {
            StoreLocusName(name);
        }
        if (comma == std::string_view::npos) {
            return;
        }
        line.remove_prefix(comma + 1);
    }
}

} // namespace

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

void GetGenerations() {
    EnterStep(Step::GetGenerations);
    OpenText(infile, in_name);
    DropLine(infile);
    for (int p = 1; p <= n_gen; ++p) {
        // The numbers on the other individual lines are never read, so they need not agree.
        while (!AtEnd(infile) && !IsMarker(ReadLine(infile, MarkerLength))) {
        }
        gen_no[p] = ReadInteger(infile);
    }
    CloseText(infile);
}

bool IsMarker(std::string_view text) {
    return text == "POP" || text == "Pop" || text == "pop";
}

void ReadHeader(TextFile& text) {
    title = ReadLine(text, TitleLength);
    while (true) {
        if (AtEnd(text)) {
            NoMarkerAfterNames();
        }
        // The whole line is read, so that a line of comma-separated names keeps them all; the
        // marker test sees the line cut to the length of a name, as the passes do.
        const std::string line = ReadLine(text, WholeLine);
        if (IsMarker(std::string_view(line).substr(0, NameLength))) {
            return;
        }
        StoreLocusNames(line);
    }
}

void SkipToFirstMarker(TextFile& text) {
    while (!AtEnd(text)) {
        if (IsMarker(ReadLine(text, NameLength))) {
            return;
        }
    }
}

Head ScanHead(TextFile& text) {
    std::array<char, 3> first{};
    int count = 0;
    bool blank_so_far = true; // the line read so far holds only blanks and tabs
    while (true) {
        const int c = NextChar(text);
        if (blank_so_far && (c == '\n' || c == '\r')) {
            if (c == '\r') {
                TakeLineFeed(text);
            }
            count = 0;
            continue;
        }
        const char ch = c == EndOfText ? EndOfFileChar : static_cast<char>(c);
        if (count < 3) {
            first[count] = ch;
        }
        ++count;
        if (blank_so_far) {
            if (IsBlank(c)) {
                continue;
            }
            blank_so_far = false;
        }
        if (count >= HeadLimit) {
            return Head::TooLong;
        }
        if (ch == ',') {
            return Head::Comma;
        }
        if (count == 3 && (first[0] == 'P' || first[0] == 'p') &&
            IsMarker(std::string_view(first.data(), 3))) {
            return Head::Marker;
        }
    }
}

bool SearchComma(TextFile& text) {
    while (true) {
        const int c = NextChar(text);
        if (c == ',') {
            return true;
        }
        if (c == EndOfText) {
            return false;
        }
    }
}

namespace {

// Reads one genotype: blanks and tabs are skipped (not a line end), then its characters are
// taken. On an individual line (`on_line`), the end of the file among them is the line's end.
Genotype ReadGenotype(TextFile& text, bool on_line) {
    Genotype genotype;
    int c = NextChar(text);
    while (IsBlank(c)) {
        c = NextChar(text);
    }
    for (std::size_t k = 0; k < GenotypeLength; ++k) {
        if (k > 0) {
            c = NextChar(text);
        }
        if (c == '\n' || c == '\r' || (on_line && c == EndOfText)) {
            genotype.ran_out = true;
        }
        const char ch = c == EndOfText ? EndOfFileChar : static_cast<char>(c);
        (k < CodeLength ? genotype.first[k] : genotype.second[k - CodeLength]) = ch;
    }
    return genotype;
}

} // namespace

Genotype ReadGenotypeOfLocus(TextFile& text, int locus, bool on_line) {
    bool ran_out = false;
    for (int before = locus - 1; before > 0;) {
        before -= SkipPlainGenotypes(text, before);
        if (before > 0) {
            ran_out = ReadGenotype(text, on_line).ran_out || ran_out;
            --before;
        }
    }
    Genotype genotype = ReadGenotype(text, on_line);
    genotype.ran_out = genotype.ran_out || ran_out;
    return genotype;
}
