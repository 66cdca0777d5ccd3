#pragma once
// What a translated text is written in: the words of Latin letters left in
// it (an English word the translation missed) and whether its letters are
// its language's script. The blocks as the Unicode code charts give them:
// Devanagari U+0900–U+097F, Tamil U+0B80–U+0BFF, Telugu U+0C00–U+0C7F,
// Kannada U+0C80–U+0CFF.

#include <string>
#include <string_view>
#include <vector>

#include "text/Language.h"
#include "text/TextWidth.h"

namespace velmora::test {

// The runs of ASCII letters in `text`: "D9 लग्न (UTC+05:30)" has "D" and "UTC".
inline std::vector<std::string> LatinWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

// Whether `text` has a letter of the language's script and none of another
// Indic script (a Kannada name written in Telugu letters fails).
inline bool InItsScript(Language language, std::string_view text) {
    const char32_t first[] = {0, 0x0900, 0x0B80, 0x0C00, 0x0C80};
    const char32_t last[] = {0, 0x097F, 0x0BFF, 0x0C7F, 0x0CFF};
    const auto l = static_cast<std::size_t>(language);
    bool own = false;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) return false;
        const char32_t c = detail::CodePointAt(text, i, length);
        if (c >= first[l] && c <= last[l]) own = true;
        else if (c >= 0x0900 && c <= 0x0DFF) return false;
        i += length;
    }
    return own;
}

}  // namespace velmora::test
