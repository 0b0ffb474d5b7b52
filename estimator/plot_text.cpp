#include "plot_text.h"

std::string XmlText(std::string_view text) {
    std::string xml;
    for (std::size_t at = 0; at < text.size(); ++at) {
        switch (text[at]) {
        case '&':
            xml += "&amp;";
            break;
        case '<':
            xml += "&lt;";
            break;
        case '>':
            xml += "&gt;";
            break;
        case '"':
            xml += "&quot;";
            break;
        default:
            if (text.compare(at, 3, "\xEF\xBF\xBE") == 0 ||
                text.compare(at, 3, "\xEF\xBF\xBF") == 0) {
                xml += text[at + 2] == '\xBE' ? "\\xEF\\xBF\\xBE" : "\\xEF\\xBF\\xBF";
                at += 2;
            } else {
                xml += text[at];
            }
        }
    }
    return xml;
}
