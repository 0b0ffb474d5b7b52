#include "text_input.h"

#include <cctype>

int PeekChar(TextInput& in, int k) {
    while (in.n_ahead <= k) {
        in.ahead[in.n_ahead] = std::getc(in.file);
        ++in.n_ahead;
    }
    return in.ahead[k];
}

int GetChar(TextInput& in) {
    if (in.n_ahead == 0) {
        return std::getc(in.file);
    }
    const int c = in.ahead[0];
    for (int i = 1; i < in.n_ahead; ++i) {
        in.ahead[i - 1] = in.ahead[i];
    }
    --in.n_ahead;
    return c;
}

int GetLineChar(TextInput& in) {
    const int c = GetChar(in);
    if (c == '\r' && PeekChar(in, 0) == '\n') {
        return GetChar(in);
    }
    return c;
}

void SkipSpace(TextInput& in) {
    for (int c = PeekChar(in, 0); c != EOF && std::isspace(c); c = PeekChar(in, 0)) {
        GetChar(in);
    }
}

void SkipLine(TextInput& in) {
    for (int c = GetChar(in); c != EOF && c != '\n'; c = GetChar(in)) {
    }
}

void SkipToLineEnd(TextInput& in) {
    for (int c = PeekChar(in, 0); c != EOF && c != '\n'; c = PeekChar(in, 0)) {
        GetChar(in);
    }
}
