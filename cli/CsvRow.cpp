#include "cli/CsvRow.h"

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

void CsvRow::End() {
    out_ += "\r\n";
    hasCells_ = false;
}

}  // namespace velmora::cli
