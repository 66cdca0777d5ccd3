#include "report/ReportText.h"

namespace velmora {

std::string ReportPlainText(const Report& report) {
    std::size_t size = 0;
    for (const ReportPiece& piece : report) {
        size += piece.text.size() + (piece.breaks > 0 ? 2 * static_cast<std::size_t>(piece.breaks) : 0);
    }
    std::string text;
    text.reserve(size);
    for (const ReportPiece& piece : report) {
        text += piece.text;
        for (int b = 0; b < piece.breaks; ++b) text += "\r\n";
    }
    return text;
}

}  // namespace velmora
