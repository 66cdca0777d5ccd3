#include "atlas/TextFold.h"

#include <cstdint>

namespace velmora {

namespace {

// The base letter of each character U+00C0–U+024F and U+1E00–U+1EFF, taken
// from their canonical decompositions (with ø, ł, đ, ı and the like added by
// hand); '#' marks a letter written with two ("æ", "ß", "þ", "œ"), '?' a
// character that is no letter and is left out.
constexpr std::string_view kLatin =
    "aaaaaa#ceeeeiiiidnooooo?ouuuuy##aaaaaa#ceeeeiiiidnooooo?ouuuuy#yaaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiii"
    "iiii??jjkkkllllllllllnnnnnn?nnoooooo##rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzz????????????????e??f????????"
    "?????oo?????????????uu????????????????????????????aaiioouuuuuuuuuueaaaa????ggkkoooo??j???gg??nnaa????aaaaeeee"
    "iiiioooorrrruuuusstt??hh??????aaeeooooooooyy????????????????????????????";
constexpr std::string_view kLatinAdditional =
    "aabbbbbbccddddddddddeeeeeeeeeeffgghhhhhhhhhhiiiikkkkkkllllllllmmmmmmnnnnnnnnoooooooopppprrrrrrrrssssssssssttt"
    "tttttuuuuuuuuuuvvvvwwwwwwwwwwxxxxyyzzzzzzhtwy??????aaaaaaaaaaaaaaaaaaaaaaaaeeeeeeeeeeeeeeeeiiiioooooooooooooooo"
    "oooooooouuuuuuuuuuuuuuyyyyyyyy??????";
static_assert(kLatin.size() == 0x250 - 0xC0);
static_assert(kLatinAdditional.size() == 0x100);

std::string_view TwoLetters(std::uint32_t cp) {
    switch (cp) {
    case 0xC6: case 0xE6: return "ae";
    case 0xDE: case 0xFE: return "th";
    case 0xDF: return "ss";
    case 0x152: case 0x153: return "oe";
    default: return {};
    }
}

// One code point from `text` at `at`; an invalid byte counts as itself.
std::uint32_t NextCodePoint(std::string_view text, std::size_t& at, std::size_t& length) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 1;
    if (at + length > text.size()) length = 1;
    std::uint32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            length = 1;
            return lead;
        }
        cp = (cp << 6) | (byte(at + i) & 0x3F);
    }
    at += length;
    return cp;
}

}  // namespace

std::string FoldForSearch(std::string_view utf8) {
    std::string key;
    key.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        const std::size_t start = at;
        std::size_t length = 1;
        const std::uint32_t cp = NextCodePoint(utf8, at, length);
        if (at == start) at += 1;  // an invalid byte
        if (cp < 0x80) {
            const char c = static_cast<char>(cp);
            if (c >= 'A' && c <= 'Z') key += static_cast<char>(c - 'A' + 'a');
            else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) key += c;
            continue;  // spaces, punctuation and controls are left out
        }
        char base = 0;
        if (cp >= 0xC0 && cp < 0x250) base = kLatin[cp - 0xC0];
        else if (cp >= 0x1E00 && cp < 0x1F00) base = kLatinAdditional[cp - 0x1E00];
        else if (cp < 0xC0) continue;  // Latin-1 punctuation and symbols
        if (base == '#') key += TwoLetters(cp);
        else if (base == '?') continue;
        else if (base != 0) key += base;
        else if ((cp >= 0x2B0 && cp < 0x370) || (cp >= 0x2000 && cp < 0x2070)) continue;  // marks, ’ and the like
        else key.append(utf8.substr(start, at - start));  // another script, as written
    }
    return key;
}

}  // namespace velmora
