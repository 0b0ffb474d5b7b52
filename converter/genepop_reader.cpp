#include "genepop_reader.h"

#include <cstdio>
#include <string>

#include "console.h"
#include "data_messages.h"
#include "file_failure.h"
#include "genotype_skip.h"
#include "messages.h"
#include "run_state.h"

namespace {

// No comma among the first 250 characters of a line's head ends the pass.
constexpr int HeadLimit = 251;
constexpr std::size_t MarkerLength = 3;
constexpr std::size_t SixDigits = 6;

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

// `line_at` is where the line of the name begins, for the message that refuses a 101st locus.
void StoreLocusName(std::string_view name, std::uint64_t line_at) {
    if (n_loc == MaxLoci) {
        TooManyLoci(line_at);
    }
    ++n_loc;
    loc_name[n_loc] = std::string(name.substr(0, NameLength));
}

// Stores the locus names of one locus-name line: the line cut to 15 characters, or, when it
// holds commas, each comma-separated name trimmed of blanks and tabs and cut to 15 characters,
// empty pieces dropped.
void StoreLocusNames(std::string_view line, std::uint64_t line_at) {
    if (line.find(',') == std::string_view::npos) {
        StoreLocusName(line, line_at);
        return;
    }
    while (true) {
        const std::size_t comma = line.find(',');
        const std::string_view name = Trimmed(line.substr(0, comma));
        if (!name.empty()) {
            StoreLocusName(name, line_at);
        }
        if (comma == std::string_view::npos) {
            return;
        }
        line.remove_prefix(comma + 1);
    }
}

bool IsMarkerLine(std::string_view line) {
    return IsMarker(line.substr(0, MarkerLength));
}

void TakeGivenGenerations() {
    if (n_given_gen != n_gen) {
        GenerationListDiffers();
    }
    for (int p = 1; p <= n_gen; ++p) {
        gen_no[p] = given_gen_no[p];
    }
}

} // namespace

void OpenGenePop() {
    EnterStep(Step::OpenGenePop);
    std::optional<std::string> name;
    if (name_given) {
        PrintEmptyLines(3);
        std::printf("%s\n", Filled(Msg::UsingData, {{"file", given_name}}).c_str());
        name = given_name;
    } else {
        name = AskFileName();
    }
    // The data cannot come from standard input: the file is read again for every locus.
    if (!name || name->empty() || name->find('\0') != std::string::npos) {
        FileFailure(FileOp::Open, NoSuchFile, TextOf(Msg::NoFileName));
    }
    in_name = *name;
    OpenText(infile, in_name);
}

void GetGenerations() {
    EnterStep(Step::GetGenerations);
    if (gen_no_given) {
        TakeGivenGenerations();
        return;
    }
    OpenText(infile, in_name);
    DropLine(infile);
    for (int p = 1; p <= n_gen; ++p) {
        // The numbers on the other individual lines are never read, so they need not agree.
        while (!AtEnd(infile) && !IsMarker(ReadLine(infile, MarkerLength))) {
        }
        const auto number = ReadInteger(infile);
        if (!number) {
            const LinePlace place = PlaceOf(in_name, Offset(infile) - 1);
            FileFailure(FileOp::ReadNumber, NotANumber,
                        Filled(Msg::GenerationNumberUnread, {{"file", in_name},
                                                             {"line", std::to_string(place.number)},
                                                             {"start", place.start},
                                                             {"sample", std::to_string(p)}}));
        }
        gen_no[p] = *number;
    }
    CloseText(infile);
}

bool IsMarker(std::string_view text) {
    return text == "POP" || text == "Pop" || text == "pop";
}

bool EndsLocusNames(std::string_view line) {
    while (!line.empty() && IsBlank(line.back())) {
        line.remove_suffix(1);
    }
    return IsMarker(line);
}

void ReadHeader(TextFile& text) {
    title = ReadLine(text, TitleLength);
    while (true) {
        if (AtEnd(text)) {
            NoMarkerAfterNames();
        }
        // The whole line is read, so that a line of comma-separated names keeps them all.
        const std::uint64_t line_at = Offset(text);
        const std::string line = ReadLine(text, WholeLine);
        if (EndsLocusNames(line)) {
            return;
        }
        StoreLocusNames(line, line_at);
    }
}

void SkipToFirstMarker(TextFile& text) {
    while (!AtEnd(text)) {
        if (EndsLocusNames(ReadLine(text, WholeLine))) {
            return;
        }
    }
}

bool HoldsSixDigitGenotype(std::string_view line) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
        return false;
    }
    line.remove_prefix(comma + 1);
    while (!line.empty() && IsBlank(line.front())) {
        line.remove_prefix(1);
    }
    if (line.size() < SixDigits) {
        return false;
    }
    for (std::size_t i = 0; i < SixDigits; ++i) {
        if (line[i] < '0' || line[i] > '9') {
            return false;
        }
    }
    return line.size() == SixDigits || IsBlank(line[SixDigits]);
}

void DecideLayout(TextFile& text, std::uint64_t& line_at) {
    code_digits = 2;
    while (!AtEnd(text)) {
        line_at = Offset(text);
        const std::string line = ReadLine(text, WholeLine);
        if (IsMarkerLine(line) || line.find(',') == std::string::npos) {
            continue;
        }
        code_digits = HoldsSixDigitGenotype(line) ? 3 : 2;
        return;
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

// Reads one genotype of two codes of `CodeLength` characters: blanks and tabs are skipped (not a
// line end), then its characters are taken. On an individual line (`on_line`), the end of the
// file among them is the line's end; `ran_out` tells whether a genotype before it met one.
template <std::size_t CodeLength>
Genotype ReadGenotype(TextFile& text, bool on_line, bool ran_out) {
    Genotype genotype;
    genotype.ran_out = ran_out;
    int c = NextChar(text);
    while (IsBlank(c)) {
        c = NextChar(text);
    }
    for (std::size_t k = 0; k < 2 * CodeLength; ++k) {
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

// Passes over one genotype as ReadGenotype reads it; true when the line ended among its
// characters.
template <std::size_t CodeLength> bool PassGenotype(TextFile& text, bool on_line) {
    int c = NextChar(text);
    while (IsBlank(c)) {
        c = NextChar(text);
    }
    bool ran_out = false;
    for (std::size_t k = 0; k < 2 * CodeLength; ++k) {
        if (k > 0) {
            c = NextChar(text);
        }
        ran_out = ran_out || c == '\n' || c == '\r' || (on_line && c == EndOfText);
    }
    return ran_out;
}

template <std::size_t CodeLength>
Genotype ReadGenotypeOfLocusIn(TextFile& text, int locus, bool on_line) {
    bool ran_out = false;
    for (int before = locus - 1; before > 0;) {
        before -= SkipPlainGenotypes(text, before);
        if (before > 0) {
            ran_out = PassGenotype<CodeLength>(text, on_line) || ran_out;
            --before;
        }
    }
    return ReadGenotype<CodeLength>(text, on_line, ran_out);
}

} // namespace

Genotype ReadGenotypeOfLocus(TextFile& text, int locus, bool on_line) {
    return code_digits == 3 ? ReadGenotypeOfLocusIn<3>(text, locus, on_line)
                            : ReadGenotypeOfLocusIn<2>(text, locus, on_line);
}
