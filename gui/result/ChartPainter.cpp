#include "result/ChartPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>

#include "presentation/SouthIndianGrid.h"

namespace velmora {

namespace {

const QColor kDarkGreen(0, 64, 0);  // the bodies, as on the result form
const QColor kBlue(0, 0, 255);      // the arudhas
const QColor kLine(0x40, 0x40, 0x40);
const QColor kSignName(0x70, 0x70, 0x70);

QFont SizedFont(double pixels, bool bold, bool fixed = false) {
    QFont font(fixed ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    font.setStyleHint(fixed ? QFont::Monospace : QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(pixels)));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferNoShaping);  // no ligatures: the texts stay searchable
    return font;
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString ShownText(const std::string& text) {
    // Only the start is decoded: a long text costs no more than a short one.
    const std::size_t bytes = std::min<std::size_t>(text.size(), 4 * (kLongestShownText + 1));
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(bytes));
    if (shown.size() <= kLongestShownText && bytes == text.size()) return shown;
    qsizetype cut = std::min(shown.size(), kLongestShownText);
    if (cut > 0 && shown[cut - 1].isHighSurrogate()) --cut;  // never half a character
    shown.truncate(cut);
    shown += QChar(0x2026);
    return shown;
}

namespace {

// One line of a cell, with its style.
struct CellLine {
    QString text;
    bool arudha;
};

// The bodies one per line, then the arudhas as many to a line as fit.
std::vector<CellLine> CellLines(const ResultFormTexts& result, int sign, const QFontMetricsF& arudha,
                                double width) {
    std::vector<CellLine> lines;
    for (const QString& entry : CaptionEntries(result.signBoxes[static_cast<std::size_t>(sign)]))
        lines.push_back({entry, false});
    QString line;
    for (const QString& entry : CaptionEntries(result.lblArudha[static_cast<std::size_t>(sign)])) {
        const QString longer = line.isEmpty() ? entry : line + QLatin1Char(' ') + entry;
        if (!line.isEmpty() && arudha.horizontalAdvance(longer) > width) {
            lines.push_back({line, true});
            line = entry;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty()) lines.push_back({line, true});
    return lines;
}

// Whether every cell's lines fit a cell of `cell` size with text `pixels` high.
bool Fits(const ResultFormTexts& result, const QSizeF& cell, double pixels) {
    const QFontMetricsF body(SizedFont(pixels, false));
    const QFontMetricsF arudha(SizedFont(pixels, true));
    const double inner = cell.width() - 2 * pixels * 0.4;
    for (int sign = 0; sign < kSignCount; ++sign) {
        const auto lines = CellLines(result, sign, arudha, inner);
        double height = body.lineSpacing() * 1.15;  // the number's line
        for (const CellLine& l : lines) {
            const QFontMetricsF& m = l.arudha ? arudha : body;
            if (m.horizontalAdvance(l.text) > inner) return false;
            height += m.lineSpacing();
        }
        if (height > cell.height() - pixels * 0.4) return false;
    }
    return true;
}

}  // namespace

QStringList CaptionEntries(const std::string& caption) {
    QStringList entries;
    for (QString entry : FromUtf8(caption).split(QStringLiteral("\r\n"))) {
        while (entry.endsWith(QLatin1Char(' '))) entry.chop(1);
        if (!entry.isEmpty()) entries << entry;
    }
    return entries;
}

void PaintSouthIndianChart(QPainter& painter, const QRectF& area, const ResultFormTexts& result) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(area, Qt::white);

    const QSizeF cell(area.width() / 4, area.height() / 4);
    double pixels = std::min(cell.height() / 7.5, cell.width() / 8);
    for (int step = 0; step < 40 && !Fits(result, cell, pixels); ++step) pixels *= 0.94;
    const double pad = pixels * 0.4;

