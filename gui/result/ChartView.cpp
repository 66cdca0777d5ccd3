#include "result/ChartView.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

// South-Indian grid places (row, column) by sign index, Pisces top left.
constexpr int kSouthPlaces[kSignCount][2] = {{0, 1}, {0, 2}, {0, 3}, {1, 3}, {2, 3}, {3, 3},
                                              {3, 2}, {3, 1}, {3, 0}, {2, 0}, {1, 0}, {0, 0}};

// The North-Indian houses as polygons in the unit square, house 1 the top
// diamond and the others counter-clockwise.
const std::array<std::vector<QPointF>, kSignCount>& NorthHouses() {
    static const std::array<std::vector<QPointF>, kSignCount> houses = {{
        {{0.5, 0}, {0.75, 0.25}, {0.5, 0.5}, {0.25, 0.25}},
        {{0, 0}, {0.5, 0}, {0.25, 0.25}},
        {{0, 0}, {0.25, 0.25}, {0, 0.5}},
        {{0, 0.5}, {0.25, 0.25}, {0.5, 0.5}, {0.25, 0.75}},
        {{0, 0.5}, {0.25, 0.75}, {0, 1}},
        {{0, 1}, {0.25, 0.75}, {0.5, 1}},
        {{0.5, 1}, {0.25, 0.75}, {0.5, 0.5}, {0.75, 0.75}},
        {{0.5, 1}, {0.75, 0.75}, {1, 1}},
        {{1, 1}, {0.75, 0.75}, {1, 0.5}},
        {{1, 0.5}, {0.75, 0.75}, {0.5, 0.5}, {0.75, 0.25}},
        {{1, 0.5}, {0.75, 0.25}, {1, 0}},
        {{1, 0}, {0.75, 0.25}, {0.5, 0}},
    }};
    return houses;
}

QPointF Centroid(const std::vector<QPointF>& polygon) {
    QPointF sum;
    for (const QPointF& p : polygon) sum += p;
    return sum / static_cast<double>(polygon.size());
}

// Where a house's text goes, in the unit square.
QRectF NorthTextBox(int house) {
    const QPointF c = Centroid(NorthHouses()[static_cast<std::size_t>(house - 1)]);
    const bool diamond = house == 1 || house == 4 || house == 7 || house == 10;
    const bool upright = house == 3 || house == 5 || house == 9 || house == 11;
    const QSizeF size = diamond ? QSizeF(0.30, 0.30) : upright ? QSizeF(0.15, 0.26) : QSizeF(0.28, 0.15);
    return {c.x() - size.width() / 2, c.y() - size.height() / 2, size.width(), size.height()};
}

QRectF SouthCell(int sign) {
    return {kSouthPlaces[sign][1] / 4.0, kSouthPlaces[sign][0] / 4.0, 0.25, 0.25};
}

QRectF Scaled(const QRectF& unit, const QRectF& area) {
    return {area.left() + unit.left() * area.width(), area.top() + unit.top() * area.height(),
            unit.width() * area.width(), unit.height() * area.height()};
}

int HouseOfSign(int sign, int ascendant) { return (sign - ascendant + kSignCount) % kSignCount + 1; }

// The keyboard focus: a pale fill and a strong outline just inside the house.
const QColor kFocusFill(255, 240, 160);
const QColor kFocusFrame(0, 70, 200);

