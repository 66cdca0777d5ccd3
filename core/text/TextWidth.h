#pragma once
// How many columns a text takes on a terminal, for the text output's tables
// and chart cells, which are laid out in columns. A code point takes one
// column, except the marks that stand on the letter before them and take
// none: the nonspacing marks (general category Mn) of the Devanagari, Tamil,
// Telugu and Kannada blocks, as the Unicode Character Database 14.0 lists
// them (a vowel sign written above or below, the virama, the anusvara of
// Devanagari and Telugu), and the zero-width joiners. This is how terminals
// count them (wcwidth gives such a mark 0); the spacing vowel signs (Mc)
// take a column of their own. Every text the program writes in a column is
// Latin or of these four scripts; a wide character counts as one.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "text/Utf8.h"

namespace velmora {

namespace detail {

struct CodeRange {
    char32_t first, last;
};

inline constexpr std::array<CodeRange, 26> kZeroWidth = {{
    {0x0900, 0x0902}, {0x093A, 0x093A}, {0x093C, 0x093C}, {0x0941, 0x0948}, {0x094D, 0x094D},
    {0x0951, 0x0957}, {0x0962, 0x0963}, {0x0B82, 0x0B82}, {0x0BC0, 0x0BC0}, {0x0BCD, 0x0BCD},
    {0x0C00, 0x0C00}, {0x0C04, 0x0C04}, {0x0C3C, 0x0C3C}, {0x0C3E, 0x0C40}, {0x0C46, 0x0C48},
    {0x0C4A, 0x0C4D}, {0x0C55, 0x0C56}, {0x0C62, 0x0C63}, {0x0C81, 0x0C81}, {0x0CBC, 0x0CBC},
    {0x0CBF, 0x0CBF}, {0x0CC6, 0x0CC6}, {0x0CCC, 0x0CCD}, {0x0CE2, 0x0CE3}, {0x200B, 0x200D},
    {0xFE00, 0xFE0F},
}};

// The code point of the well-formed sequence at `at` of `length` bytes.
inline char32_t CodePointAt(std::string_view text, std::size_t at, std::size_t length) {
    const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(text[at + i])); };
    if (length == 1) return byte(0);
    char32_t value = byte(0) & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
    for (std::size_t i = 1; i < length; ++i) value = (value << 6) | (byte(i) & 0x3F);
    return value;
}

}  // namespace detail

inline bool IsZeroWidth(char32_t c) {
    for (const detail::CodeRange& range : detail::kZeroWidth)
        if (c >= range.first && c <= range.last) return true;
    return false;
}

// The text cut into the pieces that take one column each: a code point with
// the zero-width marks after it. A byte that begins no valid sequence is a
// piece of its own.
inline std::vector<std::string_view> TextColumns(std::string_view text) {
    std::vector<std::string_view> columns;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) length = 1;
        const bool mark = length > 1 && IsZeroWidth(detail::CodePointAt(text, i, length));
        if (mark && !columns.empty()) {
            const std::string_view last = columns.back();
            columns.back() = std::string_view(last.data(), last.size() + length);
        } else {
            columns.push_back(text.substr(i, length));
        }
        i += length;
    }
    return columns;
}

inline std::size_t TerminalWidth(std::string_view text) { return TextColumns(text).size(); }

// The first `width` columns of the text (all of it when it is narrower).
inline std::string_view FirstColumns(std::string_view text, std::size_t width) {
    std::size_t bytes = 0;
    const std::vector<std::string_view> columns = TextColumns(text);
    for (std::size_t i = 0; i < columns.size() && i < width; ++i) bytes += columns[i].size();
    return text.substr(0, bytes);
}

}  // namespace velmora
