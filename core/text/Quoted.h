#pragma once
// A text in double quotes, for messages that show what was typed. What a
// terminal would act on instead of showing is written visibly: control
// characters (ESC as \x1b, DEL as \x7f), the C1 controls of Unicode (U+009B
// as \u009b) and bytes that are not UTF-8 (\xff). Printable text, quotes and
// backslashes included, is shown as it is.

#include <cstddef>
#include <string>
#include <string_view>

#include "text/Utf8.h"

namespace velmora {

// `text` with control characters and stray bytes written as escapes.
inline std::string VisibleText(std::string_view text) {
    constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            const auto c1 = static_cast<unsigned char>(text[i + 1]);
            shown += "\\u00";
            shown += kHex[c1 >> 4];
            shown += kHex[c1 & 0xF];
        } else if (length == 0 || byte < 0x20 || byte == 0x7F) {
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0xF];
        } else {
            shown.append(text.substr(i, length));
            i += length;
            continue;
        }
        i += length == 0 ? 1 : length;
    }
    return shown;
}

inline std::string Quoted(std::string_view text) {
    // Appended into one reserved string: the chain of temporaries that
    // "\"" + std::string(text) + "\"" makes is also what GCC 12 at -O3 takes
    // for an overlapping copy (-Wrestrict).
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted += VisibleText(text);
    quoted += '"';
    return quoted;
}

}  // namespace velmora