QPen FocusPen(const QRectF& area) {
    QPen pen(kFocusFrame);
    pen.setWidthF(std::max(2.0, area.width() / 120));
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// `polygon` drawn with `pen` inside its own outline: each corner pulled
// towards the centre by the pen's width.
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

// The sign number, then the bodies (dark green), then the arudhas (blue),
// each wrapped to the box; the font shrinks until everything fits.
void PaintCellText(QPainter& painter, const QRectF& box, const QString& heading, const std::vector<ChartEntry>& entries) {
    QStringList bodies, arudhas;
    for (const ChartEntry& e : entries) (e.arudha ? arudhas : bodies) << e.text;
    const QString parts[3] = {heading, bodies.join(QLatin1Char(' ')), arudhas.join(QLatin1Char(' '))};
    const QColor colours[3] = {QColor(0, 0, 0), QColor(0, 64, 0), QColor(0, 0, 255)};
    QFont font = painter.font();
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    for (double points = 9; points >= 5; points -= 0.5) {
        font.setPointSizeF(points);
        QFontMetricsF metrics(font, painter.device());
        double height = 0;
        for (const QString& part : parts)
            if (!part.isEmpty()) height += metrics.boundingRect(box, flags, part).height();
        if (height <= box.height() || points <= 5) break;
    }
    QFontMetricsF metrics(font, painter.device());
    double height = 0;
    for (const QString& part : parts)
        if (!part.isEmpty()) height += metrics.boundingRect(box, flags, part).height();
    double top = box.top() + std::max(0.0, (box.height() - height) / 2);
    for (int i = 0; i < 3; ++i) {
        if (parts[i].isEmpty()) continue;
        QFont partFont = font;
        partFont.setBold(i != 1);
        painter.setFont(partFont);
        painter.setPen(colours[i]);
        const QRectF line(box.left(), top, box.width(), box.bottom() + metrics.height() * 4 - top);
        const QRectF used = painter.boundingRect(line, flags, parts[i]);
        painter.drawText(line, flags, parts[i]);
        top += used.height();
    }
}

QString SpokenHouse(int house, int sign, const std::vector<ChartEntry>& entries, ChartStyle style) {
    const std::string_view name = kSignEnglishNames[static_cast<std::size_t>(sign)];
    const QString signName = QLatin1String(name.data(), static_cast<qsizetype>(name.size()));
    QString text = style == ChartStyle::North ? QStringLiteral("House %1, %2").arg(house).arg(signName)
                                              : QStringLiteral("%1, house %2").arg(signName).arg(house);
    QStringList spoken;
    for (const ChartEntry& e : entries) spoken << e.spoken;
    text += spoken.isEmpty() ? QStringLiteral(": empty") : QStringLiteral(": ") + spoken.join(QStringLiteral(", "));
    return text;
}

std::vector<QString> CaptionLines(const std::string& caption) {
    std::vector<QString> lines;
    for (const QString& line : QString::fromStdString(caption).split(QStringLiteral("\r\n"))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty()) lines.push_back(trimmed);
    }
    return lines;
}

}  // namespace

ChartEntries EntriesFromCaptions(const std::array<std::string, kSignCount>& bodies,
                                 const std::array<std::string, kSignCount>* arudhas) {
    ChartEntries entries;
    for (int sign = 0; sign < kSignCount; ++sign) {
        for (const QString& line : CaptionLines(bodies[static_cast<std::size_t>(sign)])) {
            const bool retrograde = line.endsWith(QStringLiteral("(R)"));
            QString name = line;
            if (retrograde) name.chop(3);
            name = name.trimmed();
            ChartEntry entry{name, name, false};
            for (int b = 0; b < kBodyCount; ++b) {
                if (name != QLatin1String(kPlainBodyNames[b].data(), static_cast<qsizetype>(kPlainBodyNames[b].size())))
                    continue;
                entry.text = QLatin1String(kBodyAbbreviations[b].data(), 2);
                entry.spoken = b == 9 ? QStringLiteral("Ascendant") : name;
            }
            if (retrograde) {
                entry.text += QStringLiteral("(R)");
                entry.spoken += QStringLiteral(" retrograde");
            }
            entries[static_cast<std::size_t>(sign)].push_back(entry);
        }
        if (!arudhas) continue;
        for (const QString& line : CaptionLines((*arudhas)[static_cast<std::size_t>(sign)]))
            entries[static_cast<std::size_t>(sign)].push_back({line, line, true});
    }
    return entries;
}

int AscendantSignOf(const std::array<std::string, kSignCount>& bodies) {
    for (int sign = 0; sign < kSignCount; ++sign)
        for (const QString& line : CaptionLines(bodies[static_cast<std::size_t>(sign)]))
            if (line == QStringLiteral("Asc")) return sign;
    return 0;
}

ChartView::ChartView(const QString& title, ChartEntries entries, int ascendantSign, ChartStyle style, QWidget* parent)
    : QWidget(parent), title_(title), entries_(std::move(entries)), ascendant_(ascendantSign), style_(style) {
    setAccessibleName(title);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    for (int house = 1; house <= kSignCount; ++house) {
        auto* spot = new QWidget(this);
        spot->setObjectName(QStringLiteral("house%1").arg(house));
        spot->setFocusPolicy(Qt::TabFocus);
        spot->setAttribute(Qt::WA_TransparentForMouseEvents);
        spot->installEventFilter(this);
        spots_[static_cast<std::size_t>(house - 1)] = spot;
    }
    SetStyle(style);
}

