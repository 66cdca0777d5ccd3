#include "result/AshtakavargaPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

#include "presentation/ChartDiagram.h"
#include "services/Preferences.h"
#include "widgets/ChartPageParts.h"
#include "result/ChartView.h"
#include "widgets/ScreenFit.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"
#include "services/LanguageChoice.h"

namespace velmora {

namespace {

QTableWidgetItem* Centred(int value, bool bold = false) {
    auto* item = new QTableWidgetItem(ShownDigits(QString::number(value)));
    item->setTextAlignment(Qt::AlignCenter);
    if (bold) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    return item;
}

void FillRow(QTableWidget* table, int row, const QString& name, const std::array<int, kSignCount>& values) {
    table->setVerticalHeaderItem(row, new QTableWidgetItem(name));
    for (int s = 0; s < kSignCount; ++s) table->setItem(row, s, Centred(values[static_cast<std::size_t>(s)]));
    table->setItem(row, kSignCount, Centred(std::accumulate(values.begin(), values.end(), 0), true));
}

// A table of bindus: read-only, its columns sharing the width, as tall as
// its compact rows; Tab leaves it.
// The columns' headings, and every column as wide as the widest of them.
void SetBinduColumns(QTableWidget* table, const QStringList& columns) {
    table->setHorizontalHeaderLabels(columns);
    // Every column as wide as its widest heading ("Shodhya") at least, the
    // table as wide as its columns: the page scrolls before a heading is cut.
    int widest = 0;
    for (const QString& column : columns) widest = std::max(widest, table->horizontalHeader()->fontMetrics().horizontalAdvance(column));
    const int section = widest + 2 * table->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, table) + 4;
    table->horizontalHeader()->setMinimumSectionSize(section);
    table->setMinimumWidth(section * static_cast<int>(columns.size()) + table->fontMetrics().horizontalAdvance(QStringLiteral("Mercury")) +
                           24 + 2 * table->frameWidth());
}

QTableWidget* BinduTable(int rows, const QStringList& columns, const QString& name, const char* accessible,
                         QWidget* parent) {
    auto* table = new QTableWidget(rows, static_cast<int>(columns.size()), parent);
    table->setObjectName(name);
    Translate(table, accessible, TextRole::AccessibleName);
    for (int row = 0; row < rows; ++row) table->setVerticalHeaderItem(row, new QTableWidgetItem);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    SetBinduColumns(table, columns);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->setMinimumHeight(table->horizontalHeader()->sizeHint().height() + table->verticalHeader()->length() +
                            2 * table->frameWidth());
    table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return table;
}

}  // namespace

