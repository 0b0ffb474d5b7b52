#include "genepop_reader.h"

#include <string>

#include "data_messages.h"
#include "genotype_skip.h"
#include "run_state.h"

namespace {

// No comma among the first 250 characters of a line's head ends the pass.
constexpr int HeadLimit = 251;

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

namespace {

// The usual head, taken at once: a line that starts with a character other than a blank, a tab
// or a line end, with 251 characters or more ready in the buffer. Read exactly as the character
// reads of the general scan read it; false when the head is not of that kind.
bool ScanPlainHead(TextFile& text, Head& head) {
    FillAhead(text, 4 * HeadLimit);
    const std::string_view ahead = Ahead(text);
    if (ahead.size() < HeadLimit || IsBlank(ahead[0]) || ahead[0] == '\n' || ahead[0] == '\r') {
        return false;
    }
    if (IsMarker(ahead.substr(0, 3))) {
        text.pos += 3;
        head = Head::Marker;
        return true;
    }
    const std::size_t comma = ahead.substr(0, HeadLimit - 1).find(',');
    if (comma == std::string_view::npos) {
        text.pos += HeadLimit;
        head = Head::TooLong;
        return true;
    }
    text.pos += comma + 1;
    head = Head::Comma;
    return true;
}

} // namespace

Head ScanHead(TextFile& text) {
    if (Head head{}; ScanPlainHead(text, head)) {
        return head;
    }
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
        if (count == 3 && IsMarker(std::string_view(first.data(), 3))) {
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

// Reads one genotype: blanks and tabs are skipped (not a line end), then four characters are
// taken. On an individual line (`on_line`), the end of the file among them is the line's end.
Genotype ReadGenotype(TextFile& text, bool on_line) {
    Genotype genotype;
    // Usually the genotype lies in the buffered text, a few blanks on: it is taken from there.
    constexpr std::size_t Reach = 16;
    if (text.end - text.pos >= Reach) {
        const char* from = text.buffer.data() + text.pos;
        std::size_t at = 0;
        while (at < Reach - 4 && IsBlank(from[at])) {
            ++at;
        }
        if (at < Reach - 4) {
            genotype.first = {from[at], from[at + 1]};
            genotype.second = {from[at + 2], from[at + 3]};
            for (std::size_t k = at; k < at + 4; ++k) {
                genotype.ran_out = genotype.ran_out || from[k] == '\n' || from[k] == '\r';
            }
            text.pos += at + 4;
            return genotype;
        }
    }
    int c = NextChar(text);
    while (IsBlank(c)) {
        c = NextChar(text);
    }
    const std::array<int, 4> chars{c, NextChar(text), NextChar(text), NextChar(text)};
    for (int k = 0; k < 4; ++k) {
        const int ck = chars[k];
        if (ck == '\n' || ck == '\r' || (on_line && ck == EndOfText)) {
            genotype.ran_out = true;
        }
        const char ch = ck == EndOfText ? EndOfFileChar : static_cast<char>(ck);
        (k < 2 ? genotype.first : genotype.second)[k % 2] = ch;
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
