#include "result/AshtakavargaPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <numeric>

#include "presentation/ChartDiagram.h"
#include "widgets/ChartPageParts.h"
#include "result/ChartView.h"
#include "widgets/ScreenFit.h"
#include "widgets/Utf8Text.h"

namespace velmora {

namespace {

void FillRow(QTableWidget* table, int row, const QString& name, const std::array<int, kSignCount>& values) {
    auto* header = new QTableWidgetItem(name);
    QFont bold = header->font();
    bold.setBold(true);
    table->setVerticalHeaderItem(row, header);
    for (int s = 0; s < kSignCount; ++s) {
        auto* item = new QTableWidgetItem(QString::number(values[static_cast<std::size_t>(s)]));
        item->setTextAlignment(Qt::AlignCenter);
        table->setItem(row, s, item);
    }
    auto* total = new QTableWidgetItem(QString::number(std::accumulate(values.begin(), values.end(), 0)));
    total->setTextAlignment(Qt::AlignCenter);
    total->setFont(bold);
    table->setItem(row, kSignCount, total);
}

}  // namespace

AshtakavargaPage::AshtakavargaPage(const Chart& chart, ChartStyleChoice& style, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("AshtakavargaPage"));
    setWindowTitle(QStringLiteral("Ashtakavarga - %1").arg(QString::fromStdString(chart.birth.name)));
    setAccessibleName(windowTitle());
    auto* column = new QVBoxLayout(this);

    lblAbout = new QLabel(QStringLiteral("Parashara's ashtakavarga: the bindus each planet receives in each sign from "
                                         "the seven planets and the ascendant, and their sum by sign, the "
                                         "sarvashtakavarga (SAV, 337 in all)."),
                          this);
    lblAbout->setObjectName(QStringLiteral("lblAbout"));
    lblAbout->setWordWrap(true);
    lblAbout->setFocusPolicy(Qt::TabFocus);
    lblAbout->setAccessibleName(lblAbout->text());
    column->addWidget(lblAbout);

    auto* styleRow = new QHBoxLayout;
    cboStyle = AddChartStyleChooser(styleRow, style, this, [this](ChartStyle chosen) { sav->SetStyle(chosen); });
    styleRow->addStretch(1);
    column->addLayout(styleRow);

    const Ashtakavarga& a = chart.ashtakavarga;
    tblBindus = new QTableWidget(kAshtakavargaPlanets + 1, kSignCount + 1, this);
    tblBindus->setObjectName(QStringLiteral("tblBindus"));
    tblBindus->setAccessibleName(QStringLiteral("Bindus by planet and sign"));
    QStringList signs;
    for (std::string_view sign : kSignNames) signs << FromUtf8(sign);
    signs << QStringLiteral("Total");
    tblBindus->setHorizontalHeaderLabels(signs);
    for (int p = 0; p < kAshtakavargaPlanets; ++p)
        FillRow(tblBindus, p, FromUtf8(kPlainBodyNames[static_cast<std::size_t>(p)]), a.bav[static_cast<std::size_t>(p)]);
    FillRow(tblBindus, kAshtakavargaPlanets, QStringLiteral("SAV"), a.sav);
    tblBindus->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblBindus->setTabKeyNavigation(false);
    tblBindus->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblBindus->setMinimumHeight(tblBindus->horizontalHeader()->sizeHint().height() +
                                tblBindus->verticalHeader()->length() + 2 * tblBindus->frameWidth());
    tblBindus->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    tblBindus->setCurrentCell(0, 0);
    column->addWidget(tblBindus);

    const QString title = QStringLiteral("Sarvashtakavarga: bindus in each sign");
    sav = new ChartView(title, MakeChartDiagram(SarvashtakavargaPoints(chart)), style.style, this);
    sav->setObjectName(QStringLiteral("sav"));
    auto* frame = new QGroupBox(title, this);
    auto* inside = new QVBoxLayout(frame);
    inside->setContentsMargins(4, 4, 4, 4);
    inside->addWidget(sav);
    column->addWidget(frame, 1);


    // Tab: the text, the style, the table, the chart house by house.
    QList<QWidget*> chain{lblAbout, cboStyle, tblBindus};
    chain << sav->HouseSpots();
    SetPageKeys(this, chain);

    FitOnScreen(this, QSize(760, 820));
}

}  // namespace velmora
