#pragma once
// Terminal styling: escape sequences only when the output is a terminal.

#include <string>
#include <string_view>

namespace velmora::cli {

inline constexpr std::string_view kBold = "1";
inline constexpr std::string_view kDarkRed = "31";
inline constexpr std::string_view kBoldDarkRed = "1;31";
inline constexpr std::string_view kGreen = "32";
inline constexpr std::string_view kBoldBlue = "1;34";

// `text` wrapped in the SGR sequence `code` when `ansi`, else unchanged.
inline void AppendStyled(std::string& out, std::string_view text, std::string_view code, bool ansi) {
    if (!ansi || code.empty() || text.empty()) {
        out += text;
        return;
    }
    out += "\x1b[";
    out += code;
    out += 'm';
    out += text;
    out += "\x1b[0m";
}

// A section of the text output after the first: an empty line, the heading
// in bold, and the line's end.
inline void AppendSectionHeading(std::string& out, std::string_view text, bool ansi) {
    out += '\n';
    AppendStyled(out, text, kBold, ansi);
    out += '\n';
}

}  // namespace velmora::cli
