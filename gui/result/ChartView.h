#pragma once
// A chart drawn with QPainter in the South-Indian or the North-Indian style:
// the same paint routine serves the screen and any other paint device (a
// printer, an image). Each house is a focusable spot that a screen reader
// announces ("House 1, Leo: Sun, Mercury retrograde, AL").

#include <QString>
#include <QWidget>
#include <array>
#include <vector>

#include "presentation/ChartStyle.h"
#include "engine/NameTables.h"

class QPainter;

namespace velmora {

struct ChartEntry {
    QString text;    // as drawn: "Me(R)", "AL"
    QString spoken;  // as read: "Mercury retrograde", "AL"
    bool arudha = false;
};

using ChartEntries = std::array<std::vector<ChartEntry>, kSignCount>;  // by sign index

// Entries from the result form's captions by sign ("\r\nSun\r\nMercury (R) ")
// and, optionally, its arudha captions ("\r\nAL\r\nA7").
ChartEntries EntriesFromCaptions(const std::array<std::string, kSignCount>& bodies,
                                 const std::array<std::string, kSignCount>* arudhas);

// The sign the ascendant ("Asc") stands in, from the same captions; 0 when none.
int AscendantSignOf(const std::array<std::string, kSignCount>& bodies);

class ChartView : public QWidget {
    Q_OBJECT
public:
    ChartView(const QString& title, ChartEntries entries, int ascendantSign, ChartStyle style,
              QWidget* parent = nullptr);

    void SetStyle(ChartStyle style);
    ChartStyle Style() const { return style_; }

    // Paints the chart into `area` of any painter; `focusedHouse` (1 … 12,
    // or 0) is outlined.
    static void Paint(QPainter& painter, const QRectF& area, const QString& title, const ChartEntries& entries,
                      int ascendantSign, ChartStyle style, int focusedHouse = 0);

    // The spot of house 1 … 12 (South-Indian: the house of each sign counted
    // from the ascendant, standing on its sign's cell).
    QWidget* HouseSpot(int house) const { return spots_[static_cast<std::size_t>(house - 1)]; }

    QSize sizeHint() const override { return {360, 360}; }
    QSize minimumSizeHint() const override { return {240, 240}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceSpots();
    QRectF ChartArea() const;

    QString title_;
    ChartEntries entries_;
    int ascendant_;
    ChartStyle style_;
    std::array<QWidget*, kSignCount> spots_{};
};

}  // namespace velmora
