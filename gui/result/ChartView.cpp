#include "result/ChartView.h"

#include <QEvent>
#include <QPainter>
#include <QStringList>
#include <algorithm>

#include "result/ChartPainter.h"
#include "services/LanguageChoice.h"
#include "widgets/Translated.h"

namespace velmora {

namespace {

QString SpokenHouse(const DiagramCell& cell, ChartStyle style) {
    const std::string_view name = WindowTerms().signs[static_cast<std::size_t>(cell.sign)];
    const QString signName = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    QString text = style == ChartStyle::North ? Tr(QT_TRANSLATE_NOOP("Velmora", "House %1, %2")).arg(cell.house).arg(signName)
                                              : Tr(QT_TRANSLATE_NOOP("Velmora", "%1, house %2")).arg(signName).arg(cell.house);
    QStringList spoken;
    for (const DiagramEntry& entry : cell.entries)
        spoken << QString::fromStdString(EntrySpokenLabel(entry, SpokenNames::Full, LanguageChoice::Current()));
    if (!cell.note.empty()) spoken << QString::fromStdString(cell.note);
    text += spoken.isEmpty() ? Tr(QT_TRANSLATE_NOOP("Velmora", ": empty")) : QStringLiteral(": ") + spoken.join(QStringLiteral(", "));
    return text;
}

}  // namespace

ChartView::ChartView(const QString& title, ChartDiagram diagram, ChartStyle style, QWidget* parent)
    : QWidget(parent), title_(title), diagram_(std::move(diagram)), style_(style) {
    setAccessibleName(title);
    // As large as the room its window gives it in both directions (the
    // chart is the largest square there): a height asked for by the width
    // would make a wide window's page taller than its screen.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
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
    for (int house = 1; house <= kSignCount; ++house)
        HouseSpot(house)->setAccessibleName(SpokenHouse(diagram_.OfHouse(house), style_));
    PlaceSpots();
    update();
}

void ChartView::SetChart(const QString& title, ChartDiagram diagram) {
    title_ = title;
    diagram_ = std::move(diagram);
    setAccessibleName(title);
    SetStyle(style_);  // the houses' spoken names and places
}

void ChartView::SetDiagram(ChartDiagram diagram) {
    diagram_ = std::move(diagram);
    SetStyle(style_);
}

void ChartView::SetKeepsSquare(bool square) {
    square_ = square;
    PlaceSpots();
    update();
}

void ChartView::SetFullNames(bool full) {
    fullNames_ = full;
    update();
}

void ChartView::SetTitleInCentre(bool shown) {
    titleInCentre_ = shown;
    update();
}

void ChartView::SetSouthSpots(const std::array<QList<QWidget*>, kSignCount>& bySign) {
    for (const QList<QWidget*>& spots : bySign)
        for (QWidget* spot : spots) spot->installEventFilter(this);
    southSpots_ = bySign;
    PlaceSpots();
    update();
}

bool ChartView::OutsideSpotsShown() const { return style_ == ChartStyle::South && !southSpots_[0].isEmpty(); }

int ChartView::FocusedHouse() const {
    for (int house = 1; house <= kSignCount; ++house) {
        if (HouseSpot(house)->hasFocus()) return house;
        if (OutsideSpotsShown())
            for (const QWidget* spot : southSpots_[static_cast<std::size_t>(diagram_.OfHouse(house).sign)])
                if (spot->hasFocus()) return house;
    }
    return 0;
}

QRectF ChartView::ChartArea() const {
    if (!square_) return QRectF(rect()).adjusted(1, 1, -1, -1);
    const double side = std::min(width(), height()) - 2.0;
    return {(width() - side) / 2, (height() - side) / 2, side, side};
}

void ChartView::PlaceSpots() {
    const QRectF area = ChartArea();
    const bool own = !OutsideSpotsShown();
    for (int house = 1; house <= kSignCount; ++house) {
        HouseSpot(house)->setGeometry(HouseTextBox(diagram_, style_, house, area).toAlignedRect());
        HouseSpot(house)->setVisible(own);
    }
}

void ChartView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The houses' spoken names in the new language, and the cells drawn in it.
    if (event->type() == QEvent::LanguageChange) SetStyle(style_);
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
    ChartPaint how;
    how.style = style_;
    how.shortLabels = !fullNames_;
    if (titleInCentre_) how.centre = {title_};
    how.focusedHouse = FocusedHouse();
    PaintChart(painter, ChartArea(), diagram_, how);
}

void ChartView::Paint(QPainter& painter, const QRectF& area, const QString& title, const ChartDiagram& diagram,
                      ChartStyle style, int focusedHouse) {
    ChartPaint how;
    how.style = style;
    how.shortLabels = true;
    how.centre = {title};
    how.focusedHouse = focusedHouse;
    PaintChart(painter, area, diagram, how);
}

}  // namespace velmora
