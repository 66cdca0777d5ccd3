#pragma once
// A chart on the screen, in the South-Indian or the North-Indian style, drawn
// by the chart painter from its diagram. Each house is a focusable spot that
// a screen reader announces ("House 1, Leo: Sun, Mercury retrograde, AL").

#include <QList>
#include <QString>
#include <QWidget>
#include <array>

#include "presentation/ChartDiagram.h"
#include "presentation/ChartStyle.h"

class QPainter;

namespace velmora {

class ChartView : public QWidget {
    Q_OBJECT
public:
    ChartView(const QString& title, ChartDiagram diagram, ChartStyle style, QWidget* parent = nullptr);

    void SetStyle(ChartStyle style);
    // Another chart in the same place (the transits of another moment).
    void SetDiagram(ChartDiagram diagram);
    const ChartDiagram& Diagram() const { return diagram_; }
    ChartStyle Style() const { return style_; }
    // Another chart in the same place (another varga): its title, which is
    // also the view's accessible name, and its diagram.
    void SetChart(const QString& title, ChartDiagram diagram);
    // Square (the default: the largest square in the middle) or filling the
    // whole widget, as wide as it is.
    void SetKeepsSquare(bool square);
    // Full names one per line ("Mercury (R)") rather than two-letter ones
    // ("Me(R)", the default).
    void SetFullNames(bool full);
    // Whether the South-Indian centre shows the title (the default), or
    // stays empty for what the window puts there.
    void SetTitleInCentre(bool shown);
    // Widgets outside the view that stand for the South-Indian cells, by
    // sign (the result form's sign and arudha labels): in that style they
    // take the keyboard focus in the house spots' place, and the cell of the
    // one that has it is outlined.
    void SetSouthSpots(const std::array<QList<QWidget*>, kSignCount>& bySign);
    // The house whose cell or house is outlined now: 1 … 12, 0 none.
    int FocusedHouse() const;

    // Paints the chart into `area` of any painter; `focusedHouse` (1 … 12,
    // or 0) is outlined; two-letter names, the title in the South-Indian
    // centre.
    static void Paint(QPainter& painter, const QRectF& area, const QString& title, const ChartDiagram& diagram,
                      ChartStyle style, int focusedHouse = 0);
    // The area of the widget the chart fills.
    QRectF ChartArea() const;

    // The spot of house 1 … 12 (South-Indian: the house of each sign counted
    // from the ascendant, standing on its sign's cell).
    QWidget* HouseSpot(int house) const { return spots_[static_cast<std::size_t>(house - 1)]; }
    // The twelve spots, house 1 first: the chart's part of a page's Tab order.
    QList<QWidget*> HouseSpots() const { return {spots_.begin(), spots_.end()}; }

    QSize sizeHint() const override { return {360, 360}; }
    QSize minimumSizeHint() const override { return {240, 240}; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    // A new language: the cells are drawn anew in its names.
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceSpots();
    bool OutsideSpotsShown() const;

    QString title_;
    ChartDiagram diagram_;
    ChartStyle style_;
    bool square_ = true;
    bool fullNames_ = false;
    bool titleInCentre_ = true;
    std::array<QWidget*, kSignCount> spots_{};
    std::array<QList<QWidget*>, kSignCount> southSpots_{};  // by sign; empty: the view's own spots
};

}  // namespace velmora
