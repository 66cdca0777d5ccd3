#include "result/ChartPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

#include "presentation/ChartNotes.h"
#include "presentation/ChartLabels.h"
#include "services/LanguageChoice.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"

namespace velmora {

namespace {

const QColor kDarkGreen(0, 64, 0);  // the bodies, as on the result form
const QColor kBlue(0, 0, 255);      // the arudhas
const QColor kLine(0x40, 0x40, 0x40);
const QColor kSignName(0x70, 0x70, 0x70);
// The keyboard focus: a pale fill and a strong outline just inside the house.
const QColor kFocusFill(255, 240, 160);
const QColor kFocusFrame(0, 70, 200);

QFont SizedFont(double pixels, bool bold, bool fixed = false) {
    QFont font(fixed ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    font.setStyleHint(fixed ? QFont::Monospace : QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(pixels)));
    font.setBold(bold);
    const std::string_view script = InfoOf(LanguageChoice::Current()).fontFamily;
    if (script.empty()) {
        font.setStyleStrategy(QFont::PreferNoShaping);  // no ligatures: the texts stay searchable
    } else {
        // The language's script in its Noto font (which the PDF embeds), shaped:
        // its letters join into conjuncts. The Latin letters fall back to DejaVu.
        font.setFamilies({FromUtf8(script), font.family()});
    }
    return font;
}

QRectF Scaled(double left, double top, double width, double height, const QRectF& area) {
    return {area.left() + left * area.width(), area.top() + top * area.height(), width * area.width(),
            height * area.height()};
}

QPolygonF NorthOutline(int house, const QRectF& area) {
    QPolygonF polygon;
    for (const UnitPoint& p : NorthHouseOutline(house))
        polygon << QPointF(area.left() + p.x * area.width(), area.top() + p.y * area.height());
    return polygon;
}

// `polygon` pulled inside its own outline: each corner towards the centre.
QPolygonF Inset(const QPolygonF& polygon, double by) {
    QPointF centre;
    for (const QPointF& p : polygon) centre += p;
    centre /= static_cast<double>(polygon.size());
    QPolygonF inside;
    for (const QPointF& p : polygon) {
        const QPointF towards = centre - p;
        const double length = std::hypot(towards.x(), towards.y());
        inside << (length > 0 ? p + towards * (std::min(by, length / 2) / length) : p);
    }
    return inside;
}

// One line of a cell, with its style.
struct CellLine {
    QString text;
    bool arudha;
};

// The fonts of one size of text.
struct Fonts {
    explicit Fonts(double pixels)
        : body(SizedFont(pixels, false)), arudha(SizedFont(pixels, true)), number(SizedFont(pixels, true, true)),
          sign(SizedFont(pixels * 0.85, false)), bodyMetrics(body), arudhaMetrics(arudha) {}
    QFont body, arudha, number, sign;
    QFontMetricsF bodyMetrics, arudhaMetrics;
    const QFontMetricsF& Metrics(bool forArudha) const { return forArudha ? arudhaMetrics : bodyMetrics; }
};

// Words side by side, as many to a line as fit `width`.
void AppendWrapped(std::vector<CellLine>& lines, const QStringList& words, bool arudha, const QFontMetricsF& metrics,
                   double width) {
    QString line;
    for (const QString& word : words) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines.push_back({line, arudha});
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty()) lines.push_back({line, arudha});
}

QString ShownLabel(const DiagramEntry& entry, bool shortLabels) {
    std::string label = EntryCellLabel(entry, shortLabels, false, WindowTerms());
    while (!label.empty() && label.back() == ' ') label.pop_back();
    return FromUtf8(label);
}

// The bodies (one per line, or side by side when short), then the arudhas
// side by side.
std::vector<CellLine> CellLines(const DiagramCell& cell, bool shortLabels, const Fonts& fonts, double width) {
    std::vector<CellLine> lines;
    QStringList bodies, arudhas;
    for (const DiagramEntry& entry : cell.entries) (entry.arudha ? arudhas : bodies) << ShownLabel(entry, shortLabels);
    if (shortLabels) {
        AppendWrapped(lines, bodies, false, fonts.bodyMetrics, width);
    } else {
        for (const QString& body : bodies) lines.push_back({body, false});
    }
    AppendWrapped(lines, arudhas, true, fonts.arudhaMetrics, width);
    if (!cell.note.empty()) lines.push_back({FromUtf8(cell.note), false});
    return lines;
}

double LinesHeight(const std::vector<CellLine>& lines, const Fonts& fonts) {
    double height = fonts.bodyMetrics.lineSpacing() * 1.15;  // the number's line
    for (const CellLine& l : lines) height += fonts.Metrics(l.arudha).lineSpacing();
    return height;
}

// Whether every house's lines fit its box with text `pixels` high.
bool Fits(const ChartDiagram& diagram, const ChartPaint& how, const QRectF& area, double pixels) {
    const Fonts fonts(pixels);
    const double pad = pixels * 0.4;
    for (int house = 1; house <= kSignCount; ++house) {
        const QRectF box = HouseTextBox(diagram, how.style, house, area);
        const double inner = box.width() - 2 * pad;
        const auto lines = CellLines(diagram.OfHouse(house), how.shortLabels, fonts, inner);
        for (const CellLine& l : lines)
            if (fonts.Metrics(l.arudha).horizontalAdvance(l.text) > inner) return false;
        if (LinesHeight(lines, fonts) > box.height() - pad) return false;
    }
    return true;
}

void PaintGrid(QPainter& painter, const QRectF& area, const ChartDiagram& diagram, const ChartPaint& how) {
    const double thin = std::max(1.0, area.width() / 600);
    const QPen focus(kFocusFrame, std::max(2.0, area.width() / 120), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setBrush(Qt::NoBrush);
    if (how.style == ChartStyle::North) {
        if (how.focusedHouse > 0) {
            QPainterPath path;
            path.addPolygon(NorthOutline(how.focusedHouse, area));
            painter.fillPath(path, kFocusFill);
        }
        painter.setPen(QPen(kLine, thin));
        painter.drawLine(area.topLeft(), area.bottomRight());
        painter.drawLine(area.topRight(), area.bottomLeft());
        painter.drawPolygon(QPolygonF({QPointF(area.center().x(), area.top()), QPointF(area.right(), area.center().y()),
                                       QPointF(area.center().x(), area.bottom()), QPointF(area.left(), area.center().y())}));
        if (how.focusedHouse > 0) {
            painter.setPen(focus);
            // The corners of the narrow houses are sharp: inset by more than the pen.
            painter.drawPolygon(Inset(NorthOutline(how.focusedHouse, area), 2.5 * focus.widthF()));
        }
    } else {
        for (int house = 1; house <= kSignCount; ++house) {
            const QRectF cell = HouseTextBox(diagram, how.style, house, area);
            if (house == how.focusedHouse) painter.fillRect(cell, kFocusFill);
            painter.setPen(QPen(kLine, thin));
            painter.drawRect(cell);
            if (house == how.focusedHouse) {
                const double in = thin + focus.widthF() / 2;
                painter.setPen(focus);
                painter.drawRect(cell.adjusted(in, in, -in, -in));
            }
        }
    }
    painter.setPen(QPen(kLine, 2 * thin));
    painter.drawRect(area.adjusted(thin, thin, -thin, -thin));
}

void PaintCentre(QPainter& painter, const QRectF& area, QStringList lines, double pixels) {
    if (lines.isEmpty()) return;
    const QRectF centre = Scaled(0.25, 0.25, 0.5, 0.5, area);
    const double room = centre.width() - 4 * pixels * 0.4;
    double titlePixels = pixels * 1.3;
    // A long title shrinks to half the size, and what still does not fit is elided.
    while (titlePixels > pixels * 0.65 &&
           QFontMetricsF(SizedFont(titlePixels, true)).horizontalAdvance(lines[0]) > room)
        titlePixels *= 0.94;
    lines[0] = QFontMetricsF(SizedFont(titlePixels, true)).elidedText(lines[0], Qt::ElideRight, room);
    double detailPixels = pixels;
    const auto widest = [&](const QFont& font) {
        const QFontMetricsF m(font);
        double most = 0;
        for (qsizetype i = 1; i < lines.size(); ++i) most = std::max(most, m.horizontalAdvance(lines[i]));
        return most;
    };
    while (detailPixels > 2 && widest(SizedFont(detailPixels, false)) > room) detailPixels *= 0.94;
    const QFont title = SizedFont(titlePixels, true), detail = SizedFont(detailPixels, false);
    const double height = QFontMetricsF(title).lineSpacing() +
                          static_cast<double>(lines.size() - 1) * QFontMetricsF(detail).lineSpacing();
    double y = centre.center().y() - height / 2;
    painter.setPen(Qt::black);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        painter.setFont(i == 0 ? title : detail);
        const QFontMetricsF m(i == 0 ? title : detail);
        painter.drawText(QRectF(centre.left(), y, centre.width(), m.lineSpacing()), Qt::AlignHCenter | Qt::AlignTop,
                         lines[i]);
        y += m.lineSpacing();
    }
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

QRectF HouseTextBox(const ChartDiagram& diagram, ChartStyle style, int house, const QRectF& area) {
    const UnitRect unit =
        style == ChartStyle::North ? NorthTextBox(house) : SouthCell(diagram.OfHouse(house).sign);
    return Scaled(unit.left, unit.top, unit.width, unit.height, area);
}

double ChartTextPixels(const ChartDiagram& diagram, const ChartPaint& how, const QRectF& area) {
    const QSizeF cell(area.width() / 4, area.height() / 4);
    double pixels = std::min(cell.height() / 7.5, cell.width() / 8);
    for (int step = 0; step < 40 && !Fits(diagram, how, area, pixels); ++step) pixels *= 0.94;
    return pixels;
}

void PaintChart(QPainter& painter, const QRectF& area, const ChartDiagram& diagram, const ChartPaint& how) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(area, Qt::white);

    const double pixels = ChartTextPixels(diagram, how, area);
    const double pad = pixels * 0.4;

    PaintGrid(painter, area, diagram, how);

    const Fonts fonts(pixels);
    const bool north = how.style == ChartStyle::North;
    for (int house = 1; house <= kSignCount; ++house) {
        const DiagramCell& c = diagram.OfHouse(house);
        const QRectF outer = HouseTextBox(diagram, how.style, house, area);
        const QRectF box = outer.adjusted(pad, pad * 0.5, -pad, -pad * 0.5);
        const auto lines = CellLines(c, how.shortLabels, fonts, box.width());
        // A North-Indian house's text stands in the middle of its box.
        const double top = north ? box.top() + std::max(0.0, (box.height() - LinesHeight(lines, fonts)) / 2) : box.top();
        const QRectF heading(box.left(), top, box.width(), box.bottom() - top);
        painter.setFont(fonts.number);
        painter.setPen(Qt::black);
        if (north) {
            painter.drawText(heading, Qt::AlignHCenter | Qt::AlignTop, QString::number(c.sign + 1));
        } else {
            // The sign's abbreviation and its fixed number ("Ari", "1").
            painter.drawText(heading, Qt::AlignRight | Qt::AlignTop, QString::number(c.sign + 1));
            painter.setFont(fonts.sign);
            painter.setPen(kSignName);
            painter.drawText(heading, Qt::AlignLeft | Qt::AlignTop, FromUtf8(WindowTerms().signShort[static_cast<std::size_t>(c.sign)]));
        }
        double y = top + fonts.bodyMetrics.lineSpacing() * 1.15;
        for (const CellLine& line : lines) {
            painter.setFont(line.arudha ? fonts.arudha : fonts.body);
            painter.setPen(line.arudha ? kBlue : kDarkGreen);
            const QFontMetricsF& m = fonts.Metrics(line.arudha);
            const double x = north ? box.center().x() - m.horizontalAdvance(line.text) / 2 : box.left();
            painter.drawText(QPointF(x, y + m.ascent()), line.text);
            y += m.lineSpacing();
        }
    }
    if (!north) PaintCentre(painter, area, how.centre, pixels);
    painter.restore();
}

void PaintResultChart(QPainter& painter, const QRectF& area, const Chart& chart, const ResultLabels& labels,
                      ChartStyle style, bool cellDegrees) {
    ChartPaint how;
    how.style = style;
    how.shortLabels = style == ChartStyle::North;
    how.centre = {ShownText(labels.name), FromUtf8(labels.dateOfBirth) + QStringLiteral("  ") + FromUtf8(labels.timeOfBirth),
                  chart.mode != ComputationMode::Precise ? FromUtf8(PositionsNoteIn(chart, LanguageChoice::Current()))
                                                         : Tr(QT_TRANSLATE_NOOP("Velmora", "Precise positions"))};
    const PlacedPoints points = BirthChartPoints(chart);
    PaintChart(painter, area, MakeChartDiagram(cellDegrees ? WithCellDegrees(points, chart) : points), how);
}

}  // namespace velmora
