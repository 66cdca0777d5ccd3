#include "birth/KeyFilters.h"

#include <algorithm>
#include <iterator>

#include "text/Quoted.h"
#include "text/Utf8.h"

namespace velmora {

namespace {

struct CodeRange {
    char32_t first, last;
};
struct CodePair {
    char32_t lower, capital;
};

// Generated from the Unicode Character Database (tools/unicode-letters.py):
// a table of some 700 ranges instead of a dependency on ICU for one question.
#include "birth/UnicodeLetters.inc"

constexpr char32_t kBackspace = 8;
constexpr char32_t kEnter = 13;
constexpr char32_t kSpace = 32;
constexpr char32_t kRightSingleQuote = 0x2019;  // the apostrophe as typographers and phones write it
// Zero-width non-joiner and joiner: not letters, but Indic scripts need them
// to spell some names (a half form or a chillu instead of a conjunct).
constexpr char32_t kZeroWidthNonJoiner = 0x200C, kZeroWidthJoiner = 0x200D;

KeyFilterResult Accept(char32_t code) { return {code, {}}; }
KeyFilterResult Refuse(std::string_view message) { return {std::nullopt, message}; }

char32_t LatinCapital(char32_t code) {
    if (code >= U'a' && code <= U'z') return code - 32;
    const auto found = std::lower_bound(std::begin(kLatinCapitals), std::end(kLatinCapitals), code,
                                        [](const CodePair& p, char32_t c) { return p.lower < c; });
    return found != std::end(kLatinCapitals) && found->lower == code ? found->capital : code;
}

char32_t DecodeUtf8(std::string_view text, std::size_t at, std::size_t length) {
    const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(text[at + i])); };
    if (length == 1) return byte(0);
    char32_t code = byte(0) & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) code = code << 6 | (byte(i) & 0x3F);
    return code;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Takes the last character (code point) off a UTF-8 text.
void PopUtf8(std::string& text) {
    while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
    if (!text.empty()) text.pop_back();
}

}  // namespace

bool IsLetterOrMark(char32_t code) {
    // Basic Latin's only letters are A-Z and a-z; most names are typed in it.
    if (code < 0x80) return (code >= U'A' && code <= U'Z') || (code >= U'a' && code <= U'z');
    const auto found = std::upper_bound(std::begin(kLettersAndMarks), std::end(kLettersAndMarks), code,
                                        [](char32_t c, const CodeRange& r) { return c < r.first; });
    return found != std::begin(kLettersAndMarks) && code <= std::prev(found)->last;
}

KeyFilterResult FilterNameKey(char32_t code) {
    if (code == kSpace || code == kEnter || code == kBackspace) return Accept(code);
    if (code == U'-' || code == U'\'' || code == kRightSingleQuote) return Accept(code);
    if (code == kZeroWidthNonJoiner || code == kZeroWidthJoiner) return Accept(code);
    if (IsLetterOrMark(code)) return Accept(LatinCapital(code));
    return Refuse(kLettersOnlyMessage);
}

KeyFilterResult FilterNumberKey(char32_t code) {
    if ((code >= U'0' && code <= U'9') || code == kBackspace) return Accept(code);
    return Refuse(kNumbersOnlyMessage);
}

std::string TypeIntoBox(std::string_view keys, KeyFilter filter, std::size_t maxLength,
                        std::string_view boxName, std::string& box) {
    box.clear();
    std::size_t characters = 0;  // in the box
    std::string firstRefusal;
    for (std::size_t at = 0; at < keys.size();) {
        const std::size_t length = Utf8SequenceLength(keys, at);
        // A byte that begins no character is a key no keyboard has: refused.
        const KeyFilterResult r = length == 0 ? filter(0xFFFD) : filter(DecodeUtf8(keys, at, length));
        at += std::max<std::size_t>(length, 1);
        if (!r.Accepted()) {
            if (firstRefusal.empty()) firstRefusal = std::string(r.refusal);
            continue;
        }
        const char32_t typed = *r.accepted;
        if (typed == kBackspace) {
            if (!box.empty()) --characters;
            PopUtf8(box);
        } else if (typed != kEnter) {
            if (characters >= maxLength) {
                if (!firstRefusal.empty()) return firstRefusal;  // the first fault is the one told
                return std::string(boxName) + ": the box holds at most " + std::to_string(maxLength) +
                       " digits, got " + Quoted(keys);
            }
            AppendUtf8(box, typed);
            ++characters;
        }
    }
    return firstRefusal;
}

}  // namespace velmora
