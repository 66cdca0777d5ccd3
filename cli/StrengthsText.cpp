#include "cli/StrengthsText.h"

#include <algorithm>

#include "cli/Ansi.h"
#include "presentation/Phrases.h"
#include "presentation/StrengthLabels.h"
#include "text/TextWidth.h"

namespace velmora::cli {

namespace {

// Columns as a terminal counts them, not bytes: a middle's "°" and "′" take
// one column each, an Indic vowel sign above or below its letter none.
std::size_t Columns(const std::string& text) { return TerminalWidth(text); }

void AppendTable(std::string& out, const StrengthTable& table) {
    std::vector<std::size_t> widths(table.header.size(), 0);
    const auto measure = [&widths](const std::vector<std::string>& row) {
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], Columns(row[c]));
    };
    measure(table.header);
    for (const auto& row : table.rows) measure(row);
    const auto line = [&](const std::vector<std::string>& row) {
        std::string text = "  ";
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string pad(widths[c] - Columns(row[c]), ' ');
            // The first column is a label, to the left; the numbers to the right.
            text += c == 0 ? row[c] + pad : "  " + pad + row[c];
        }
        while (!text.empty() && text.back() == ' ') text.pop_back();
        out += text + '\n';
    };
    out += table.title + '\n';
    line(table.header);
    for (const auto& row : table.rows) line(row);
}

}  // namespace

void AppendStrengthsSection(std::string& out, const StrengthsOutcome& strengths, bool ansi, Language language) {
    AppendSectionHeading(out, Say(language, "Strengths"), ansi);
    bool first = true;
    for (const StrengthTable& table : StrengthTables(strengths, language)) {
        if (!first) out += '\n';
        first = false;
        AppendTable(out, table);
    }
    for (const std::string& note : StrengthNotes(strengths, language)) out += '\n' + note + '\n';
}

}  // namespace velmora::cli