AshtakavargaPage::AshtakavargaPage(const Chart& chart, ChartStyleChoice& style, Preferences& preferences,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window), chart_(chart), preferences_(preferences) {
    setObjectName(QStringLiteral("AshtakavargaPage"));
    Translate(this, QT_TRANSLATE_NOOP("Velmora", "Ashtakavarga - %1"), TextRole::WindowTitle, {QString::fromStdString(chart.birth.name)});
    setAccessibleName(windowTitle());
    // The page scrolls where the screen is smaller than it.
    QWidget* page = ScrollingPage(this);
    auto* column = new QVBoxLayout(page);

    lblAbout = new QLabel(this);
    Translate(lblAbout, QT_TRANSLATE_NOOP("Velmora", "Parashara's ashtakavarga: the bindus each planet receives in "
                                                     "each sign from the seven planets and the ascendant, and their "
                                                     "sum by sign, the sarvashtakavarga (SAV, 337 in all)."));
    lblAbout->setObjectName(QStringLiteral("lblAbout"));
    lblAbout->setWordWrap(true);
    lblAbout->setFocusPolicy(Qt::TabFocus);
    lblAbout->setAccessibleName(lblAbout->text());
    column->addWidget(lblAbout);

    auto* styleRow = new QHBoxLayout;
    cboStyle = AddChartStyleChooser(styleRow, style, this, [this](ChartStyle chosen) { sav->SetStyle(chosen); });
    styleRow->addSpacing(12);
    auto* readingCaption = Translated(new QLabel(this), QT_TRANSLATE_NOOP("Velmora", "&Reading:"));
    cboReading = new QComboBox(this);
    cboReading->setObjectName(QStringLiteral("cboReading"));
    Translate(cboReading, QT_TRANSLATE_NOOP("Velmora", "Reading of the tables"), TextRole::AccessibleName);
    for (AshtakavargaReading reading : kAshtakavargaReadings)
        cboReading->addItem(QString::fromLatin1(AshtakavargaReadingName(reading)));
    readingCaption->setBuddy(cboReading);
    styleRow->addWidget(readingCaption);
    styleRow->addWidget(cboReading);
    styleRow->addSpacing(12);
    chkReduced = Translated(new QCheckBox(this), QT_TRANSLATE_NOOP("Velmora", "Re&duced (trikona and ekadhipatya shodhana)"));
    chkReduced->setObjectName(QStringLiteral("chkReduced"));
    Translate(chkReduced, QT_TRANSLATE_NOOP("Velmora", "Reduced tables and pindas"), TextRole::AccessibleName);
    styleRow->addWidget(chkReduced);
    styleRow->addStretch(1);
    column->addLayout(styleRow);

    const auto signs = [] {
        QStringList columns;
        for (std::string_view sign : WindowTerms().signShort) columns << FromUtf8(sign);
        return columns << Tr(QT_TRANSLATE_NOOP("Velmora", "Total"));
    };
    const auto pindas = [] {
        return QStringList{Tr(QT_TRANSLATE_NOOP("Velmora", "Rasi")), Tr(QT_TRANSLATE_NOOP("Velmora", "Graha")),
                           Tr(QT_TRANSLATE_NOOP("Velmora", "Shodhya"))};
    };
    tblBindus = BinduTable(kAshtakavargaPlanets + 1, signs(), QStringLiteral("tblBindus"),
                           QT_TRANSLATE_NOOP("Velmora", "Bindus by planet and sign"), this);
    column->addWidget(tblBindus);
    tblReduced = BinduTable(kAshtakavargaPlanets, signs() + pindas(), QStringLiteral("tblReduced"),
                            QT_TRANSLATE_NOOP("Velmora", "Bindus after trikona and ekadhipatya shodhana, and the pindas"),
                            this);
    column->addWidget(tblReduced);

    const char* title = QT_TRANSLATE_NOOP("Velmora", "Sarvashtakavarga: bindus in each sign");
    sav = new ChartView(Tr(title), MakeChartDiagram(SarvashtakavargaPoints(chart_, preferences.KeptAshtakavargaReading())), style.Style(), this);
    sav->setObjectName(QStringLiteral("sav"));
    auto* frame = Translated(new QGroupBox(this), title);
    auto* inside = new QVBoxLayout(frame);
    inside->setContentsMargins(4, 4, 4, 4);
    inside->addWidget(sav);
    // The chart keeps its size when the reduced tables show: the page
    // scrolls instead.
    sav->setMinimumSize(360, 360);
    column->addWidget(frame, 1);

    const AshtakavargaReading kept = preferences_.KeptAshtakavargaReading();
    cboReading->setCurrentIndex(kept == AshtakavargaReading::Rao ? 1 : 0);
    chkReduced->setChecked(preferences_.KeptAshtakavargaReduced());
    tblReduced->setVisible(chkReduced->isChecked());
    ShowReading(kept);
    tblBindus->setCurrentCell(0, 0);
    tblReduced->setCurrentCell(0, 0);

    connect(cboReading, &QComboBox::currentIndexChanged, this, [this](int index) {
        const AshtakavargaReading reading = kAshtakavargaReadings[index == 1 ? 1 : 0];
        preferences_.KeepAshtakavargaReading(reading);
        ShowReading(reading);
    });
    connect(chkReduced, &QCheckBox::toggled, this, [this](bool reduced) {
        preferences_.KeepAshtakavargaReduced(reduced);
        tblReduced->setVisible(reduced);
    });

    // Tab: the text, the style, the reading, the reductions, the tables, the
    // chart house by house.
    QList<QWidget*> chain{lblAbout, cboStyle, cboReading, chkReduced, tblBindus, tblReduced};
    chain << sav->HouseSpots();
    SetPageKeys(this, chain);
    // The tables' headings and rows again in each language chosen.
    OnLanguageChange(this, [this, signs, pindas, title] {
        lblAbout->setAccessibleName(lblAbout->text());
        SetBinduColumns(tblBindus, signs());
        SetBinduColumns(tblReduced, signs() + pindas());
        sav->SetChart(Tr(title), sav->Diagram());
        ShowReading(kAshtakavargaReadings[cboReading->currentIndex() == 1 ? 1 : 0]);
    });

    FitOnScreen(this, QSize(760, 820));
}

void AshtakavargaPage::ShowReading(AshtakavargaReading reading) {
    const AshtakavargaTables& tables = chart_.AshtakavargaIn(reading);
    const Ashtakavarga& a = tables.bindus;
    for (int p = 0; p < kAshtakavargaPlanets; ++p)
        FillRow(tblBindus, p, FromUtf8(WindowTerms().points[static_cast<std::size_t>(p)]), a.bav[static_cast<std::size_t>(p)]);
    FillRow(tblBindus, kAshtakavargaPlanets, QStringLiteral("SAV"), a.sav);
    const ReducedAshtakavarga& r = tables.reduced;
    for (std::size_t p = 0; p < kAshtakavargaPlanets; ++p) {
        const int row = static_cast<int>(p);
        FillRow(tblReduced, row, FromUtf8(WindowTerms().points[p]), r.bav[p]);
        tblReduced->setItem(row, kSignCount + 1, Centred(r.rasiPinda[p]));
        tblReduced->setItem(row, kSignCount + 2, Centred(r.grahaPinda[p]));
        tblReduced->setItem(row, kSignCount + 3, Centred(r.shodhyaPinda[p], true));
    }
    sav->SetDiagram(MakeChartDiagram(SarvashtakavargaPoints(chart_, reading)));
}

}  // namespace velmora