    // The grid: the outer border, the twelve cells, the empty centre.
    const double thin = std::max(1.0, area.width() / 600);
    painter.setPen(QPen(kLine, thin));
    painter.setBrush(Qt::NoBrush);
    for (int sign = 0; sign < kSignCount; ++sign) {
        const GridPlace p = kSouthIndianGrid[sign];
        painter.drawRect(QRectF(area.left() + p.column * cell.width(), area.top() + p.row * cell.height(),
                                cell.width(), cell.height()));
    }
    painter.setPen(QPen(kLine, 2 * thin));
    painter.drawRect(area.adjusted(thin, thin, -thin, -thin));

    const QFont bodyFont = SizedFont(pixels, false);
    const QFont arudhaFont = SizedFont(pixels, true);
    const QFont numberFont = SizedFont(pixels, true, true);
    const QFont signFont = SizedFont(pixels * 0.85, false);
    const QFontMetricsF body(bodyFont), arudha(arudhaFont);
    for (int sign = 0; sign < kSignCount; ++sign) {
        const GridPlace p = kSouthIndianGrid[sign];
        const QRectF box(area.left() + p.column * cell.width() + pad, area.top() + p.row * cell.height() + pad * 0.5,
                         cell.width() - 2 * pad, cell.height() - pad);
        // The sign's abbreviation and its fixed number ("Ari", "1").
        painter.setFont(signFont);
        painter.setPen(kSignName);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(kSignNames[sign].data(), 3));
        painter.setFont(numberFont);
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignRight | Qt::AlignTop, QString::number(sign + 1));
        double y = box.top() + body.lineSpacing() * 1.15;
        for (const CellLine& line : CellLines(result, sign, arudha, box.width())) {
            painter.setFont(line.arudha ? arudhaFont : bodyFont);
            painter.setPen(line.arudha ? kBlue : kDarkGreen);
            const QFontMetricsF& m = line.arudha ? arudha : body;
            painter.drawText(QPointF(box.left(), y + m.ascent()), line.text);
            y += m.lineSpacing();
        }
    }

    // The centre: whose chart it is.
    const QRectF centre(area.left() + cell.width(), area.top() + cell.height(), 2 * cell.width(), 2 * cell.height());
    QStringList lines = {ShownText(result.lblName), FromUtf8(result.lblDOB) + QStringLiteral("  ") +
                                                             FromUtf8(result.lblTOB),
                               result.lblMode.empty() ? FromUtf8(kClassicPositionsNote)
                                                      : QStringLiteral("Precise positions")};
    double titlePixels = pixels * 1.3;
    const double room = centre.width() - 4 * pad;
    // A long name shrinks to half the size, and what still does not fit is elided.
    while (titlePixels > pixels * 0.65 && QFontMetricsF(SizedFont(titlePixels, true)).horizontalAdvance(lines[0]) > room)
        titlePixels *= 0.94;
    lines[0] = QFontMetricsF(SizedFont(titlePixels, true)).elidedText(lines[0], Qt::ElideRight, room);
    double detailPixels = pixels;
    const auto widest = [&](const QFont& font) {
        const QFontMetricsF m(font);
        return std::max(m.horizontalAdvance(lines[1]), m.horizontalAdvance(lines[2]));
    };
    while (detailPixels > 2 && widest(SizedFont(detailPixels, false)) > room) detailPixels *= 0.94;
    const QFont title = SizedFont(titlePixels, true), detail = SizedFont(detailPixels, false);
    const double height = QFontMetricsF(title).lineSpacing() + 2 * QFontMetricsF(detail).lineSpacing();
    double y = centre.center().y() - height / 2;
    painter.setPen(Qt::black);
    for (int i = 0; i < lines.size(); ++i) {
        painter.setFont(i == 0 ? title : detail);
        const QFontMetricsF m(i == 0 ? title : detail);
        painter.drawText(QRectF(centre.left(), y, centre.width(), m.lineSpacing()), Qt::AlignHCenter | Qt::AlignTop,
                         lines[i]);
        y += m.lineSpacing();
    }
    painter.restore();
}

}  // namespace velmora