void ChartView::SetStyle(ChartStyle style) {
    style_ = style;
    for (int house = 1; house <= kSignCount; ++house) {
        const int sign = NorthHouseSign(ascendant_, house);
        HouseSpot(house)->setAccessibleName(
            SpokenHouse(house, sign, entries_[static_cast<std::size_t>(sign)], style_));
    }
    PlaceSpots();
    update();
}

QRectF ChartView::ChartArea() const {
    const double side = std::min(width(), height()) - 2.0;
    return {(width() - side) / 2, (height() - side) / 2, side, side};
}

void ChartView::PlaceSpots() {
    const QRectF area = ChartArea();
    for (int house = 1; house <= kSignCount; ++house) {
        const int sign = NorthHouseSign(ascendant_, house);
        const QRectF unit = style_ == ChartStyle::North ? NorthTextBox(house) : SouthCell(sign);
        HouseSpot(house)->setGeometry(Scaled(unit, area).toAlignedRect());
    }
}

void ChartView::resizeEvent(QResizeEvent*) { PlaceSpots(); }

bool ChartView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) update();
    return QWidget::eventFilter(watched, event);
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    int focused = 0;
    for (int house = 1; house <= kSignCount; ++house)
        if (HouseSpot(house)->hasFocus()) focused = house;
    Paint(painter, ChartArea(), title_, entries_, ascendant_, style_, focused);
}

void ChartView::Paint(QPainter& painter, const QRectF& area, const QString& title, const ChartEntries& entries,
                      int ascendantSign, ChartStyle style, int focusedHouse) {
    painter.save();
    painter.fillRect(area, Qt::white);
    QPen line(QColor(0x40, 0x40, 0x40));
    line.setWidthF(std::max(1.0, area.width() / 300));
    painter.setPen(line);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    QFont base = painter.font();

    if (style == ChartStyle::North) {
        auto at = [&area](double u, double v) { return QPointF(area.left() + u * area.width(), area.top() + v * area.height()); };
        painter.drawLine(at(0, 0), at(1, 1));
        painter.drawLine(at(1, 0), at(0, 1));
        painter.drawPolygon(QPolygonF({at(0.5, 0), at(1, 0.5), at(0.5, 1), at(0, 0.5)}));
        for (int house = 1; house <= kSignCount; ++house) {
            const int sign = NorthHouseSign(ascendantSign, house);
            if (house == focusedHouse) {
                QPolygonF polygon;
                for (const QPointF& p : NorthHouses()[static_cast<std::size_t>(house - 1)]) polygon << at(p.x(), p.y());
                QPainterPath path;
                path.addPolygon(polygon);
                painter.fillPath(path, kFocusFill);
                const QPen focus = FocusPen(area);
                painter.setPen(focus);
                // The corners of the narrow houses are sharp: inset by more than the pen.
                painter.drawPolygon(Inset(polygon, 2.5 * focus.widthF()));
            }
            painter.setFont(base);
            PaintCellText(painter, Scaled(NorthTextBox(house), area), QString::number(sign + 1),
                          entries[static_cast<std::size_t>(sign)]);
            painter.setPen(line);
        }
    } else {
        for (int sign = 0; sign < kSignCount; ++sign) {
            const QRectF cell = Scaled(SouthCell(sign), area);
            const bool focused = HouseOfSign(sign, ascendantSign) == focusedHouse;
            if (focused) painter.fillRect(cell, kFocusFill);
            painter.setPen(line);
            painter.drawRect(cell);
            if (focused) {
                const QPen focus = FocusPen(area);
                const double in = line.widthF() + focus.widthF() / 2;
                painter.setPen(focus);
                painter.drawRect(cell.adjusted(in, in, -in, -in));
            }
            painter.setFont(base);
            const QString heading = QStringLiteral("%1 %2").arg(QLatin1String(kSignNames[sign].data(), 3)).arg(sign + 1);
            PaintCellText(painter, cell.adjusted(3, 3, -3, -3), heading, entries[static_cast<std::size_t>(sign)]);
        }
        QFont titleFont = base;
        titleFont.setBold(true);
        titleFont.setPointSizeF(std::max(7.0, area.width() / 30));
        painter.setFont(titleFont);
        painter.setPen(QColor(0x40, 0x40, 0x40));
        painter.drawText(Scaled(QRectF(0.25, 0.25, 0.5, 0.5), area), Qt::AlignCenter | Qt::TextWordWrap, title);
    }
    painter.restore();
}

}  // namespace velmora
