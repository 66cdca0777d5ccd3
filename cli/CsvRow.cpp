#include "cli/CsvRow.h"

#include <algorithm>
#include <cmath>

#include "cli/NumberText.h"

namespace velmora::cli {

void CsvRow::BeforeCell() {
    if (hasCells_) out_ += ',';
    hasCells_ = true;
}

void CsvRow::String(std::string_view text) {
    BeforeCell();
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out_ += text;
        return;
    }
    out_ += '"';
    for (std::size_t start = 0;;) {
        const std::size_t quote = text.find('"', start);
        out_.append(text.substr(start, quote == std::string_view::npos ? quote : quote + 1 - start));
        if (quote == std::string_view::npos) break;
        out_ += '"';
        start = quote + 1;
    }
    out_ += '"';
}

void CsvRow::TypedText(std::string_view text) {
    const auto isControl = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7f'; };
    const bool formula = !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    if (!formula && std::find_if(text.begin(), text.end(), isControl) == text.end()) return String(text);
    std::string guarded;
    guarded.reserve(text.size() + 8);
    if (formula) guarded += '\'';
    for (const char c : text) {
        if (!isControl(c)) {
            guarded += c;
            continue;
        }
        constexpr char kHex[] = "0123456789abcdef";
        const auto byte = static_cast<unsigned char>(c);
        guarded += "\\x";
        guarded += kHex[byte >> 4];
        guarded += kHex[byte & 0xf];
    }
    String(guarded);
}

void CsvRow::Int(std::int64_t value) {
    BeforeCell();
    AppendInteger(out_, value);
}

void CsvRow::Bool(bool value) {
    BeforeCell();
    out_ += value ? "true" : "false";
}

void CsvRow::Double(double value) {
    BeforeCell();
    if (!std::isfinite(value)) return;
    AppendShortestDouble(out_, value);
}

void CsvRow::Empty() { BeforeCell(); }

void CsvRow::Note(std::string_view message) {
    if (!notes_.empty()) notes_ += "; ";
    if (!noteField_.empty()) {
        notes_ += noteField_;
        notes_ += ": ";
    }
    notes_ += message;
}

void CsvRow::End() {
    out_ += "\r\n";
    hasCells_ = false;
}

}  // namespace velmora::cli
