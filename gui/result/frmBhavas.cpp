#include "result/frmBhavas.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "presentation/BhavaPoints.h"
#include "result/ChartView.h"
#include "widgets/ChartPageParts.h"
#include "widgets/ScreenFit.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"

namespace velmora {

namespace {

QTableWidget* Table(int rows, const QStringList& headers, const QString& name, QWidget* parent) {
    auto* table = new QTableWidget(rows, static_cast<int>(headers.size()), parent);
    table->setObjectName(name);
    table->setAccessibleName(name == QStringLiteral("tblCusps") ? QStringLiteral("House cusps")
                                                                 : QStringLiteral("Each point's house"));
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    return table;
}

void Fill(QTableWidget* table, int row, const QStringList& cells) {
    for (int c = 0; c < cells.size(); ++c) table->setItem(row, c, new QTableWidgetItem(cells[c]));
}

// Tall and wide enough for every row and column, without scroll bars.
void FitRows(QTableWidget* table) {
    table->resizeColumnsToContents();
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setMinimumHeight(table->horizontalHeader()->sizeHint().height() + table->verticalHeader()->length() +
                            2 * table->frameWidth());
    table->setMinimumWidth(table->horizontalHeader()->length() + 2 * table->frameWidth());
}

}  // namespace

QString frmBhavas::Summary(const Chart& chart) {
    if (chart.mode != ComputationMode::Precise)
        return QStringLiteral("A classic chart has no house cusps: choose precise positions on the form for the "
                              "bhavas.");
    QString text = FromUtf8(BhavaHeading(chart)) + QLatin1Char('.');
    text += QLatin1Char(' ') + QString::fromStdString(chart.ayanamsaLabel) +
            (chart.positions == PositionKind::True ? QStringLiteral(", true positions.")
                                                   : QStringLiteral(", apparent positions."));
    return text;
}

frmBhavas::frmBhavas(const Chart& chart, const ChartStyleChoice& style, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmBhavas"));
    Translate(this, QT_TRANSLATE_NOOP("Velmora", "Bhavas (houses) - %1"), TextRole::WindowTitle, {QString::fromStdString(chart.birth.name)});
    QWidget* page = ScrollingPage(this);
    auto* grid = new QGridLayout(page);

    lblSummary = SummaryLabel(Summary(chart), QStringLiteral("lblSummary"), page);
    grid->addWidget(lblSummary, 0, 0, 1, 3);

    lblNote = new QLabel(QString::fromStdString(chart.housesNote), page);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setWordWrap(true);
    lblNote->setFocusPolicy(Qt::TabFocus);
    lblNote->setAccessibleName(lblNote->text());
    lblNote->setStyleSheet(QStringLiteral("color: #800000"));
    lblNote->setVisible(!chart.housesNote.empty());
    grid->addWidget(lblNote, 1, 0, 1, 3);

    QList<QWidget*> chain{lblSummary, lblNote};
    if (chart.mode == ComputationMode::Precise) {
        tblCusps = Table(12, {QStringLiteral("House"), QStringLiteral("Begins at"), QStringLiteral("Points")},
                         QStringLiteral("tblCusps"), page);
        for (const BhavaRow& row : BhavaRows(chart))
            Fill(tblCusps, row.house - 1, {QString::number(row.house), FromUtf8(row.cusp), FromUtf8(row.points)});
        FitRows(tblCusps);
        grid->addWidget(Framed(QStringLiteral("Cusps"), tblCusps, page), 2, 0, Qt::AlignTop);

        tblBhavas = Table(kBodyCount, {QStringLiteral("Point"), QStringLiteral("Sign"), QStringLiteral("House")},
                          QStringLiteral("tblBhavas"), page);
        for (int i = 0; i < kBodyCount; ++i) {
            const auto at = static_cast<std::size_t>(i);
            Fill(tblBhavas, i,
                 {FromUtf8(kPointNames[at]), FromUtf8(kSignEnglishNames[static_cast<std::size_t>(chart.points[at].sign)]),
                  QString::number(chart.bhavas[at])});
        }
        FitRows(tblBhavas);
        grid->addWidget(Framed(QStringLiteral("Each point's house"), tblBhavas, page), 2, 1, Qt::AlignTop);

        const QString title = QStringLiteral("Bhava chart (bhava chalit)");
        bhavaChart = new ChartView(title, MakeChartDiagram(BhavaPoints(chart)), style.Style(), page);
        style.Follow(bhavaChart, [chart = bhavaChart](ChartStyle chosen) { chart->SetStyle(chosen); });
        bhavaChart->setObjectName(QStringLiteral("bhavaChart"));
        grid->addWidget(Framed(title, bhavaChart, page), 2, 2);
        grid->setColumnStretch(2, 1);
        grid->setRowStretch(2, 1);
        chain << tblCusps << tblBhavas << bhavaChart->HouseSpots();
    }
    SetPageKeys(this, chain);

    FitOnScreen(this, QSize(900, 640));
}

}  // namespace velmora
