#include "genepop_reader.h"

#include <string>

#include "data_messages.h"
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

} // namespace

bool IsMarker(std::string_view text) {
    return text == "POP" || text == "Pop" || text == "pop";
}

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

Genotype ReadGenotype(TextFile& text, bool on_line) {
    int c = NextChar(text);
    while (IsBlank(c)) {
        c = NextChar(text);
    }
    std::array<int, 4> chars{c, NextChar(text), NextChar(text), NextChar(text)};
    Genotype genotype;
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
